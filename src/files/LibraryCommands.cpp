#include "files/LibraryCommands.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "display/Draw.h"
#include "formats/PuzzleKinds.h"
#include "history/EditHistory.h"
#include "library/PathText.h"
#include "Messages.h"
#include "library/PlayClock.h"
#include "files/FileCommands.h"
#include "files/ToolsCommands.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "system/PathSyntax.h"
#include "system/UserFolder.h"
#include "state/LargeProgress.h"
#include "state/Paths.h"
#include "state/ProgressFiles.h"
#include "state/WindowState.h"

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
  if (!opened.notice.empty()) Ask(app, opened.notice, MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
  return window.get();
}

void TellStoreProblem(App& app, Library& lib) {
  std::string problem = lib.TakeStoreProblem();
  if (!problem.empty()) Ask(app, problem, MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
}

std::string CurrentKey(App& app) { return app.document.CurPath.empty() ? "" : Normal(app.document.CurPath); }

bool InPlay(const PuzzleState& p) { return p.Mode == kModePlay && p.XSize > 0 && p.SolveState != 1; }

// The time on the puzzle in play, when the clock is timing it.
double CurrentSeconds(App& app) {
  return app.clock.key() == CurrentKey(app) ? app.clock.Seconds(app.ui.Clock()) : 0;
}

void TellStoredGameUnfit(App& app) {
  Ask(app, Tr("保存してあった途中データがこのロジックに合わないので，読み込めませんでした。"), MsgButtons::Ok,
      MsgIcon::Warning, 1, Tr(kLibraryTitle));
}

// The progress file beside a small foreign puzzle, which the import path does not offer; the
// program's own files and large boards were offered theirs as they opened, and puzzles whose
// records are in the store took up their game from there.
void ResumeStoredGame(App& app, const LibraryEntry& e) {
  std::string progressFile = StoredGamePath(app.puzzle, app.document);
  bool offered = IsOwnHintFile(e.name) || IsLargeBoard(app.puzzle);
  if (offered || RecordsInLibrary(app) || !FileExists(progressFile)) return;
  try {
    ReadProgress(app.puzzle, progressFile);
  } catch (const FileError&) {
    TellStoredGameUnfit(app);
    return;
  }
  DrawHints(app);
  DrawCells(app);
}

// Whether `path` lies in `folder` or a folder within it, links and ".." followed.
bool Inside(const std::string& path, const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path in = fs::weakly_canonical(fs::absolute(PathOf(path), ec), ec);
  fs::path outer = fs::weakly_canonical(PathOf(folder), ec);
  if (outer.empty()) return false;
  auto [o, i] = std::mismatch(outer.begin(), outer.end(), in.begin(), in.end());
  return o == outer.end() || (std::next(o) == outer.end() && o->empty());
}

// The rows in the view's order, the game on the board counted in progress from its first move.
void ShowRows(App& app, LibraryWindow& w) {
  const PuzzleState& p = app.puzzle;
  w.library->NoteGameInHand(CurrentKey(app), InPlay(p) && AnyCellDecided(p));
  UpdateRows(*w.library, w.view);
}

// A change of the store, a failure told; the rows show the records as they are after it. True
// when it was written.
template <typename Work>
bool ChangeStore(App& app, LibraryWindow& w, Work work) {
  bool written = true;
  try {
    work(w.library->store());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
    written = false;
  }
  w.library->ReloadRecords();
  TellStoreProblem(app, *w.library);
  ShowRows(app, w);
  return written;
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
    Ask(app, Tr("この版ではライブラリは使えません。"), MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
    return;
  }
  w->library->Refresh();
  w->library->ReloadRecords();
  TellStoreProblem(app, *w->library);
  ShowRows(app, *w);
  app.ui.ShowLibrary();
}

bool LibraryPoll(App& app) {
  if (!app.library) return false;
  Library& lib = *app.library->library;
  const PuzzleState& p = app.puzzle;
  bool changed = lib.Poll();
  changed = lib.NoteGameInHand(CurrentKey(app), InPlay(p) && AnyCellDecided(p)) || changed;
  TellStoreProblem(app, lib);
  if (changed) UpdateRows(lib, app.library->view);
  return changed;
}

void LibraryUpdateRows(App& app) {
  if (app.library) ShowRows(app, *app.library);
}

void LibraryOpenRow(App& app, int row) {
  if (!app.library) return;
  LibraryWindow& w = *app.library;
  if (row < 0 || row >= int(w.view.rows.size())) return;
  LibraryEntry e = w.library->Entries()[w.view.rows[row]];
  if (!e.facts.Readable()) {
    Ask(app, Tr("このファイルは読めません。") + CR + e.facts.error, MsgButtons::Ok, MsgIcon::Warning, 1,
        Tr(kLibraryTitle));
    return;
  }
  bool opened = false;
  RunCommand(app, CommandRole::Load, [&] {
    opened = OpenPuzzleForPlay(app, e.facts.stamp.path, kLibraryTitle);
    if (opened) ResumeStoredGame(app, e);
    if (opened) NoteGameKept(app);
  });
  if (!opened) return;
  double now = app.ui.Clock();
  bool resumed = AnyCellDecided(app.puzzle);
  app.clock.Start(CurrentKey(app), resumed ? e.record.seconds : 0, now);
  try {
    w.library->store().SavePlay(CurrentKey(app), resumed ? e.record.seconds : 0,
                                resumed ? e.record.progress : "", app.ui.Today());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
  }
  w.library->ReloadRecords();
  TellStoreProblem(app, *w.library);
  ShowRows(app, w);
}

void LibraryAddFolder(App& app, const std::string& folder) {
  LibraryWindow* w = Ensure(app, true);
  if (!w) return;
  std::string chosen = folder.empty() ? app.ui.ChooseFolder(Tr("ライブラリに加えるフォルダ")) : folder;
  if (chosen.empty()) return;
  if (!FolderExists(chosen)) {
    Ask(app, Tr("このフォルダは開けません。") + CR + chosen, MsgButtons::Ok, MsgIcon::Warning, 1,
        Tr(kLibraryTitle));
    return;
  }
  w->library->AddFolder(Normal(PathText(std::filesystem::absolute(PathOf(chosen)))));
  w->library->Refresh();
  TellStoreProblem(app, *w->library);
  ShowRows(app, *w);
}

std::string LibraryPlayingText(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode != kModePlay || p.XSize < 1 || app.clock.key().empty() || app.clock.key() != CurrentKey(app)) return "";
  std::string time = DurationText(app.clock.Seconds(app.ui.Clock()));
  return Fill(app.clock.stopped() ? Tr("「{1}」 {2} 完成") : Tr("「{1}」 {2}"), {p.Title, time});
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
  if (w) ChangeStore(app, *w, [&](LibraryStore& s) { s.AddSolve(key, seconds, app.ui.Today()); });
}

