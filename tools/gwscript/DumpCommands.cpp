// Looking inside: dumps of the program's state, snapshots and the drawing echo.
#include <algorithm>
#include <cstdio>

#include "Mirror.h"
#include "Runner.h"
#include "commands/Commands.h"
#include "display/BoardLayout.h"
#include "display/Highlight.h"
#include "display/PaneSurface.h"
#include "frontends/scripted/ScriptText.h"
#include "history/History.h"
#include "settings/Options.h"
#include "solver/SolverState.h"
#include "state/Document.h"
#include "state/GuessLayer.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

void DumpState(Runner& r, App& app) {
  const PuzzleState& p = app.puzzle;
  const Document& doc = app.document;
  const FileReport& report = app.fileReport;
  std::ostream& o = r.out();
  o << "STATE Mode=" << p.Mode << " XSize=" << p.XSize << " YSize=" << p.YSize
    << " XHintCount=" << p.XHintCount << " YHintCount=" << p.YHintCount << " CurColor=" << p.CurColor
    << " Dirty=" << doc.Dirty << " SolveState=" << p.SolveState << " DialogCancelled=" << report.DialogCancelled
    << " LoadRefused=" << report.LoadRefused << " AutoCheck=" << p.AutoCheck << " MarkStyle=" << p.MarkStyle
    << " DragValue=" << app.layout.DragValue << " Title=" << Quote(p.Title) << " Answer=" << Quote(p.Answer)
    << " CurFolder=" << Quote(doc.CurFolder) << " CurFileName=" << Quote(doc.CurFileName)
    << " CurPath=" << Quote(doc.CurPath) << "\n";
}

void DumpGrid(Runner& r, App& app) {
  const PuzzleState& p = app.puzzle;
  r.out() << "GRID\n";
  for (int y = 1; y <= p.YSize; ++y) {
    for (int x = 1; x <= p.XSize; ++x) r.out() << (x > 1 ? " " : "") << p.Grid[x][y];
    r.out() << "\n";
  }
}

void DumpHints(Runner& r, App& app) {
  const PuzzleState& p = app.puzzle;
  auto slot = [](const int* s) {
    return " " + std::to_string(s[kHintNumber]) + "/" + std::to_string(s[kHintColor]) + "/" +
           std::to_string(s[kHintCheck]);
  };
  r.out() << "ROWHINTS\n";
  for (int y = 1; y <= p.YSize; ++y) {
    r.out() << y << ":";
    for (int s = 1; s <= p.XHintCount; ++s) r.out() << slot(p.RowHints[s][y]);
    r.out() << "\n";
  }
  r.out() << "COLHINTS\n";
  for (int x = 1; x <= p.XSize; ++x) {
    r.out() << x << ":";
    for (int s = 1; s <= p.YHintCount; ++s) r.out() << slot(p.ColHints[x][s]);
    r.out() << "\n";
  }
}

void DumpPalette(Runner& r, App& app) {
  r.out() << "PALETTE";
  for (int k = 1; k <= 9; ++k) r.out() << " " << app.puzzle.Palette[k];
  r.out() << "\nCOLORTABLE";
  for (Rgb c : app.colors.ColorTable) r.out() << " " << c;
  r.out() << "\n";
}

void DumpMenus(Runner& r, App&) {
  auto on = [&](MenuId m, int i) { return r.ui().MenuEnabled(m, i) ? "on" : "off"; };
  r.out() << "MENUS File0=" << on(MenuId::File, 0) << " Option0=" << on(MenuId::Option, 0)
          << " Option1=" << on(MenuId::Option, 1) << " Option2=" << on(MenuId::Option, 2)
          << " Option5=" << on(MenuId::Option, 5) << " Option7=" << on(MenuId::Option, 7)
          << " keypreview=" << (r.ui().KeyPreview() ? "on" : "off") << "\n";
}

// An addition to the runner: the options of the tools menu, as held and as their items' ticks.
void DumpOptions(Runner& r, App& app) {
  auto tick = [&](Command c) {
    std::optional<MenuPlace> at = PlaceOf(c);
    return at && r.ui().MenuChecked(at->menu, at->index) ? "ticked" : "unticked";
  };
  r.out() << "OPTIONS LiveHints=" << app.options.liveHints << " " << tick(Command::LiveHints)
          << " ExactTicks=" << app.options.exactTicks << " " << tick(Command::ExactTicks) << "\n";
}

// An addition to the runner: the guess layer, a character a cell: '.' an ordinary cell, the
// level's number for a guessed one.
void DumpGuess(Runner& r, App& app) {
  const PuzzleState& p = app.puzzle;
  r.out() << "GUESS depth=" << app.guess.Depth() << "\n";
  if (app.guess.Depth() == 0) return;
  for (int y = 1; y <= p.YSize; ++y) {
    std::string row;
    for (int x = 1; x <= p.XSize; ++x) {
      int level = GuessLevelOf(app.guess, x, y, p.Grid[x][y]);
      row += level == 0 ? '.' : level < 10 ? char('0' + level) : '+';
    }
    r.out() << y << ": " << row << "\n";
  }
}

