// Whole-puzzle verdicts against an enumeration of every board, and the difficulty against a
// plain re-reading of its definition built on the enumerated line fillings.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>

#include "support/BruteForce.h"
#include "analysis/Analysis.h"
#include "analysis/Engine.h"

namespace gw::analysis {
namespace {

using brute::Line;
using brute::SamePuzzle;
using brute::ToRows;

// Line reasoning, then probing by removals only, each written the simplest way.
class PlainRater {
 public:
  PlainRater(const Puzzle& p, int colors) : p_(p) {
    for (const LineRuns& r : p.rows) fillings_.push_back(brute::Fillings(r, p.width));
    for (const LineRuns& r : p.cols) fillings_.push_back(brute::Fillings(r, p.height));
    CellSet all = CellSet((1 << (colors + 1)) - 1);
    cells_.assign(p.width * p.height, all);
  }
  Difficulty Rate() {
    if (!Propagate(cells_)) return Difficulty::kNone;
    if (Decided()) return Difficulty::kLine;
    for (bool removed = true; removed;) {
      removed = false;
      for (size_t i = 0; i < cells_.size(); ++i)
        for (int v = 0; v <= kMaxColors; ++v) {
          if (!(cells_[i] & (1 << v)) || Single(cells_[i])) continue;
          std::vector<CellSet> trial = cells_;
          trial[i] = CellSet(1 << v);
          if (Propagate(trial)) continue;
          cells_[i] &= CellSet(~(1 << v));
          removed = true;
          if (!Propagate(cells_)) return Difficulty::kNone;
        }
    }
    return Decided() ? Difficulty::kProbe : Difficulty::kSearch;
  }

  // Solutions up to `cap` by the plainest search: line reasoning, then each value of the first
  // undecided cell in turn.
  int Count(int cap) { return Count(cells_, cap); }


 private:
  static bool Single(CellSet c) { return (c & (c - 1)) == 0; }
  int Count(std::vector<CellSet> cells, int cap) const {
    if (!Propagate(cells)) return 0;
    auto open = std::find_if(cells.begin(), cells.end(), [](CellSet c) { return !Single(c); });
    if (open == cells.end()) return 1;
    int count = 0;
    for (int v = 0; v <= kMaxColors && count < cap; ++v) {
      if (!(*open & (1 << v))) continue;
      std::vector<CellSet> trial = cells;
      trial[open - cells.begin()] = CellSet(1 << v);
      count += Count(std::move(trial), cap - count);
    }
    return count;
  }
  bool Decided() const {
    for (CellSet c : cells_)
      if (!Single(c)) return false;
    return true;
  }
  bool Propagate(std::vector<CellSet>& cells) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (size_t l = 0; l < fillings_.size(); ++l) {
        const bool row = l < static_cast<size_t>(p_.height);
        const int n = row ? p_.width : p_.height;
        std::vector<CellSet> line(n);
        auto at = [&](int i) -> CellSet& {
          return row ? cells[l * p_.width + i] : cells[i * p_.width + (l - p_.height)];
        };
        for (int i = 0; i < n; ++i) line[i] = at(i);
        if (!brute::SolveByFillings(fillings_[l], line)) return false;
        for (int i = 0; i < n; ++i) {
          changed = changed || line[i] != at(i);
          at(i) = line[i];
        }
      }
    }
    return true;
  }

  const Puzzle& p_;
  std::vector<std::vector<Line>> fillings_;
  std::vector<CellSet> cells_;
};

