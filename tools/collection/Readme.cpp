#include "Readme.h"

#include <algorithm>
#include <map>

#include "pictures/PuzzleGenerator.h"

namespace gw::collection {
namespace {

// The bands of the longer side the summary counts by.
const char* SizeBand(int longSide) {
  if (longSide <= 10) return "5–10";
  if (longSide <= 15) return "11–15";
  if (longSide <= 20) return "16–20";
  if (longSide <= 30) return "21–30";
  return "31–40";
}

std::string ColorWords(int colors) { return colors == 1 ? "1 (白黒)" : std::to_string(colors); }

void Replace(std::string& text, const std::string& key, const std::string& by) {
  size_t at = text.find(key);
  if (at != std::string::npos) text.replace(at, key.size(), by);
}

// A two-row table: the kinds along the top, how many puzzles of each below.
std::string CountTable(const std::string& what, const std::vector<std::pair<std::string, int>>& counts) {
  std::string head = "| " + what + " |", rule = "|---|", values = "| puzzles |";
  for (const auto& [label, n] : counts) {
    head += " " + label + " |";
    rule += "---|";
    values += " " + std::to_string(n) + " |";
  }
  return head + "\n" + rule + "\n" + values + "\n";
}

}  // namespace

std::string MakeUpSummary(const std::vector<Row>& rows) {
  std::map<std::string, int> bands, levels;
  std::map<int, int> colors;
  for (const Row& r : rows) {
    ++bands[SizeBand(std::max(r.width, r.height))];
    ++colors[r.colors];
    ++levels[DifficultyName(r.difficulty)];
  }
  std::vector<std::pair<std::string, int>> bandCounts, colorCounts, levelCounts;
  for (const char* b : {"5–10", "11–15", "16–20", "21–30", "31–40"}) bandCounts.push_back({b, bands[b]});
  for (auto [n, count] : colors) colorCounts.push_back({ColorWords(n), count});
  for (const char* d : {"line", "probe", "search"}) levelCounts.push_back({d, levels[d]});
  return std::to_string(rows.size()) + " puzzles.\n\n" + CountTable("longer side", bandCounts) + "\n" +
         CountTable("colours", colorCounts) + "\n" + CountTable("difficulty", levelCounts);
}

std::string PuzzleTable(const std::vector<Row>& rows) {
  std::string out = "| file | title | size | colours | difficulty | image |\n|---|---|---|---|---|---|\n";
  for (const Row& r : rows)
    out += "| " + r.entry.name + ".xml | " + r.entry.title + " | " + std::to_string(r.width) + "×" +
           std::to_string(r.height) + " | " + ColorWords(r.colors) + " | " + DifficultyName(r.difficulty) +
           " | " + SourceCredit(r.entry) + " |\n";
  return out;
}

std::string FillTemplate(std::string text, const std::vector<Row>& rows) {
  Replace(text, "@SUMMARY@", MakeUpSummary(rows));
  Replace(text, "@TABLE@", PuzzleTable(rows));
  return text;
}

}  // namespace gw::collection
