// The library's store in SQLite: written in transactions with a write-ahead log and full syncs, so
// that a crash or a full disk never takes earlier records with it.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

#include "library/LibraryStore.h"
#include "library/PaletteText.h"

namespace gw {
namespace {

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS puzzles(path TEXT PRIMARY KEY, size INTEGER, mtime INTEGER, error TEXT,
  title TEXT, author TEXT, width INTEGER, height INTEGER, palette TEXT, solutions INTEGER,
  rating INTEGER, cells TEXT);
CREATE TABLE IF NOT EXISTS plays(path TEXT PRIMARY KEY, seconds REAL, progress BLOB, last_played TEXT);
CREATE TABLE IF NOT EXISTS solves(id INTEGER PRIMARY KEY, path TEXT, seconds REAL, solved_on TEXT);
CREATE TABLE IF NOT EXISTS folders(path TEXT PRIMARY KEY);
)";

// Added after the first stores were made: a store without it gets it when opened, and everything
// already in it reads as before. Completers of puzzles whose own folder may not hold a list.
const char* const kCompletersTable = R"(
CREATE TABLE IF NOT EXISTS completers(id INTEGER PRIMARY KEY, path TEXT NOT NULL, entry TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS completers_by_path ON completers(path, id);
)";
// As a completer list holds them.
constexpr int kCompletersKept = 10;

// A result code that means the file is not a sound database.
bool Damaged(int code) {
  int primary = code & 0xff;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

class DamagedStore : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) { Check(sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr)); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int i, const std::string& text) {
    Check(sqlite3_bind_text(stmt_, i, text.data(), int(text.size()), SQLITE_TRANSIENT));
    return *this;
  }
  Statement& Bind(int i, long long v) {
    Check(sqlite3_bind_int64(stmt_, i, v));
    return *this;
  }
  Statement& Bind(int i, double v) {
    Check(sqlite3_bind_double(stmt_, i, v));
    return *this;
  }
  // True while a row is there to read.
  bool Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) Check(rc);
    return false;
  }
  void Run() {
    while (Step()) {
    }
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
  std::string Text(int i) const {
    const void* p = sqlite3_column_blob(stmt_, i);
    return p ? std::string(static_cast<const char*>(p), size_t(sqlite3_column_bytes(stmt_, i))) : "";
  }
  long long Int(int i) const { return sqlite3_column_int64(stmt_, i); }
  double Real(int i) const { return sqlite3_column_double(stmt_, i); }

  void Check(int rc) const {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    if (Damaged(rc)) throw DamagedStore(sqlite3_errmsg(db_));
    throw StoreError("ライブラリの記録を書き込めませんでした（" + std::string(sqlite3_errstr(rc)) + "）。");
  }

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
  std::string what = error ? error : "";
  sqlite3_free(error);
  if (rc == SQLITE_OK) return;
  if (Damaged(rc)) throw DamagedStore(what);
  throw StoreError("ライブラリの記録を書き込めませんでした（" + what + "）。");
}