Board ToBoard(const std::vector<Line>& rows) {
  Board b{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
  for (const Line& r : rows)
    for (int v : r) b.cells.push_back(static_cast<std::uint8_t>(v));
  return b;
}

// Changes one run of the puzzle a little, which usually leaves no picture at all.
void Disturb(std::mt19937& rng, Puzzle& p, int colors) {
  std::uniform_int_distribution<int> pick(0, p.width + p.height - 1), delta(0, 1), col(1, colors);
  for (int tries = 0; tries < 10; ++tries) {
    int l = pick(rng);
    LineRuns& runs = l < p.height ? p.rows[l] : p.cols[l - p.height];
    if (runs.empty()) continue;
    Run& r = runs[std::uniform_int_distribution<int>(0, static_cast<int>(runs.size()) - 1)(rng)];
    if (delta(rng)) {
      r.length += 1;
    } else {
      r.color = col(rng);
    }
    return;
  }
}

TEST(Verdict, AgreesWithEveryBoardOnRandomSmallPuzzles) {
  std::mt19937 rng(2026);
  int bySolutions[3] = {}, byDifficulty[4] = {};
  for (int round = 0; round < 800; ++round) {
    const int w = 1 + round % 6, h = 1 + (round / 6) % 6;
    const int colors = 1 + (round / 36) % 3;
    const double ink = 0.3 + 0.1 * (round % 5);
    Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, w, h, colors, ink));
    if (round % 4 == 0) Disturb(rng, p, colors);

    brute::BoardCounter counter(p);
    const int want = counter.Count(2);
    Analysis a = Analyze(p);
    ASSERT_EQ(a.solutions, want) << "round " << round;
    ++bySolutions[want];
    ASSERT_EQ(a.boards.size(), static_cast<size_t>(want)) << "round " << round;
    for (const Board& b : a.boards) {
      ASSERT_TRUE(SamePuzzle(brute::PuzzleOf(ToRows(b)), p)) << "round " << round;
    }
    if (want == 2) {
      EXPECT_NE(a.boards[0].cells, a.boards[1].cells) << "round " << round;
    }
    if (want == 1) {
      EXPECT_EQ(a.boards[0].cells, ToBoard(counter.found()[0]).cells) << "round " << round;
      Difficulty plain = PlainRater(p, colors).Rate();
      ASSERT_EQ(a.difficulty, plain) << "round " << round;
      ++byDifficulty[static_cast<int>(plain)];
    } else {
      EXPECT_EQ(a.difficulty, Difficulty::kNone);
    }
  }
  // Every verdict and every class must have been met for the comparison to mean something.
  EXPECT_GT(bySolutions[0], 30);
  EXPECT_GT(bySolutions[1], 30);
  EXPECT_GT(bySolutions[2], 30);
  EXPECT_GT(byDifficulty[static_cast<int>(Difficulty::kLine)], 30);
  EXPECT_GT(byDifficulty[static_cast<int>(Difficulty::kProbe)], 0);
}

// Boards too big to enumerate, where the search branches and restarts: the count against the
// plainest search, the class against the plain rating, and every board against the hints.
TEST(Verdict, AgreesWithAPlainSearchOnBiggerPuzzles) {
  std::mt19937 rng(77);
  int bySolutions[3] = {}, searched = 0;
  for (int round = 0; round < 100; ++round) {
    const int w = 7 + round % 3, colors = 1 + round % 3 / 2;
    Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, w, w, colors, 0.4 + 0.05 * (round % 5)));
    if (round % 4 == 0) Disturb(rng, p, colors);
    PlainRater plain(p, colors);
    const int want = plain.Count(2);
    Analysis a = Analyze(p);
    ASSERT_EQ(a.solutions, want) << "round " << round;
    ASSERT_EQ(a.boards.size(), static_cast<size_t>(want)) << "round " << round;
    for (const Board& b : a.boards) ASSERT_TRUE(SamePuzzle(brute::PuzzleOf(ToRows(b)), p));
    if (want == 2) {
      EXPECT_NE(a.boards[0].cells, a.boards[1].cells) << "round " << round;
    }
    if (want == 1) {
      EXPECT_EQ(a.difficulty, PlainRater(p, colors).Rate()) << "round " << round;
    }
    ++bySolutions[want];
    searched += a.nodes > 1;
  }
  EXPECT_GT(bySolutions[0], 5);
  EXPECT_GT(bySolutions[1], 10);
  EXPECT_GT(bySolutions[2], 10);
  EXPECT_GT(searched, 5);
}

// The search restarts with a doubled node limit and another branch order when a run does not
// finish: with a limit of one node it restarts many times, and must still count exactly.
TEST(Verdict, RestartedSearchesCountLikeOneSearch) {
  std::mt19937 rng(5);
  int several = 0, unique = 0;
  for (int round = 0; round < 300; ++round) {
    const int w = 5 + round % 6, colors = 1 + round % 2;
    Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, w, w, colors, 0.5));
    if (round % 5 == 0) Disturb(rng, p, colors);
    Analysis whole = Analyze(p);
    Engine engine(p, nullptr);
    engine.SetFirstNodeLimit(1);
    std::vector<Board> found;
    int count = 0;
    if (engine.Propagate()) engine.CountSolutions(found, count);
    ASSERT_EQ(count, whole.solutions) << "round " << round;
    ASSERT_EQ(found.size(), static_cast<size_t>(count)) << "round " << round;
    for (const Board& b : found) {
      ASSERT_TRUE(SamePuzzle(brute::PuzzleOf(ToRows(b)), p)) << "round " << round;
    }
    if (count == 2) {
      EXPECT_NE(found[0].cells, found[1].cells);
      ++several;
    }
    if (count == 1) {
      EXPECT_EQ(found[0].cells, whole.boards[0].cells);
      ++unique;
    }
  }
  EXPECT_GT(several, 50);
  EXPECT_GT(unique, 20);
}

