#include "pictures/PuzzleGenerator.h"

#include <chrono>
#include <random>

#include "formats/ColorNames.h"
#include "formats/EngineInput.h"
#include "formats/ForeignFiles.h"
#include "text/Tr.h"

namespace gw {
namespace {

using Clock = std::chrono::steady_clock;

// Denser pictures leave less to guess: line puzzles come easily from them, harder ones from
// pictures nearer half full.
double DensityFor(analysis::Difficulty d, std::mt19937& rng) {
  std::uniform_real_distribution<double> spread(-0.05, 0.05);
  switch (d) {
    case analysis::Difficulty::kLine: return 0.62 + spread(rng);
    case analysis::Difficulty::kProbe: return 0.55 + spread(rng);
    default: return 0.5 + spread(rng);
  }
}

PuzzleData RandomPicture(const GenerateRequest& r, std::mt19937& rng) {
  PuzzleData p;
  p.width = r.width;
  p.height = r.height;
  p.colors.push_back({"white", MakeRgb(255, 255, 255), '.'});
  for (int k = 1; k <= r.colors; ++k) p.colors.push_back({"c" + std::to_string(k), FallbackColor(k), 0});
  std::bernoulli_distribution filled(DensityFor(r.difficulty, rng));
  std::uniform_int_distribution<int> color(1, r.colors);
  p.solution.assign(r.height, std::vector<int>(r.width, 0));
  for (auto& row : p.solution)
    for (int& c : row) c = filled(rng) ? color(rng) : 0;
  return p;
}

// Changes the picture at one cell where two solutions differ, so that the next puzzle tells them
// apart.
void Repair(PuzzleData& p, const analysis::Analysis& a, int colors, std::mt19937& rng) {
  const analysis::Board &b0 = a.boards[0], &b1 = a.boards[1];
  std::vector<int> differ;
  for (int i = 0; i < p.width * p.height; ++i)
    if (b0.cells[i] != b1.cells[i]) differ.push_back(i);
  int cell = differ[rng() % differ.size()];
  int& v = p.solution[cell / p.width][cell % p.width];
  v = v != 0 ? 0 : std::uniform_int_distribution<int>(1, colors)(rng);
}

bool AllColorsUsed(const PuzzleData& p, int colors) {
  std::vector<bool> seen(colors + 1, false);
  for (const auto& row : p.solution)
    for (int c : row) seen[c] = true;
  for (int k = 1; k <= colors; ++k)
    if (!seen[k]) return false;
  return true;
}

}  // namespace

GenerateResult GeneratePuzzle(const GenerateRequest& r) {
  GenerateResult result;
  std::mt19937 rng(r.seed);
  const auto deadline = Clock::now() + std::chrono::duration<double>(r.seconds);
  const int maxRepairs = 2 * r.width * r.height;
  while (Clock::now() < deadline) {
    PuzzleData p = RandomPicture(r, rng);
    ++result.pictures;
    for (int repair = 0; repair <= maxRepairs && Clock::now() < deadline; ++repair) {
      DeriveClues(p);
      analysis::Budget budget;
      budget.seconds = std::chrono::duration<double>(deadline - Clock::now()).count();
      analysis::Analysis a = analysis::Analyze(EnginePuzzle(p), budget);
      if (a.solutions == 1) {
        if (a.difficulty == r.difficulty && AllColorsUsed(p, r.colors)) {
          p.title = std::string("自動作成 ") + DifficultyLabel(r.difficulty) + " #" + std::to_string(r.seed);
          result.puzzle = p;
          return result;
        }
        break;  // unique but of another kind: a fresh picture
      }
      if (a.solutions != 2) break;
      Repair(p, a, r.colors, rng);
      ++result.repairs;
    }
  }
  return result;
}

bool DifficultyFromName(const std::string& name, analysis::Difficulty& out) {
  if (name == "line") out = analysis::Difficulty::kLine;
  else if (name == "probe") out = analysis::Difficulty::kProbe;
  else if (name == "search") out = analysis::Difficulty::kSearch;
  else return false;
  return true;
}

const char* DifficultyName(analysis::Difficulty d) {
  switch (d) {
    case analysis::Difficulty::kLine: return "line";
    case analysis::Difficulty::kProbe: return "probe";
    case analysis::Difficulty::kSearch: return "search";
    default: return "none";
  }
}

const char* DifficultyLabel(analysis::Difficulty d) {
  switch (d) {
    case analysis::Difficulty::kLine: return TrNoop("ノーマル");
    case analysis::Difficulty::kProbe: return TrNoop("背理法");
    case analysis::Difficulty::kSearch: return TrNoop("探索");
    default: return TrNoop("一意でない");
  }
}

}  // namespace gw