// Runs `work` in one transaction: all of it is written or none.
template <typename Work>
void InTransaction(sqlite3* db, Work work) {
  Exec(db, "BEGIN IMMEDIATE");
  try {
    work();
    Exec(db, "COMMIT");
  } catch (...) {
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

class SqliteStore : public LibraryStore {
 public:
  explicit SqliteStore(const std::string& file) {
    int rc = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
      std::string why = db_ ? sqlite3_errmsg(db_) : "";
      sqlite3_close(db_);
      db_ = nullptr;
      throw StoreError("ライブラリの記録を開けませんでした（" + why + "）。");
    }
    sqlite3_busy_timeout(db_, 2000);
    try {
      Prepare(file != ":memory:");
    } catch (...) {
      sqlite3_close(db_);
      throw;
    }
  }
  ~SqliteStore() override { sqlite3_close(db_); }

  std::vector<PuzzleFacts> LoadIndex() override {
    std::vector<PuzzleFacts> out;
    Statement s(db_, "SELECT path, size, mtime, error, title, author, width, height, palette, solutions, "
                     "rating, cells FROM puzzles");
    while (s.Step()) {
      PuzzleFacts f;
      f.stamp = {s.Text(0), s.Int(1), s.Int(2)};
      f.error = s.Text(3);
      f.title = s.Text(4);
      f.author = s.Text(5);
      f.width = int(s.Int(6));
      f.height = int(s.Int(7));
      f.palette = PaletteFromText(s.Text(8));
      f.solutions = int(s.Int(9));
      f.rating = static_cast<Rating>(s.Int(10));
      f.cells = s.Text(11);
      out.push_back(std::move(f));
    }
    return out;
  }

  void SaveFacts(const std::vector<PuzzleFacts>& facts) override {
    if (facts.empty()) return;
    InTransaction(db_, [&] {
      Statement s(db_, "INSERT OR REPLACE INTO puzzles VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");
      for (const PuzzleFacts& f : facts) {
        s.Bind(1, f.stamp.path).Bind(2, f.stamp.size).Bind(3, f.stamp.mtime).Bind(4, f.error);
        s.Bind(5, f.title).Bind(6, f.author).Bind(7, (long long)f.width).Bind(8, (long long)f.height);
        s.Bind(9, PaletteText(f.palette)).Bind(10, (long long)f.solutions);
        s.Bind(11, (long long)f.rating).Bind(12, f.cells);
        s.Run();
      }
    });
  }

  void ForgetFiles(const std::vector<std::string>& paths) override {
    if (paths.empty()) return;
    InTransaction(db_, [&] {
      Statement s(db_, "DELETE FROM puzzles WHERE path = ?");
      for (const std::string& p : paths) {
        s.Bind(1, p);
        s.Run();
      }
    });
  }

  std::map<std::string, PlayRecord> LoadRecords() override {
    std::map<std::string, PlayRecord> out;
    Statement plays(db_, "SELECT path, seconds, progress, last_played FROM plays");
    while (plays.Step()) {
      PlayRecord& r = out[plays.Text(0)];
      r.seconds = plays.Real(1);
      r.progress = plays.Text(2);
      r.lastPlayed = plays.Text(3);
    }
    Statement solves(db_, "SELECT path, COUNT(*), MIN(seconds) FROM solves GROUP BY path");
    while (solves.Step()) {
      PlayRecord& r = out[solves.Text(0)];
      r.timesSolved = int(solves.Int(1));
      r.bestSeconds = solves.Real(2);
    }
    Statement names(db_, "SELECT path, COUNT(*) FROM completers GROUP BY path");
    while (names.Step()) out[names.Text(0)].completers = int(names.Int(1));
    return out;
  }

  void SavePlay(const std::string& path, double seconds, const std::string& progress,
                const std::string& date) override {
    InTransaction(db_, [&] {
      Statement s(db_, "INSERT OR REPLACE INTO plays VALUES(?,?,?,?)");
      s.Bind(1, path).Bind(2, seconds).Bind(3, progress).Bind(4, date);
      s.Run();
    });
  }

  void AddSolve(const std::string& path, double seconds, const std::string& date) override {
    InTransaction(db_, [&] {
      Statement add(db_, "INSERT INTO solves(path, seconds, solved_on) VALUES(?,?,?)");
      add.Bind(1, path).Bind(2, seconds).Bind(3, date);
      add.Run();
      Statement over(db_, "INSERT OR REPLACE INTO plays VALUES(?,0,'',?)");
      over.Bind(1, path).Bind(2, date);
      over.Run();
    });
  }

  std::vector<std::string> Completers(const std::string& path) override {
    std::vector<std::string> out;
    Statement s(db_, "SELECT entry FROM completers WHERE path = ? ORDER BY id DESC LIMIT ?");
    s.Bind(1, path).Bind(2, (long long)kCompletersKept);
    while (s.Step()) out.push_back(s.Text(0));
    return out;
  }

  // The new name goes in front; the oldest beyond ten are dropped, as a completer list drops them.
  void AddCompleter(const std::string& path, const std::string& entry) override {
    InTransaction(db_, [&] {
      Statement add(db_, "INSERT INTO completers(path, entry) VALUES(?,?)");
      add.Bind(1, path).Bind(2, entry);
      add.Run();
      Statement trim(db_, "DELETE FROM completers WHERE path = ?1 AND id NOT IN "
                          "(SELECT id FROM completers WHERE path = ?1 ORDER BY id DESC LIMIT ?2)");
      trim.Bind(1, path).Bind(2, (long long)kCompletersKept);
      trim.Run();
    });
  }

  std::vector<std::string> Folders() override {
    std::vector<std::string> out;
    Statement s(db_, "SELECT path FROM folders ORDER BY path");
    while (s.Step()) out.push_back(s.Text(0));
    return out;
  }

  void AddFolder(const std::string& folder) override {
    InTransaction(db_, [&] {
      Statement s(db_, "INSERT OR IGNORE INTO folders VALUES(?)");
      s.Bind(1, folder);
      s.Run();
    });
  }

 private:
  // A damaged file is found here, before anything is trusted: the check reads every page.
  void Prepare(bool onDisk) {
    if (onDisk) {
      Exec(db_, "PRAGMA journal_mode=WAL");
      Exec(db_, "PRAGMA synchronous=FULL");
    }
    Statement check(db_, "PRAGMA quick_check");
    if (!check.Step() || check.Text(0) != "ok") throw DamagedStore("quick_check");
    Exec(db_, kSchema);
    Exec(db_, kCompletersTable);
  }

  sqlite3* db_ = nullptr;
};

std::string AsideName(const std::string& file) {
  std::string aside = file + ".damaged";
  for (int n = 2; std::filesystem::exists(aside); ++n) aside = file + ".damaged" + std::to_string(n);
  return aside;
}

// The damaged file and its log move aside together, so that the fresh store starts clean.
std::string SetAside(const std::string& file) {
  std::string aside = AsideName(file);
  std::error_code ec;
  std::filesystem::rename(file, aside, ec);
  if (ec) throw StoreError("壊れたライブラリの記録を別の名前にできませんでした。");
  for (const char* suffix : {"-wal", "-shm"}) {
    std::filesystem::rename(file + suffix, aside + suffix, ec);
    std::filesystem::remove(file + suffix, ec);
  }
  return std::filesystem::path(aside).filename().string();
}

}  // namespace

bool LibraryAvailable() { return true; }

OpenedStore OpenLibraryStore(const std::string& file) {
  OpenedStore out;
  try {
    try {
      out.store = std::make_unique<SqliteStore>(file);
    } catch (const DamagedStore&) {
      std::string aside = SetAside(file);
      out.store = std::make_unique<SqliteStore>(file);
      out.notice = "ライブラリの記録が壊れていたので、" + aside + " という名前で残し、" + "\r" +
                   "問題のファイルから作り直しました。";
    }
  } catch (const std::exception& e) {
    out.store = std::make_unique<SqliteStore>(":memory:");
    out.notice = std::string(e.what()) + "\r" + "今回の記録は保存されません。";
  }
  return out;
}

}  // namespace gw
