#include "state/PuzzleFiles.h"

#include <memory>

#include "display/Draw.h"
#include "Messages.h"
#include "system/Convert.h"
#include "system/FileError.h"
#include "system/FileReplace.h"
#include "system/FileSystem.h"
#include "system/TextFile.h"
#include "text/Utf8.h"
#include "state/Document.h"
#include "state/FileFormat.h"
#include "state/Paths.h"
#include "text/Tr.h"

namespace gw {
namespace {

// Nothing of the puzzle has changed when a file is refused.
ReadOutcome Refuse(App& app) {
  Msg(app, Tr(kRefusedBoardText));
  app.fileReport.LoadRefused = 1;
  return ReadOutcome::Refused;
}

// The step after a parse that shows its outcome: a refused board is told to the player and leaves
// the puzzle in memory as it was.
ReadOutcome Adopt(App& app, ParsedPuzzle parsed) {
  if (!parsed.puzzle) return Refuse(app);
  app.puzzle = std::move(*parsed.puzzle);
  return ReadOutcome::Read;
}

// Hint counts are not limited by the file; beyond the arrays they are a subscript error.
void CheckHintCount(int count, int line) {
  if (count < 0 || count > kMaxSize) throw FileError(kErrSubscript, line);
}

// A puzzle read completely replaces the puzzle in memory; the start of every read.
std::unique_ptr<PuzzleState> FreshHintPuzzle(const PuzzleState& current, const HintFileHead& head) {
  auto next = std::make_unique<PuzzleState>(current);
  next->Title = head.Title;
  next->Answer = head.Answer;
  next->XHintCount = head.XHintCount;
  next->XSize = head.XSize;
  next->YHintCount = head.YHintCount;
  next->YSize = head.YSize;
  FullReset(*next);
  return next;
}

// One .gwc line: hint numbers separated by "-", in reading order; "0" alone is a line without
// runs. A line with more runs than the file's hint count would lose runs: error 9.
void ReadMonoHintLine(TextReader& reader, int count, int* (*slotOf)(PuzzleState&, int, int),
                      PuzzleState& p, int index) {
  int at = reader.Line();
  std::string field = reader.ReadField();
  int numbers[kCap] = {};
  int n = 0;
  size_t start = 0;
  while (true) {
    size_t dash = field.find('-', start);
    std::string piece = field.substr(start, dash == std::string::npos ? std::string::npos : dash - start);
    long long v = RoundHalfEven(Val(piece));
    if (v < 0 || v > kHintA0) throw FileError(kErrTypeMismatch, at);
    if (n >= kMaxSize) throw FileError(kErrSubscript, at);
    numbers[++n] = static_cast<int>(v);
    if (dash == std::string::npos) break;
    start = dash + 1;
  }
  if (n == 1 && numbers[1] == 0) n = 0;
  if (n > count) throw FileError(kErrSubscript, at);
  for (int i = 1; i <= n; ++i) slotOf(p, index, count - n + i)[kHintNumber] = numbers[i];
}

int* RowSlot(PuzzleState& p, int y, int s) { return p.RowHints[s][y]; }
int* ColSlot(PuzzleState& p, int x, int s) { return p.ColHints[x][s]; }

// The sizes of a picture file; false when refused.
bool ReadPictureSizes(TextReader& reader, PuzzleState& next) {
  int xSize = reader.ReadInt16();
  int ySize = reader.ReadInt16();
  if (!SizeFits(xSize) || !SizeFits(ySize)) return false;
  next.XSize = xSize;
  next.YSize = ySize;
  return true;
}

// Rows of cells; `cell` turns a character into a cell code.
void ReadPictureRows(TextReader& reader, PuzzleState& next, int (*cell)(const std::string&)) {
  ClearGrid(next);
  for (int y = 1; y <= next.YSize; ++y) {
    std::string row = reader.ReadField();
    for (int x = 1; x <= next.XSize; ++x) next.Grid[x][y] = cell(Mid(row, x, 1));
  }
  next.XHintCount = 3;
  next.YHintCount = 3;
}

int ColourCell(const std::string& c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0; }
int MonoCell(const std::string& c) { return c == "1" ? 1 : 0; }

ParsedPuzzle ParsePictureFile(TextReader& reader, const PuzzleState& base, bool withPalette) {
  auto next = std::make_unique<PuzzleState>(base);
  if (!ReadPictureSizes(reader, *next)) return {};
  if (withPalette) {
    ReadPaletteLine(reader, next->Palette);
    DropOwnColors(*next);
  }
  ReadPictureRows(reader, *next, withPalette ? ColourCell : MonoCell);
  return {std::move(next)};
}

// The sizes line of a hint file, checked: a fresh puzzle of those sizes, or nothing when the
// board is refused.
std::unique_ptr<PuzzleState> ReadCheckedHead(TextReader& reader, const PuzzleState& base, bool mono) {
  HintFileHead head = ReadHintFileHead(reader, mono);
  if (!SizeFits(head.XSize) || !SizeFits(head.YSize)) return nullptr;
  CheckHintCount(head.XHintCount, head.sizesLine);
  CheckHintCount(head.YHintCount, head.sizesLine);
  return FreshHintPuzzle(base, head);
}

// Restores the normal pointer however the operation ends.
struct BusyPointer {
  explicit BusyPointer(App& app) : app(app) { app.ui.SetPointer(Pointer::Busy); }
  ~BusyPointer() { app.ui.SetPointer(Pointer::Normal); }
  App& app;
};

}  // namespace

std::string TitleCaption(const std::string& appCaption, const std::string& title, const std::string& fileName) {
  if (fileName.empty()) return Fill(Tr("{1}「{2}」"), {appCaption, title});
  return Fill(Tr("{1}「{2}」{3}"), {appCaption, title, fileName});
}

ParsedPuzzle ParseHintPuzzle(TextReader& reader, const PuzzleState& base) {
  std::unique_ptr<PuzzleState> next = ReadCheckedHead(reader, base, false);
  if (!next) return {};
  ReadPaletteLine(reader, next->Palette);
  DropOwnColors(*next);
  for (int y = 1; y <= next->YSize; ++y) {
    int line = reader.Line();
    std::string text = reader.ReadLine();
    for (int s = 1; s <= next->XHintCount; ++s) ParseHintField(text, s, line, next->RowHints[s][y]);
  }
  for (int x = 1; x <= next->XSize; ++x) {
    int line = reader.Line();
    std::string text = reader.ReadLine();
    for (int s = 1; s <= next->YHintCount; ++s) ParseHintField(text, s, line, next->ColHints[x][s]);
  }
  return {std::move(next)};
}

ParsedPuzzle ParseMonoHintPuzzle(TextReader& reader, const PuzzleState& base) {
  std::unique_ptr<PuzzleState> next = ReadCheckedHead(reader, base, true);
  if (!next) return {};
  SetDefaultPalette(*next);
  for (int y = 1; y <= next->YSize; ++y) ReadMonoHintLine(reader, next->XHintCount, RowSlot, *next, y);
  for (int x = 1; x <= next->XSize; ++x) ReadMonoHintLine(reader, next->YHintCount, ColSlot, *next, x);
  return {std::move(next)};
}

ParsedPuzzle ParsePicture(TextReader& reader, const PuzzleState& base) { return ParsePictureFile(reader, base, true); }
ParsedPuzzle ParseMonoPicture(TextReader& reader, const PuzzleState& base) {
  return ParsePictureFile(reader, base, false);
}

namespace {

// A reader of the program's own files: the file opened, parsed over the puzzle in memory, and
// the outcome shown.
ReadOutcome ReadOwnFile(App& app, const std::string& path, ParsedPuzzle (*parse)(TextReader&, const PuzzleState&)) {
  app.fileReport.LoadRefused = 0;
  TextReader reader = TextReader::Open(path);
  return Adopt(app, parse(reader, app.puzzle));
}

}  // namespace

ReadOutcome ReadHintPuzzle(App& app, const std::string& path) { return ReadOwnFile(app, path, ParseHintPuzzle); }
ReadOutcome ReadMonoHintPuzzle(App& app, const std::string& path) {
  return ReadOwnFile(app, path, ParseMonoHintPuzzle);
}
ReadOutcome ReadPicture(App& app, const std::string& path) { return ReadOwnFile(app, path, ParsePicture); }
ReadOutcome ReadMonoPicture(App& app, const std::string& path) { return ReadOwnFile(app, path, ParseMonoPicture); }

namespace {

void EncodeHintPuzzle(const PuzzleState& p, TextWriter& w) {
  w.WriteLine(p.Title);
  w.WriteLine(p.Answer);
  w.WriteLine(NumberLine({p.XHintCount, p.XSize, p.YHintCount, p.YSize}));
  w.WriteLine(PaletteLine(p.Palette));
  for (int y = 1; y <= p.YSize; ++y) {
    std::string line;
    for (int s = 1; s <= p.XHintCount; ++s) line += HintField(p.RowHints[s][y][kHintNumber], p.RowHints[s][y][kHintColor]);
    w.WriteLine(line);
  }
  for (int x = 1; x <= p.XSize; ++x) {
    std::string line;
    for (int s = 1; s <= p.YHintCount; ++s) line += HintField(p.ColHints[x][s][kHintNumber], p.ColHints[x][s][kHintColor]);
    w.WriteLine(line);
  }
}

void EncodePicture(const PuzzleState& p, TextWriter& w) {
  w.WriteLine(NumberLine({p.XSize, p.YSize}));
  w.WriteLine(PaletteLine(p.Palette));
  for (int y = 1; y <= p.YSize; ++y) {
    std::string line;
    for (int x = 1; x <= p.XSize; ++x) {
      int v = p.Grid[x][y];
      line += v >= 1 && v <= 9 ? static_cast<char>('0' + v) : '*';
    }
    w.WriteLine(line);
  }
}

// The picture and its companion hint file (the puzzle play mode opens) are one save: both are
// encoded and written aside before either replaces its old file, so a failure leaves the old
// pair as it was. The hints are derived in place only once both are on disk.
void WritePictureWithHints(PuzzleState& p, const std::string& path) {
  PuzzleState derived = p;
  DeriveHints(derived);
  TextWriter picture(path), hints(ChangeExt(path, "GWM"));
  EncodePicture(p, picture);
  EncodeHintPuzzle(derived, hints);
  FileReplacement pair;
  pair.Add(picture.path(), picture.bytes());
  pair.Add(hints.path(), hints.bytes());
  pair.Commit();
  DeriveHints(p);
}

}  // namespace

void WriteHintPuzzle(App& app, const std::string& path) {
  TextWriter w(path);
  EncodeHintPuzzle(app.puzzle, w);
  w.Commit();
}

void WritePicture(App& app, const std::string& path) {
  TextWriter w(path);
  EncodePicture(app.puzzle, w);
  w.Commit();
}

ReadOutcome OpenPuzzleFile(App& app, const std::string& folder, const std::string& name) {
  PuzzleState& p = app.puzzle;
  std::string path = JoinPath(folder, name);
  BusyPointer busy(app);
  if (!FileExists(path)) throw FileError(kErrFileNotFound);
  std::string ext = RightChars(path, 3);
  bool picture = p.Mode == kModeImage;
  bool mono = picture ? ext == "GWA" || ext == "gwa" : ext == "GWC" || ext == "gwc";
  ReadOutcome read = picture ? (mono ? ReadMonoPicture(app, path) : ReadPicture(app, path))
                             : (mono ? ReadMonoHintPuzzle(app, path) : ReadHintPuzzle(app, path));
  if (read == ReadOutcome::Refused) return read;
  app.ui.SetCaption(picture ? p.AppCaption + " : " + name : TitleCaption(p.AppCaption, p.Title, name));
  app.document.CurFolder = folder;
  app.document.CurFileName = name;
  app.document.CurPath = path;
  return read;
}

bool SaveFile(App& app, const std::string& folder, const std::string& name) {
  PuzzleState& p = app.puzzle;
  std::string path = JoinPath(folder, name);
  if (FileExists(path) &&
      Ask(app, Tr("ファイルがすでに存在しています．上書きしますか？"), MsgButtons::YesNo, MsgIcon::Question, 2) ==
          MsgResult::No)
    return false;
  try {
    BusyPointer busy(app);
    if (p.Mode == kModeImage) WritePictureWithHints(p, path);
    else WriteHintPuzzle(app, path);
    app.ui.SetCaption(p.AppCaption + " : " + path);
    app.document.CurFolder = folder;
    app.document.CurFileName = name;
    // The derived hints change the layout: the window is drawn anew, so that clicks map onto
    // what is shown.
    if (p.Mode == kModeImage) PaintBoard(app);
    return true;
  } catch (const FileError& e) {
    ShowFileError(app, e.number(), e.line(), "SaveFile");
    return false;
  }
}

}  // namespace gw