// An addition to the runner: the option of error hints, and the lines whose hints the window
// shows in the error colour.
void DumpErrors(Runner& r, App& app) {
  std::optional<MenuPlace> at = PlaceOf(Command::ErrorHints);
  bool ticked = at && r.ui().MenuChecked(at->menu, at->index);
  auto list = [](const std::vector<char>& lines) {
    std::string text;
    for (size_t i = 1; i < lines.size(); ++i)
      if (lines[i]) text += (text.empty() ? "" : ",") + std::to_string(i);
    return text.empty() ? std::string("-") : text;
  };
  const ErrorLines& e = app.layout.ErrorsShown;
  r.out() << "ERRORS ErrorHints=" << app.options.errorHints << " " << (ticked ? "ticked" : "unticked")
          << " rows=" << list(e.rows) << " cols=" << list(e.cols) << "\n";
}

void DumpClipboard(Runner& r, App&) { r.ui().DumpClipboard(); }

void DumpCursor(Runner& r, App& app) {
  const BoardLayout& l = app.layout;
  r.out() << "CURSOR side=" << l.CursorSide << " x=" << l.CursorX << " y=" << l.CursorY
          << " buffer=" << Quote(l.DigitBuffer) << "\n";
}

// An addition to the runner: the undo and redo lists (the step being recorded counts once it has
// changed something) and the two items of the edit menu.
void DumpHistory(Runner& r, App& app) {
  const History& h = app.history;
  auto on = [&](int i) { return r.ui().MenuEnabled(MenuId::Edit, i) ? "on" : "off"; };
  size_t undo = h.done.size() + (h.open && h.openChanged ? 1 : 0);
  r.out() << "HISTORY undo=" << undo << " redo=" << h.undone.size() << " Edit0=" << on(0)
          << " Edit1=" << on(1) << "\n";
}

// An addition to the runner: the keyboard's cell cursor of play mode.
void DumpKeyCursor(Runner& r, App& app) {
  const BoardLayout& l = app.layout;
  r.out() << "KEYCURSOR col=" << l.KeyCol << " row=" << l.KeyRow << " shown=" << (l.KeyCursorShown ? 1 : 0)
          << " hover=" << l.HoverCol << "," << l.HoverRow << "\n";
}

void DumpTotals(Runner& r, App& app) {
  const PuzzleState& p = app.puzzle;
  const SolverState& s = app.solver;
  r.out() << "ROWTOTALS\n";
  for (int y = 1; y <= p.YSize; ++y) {
    r.out() << y << ":";
    for (int c = 1; c <= 9; ++c) r.out() << " " << s.RowColorTotals[c][y];
    r.out() << "\n";
  }
  r.out() << "COLTOTALS\n";
  for (int x = 1; x <= p.XSize; ++x) {
    r.out() << x << ":";
    for (int c = 1; c <= 9; ++c) r.out() << " " << s.ColColorTotals[c][x];
    r.out() << "\n";
  }
}

// OVERLAY then one line per row: 1 for a highlighted cell, 0 otherwise; OVERLAY none without one.
void DumpOverlay(Runner& r, App& app) {
  if (app.layout.Highlight.empty()) {
    r.out() << "OVERLAY none\n";
    return;
  }
  const PuzzleState& p = app.puzzle;
  r.out() << "OVERLAY\n";
  for (int y = 1; y <= p.YSize; ++y) {
    for (int x = 1; x <= p.XSize; ++x) {
      r.out() << (x > 1 ? " " : "") << (Highlighted(app, x, y) ? 1 : 0);
    }
    r.out() << "\n";
  }
}

// An addition: the zoom and scroll of the window (cell in twips, 0 when fitted; scroll and its
// most in cells, two decimals).
void DumpView(Runner& r, App& app) {
  const BoardView& v = app.layout.view;
  char text[160];
  std::snprintf(text, sizeof text, "VIEW zoomed=%d cell=%.2f scroll=%.2f,%.2f max=%.2f,%.2f\n", v.zoomed ? 1 : 0,
                v.cellTwips, v.scrollX, v.scrollY, v.maxScrollX, v.maxScrollY);
  r.out() << text;
}

void Dump(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  using DumpFn = void (*)(Runner&, App&);
  static const std::map<std::string, DumpFn> kDumps = {
      {"state", DumpState}, {"grid", DumpGrid},     {"hints", DumpHints},  {"palette", DumpPalette},
      {"menus", DumpMenus}, {"cursor", DumpCursor}, {"totals", DumpTotals},
      {"history", DumpHistory}, {"keycursor", DumpKeyCursor}, {"overlay", DumpOverlay},
      {"view", DumpView}, {"options", DumpOptions}, {"guess", DumpGuess}, {"errors", DumpErrors},
      {"clipboard", DumpClipboard},
  };
  auto it = kDumps.find(line.words[1].text);
  if (it == kDumps.end()) throw ScriptError("unknown word " + line.words[1].text);
  it->second(r, r.app());
}

void Snapshot(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  r.app();
  if (!r.mirror()) throw ScriptError("snapshot needs the Qt image surface, which this build of gwscript was made without");
  if (!r.mirror()->Snapshot(line.words[1].text)) throw ScriptError("cannot write " + line.words[1].text);
}

void Draw(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& w = line.words[1].text;
  if (w != "on" && w != "off") throw ScriptError("unknown word " + w);
  r.ui().SetDrawEcho(w == "on");
}

// An addition to the runner: fixes today's date (mm-dd-yyyy) so that scenarios stay repeatable.
void Today(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  r.ui().SetToday(line.words[1].text);
}

}  // namespace

void RegisterDumpCommands(Runner& runner) {
  runner.Register("dump", Dump);
  runner.Register("snapshot", Snapshot);
  runner.Register("draw", Draw);
  runner.Register("today", Today);
}

}  // namespace gw
