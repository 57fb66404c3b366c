// Every test puzzle and every sample, solved as the menu command does: no decided cell may differ
// from the known solution, or, for puzzles with several solutions, from any of them (all found by
// an enumeration of our own); the samples must solve completely.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "solver/AutoSolve.h"
#include "solver/LineHelpers.h"
#include "state/PuzzleFiles.h"
#include "support/TestApp.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

const fs::path kPuzzles = fs::path(GW_SOURCE_DIR) / "tests" / "solver" / "puzzles";
const fs::path kSamples = fs::path(GW_SOURCE_DIR) / "samples";

using Board = std::vector<std::vector<int>>;  // [y][x], from 0; -1 empty

// The neutral text format: size, colours, row and column hints, then the solution if known.
struct NeutralPuzzle {
  int width = 0, height = 0;
  std::vector<std::vector<HintRun>> rows, cols;
  Board solution;
};

std::vector<HintRun> ParseRuns(std::istringstream& in) {
  std::vector<HintRun> runs;
  for (std::string run; in >> run;) {
    size_t slash = run.find('/');
    runs.push_back({std::stoi(run.substr(0, slash)), std::stoi(run.substr(slash + 1))});
  }
  return runs;
}

NeutralPuzzle ReadNeutral(const fs::path& path) {
  NeutralPuzzle p;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    if (word == "size") in >> p.width >> p.height;
    else if (word == "row:") p.rows.push_back(ParseRuns(in));
    else if (word == "col:") p.cols.push_back(ParseRuns(in));
    else if (word != "colors" && !line.empty()) {
      std::vector<int> row;
      for (char ch : line) row.push_back(ch == '.' ? -1 : ch - '0');
      p.solution.push_back(row);
    }
  }
  return p;
}

// Whether the runs can still be placed on a line whose cells are known (>0 colour, <0 empty) or
// blank (0), by the gap rule of colour puzzles.
bool LineFits(const std::vector<int>& cells, const std::vector<HintRun>& runs) {
  const int L = static_cast<int>(cells.size()), n = static_cast<int>(runs.size());
  // fits[k][i]: runs k.. can be placed in cells i..
  std::vector<std::vector<char>> fits(n + 1, std::vector<char>(L + 2, 0));
  fits[n][L] = fits[n][L + 1] = 1;
  for (int i = L - 1; i >= 0; --i) fits[n][i] = cells[i] <= 0 && fits[n][i + 1];
  for (int k = n - 1; k >= 0; --k)
    for (int i = L; i >= 0; --i) {
      bool ok = i < L && cells[i] <= 0 && fits[k][i + 1];
      int end = i + runs[k].length;
      bool covers = end <= L;
      for (int j = i; covers && j < end; ++j) covers = cells[j] == 0 || cells[j] == runs[k].colour;
      if (covers) {
        bool gap = k + 1 < n && runs[k + 1].colour == runs[k].colour;
        if (!gap) ok = ok || fits[k + 1][end];
        else ok = ok || (end < L && cells[end] <= 0 && fits[k + 1][end + 1]);
      }
      fits[k][i] = ok;
    }
  return fits[0][0];
}

// Every placement of one line's runs, as cells.
void Placements(const std::vector<HintRun>& runs, int L, std::vector<std::vector<int>>& out) {
  std::vector<int> line(L, -1);
  std::function<void(size_t, int)> place = [&](size_t k, int from) {
    if (k == runs.size()) {
      out.push_back(line);
      return;
    }
    for (int s = from; s + runs[k].length <= L; ++s) {
      std::fill(line.begin() + s, line.begin() + s + runs[k].length, runs[k].colour);
      bool gap = k + 1 < runs.size() && runs[k + 1].colour == runs[k].colour;
      place(k + 1, s + runs[k].length + (gap ? 1 : 0));
      std::fill(line.begin() + s, line.begin() + s + runs[k].length, -1);
    }
  };
  place(0, 0);
}