void NoteProgressSaved(App& app) {
  LibraryWindow* w = Ensure(app, false);
  std::string key = CurrentKey(app);
  if (!w || key.empty()) return;
  try {
    w->library->store().SavePlay(key, CurrentSeconds(app), "", app.ui.Today());
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
  }
  w->library->ReloadRecords();
  TellStoreProblem(app, *w->library);
}

bool RecordsInLibrary(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.Mode != kModePlay || app.document.CurPath.empty() || !LibraryAvailable()) return false;
  bool collection = !app.wnd.collectionFolder.empty() && Inside(app.document.CurPath, app.wnd.collectionFolder);
  std::string folder = FolderOf(PathText(std::filesystem::absolute(PathOf(app.document.CurPath))));
  if (!collection && FolderWritable(folder)) return false;
  return Ensure(app, true) != nullptr;
}

bool ResumeGameFromLibrary(App& app) {
  if (!RecordsInLibrary(app)) return false;
  LibraryWindow& w = *app.library;
  std::map<std::string, PlayRecord> records;
  try {
    records = w.library->store().LoadRecords();
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
    return false;
  }
  auto r = records.find(CurrentKey(app));
  if (r == records.end() || r->second.progress.empty()) return false;
  try {
    ReadProgressBytes(app.puzzle, r->second.progress);
  } catch (const FileError&) {
    TellStoredGameUnfit(app);
    return false;
  }
  DrawHints(app);
  DrawCells(app);
  return true;
}

bool ReadLibraryCompleters(App& app, std::vector<std::string>& entries) {
  try {
    entries = app.library->library->store().Completers(CurrentKey(app));
    return true;
  } catch (const StoreError& err) {
    Ask(app, err.what(), MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kLibraryTitle));
    return false;
  }
}

bool AddLibraryCompleter(App& app, const std::string& entry) {
  return ChangeStore(app, *app.library, [&](LibraryStore& s) { s.AddCompleter(CurrentKey(app), entry); });
}

bool SaveProgressInLibrary(App& app) {
  return ChangeStore(app, *app.library, [&](LibraryStore& s) {
    s.SavePlay(CurrentKey(app), CurrentSeconds(app), ProgressBytes(app.puzzle), app.ui.Today());
  });
}

}  // namespace gw