bool AllDecided(const Candidates& c) {
  for (CellSet v : c.cells)
    if ((v & (v - 1)) != 0) return false;
  return true;
}

// The smaller steps reason exactly as far as the difficulty says: line reasoning finishes a line
// puzzle, probing a probe puzzle; a value probing removes is one RefutedValues names.
TEST(Steps, ReachAsFarAsTheDifficultySays) {
  std::mt19937 rng(31);
  for (int round = 0; round < 400; ++round) {
    const int w = 4 + round % 5, colors = 1 + round % 3;
    Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, w, w, colors, 0.55));
    Analysis a = Analyze(p);
    Candidates lines = BlankCandidates(p);
    ASSERT_TRUE(PropagateLines(p, lines)) << "round " << round;
    Candidates probed = lines;
    ASSERT_TRUE(ProbeCells(p, probed)) << "round " << round;
    if (a.solutions != 1) continue;
    EXPECT_EQ(AllDecided(lines), a.difficulty == Difficulty::kLine) << "round " << round;
    EXPECT_EQ(AllDecided(probed), a.difficulty != Difficulty::kSearch) << "round " << round;
    for (int y = 0; y < w; ++y)
      for (int x = 0; x < w; ++x) {
        const CellSet refuted = RefutedValues(p, lines, x, y);
        // Never a value of the solution; and what line reasoning alone already left out is no
        // value to refute.
        EXPECT_EQ(refuted & ColorBit(a.boards[0].At(x, y)), 0) << "round " << round;
        EXPECT_EQ(refuted & ~lines.At(x, y), 0) << "round " << round;
      }
  }
}

// On a puzzle that needs probing, some value of a cell line reasoning leaves open is refuted.
TEST(Steps, ProbingFindsWhatLineReasoningLeaves) {
  std::mt19937 rng(8);
  for (int tries = 0; tries < 20000; ++tries) {
    Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, 10, 10, 1, 0.55));
    if (Analyze(p).difficulty != Difficulty::kProbe) continue;
    Candidates lines = BlankCandidates(p);
    ASSERT_TRUE(PropagateLines(p, lines));
    int refuted = 0;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) refuted += RefutedValues(p, lines, x, y) != 0;
    EXPECT_GT(refuted, 0);
    return;
  }
  FAIL() << "no puzzle that needs probing among the random ones";
}

TEST(Verdict, DataThatCannotDescribeAPictureHasNoSolution) {
  struct Case {
    const char* what;
    Puzzle p;
  };
  const Case cases[] = {
      {"A0 hint", {2, 1, {{{100, 1}}}, {{{1, 1}}, {}}}},
      {"run longer than the row", {2, 1, {{{3, 1}}}, {{{1, 1}}, {{1, 1}}}}},
      {"colour out of range", {1, 1, {{{1, 12}}}, {{{1, 12}}}}},
      {"too few rows", {1, 2, {{{1, 1}}}, {{{1, 1}}}}},
      {"no cells", {0, 0, {}, {}}},
      {"rows and columns disagree on the ink", {2, 2, {{{2, 1}}, {}}, {{{1, 1}}, {}}}},
  };
  for (const Case& c : cases) {
    Analysis a = Analyze(c.p);
    EXPECT_EQ(a.solutions, 0) << c.what;
    EXPECT_TRUE(a.boards.empty()) << c.what;
  }
}

// A random 20 x 20 board near half ink: search is needed, so a cancelled or starved analysis
// must stop with no verdict.
Puzzle HardPuzzle() {
  std::mt19937 rng(7);
  for (;;) {
    Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, 20, 20, 1, 0.5));
    Analysis a = Analyze(p);
    if (a.lines >= 10000) return p;
  }
}

TEST(Verdict, StopsWithoutAGuessWhenCancelledOrOutOfTime) {
  Puzzle p = HardPuzzle();
  std::atomic<bool> cancel{true};
  Budget cancelled;
  cancelled.cancel = &cancel;
  Analysis a = Analyze(p, cancelled);
  EXPECT_EQ(a.solutions, kUnknown);
  EXPECT_TRUE(a.cancelled);
  EXPECT_TRUE(a.boards.empty());

  Budget starved;
  starved.seconds = 0;
  a = Analyze(p, starved);
  EXPECT_EQ(a.solutions, kUnknown);
  EXPECT_FALSE(a.cancelled);

  int polls = 0;
  Budget polled;
  polled.poll = [&] { return ++polls < 2; };
  a = Analyze(p, polled);
  EXPECT_EQ(a.solutions, kUnknown);
  EXPECT_TRUE(a.cancelled);
  EXPECT_EQ(polls, 2);
}

}  // namespace
}  // namespace gw::analysis