// All solutions, row by row, each row checked against what the columns can still take.
std::vector<Board> AllSolutions(const NeutralPuzzle& p) {
  std::vector<std::vector<std::vector<int>>> rowOptions(p.height);
  for (int y = 0; y < p.height; ++y) Placements(p.rows[y], p.width, rowOptions[y]);
  std::vector<Board> found;
  Board board(p.height, std::vector<int>(p.width, 0));
  std::function<void(int)> fill = [&](int y) {
    if (y == p.height) {
      found.push_back(board);
      return;
    }
    for (const auto& option : rowOptions[y]) {
      board[y] = option;
      bool ok = true;
      for (int x = 0; ok && x < p.width; ++x) {
        std::vector<int> col(p.height);
        for (int i = 0; i < p.height; ++i) col[i] = board[i][x];
        ok = LineFits(col, p.cols[x]);
      }
      if (ok) fill(y + 1);
    }
    board[y].assign(p.width, 0);
  };
  fill(0);
  return found;
}

std::string Class(const std::string& name) {
  std::ifstream index(kPuzzles / "INDEX.tsv");
  for (std::string line; std::getline(index, line);)
    if (line.rfind(name + "\t", 0) == 0) {
      std::istringstream in(line);
      std::string field;
      for (int i = 0; i < 4; ++i) std::getline(in, field, '\t');
      return field;
    }
  return "";
}

struct Solve : TestApp {
  explicit Solve(const fs::path& path) {
    app.puzzle.Mode = kModePlay;
    std::string ext = path.extension().string();
    if (ext == ".gwc" || ext == ".GWC") ReadMonoHintPuzzle(app, path.string());
    else ReadHintPuzzle(app, path.string());
    for (int i = 0; i < 2; ++i) ui.QueueAnswer(ScriptStep{{"ok"}, 0, true, false});
    outcome = RunAutoSolve(app);
  }
  int Cell(int x, int y) const { return app.puzzle.Grid[x + 1][y + 1]; }
  SolveOutcome outcome;
};

TEST(PuzzleSet, NoDecidedCellDiffersFromAnySolution) {
  int puzzles = 0;
  for (const auto& entry : fs::directory_iterator(kPuzzles)) {
    if (entry.path().extension() != ".txt") continue;
    std::string name = entry.path().stem().string();
    NeutralPuzzle p = ReadNeutral(entry.path());
    std::vector<Board> solutions{p.solution};
    if (Class(name) == "multiple") {
      solutions = AllSolutions(p);
      EXPECT_GE(solutions.size(), 2u) << name;
    }
    ASSERT_EQ(static_cast<int>(solutions[0].size()), p.height) << name;
    Solve s(kPuzzles / (name + ".gwm"));
    ASSERT_EQ(s.app.puzzle.XSize, p.width) << name;
    EXPECT_FALSE(s.outcome.contradiction) << name;
    for (const Board& solution : solutions)
      for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
          int v = s.Cell(x, y);
          if (v != 0) { EXPECT_EQ(v, solution[y][x]) << name << " cell " << x + 1 << "," << y + 1; }
        }
    ++puzzles;
  }
  EXPECT_EQ(puzzles, 27);
}

TEST(PuzzleSet, TheEnumerationFindsTheKnownSolutionsOfSmallPuzzles) {
  for (const char* name : {"sgt-pattern-5x5-s3", "wilk-data148", "nonny-rainbow"}) {
    NeutralPuzzle p = ReadNeutral(kPuzzles / (std::string(name) + ".txt"));
    std::vector<Board> all = AllSolutions(p);
    ASSERT_EQ(all.size(), 1u) << name;
    EXPECT_EQ(all[0], p.solution) << name;
  }
}

TEST(Samples, EverySampleSolvesCompletely) {
  int samples = 0;
  if (fs::is_directory(kSamples))
    for (const auto& entry : fs::directory_iterator(kSamples)) {
      std::string ext = entry.path().extension().string();
      for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      if (ext != ".gwm" && ext != ".gwc") continue;
      Solve s(entry.path());
      EXPECT_FALSE(s.outcome.contradiction) << entry.path();
      for (int y = 0; y < s.app.puzzle.YSize; ++y)
        for (int x = 0; x < s.app.puzzle.XSize; ++x)
          EXPECT_NE(s.Cell(x, y), 0) << entry.path() << " cell " << x + 1 << "," << y + 1;
      ++samples;
    }
  if (samples == 0) GTEST_SKIP() << "no sample puzzles in " << kSamples;
}

}  // namespace
}  // namespace gw::test
