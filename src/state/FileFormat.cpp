#include "state/FileFormat.h"

#include "system/Convert.h"
#include "system/FileError.h"
#include "text/Utf8.h"
#include "state/PuzzleState.h"

namespace gw {

std::string NumberLine(std::initializer_list<int> values) {
  std::string line;
  for (int v : values) line += NumText(static_cast<long long>(v)) + " ";
  return line;
}

std::string PaletteLine(const int (&palette)[10]) {
  std::string line;
  for (int k = 1; k <= 9; ++k) {
    std::string field = DigitsText(palette[k]);
    field.resize(2, ' ');
    line += field;
  }
  return line;
}

void ReadPaletteLine(TextReader& reader, int (&palette)[10]) {
  int line = reader.Line();
  std::string text = reader.ReadLine();
  for (int k = 1; k <= 9; ++k) {
    long long v = RoundHalfEven(Val(Mid(text, 2 * k - 1, 2)));
    if (v < 0 || v > 31) throw FileError(kErrSubscript, line);
    palette[k] = static_cast<int>(v);
  }
}

int ColourCount(const int (&palette)[10]) {
  int n = 0;
  for (int k = 1; k <= 9; ++k)
    if (palette[k] != kFreeColor) ++n;
  return n;
}

std::string HintField(int number, int colour) {
  std::string field = (number == kHintA0 ? "A0" : DigitsText(number)) + DigitsText(colour);
  if (field.size() < 3) field.insert(0, 3 - field.size(), ' ');
  return field;
}

void ParseHintField(const std::string& text, int s, int line, int* slot) {
  std::string digits = Mid(text, 3 * s - 2, 2);
  long long number = digits == "A0" || digits == "a0" ? kHintA0 : RoundHalfEven(Val(digits));
  if (number < 0) throw FileError(kErrTypeMismatch, line);
  slot[kHintNumber] = static_cast<int>(number);
  slot[kHintColor] = static_cast<int>(RoundHalfEven(Val(Mid(text, 3 * s, 1))));
}

HintFileHead ReadHintFileHead(TextReader& reader, bool mono) {
  HintFileHead head;
  head.Title = reader.ReadLine();
  if (!mono) head.Answer = reader.ReadLine();
  head.sizesLine = reader.Line();
  head.XHintCount = reader.ReadInt16();
  head.XSize = reader.ReadInt16();
  head.YHintCount = reader.ReadInt16();
  head.YSize = reader.ReadInt16();
  return head;
}

bool SizeFits(int size) { return size >= 1 && size <= kMaxSize; }

PuzzleSummary ReadPuzzleSummary(const std::string& path, bool mono) {
  TextReader reader = TextReader::Open(path);
  HintFileHead head = ReadHintFileHead(reader, mono);
  PuzzleSummary summary{head.Title, head.XSize, head.YSize, 1};
  if (!mono) {
    int palette[10] = {};
    ReadPaletteLine(reader, palette);
    summary.Colours = ColourCount(palette);
  }
  return summary;
}

}  // namespace gw
