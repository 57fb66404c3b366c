#include "mainwnd/LibraryCommands.h"

#include <filesystem>

#include "display/Draw.h"
#include "formats/ForeignFiles.h"
#include "history/EditHistory.h"
#include "library/PathText.h"
#include "Messages.h"
#include "mainwnd/FileCommands.h"
#include "mainwnd/ToolsCommands.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/UserFolder.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"

namespace gw {
namespace {

std::string Normal(const std::string& path) {
  return PathText(PathOf(path).lexically_normal());
}

std::string StartFolder(App& app) {
  return app.wnd.startFolder.empty() ? CurrentDirectory() : app.wnd.startFolder;
}

// The store is opened when the library is first shown; records are kept from then on, also in
// later runs that never show it (the store file is there).
LibraryWindow* Ensure(App& app, bool make) {
  if (app.library) return app.library.get();
  if (!LibraryAvailable()) return nullptr;
  std::string file = LibraryStoreFile(StartFolder(app));
  if (!make && !FileExists(file)) return nullptr;
  OpenedStore opened = OpenLibraryStore(file);
  if (!opened.store) return nullptr;
  auto window = std::make_shared<LibraryWindow>();
  window->library = std::make_unique<Library>(std::move(opened.store),
                                              LibraryPlaces{Normal(StartFolder(app)), app.wnd.collectionFolder});
  app.library = window;
  if (!opened.notice.empty()) Ask(app, opened.notice, MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
  return window.get();
}

void TellStoreProblem(App& app, Library& lib) {
  std::string problem = lib.TakeStoreProblem();
  if (!problem.empty()) Ask(app, problem, MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
}

std::string CurrentKey(App& app) { return app.puzzle.CurPath.empty() ? "" : Normal(app.puzzle.CurPath); }

bool InPlay(const PuzzleState& p) { return p.Mode == kModePlay && p.XSize > 0 && p.SolveState != 1; }

// The time on the puzzle in play, when the clock is timing it.
double CurrentSeconds(App& app) {
  return app.clock.key() == CurrentKey(app) ? app.clock.Seconds(app.ui.Clock()) : 0;
}

// A game the store kept (the collection's), or the progress file beside a foreign puzzle, which the
// import path does not offer; the program's own files and large boards were offered theirs as they
// opened.
void ResumeStoredGame(App& app, const LibraryEntry& e) {
  std::string progressFile = StoredGamePath(app.puzzle);
  bool offered = HasExt(e.name, ".gwm") || HasExt(e.name, ".gwc") || IsLargeBoard(app.puzzle);
  try {
    if (!e.record.progress.empty() && !FileExists(progressFile)) ReadProgressBytes(app, e.record.progress);
    else if (!offered && FileExists(progressFile)) ReadProgress(app, progressFile);
    else return;
  } catch (const FileError&) {
    Ask(app, "保存してあった途中データがこのロジックに合わないので，読み込めませんでした。", MsgButtons::Ok,
        MsgIcon::Warning, 1, kLibraryTitle);
    return;
  }
  DrawHints(app);
  DrawCells(app);
}

}  // namespace

std::string LibraryStoreFile(const std::string& startFolder) {
  namespace fs = std::filesystem;
  std::string user = UserPuzzleFolder();
  if (!user.empty() && Normal(user) == Normal(startFolder))
    return PathText(PathOf(user).parent_path() / "library.sqlite");
  return PathText(PathOf(startFolder) / "gridwick-library.sqlite");
}

void LibraryCommand(App& app) {
  LibraryWindow* w = Ensure(app, true);
  if (!w) {
    Ask(app, "この版ではライブラリは使えません。", MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
    return;
  }
  w->library->Refresh();
  w->library->ReloadRecords();
  TellStoreProblem(app, *w->library);
  UpdateRows(*w->library, w->view);
  app.ui.ShowLibrary();
}

bool LibraryPoll(App& app) {
  if (!app.library) return false;
  Library& lib = *app.library->library;
  bool changed = lib.Poll();
  TellStoreProblem(app, lib);
  if (changed) UpdateRows(lib, app.library->view);
  return changed;
}

void LibraryUpdateRows(App& app) {
  if (app.library) UpdateRows(*app.library->library, app.library->view);
}

void LibraryOpenRow(App& app, int row) {
  if (!app.library) return;
  LibraryWindow& w = *app.library;
  if (row < 0 || row >= int(w.view.rows.size())) return;
  LibraryEntry e = w.library->Entries()[w.view.rows[row]];
  if (!e.facts.Readable()) {
    Ask(app, "このファイルは読めません。" + std::string(CR) + e.facts.error, MsgButtons::Ok, MsgIcon::Warning, 1,
        kLibraryTitle);
    return;
  }
  bool opened = false;
  RunCommand(app, CommandRole::Load, [&] {
    opened = OpenPuzzleForPlay(app, e.facts.stamp.path);
    if (opened) ResumeStoredGame(app, e);
  });
  if (!opened) return;
  double now = app.ui.Clock();
  bool resumed = AnyCellDecided(app.puzzle);
  app.clock.Start(CurrentKey(app), resumed ? e.record.seconds : 0, now);
  try {
    w.library->store().SavePlay(CurrentKey(app), resumed ? e.record.seconds : 0,
                                resumed ? e.record.progress : "", app.ui.Today());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
  }
  w.library->ReloadRecords();
  UpdateRows(*w.library, w.view);
}

void LibraryAddFolder(App& app, const std::string& folder) {
  LibraryWindow* w = Ensure(app, true);
  if (!w) return;
  std::string chosen = folder.empty() ? app.ui.ChooseFolder("ライブラリに加えるフォルダ") : folder;
  if (chosen.empty()) return;
  if (!FolderExists(chosen)) {
    Ask(app, "このフォルダは開けません。" + std::string(CR) + chosen, MsgButtons::Ok, MsgIcon::Warning, 1,
        kLibraryTitle);
    return;
  }
  w->library->AddFolder(Normal(PathText(std::filesystem::absolute(PathOf(chosen)))));
  w->library->Refresh();
  TellStoreProblem(app, *w->library);
  UpdateRows(*w->library, w->view);
}

std::string LibraryPlayingText(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode != kModePlay || p.XSize < 1 || app.clock.key().empty() || app.clock.key() != CurrentKey(app)) return "";
  std::string text = "「" + p.Title + "」 " + DurationText(app.clock.Seconds(app.ui.Clock()));
  return app.clock.stopped() ? text + " 完成" : text;
}

void NotePlayActivity(App& app) {
  if (app.puzzle.Mode != kModePlay) return;
  app.clock.Touch(CurrentKey(app), InPlay(app.puzzle), app.ui.Clock());
}

void NoteWindowActive(App& app, bool active) { app.clock.SetActive(active, app.ui.Clock()); }

void NoteSolved(App& app) {
  std::string key = CurrentKey(app);
  if (key.empty() || app.clock.key() != key || app.clock.stopped()) return;
  double now = app.ui.Clock();
  double seconds = app.clock.Seconds(now);
  app.clock.Stop(now);
  LibraryWindow* w = Ensure(app, false);
  if (!w) return;
  try {
    w->library->store().AddSolve(key, seconds, app.ui.Today());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
  }
  w->library->ReloadRecords();
  UpdateRows(*w->library, w->view);
}

void NoteProgressSaved(App& app) {
  LibraryWindow* w = Ensure(app, false);
  std::string key = CurrentKey(app);
  if (!w || key.empty()) return;
  try {
    w->library->store().SavePlay(key, CurrentSeconds(app), "", app.ui.Today());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
  }
  w->library->ReloadRecords();
}

bool KeepsProgressInLibrary(App& app) {
  if (!app.library) return false;
  const LibraryEntry* e = app.library->library->Find(CurrentKey(app));
  return e && e->shelf == Shelf::Collection;
}

bool SaveProgressInLibrary(App& app) {
  LibraryWindow& w = *app.library;
  try {
    w.library->store().SavePlay(CurrentKey(app), CurrentSeconds(app), ProgressBytes(app), app.ui.Today());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, kLibraryTitle);
    return false;
  }
  w.library->ReloadRecords();
  UpdateRows(*w.library, w.view);
  return true;
}

}  // namespace gw
