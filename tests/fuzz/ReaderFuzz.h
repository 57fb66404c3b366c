#pragma once
// One body for every file reader, shared by the libFuzzer targets and by the replay of the
// committed corpus in the ordinary test run. A read may succeed, be refused or fail with a
// FileError; it must never crash, a refused or failed read must leave the puzzle exactly as it
// was, and a successful one must leave a puzzle the rest of the program can hold.
#include <cstring>
#include <string>

#include "history/History.h"
#include "system/FileError.h"
#include "state/Document.h"
#include "state/ProgressFiles.h"
#include "state/PuzzleFiles.h"
#include "support/TestApp.h"

namespace gw::fuzz {

enum class Format { Gwm, Gwc, Gwk, Gwa, Gwp, Gwb };

inline const char* Extension(Format f) {
  switch (f) {
    case Format::Gwm: return "gwm";
    case Format::Gwc: return "gwc";
    case Format::Gwk: return "gwk";
    case Format::Gwa: return "gwa";
    case Format::Gwp: return "gwp";
    case Format::Gwb: return "gwb";
  }
  return "";
}

// A puzzle with something in every part a reader may touch.
inline void FillPuzzle(App& app) {
  test::MakeBoard(app, 5, 4, 3, 2);
  PuzzleState& p = app.puzzle;
  p.Title = "前のパズル";
  p.Answer = "答";
  for (int k = 1; k <= 9; ++k) p.Palette[k] = k + 3;
  for (int x = 1; x <= 5; ++x)
    for (int y = 1; y <= 4; ++y) p.Grid[x][y] = (x + y) % 3 - 1;
  test::SetRowHints(app, 2, {1, 2, 1}, 2);
  test::SetColHints(app, 3, {2}, 3);
  p.RowHints[1][1][kHintCheck] = -1;
}

inline bool SamePuzzle(const PuzzleState& a, const PuzzleState& b) {
  return a.XSize == b.XSize && a.YSize == b.YSize && a.XHintCount == b.XHintCount &&
         a.YHintCount == b.YHintCount && std::memcmp(a.Grid, b.Grid, sizeof a.Grid) == 0 &&
         std::memcmp(a.RowHints, b.RowHints, sizeof a.RowHints) == 0 &&
         std::memcmp(a.ColHints, b.ColHints, sizeof a.ColHints) == 0 &&
         std::memcmp(a.Palette, b.Palette, sizeof a.Palette) == 0 && a.Title == b.Title && a.Answer == b.Answer;
}

// What a successfully read puzzle must satisfy; "" when it does.
inline std::string CheckHeld(const PuzzleState& p, Format f) {
  if (p.XSize < 1 || p.XSize > kMaxSize || p.YSize < 1 || p.YSize > kMaxSize) return "size out of range";
  if (p.XHintCount < 0 || p.XHintCount > kMaxSize || p.YHintCount < 0 || p.YHintCount > kMaxSize)
    return "hint count out of range";
  for (int k = 1; k <= 9; ++k)
    if (p.Palette[k] < 0 || p.Palette[k] > 31) return "palette entry out of range";
  auto slotOk = [](const int* s) {
    return s[kHintNumber] >= 0 && s[kHintNumber] <= kHintA0 && s[kHintColor] >= 0 && s[kHintColor] <= 9;
  };
  for (int y = 1; y <= p.YSize; ++y)
    for (int s = 1; s <= p.XHintCount; ++s)
      if (f != Format::Gwk && f != Format::Gwa && !slotOk(p.RowHints[s][y])) return "row hint out of range";
  for (int x = 1; x <= p.XSize; ++x)
    for (int s = 1; s <= p.YHintCount; ++s)
      if (f != Format::Gwk && f != Format::Gwa && !slotOk(p.ColHints[x][s])) return "column hint out of range";
  for (int x = 1; x <= p.XSize; ++x)
    for (int y = 1; y <= p.YSize; ++y)
      if (p.Grid[x][y] < -1 || p.Grid[x][y] > 9) return "cell out of range";
  return "";
}

// Reads `bytes` as a file of format `f` in `folder`; "" when everything held.
inline std::string CheckReader(Format f, const std::string& bytes, const std::string& folder) {
  std::string path = folder + "/input." + Extension(f);
  test::WriteFileBytes(path, bytes);
  test::TestApp t;
  t.app.puzzle.Mode = f == Format::Gwk || f == Format::Gwa ? kModeImage : kModePlay;
  FillPuzzle(t.app);
  t.ui.QueueAnswer(ScriptStep{{"ok"}, 0, true, false});  // for the refusal's message box
  PuzzleState before = t.app.puzzle;
  bool failed = false;
  try {
    switch (f) {
      case Format::Gwm: ReadHintPuzzle(t.app, path); break;
      case Format::Gwc: ReadMonoHintPuzzle(t.app, path); break;
      case Format::Gwk: ReadPicture(t.app, path); break;
      case Format::Gwa: ReadMonoPicture(t.app, path); break;
      case Format::Gwp: ReadProgress(t.app.puzzle, path); break;
      case Format::Gwb: {
        CompleterList list;
        std::string any = path;
        ReadCompleters(t.app, any, list);
        if (list.count < 0 || list.count > 10) return "completer count out of range";
        return SamePuzzle(t.app.puzzle, before) ? "" : "the completer list changed the puzzle";
      }
    }
  } catch (const FileError&) {
    failed = true;
  }
  if (failed || t.app.fileReport.LoadRefused == 1)
    return SamePuzzle(t.app.puzzle, before) ? "" : "a refused or failed read changed the puzzle";
  return CheckHeld(t.app.puzzle, f);
}

}  // namespace gw::fuzz
