// The library window as a script sees it: `library list` prints its rows as the window shows them,
// the other `library` words do what its controls do; `clock` and `activate` drive the play timer.
#include <filesystem>

#include "Runner.h"
#include "frontends/scripted/ScriptText.h"
#include "library/PathText.h"
#include "files/LibraryCommands.h"
#include "mainwnd/MainWnd.h"
#include "state/WindowState.h"

namespace gw {
namespace {

LibraryWindow& Window(Runner& r) {
  if (!r.app().library) throw ScriptError("the library is not open");
  return *r.app().library;
}

int ColumnNamed(const std::string& name) {
  static const char* const kNames[kColumnCount] = {"picture", "title",  "author", "size", "colors", "rating",
                                                   "unique",  "state",  "best",   "solved", "last", "file"};
  for (int c = 0; c < kColumnCount; ++c)
    if (name == kNames[c]) return c;
  throw ScriptError("no library column " + name);
}

const char* ShelfName(Shelf s) {
  switch (s) {
    case Shelf::Home: return "home";
    case Shelf::Added: return "added";
    default: return "collection";
  }
}

void List(Runner& r, LibraryWindow& w) {
  std::ostream& o = r.out();
  o << "LIBRARY rows=" << w.view.rows.size() << " of=" << w.library->Entries().size() << " sort="
    << ColumnTitle(w.view.sortColumn) << (w.view.descending ? " desc" : " asc") << "\n";
  std::string playing = LibraryPlayingText(r.app());
  if (!playing.empty()) o << "PLAYING " << playing << "\n";
  for (size_t i = 0; i < w.view.rows.size(); ++i) {
    const LibraryEntry& e = w.library->Entries()[w.view.rows[i]];
    o << "ROW " << i + 1 << " [" << ShelfName(e.shelf) << "]";
    for (int c = kColTitle; c < kColumnCount; ++c) o << " " << ColumnTitle(c) << "=" << Quote(CellText(e, c));
    o << "\n";
  }
}

// The thumbnail as characters: '.' a blank cell, '-' the background, 1.. the puzzle's colours.
void Thumb(Runner& r, LibraryWindow& w, int row) {
  if (row < 1 || row > int(w.view.rows.size())) throw ScriptError("no library row " + std::to_string(row));
  const LibraryEntry& e = w.library->Entries()[w.view.rows[row - 1]];
  Thumbnail t = ThumbnailOf(e);
  r.out() << "THUMB " << t.width << "x" << t.height << "\n";
  for (int y = 0; y < t.height; ++y) {
    std::string line;
    for (int x = 0; x < t.width; ++x) {
      char c = e.facts.cells.empty() ? '?' : e.facts.cells[size_t(y) * t.width + x];
      line += t.cells[size_t(y) * t.width + x] < 0 ? '.' : (c == '0' ? '-' : c);
    }
    r.out() << line << "\n";
  }
}

std::string Absolute(const std::string& path) {
  return PathText(std::filesystem::absolute(PathOf(path)).lexically_normal());
}

void LibraryWord(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& what = line.words[1].text;
  App& app = r.app();
  if (what == "collection") {
    NeedWords(line, 3);
    app.wnd.collectionFolder = Absolute(line.words[2].text);
  } else if (what == "addfolder") {
    NeedWords(line, 3);
    LibraryAddFolder(app, Absolute(line.words[2].text));
  } else if (what == "wait") {
    Window(r).library->WaitIdle();
    LibraryPoll(app);
  } else if (what == "list") {
    LibraryUpdateRows(app);
    List(r, Window(r));
  } else if (what == "sort") {
    NeedWords(line, 3);
    Window(r).view.sortColumn = ColumnNamed(line.words[2].text);
    Window(r).view.descending = line.words.size() > 3 && line.words[3].text == "desc";
    LibraryUpdateRows(app);
  } else if (what == "filter") {
    NeedWords(line, 4);
    LibraryFilter& f = Window(r).view.filter;
    const std::string& field = line.words[2].text;
    int value = WordNumber(line, 3);
    if (field == "state") f.state = value;
    else if (field == "size") f.size = value;
    else if (field == "colors") f.colors = value;
    else if (field == "rating") f.rating = value;
    else throw ScriptError("no library filter " + field);
    LibraryUpdateRows(app);
  } else if (what == "search") {
    Window(r).view.filter.text = line.words.size() > 2 ? line.words[2].text : "";
    LibraryUpdateRows(app);
  } else if (what == "choose") {
    NeedWords(line, 3);
    LibraryOpenRow(app, WordNumber(line, 2) - 1);
  } else if (what == "enter") {
    // Enter in the search box: the first match opens.
    LibraryOpenRow(app, 0);
  } else if (what == "thumb") {
    NeedWords(line, 3);
    Thumb(r, Window(r), WordNumber(line, 2));
  } else {
    throw ScriptError("unknown library command " + what);
  }
}

// `clock +SECONDS`: time passes for the play timer.
void Clock(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  r.ui().AdvanceClock(std::atof(line.words[1].text.c_str()));
}

// `activate on|off`: the main window becomes active, or another window (or minimising) takes that.
void Activate(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  MainWndActivated(r.app(), line.words[1].text == "on");
}

}  // namespace

void RegisterLibraryCommands(Runner& runner) {
  runner.Register("library", LibraryWord);
  runner.Register("clock", Clock);
  runner.Register("activate", Activate);
}

}  // namespace gw
