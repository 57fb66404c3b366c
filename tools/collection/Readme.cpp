#include "Readme.h"

#include <algorithm>
#include <map>

#include "formats/PuzzleGenerator.h"

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

}  // namespace

std::string MakeUpSummary(const std::vector<Row>& rows) {
  std::map<std::string, int> bands;
  std::map<int, int> colors;
  std::map<std::string, int> levels;
  for (const Row& r : rows) {
    ++bands[SizeBand(std::max(r.width, r.height))];
    ++colors[r.colors];
    ++levels[DifficultyName(r.difficulty)];
  }
  std::string out = "puzzles: " + std::to_string(rows.size()) + "\n\n";
  out += "| by | counts |\n|---|---|\n";
  out += "| size (longer side) | ";
  for (const char* b : {"5–10", "11–15", "16–20", "21–30", "31–40"})
    out += std::string(b) + ": " + std::to_string(bands[b]) + "  ";
  out += "|\n| colours | ";
  for (auto [n, count] : colors) out += ColorWords(n) + ": " + std::to_string(count) + "  ";
  out += "|\n| difficulty | ";
  for (const char* d : {"line", "probe", "search"}) out += std::string(d) + ": " + std::to_string(levels[d]) + "  ";
  out += "|\n";
  return out;
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
