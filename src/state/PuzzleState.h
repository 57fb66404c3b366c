#pragma once
#include <string>

#include "platform/Rgb.h"

namespace gw {

// A board in memory has up to 99 x 99 cells and as many hint slots a line as the line has cells.
// Every board and hint array has indices 0..99; data uses 1..99 and index 0 is never data.
constexpr int kMaxBoard = 99;
constexpr int kCap = kMaxBoard + 1;
// The program's own puzzle, picture and progress files, its dialogs and the automatic solver keep
// to boards of 20 x 20.
constexpr int kMaxSize = 20;

// Hint planes of RowHints / ColHints.
constexpr int kHintNumber = 0;
constexpr int kHintColor = 1;
constexpr int kHintCheck = 2;

// The hint number typed and shown as "A0".
constexpr int kHintA0 = 100;
// A palette entry of this colour-table number marks a puzzle colour as free.
constexpr int kFreeColor = 15;

enum ModeId { kModePlay = 1, kModeNumber = 2, kModeImage = 3 };

// A board cell as new code reads and writes it, instead of Grid's signed codes: blank, marked
// empty (with the colour that was selected when it was marked, 0 when not known) or filled with
// puzzle colour 1..9.
enum class CellState : unsigned char { Blank, MarkedEmpty, Filled };
struct BoardCell {
  CellState state = CellState::Blank;
  int colour = 0;
  friend bool operator==(const BoardCell&, const BoardCell&) = default;
};

// The one puzzle in memory.
struct PuzzleState {
  int Mode = 0;
  int XSize = 0;
  int YSize = 0;
  int XHintCount = 0;
  int YHintCount = 0;
  // Grid[x][y]: 0 blank, negative marked empty, 1..9 filled with puzzle colour k.
  int Grid[kCap][kCap] = {};
  // RowHints[slot][y][plane], ColHints[x][slot][plane].
  int RowHints[kCap][kCap][3] = {};
  int ColHints[kCap][kCap][3] = {};
  // Palette[k], k = 1..9: the ColorTable index of puzzle colour k.
  int Palette[10] = {};
  // The exact colours a puzzle brought with it (a foreign file, the collection, the library):
  // where HasOwnColor[k] is set, colour k is drawn, printed and exported in OwnColor[k] instead of
  // ColorTable(Palette[k]), so that opening it never rewrites the user's colour table. Palette[k]
  // still holds the nearest table entry, which is what the program's own files keep.
  Rgb OwnColor[10] = {};
  bool HasOwnColor[10] = {};
  int CurColor = 0;
  std::string Title;
  std::string Answer;
  std::string AppCaption;
  int SolveState = 0;
  int AutoCheck = 0;
  int MarkStyle = 0;

  // The board for new code: 0-based, column col = 0 .. Width() - 1, row row = 0 .. Height() - 1,
  // the same cells as Grid[col + 1][row + 1].
  int Width() const { return XSize; }
  int Height() const { return YSize; }
  BoardCell CellAt(int col, int row) const;
  void SetCellAt(int col, int row, BoardCell cell);
};

void ClearGrid(PuzzleState& p);
void ResetRowHints(PuzzleState& p);
void ResetColHints(PuzzleState& p);
void ClearHintChecks(PuzzleState& p);
// Whether any cell of the board is painted or marked.
bool AnyCellDecided(const PuzzleState& p);
// ClearGrid, ResetRowHints, ResetColHints, ClearHintChecks: a new or freshly read hint puzzle.
void FullReset(PuzzleState& p);
// Palette entry 1 = 9 (blue), entries 2..9 free.
void SetDefaultPalette(PuzzleState& p);
// Back to the colour table for every colour: a palette read from a file or chosen by the user.
void DropOwnColors(PuzzleState& p);
// The colour puzzle colour k is shown in: its own colour, else table[Palette[k]]; black for k or
// an entry out of range, so that bad data cannot reach past the table.
Rgb PaletteColor(const PuzzleState& p, const Rgb table[32], int k);
// Replaces the hint counts and the number and colour planes by the runs of the picture in Grid.
void DeriveHints(PuzzleState& p);
// Moves each line's hints so that its last run sits in the slot next to the board, after the hint
// counts grew.
void AlignHintsToBoard(PuzzleState& p);

}  // namespace gw
