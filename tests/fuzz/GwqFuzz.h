#pragma once
// One body for the reader of .gwq files (the saved game of a board over 20 x 20), shared by its
// libFuzzer target and by the replay of the committed corpus. A file may be refused; a refused one
// must leave the board exactly as it was, and an accepted one must leave cells and ticks the board
// can hold, in the puzzle's colours, that the writer writes back to a file read the same.
#include <cstring>
#include <memory>
#include <string>

#include "system/FileError.h"
#include "state/LargeProgress.h"

namespace gw::fuzz {

constexpr int kGwqColours = 3;

// The board every input is read against: 22 x 21, three colours, every part filled in.
inline std::unique_ptr<PuzzleState> GwqBoard() {
  auto board = std::make_unique<PuzzleState>();
  PuzzleState& p = *board;
  p.XSize = 22;
  p.YSize = 21;
  p.XHintCount = 2;
  p.YHintCount = 3;
  for (int k = 1; k <= 9; ++k) p.Palette[k] = k <= kGwqColours ? k + 8 : kFreeColor;
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s) {
      p.RowHints[s][y][kHintNumber] = (y + s) % 4;
      p.RowHints[s][y][kHintColor] = y * s % kGwqColours + 1;
      p.RowHints[s][y][kHintCheck] = -((y + s) % 2);
    }
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s) {
      p.ColHints[x][s][kHintNumber] = x * s % 5;
      p.ColHints[x][s][kHintColor] = (x + s) % kGwqColours + 1;
    }
  for (int x = 1; x <= p.XSize; ++x)
    for (int y = 1; y <= p.YSize; ++y) p.Grid[x][y] = x * y % (kGwqColours + 2) - 1;
  return board;
}

inline bool SameBoard(const PuzzleState& a, const PuzzleState& b) {
  return std::memcmp(a.Grid, b.Grid, sizeof a.Grid) == 0 &&
         std::memcmp(a.RowHints, b.RowHints, sizeof a.RowHints) == 0 &&
         std::memcmp(a.ColHints, b.ColHints, sizeof a.ColHints) == 0;
}

// What an accepted file must have left; "" when it holds.
inline std::string CheckGwqHeld(const PuzzleState& p, const PuzzleState& before) {
  for (int x = 0; x < kCap; ++x)
    for (int y = 0; y < kCap; ++y) {
      bool onBoard = x >= 1 && x <= p.XSize && y >= 1 && y <= p.YSize;
      if (!onBoard && p.Grid[x][y] != before.Grid[x][y]) return "a cell off the board changed";
      if (onBoard && (p.Grid[x][y] < -1 || p.Grid[x][y] > kGwqColours)) return "a cell outside the colours";
    }
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s)
      if (p.RowHints[s][y][kHintCheck] != 0 && p.RowHints[s][y][kHintCheck] != -1) return "a row tick out of range";
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s)
      if (p.ColHints[x][s][kHintCheck] != 0 && p.ColHints[x][s][kHintCheck] != -1)
        return "a column tick out of range";
  for (int plane : {kHintNumber, kHintColor})
    for (int a = 0; a < kCap; ++a)
      for (int b = 0; b < kCap; ++b)
        if (p.RowHints[a][b][plane] != before.RowHints[a][b][plane] ||
            p.ColHints[a][b][plane] != before.ColHints[a][b][plane])
          return "a hint changed";
  return "";
}

inline std::string CheckGwq(const std::string& bytes) {
  std::unique_ptr<PuzzleState> before = GwqBoard(), p = GwqBoard();
  try {
    ApplyLargeProgress(*p, bytes);
  } catch (const FileError&) {
    return SameBoard(*p, *before) ? "" : "a refused file changed the board";
  }
  std::string why = CheckGwqHeld(*p, *before);
  if (!why.empty()) return why;
  std::unique_ptr<PuzzleState> again = GwqBoard();
  try {
    ApplyLargeProgress(*again, LargeProgressText(*p));
  } catch (const FileError&) {
    return "the game written back is refused";
  }
  return SameBoard(*again, *p) ? "" : "the game written back reads differently";
}

}  // namespace gw::fuzz
