#include "state/LargeProgress.h"

#include <cstdio>
#include <algorithm>
#include <vector>

#include "system/FileError.h"

namespace gw {
namespace {

constexpr const char* kHeader = "GWQ 1";

std::string SizeLine(const PuzzleState& p) {
  return "SIZE " + std::to_string(p.XSize) + " " + std::to_string(p.YSize) + " " + std::to_string(p.XHintCount) +
         " " + std::to_string(p.YHintCount);
}

std::string FingerprintLine(const PuzzleState& p) {
  char text[32];
  std::snprintf(text, sizeof text, "HINTS %016llx", static_cast<unsigned long long>(HintFingerprint(p)));
  return text;
}

char CellChar(int v) { return v == 0 ? '.' : v < 0 ? '*' : static_cast<char>('0' + v); }

// The lines of the text without their CR LF; a last line without one is a line too. No more than
// `most` are taken: a file of millions of empty lines is refused by its count, not held line by line.
std::vector<std::string> Lines(const std::string& text, std::size_t most) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size() && lines.size() < most) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

[[noreturn]] void Refuse(int line) { throw FileError(kErrTypeMismatch, line); }

// A colour the puzzle does not have would be painted with a free entry of the palette, which the
// player can neither choose nor tell apart.
int CellValue(const PuzzleState& p, char c, int line) {
  if (c == '.') return 0;
  if (c == '*') return -1;
  if (c >= '1' && c <= '9' && p.Palette[c - '0'] != kFreeColor) return c - '0';
  Refuse(line);
}

int TickValue(char c, int line) {
  if (c == '0') return 0;
  if (c == '1') return -1;
  Refuse(line);
}

}  // namespace

bool IsLargeBoard(const PuzzleState& p) { return p.XSize > kMaxSize || p.YSize > kMaxSize; }

std::string LargeProgressPath(const std::string& puzzlePath) { return puzzlePath + ".gwq"; }

std::uint64_t HintFingerprint(const PuzzleState& p) {
  // FNV-1a over the values, each as four bytes.
  std::uint64_t h = 0xcbf29ce484222325ull;
  auto add = [&h](int v) {
    for (int i = 0; i < 4; ++i) {
      h ^= static_cast<std::uint8_t>(static_cast<unsigned>(v) >> (8 * i));
      h *= 0x100000001b3ull;
    }
  };
  for (int v : {p.XSize, p.YSize, p.XHintCount, p.YHintCount}) add(v);
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s) add(p.RowHints[s][y][kHintNumber] * 16 + p.RowHints[s][y][kHintColor]);
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s) add(p.ColHints[x][s][kHintNumber] * 16 + p.ColHints[x][s][kHintColor]);
  return h;
}

std::string LargeProgressText(const PuzzleState& p) {
  std::string out = std::string(kHeader) + "\r\n" + SizeLine(p) + "\r\n" + FingerprintLine(p) + "\r\n";
  for (int y = 1; y <= p.YSize; ++y) {
    for (int x = 1; x <= p.XSize; ++x) out += CellChar(p.Grid[x][y]);
    out += "\r\n";
  }
  for (int y = 1; y <= p.YSize; ++y) {
    for (int s = 1; s <= p.XHintCount; ++s) out += p.RowHints[s][y][kHintCheck] < 0 ? '1' : '0';
    out += "\r\n";
  }
  for (int x = 1; x <= p.XSize; ++x) {
    for (int s = 1; s <= p.YHintCount; ++s) out += p.ColHints[x][s][kHintCheck] < 0 ? '1' : '0';
    out += "\r\n";
  }
  return out;
}

void ApplyLargeProgress(PuzzleState& p, const std::string& text) {
  std::size_t want = 3 + 2 * static_cast<std::size_t>(p.YSize) + p.XSize;
  std::vector<std::string> lines = Lines(text, want + 1);
  if (lines.size() != want) Refuse(static_cast<int>(std::min(lines.size(), want)));
  if (lines[0] != kHeader) Refuse(1);
  if (lines[1] != SizeLine(p)) Refuse(2);
  if (lines[2] != FingerprintLine(p)) Refuse(3);
  auto row = [&](int index, int length) -> const std::string& {
    if (static_cast<int>(lines[index].size()) != length) Refuse(index + 1);
    return lines[index];
  };
  // Everything is read before anything is stored: a fault on the last line changes nothing.
  std::vector<int> cells, rowTicks, colTicks;
  for (int y = 1; y <= p.YSize; ++y)
    for (char c : row(2 + y, p.XSize)) cells.push_back(CellValue(p, c, 3 + y));
  for (int y = 1; y <= p.YSize; ++y)
    for (char c : row(2 + p.YSize + y, p.XHintCount)) rowTicks.push_back(TickValue(c, 3 + p.YSize + y));
  for (int x = 1; x <= p.XSize; ++x)
    for (char c : row(2 + 2 * p.YSize + x, p.YHintCount)) colTicks.push_back(TickValue(c, 3 + 2 * p.YSize + x));
  std::size_t i = 0;
  for (int y = 1; y <= p.YSize; ++y)
    for (int x = 1; x <= p.XSize; ++x) p.Grid[x][y] = cells[i++];
  i = 0;
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s) p.RowHints[s][y][kHintCheck] = rowTicks[i++];
  i = 0;
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s) p.ColHints[x][s][kHintCheck] = colTicks[i++];
}

}  // namespace gw
