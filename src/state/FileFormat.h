#pragma once
#include <string>

#include "system/TextFile.h"

namespace gw {

// The notations the puzzle files share: number lines, palette lines and hint fields.

// " 3  10  3  10 ": a blank for the sign, the digits, one blank, for each value.
std::string NumberLine(std::initializer_list<int> values);

// Nine two-character fields, colour-table number left-aligned: "9 1515151515151515".
std::string PaletteLine(const int (&palette)[10]);
// Reads one palette line into palette[1..9]. A colour-table number outside 0..31 would point
// past the colour table: error 9 on that line.
void ReadPaletteLine(TextReader& reader, int (&palette)[10]);
// The number of puzzle colours: palette entries 1..9 that are not the free colour.
int ColourCount(const int (&palette)[10]);

// The three characters of a hint slot: number then colour digit, right-aligned; 100 is "A0".
std::string HintField(int number, int colour);
// Slot s (from 1) of a hint line into slot[number], slot[colour]; missing characters read as 0.
// A number that is no run length (below 0) is error 13 on `line`.
void ParseHintField(const std::string& text, int s, int line, int* slot);

// The head of a hint file as far as the sizes: title, answer (.gwm only), the two hint counts and
// the two sizes.
struct HintFileHead {
  std::string Title;
  std::string Answer;
  int XHintCount = 0, XSize = 0, YHintCount = 0, YSize = 0;
  int sizesLine = 0;  // the file line the sizes were read from
};
HintFileHead ReadHintFileHead(TextReader& reader, bool mono);

// A board size the program can hold: 1..20 (a board without cells is no puzzle).
bool SizeFits(int size);

// A file's title, size and colour count, as the details box and the puzzle list show them.
struct PuzzleSummary {
  std::string Title;
  int XSize = 0, YSize = 0, Colours = 0;
};
// Reads the head of a hint file (.gwc when `mono`, else .gwm); throws FileError.
PuzzleSummary ReadPuzzleSummary(const std::string& path, bool mono);

}  // namespace gw
