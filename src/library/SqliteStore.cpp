// The library's store in SQLite: written in transactions with a write-ahead log and full syncs, so
// that a crash or a full disk never takes earlier records with it. Every row read goes through the
// checks of StoreRows before the library sees it. A store found damaged, at the start or while in
// use (another program rewrote it), is set aside under another name and a fresh one made in its
// place, so that the player is told once and the library goes on.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>

#include "library/LibraryStore.h"
#include "library/StoreRows.h"
#include "text/Tr.h"

namespace gw {
namespace {

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS puzzles(path TEXT PRIMARY KEY, size INTEGER, mtime INTEGER, error TEXT,
  title TEXT, author TEXT, width INTEGER, height INTEGER, palette TEXT, solutions INTEGER,
  rating INTEGER, cells TEXT);
CREATE TABLE IF NOT EXISTS plays(path TEXT PRIMARY KEY, seconds REAL, progress BLOB, last_played TEXT);
CREATE TABLE IF NOT EXISTS solves(id INTEGER PRIMARY KEY, path TEXT, seconds REAL, solved_on TEXT);
CREATE TABLE IF NOT EXISTS folders(path TEXT PRIMARY KEY);
CREATE TABLE IF NOT EXISTS completers(id INTEGER PRIMARY KEY, path TEXT NOT NULL, entry TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS completers_by_path ON completers(path, id);
)";
// Completers of puzzles whose own folder may not hold a list, as many as a completer list keeps. A
// store from before that table gets it when opened (every table is made if it is missing), and
// everything already in it reads as before.
constexpr long long kCompletersKept = 10;

// What SQLite said went wrong; the store method it happened in makes the player's message of it.
class SqlFailure : public std::runtime_error {
 public:
  SqlFailure(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

// A result code that means the file is not a sound database.
bool Damaged(int code) {
  int primary = code & 0xff;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

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
  Statement& Bind(const StoreRow& row) {
    for (int i = 0; i < int(row.size()); ++i) Bind(i + 1, row[i]);
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
  // The row as it stands, every value with its own type.
  StoreRow Row() const {
    StoreRow row;
    for (int i = 0, n = sqlite3_column_count(stmt_); i < n; ++i) row.push_back(Value(i));
    return row;
  }

 private:
  void Bind(int i, const StoreValue& v) {
    switch (v.type) {
      case StoreValue::Type::Integer: Check(sqlite3_bind_int64(stmt_, i, v.integer)); break;
      case StoreValue::Type::Real: Check(sqlite3_bind_double(stmt_, i, v.real)); break;
      case StoreValue::Type::Text: Bind(i, v.bytes); break;
      case StoreValue::Type::Blob:
        Check(sqlite3_bind_blob(stmt_, i, v.bytes.data(), int(v.bytes.size()), SQLITE_TRANSIENT));
        break;
      case StoreValue::Type::Null: Check(sqlite3_bind_null(stmt_, i)); break;
    }
  }
  StoreValue Value(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
      case SQLITE_INTEGER: return StoreValue::Int(sqlite3_column_int64(stmt_, i));
      case SQLITE_FLOAT: return StoreValue::Float(sqlite3_column_double(stmt_, i));
      case SQLITE_TEXT: return StoreValue::Text(Text(i));
      case SQLITE_BLOB: return {StoreValue::Type::Blob, 0, 0, Text(i)};
      default: return {};
    }
  }
  void Check(int rc) const {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE) throw SqlFailure(rc, sqlite3_errmsg(db_));
  }

  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
  std::string what = error ? error : sqlite3_errstr(rc);
  sqlite3_free(error);
  if (rc != SQLITE_OK) throw SqlFailure(rc, what);
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

// Every table of the schema with its columns (name, type, not null, key), each as one text.
std::map<std::string, std::string> TablesOf(sqlite3* db) {
  std::map<std::string, std::string> out;
  std::vector<std::string> names;
  Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
  while (tables.Step()) names.push_back(tables.Text(0));
  for (const std::string& name : names) {
    Statement columns(db, "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?)");
    columns.Bind(1, name);
    std::string& text = out[name];
    while (columns.Step())
      for (int i = 0; i < 4; ++i) text += columns.Text(i) + (i < 3 ? " " : ", ");
  }
  return out;
}

// Whether the tables of `db` are those this program makes (other tables beside them do no harm).
bool TablesMatch(sqlite3* db) {
  sqlite3* model = nullptr;
  sqlite3_open(":memory:", &model);
  std::map<std::string, std::string> made;
  try {
    Exec(model, kSchema);
    made = TablesOf(model);
  } catch (const SqlFailure&) {
  }
  sqlite3_close(model);
  std::map<std::string, std::string> found = TablesOf(db);
  for (const auto& [name, columns] : made) {
    auto at = found.find(name);
    if (at == found.end() || at->second != columns) return false;
  }
  return true;
}

// One open store file (or a store in memory).
class Connection {
 public:
  explicit Connection(const std::string& file) {
    int rc = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
      std::string why = db_ ? sqlite3_errmsg(db_) : "";
      sqlite3_close(db_);
      throw StoreError(Fill(Tr("ライブラリの記録を開けませんでした（{1}）。"), {why}));
    }
    sqlite3_busy_timeout(db_, 2000);
    try {
      Prepare(file != ":memory:");
    } catch (...) {
      sqlite3_close(db_);
      throw;
    }
  }
  ~Connection() { sqlite3_close(db_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  sqlite3* db() const { return db_; }

  // Whether this failure means the file is damaged: not a sound database, or a known table whose
  // columns another program changed (which would fail every write from now on).
  bool ShowsDamage(const SqlFailure& e) const {
    if (Damaged(e.code())) return true;
    if ((e.code() & 0xff) != SQLITE_ERROR) return false;
    try {
      return !TablesMatch(db_);
    } catch (const SqlFailure& again) {
      return Damaged(again.code());
    }
  }

 private:
  // A damaged file is found here, before anything is trusted: the check reads every page.
  void Prepare(bool onDisk) {
    if (onDisk) {
      Exec(db_, "PRAGMA journal_mode=WAL");
      Exec(db_, "PRAGMA synchronous=FULL");
    }
    Statement check(db_, "PRAGMA quick_check");
    if (!check.Step() || check.Text(0) != "ok") throw SqlFailure(SQLITE_CORRUPT, "quick_check");
    Exec(db_, kSchema);
    if (!TablesMatch(db_)) throw SqlFailure(SQLITE_CORRUPT, "tables");
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
  if (ec) throw StoreError(Tr("壊れたライブラリの記録を別の名前にできませんでした。"));
  for (const char* suffix : {"-wal", "-shm"}) {
    std::filesystem::rename(file + suffix, aside + suffix, ec);
    std::filesystem::remove(file + suffix, ec);
  }
  return std::filesystem::path(aside).filename().string();
}

const char* const kRebuilt = TrNoop("問題のファイルから作り直しました。");
const char* const kNotKept = TrNoop("今回の記録は保存されません。");

// Opens the store in `file`; a damaged one is set aside first. `notice` receives what the player is
// to be told. A file that cannot be used at all leaves a store in memory for this run.
std::unique_ptr<Connection> OpenConnection(const std::string& file, std::string& notice) {
  try {
    try {
      return std::make_unique<Connection>(file);
    } catch (const SqlFailure& e) {
      if (!Damaged(e.code())) throw StoreError(Fill(Tr("ライブラリの記録を開けませんでした（{1}）。"), {e.what()}));
    }
    std::string aside = SetAside(file);
    auto fresh = std::make_unique<Connection>(file);
    notice = Fill(Tr("ライブラリの記録が壊れていたので、{1} という名前で残し、"), {aside}) + "\r" + Tr(kRebuilt);
    return fresh;
  } catch (const std::exception& e) {
    notice = std::string(e.what()) + "\r" + Tr(kNotKept);
    return std::make_unique<Connection>(":memory:");
  }
}

enum class Use { Reading, Writing };

class SqliteStore : public LibraryStore {
 public:
  SqliteStore(const std::string& file, std::string& notice) : file_(file), conn_(OpenConnection(file, notice)) {}

  std::vector<PuzzleFacts> LoadIndex() override {
    return Do(Use::Reading, [&] {
      std::vector<PuzzleFacts> out;
      Statement s(db(), "SELECT path, size, mtime, error, title, author, width, height, palette, solutions, "
                        "rating, cells FROM puzzles");
      while (s.Step())
        if (std::optional<PuzzleFacts> f = FactsOfRow(s.Row())) out.push_back(std::move(*f));
      return out;
    });
  }

  void SaveFacts(const std::vector<PuzzleFacts>& facts) override {
    if (facts.empty()) return;
    Write([&] {
      Statement s(db(), "INSERT OR REPLACE INTO puzzles VALUES(?,?,?,?,?,?,?,?,?,?,?,?)");
      for (const PuzzleFacts& f : facts) s.Bind(RowOfFacts(f)).Run();
    });
  }

  void ForgetFiles(const std::vector<std::string>& paths) override {
    if (paths.empty()) return;
    Write([&] {
      Statement s(db(), "DELETE FROM puzzles WHERE path = ?");
      for (const std::string& p : paths) s.Bind(1, p).Run();
    });
  }

  std::map<std::string, PlayRecord> LoadRecords() override {
    return Do(Use::Reading, [&] {
      std::map<std::string, PlayRecord> out;
      Statement plays(db(), "SELECT path, seconds, progress, last_played FROM plays");
      while (plays.Step()) TakePlayRow(plays.Row(), out);
      Statement solves(db(), "SELECT path, seconds, solved_on FROM solves");
      while (solves.Step()) TakeSolveRow(solves.Row(), out);
      Statement names(db(), "SELECT path, entry FROM completers");
      while (names.Step()) TakeCompleterRow(names.Row(), out);
      return out;
    });
  }

  void SavePlay(const std::string& path, double seconds, const std::string& progress,
                const std::string& date) override {
    Write([&] {
      Statement s(db(), "INSERT OR REPLACE INTO plays VALUES(?,?,?,?)");
      s.Bind(RowOfPlay(path, seconds, progress, date)).Run();
    });
  }

  void AddSolve(const std::string& path, double seconds, const std::string& date) override {
    Write([&] {
      Statement add(db(), "INSERT INTO solves(path, seconds, solved_on) VALUES(?,?,?)");
      add.Bind(RowOfSolve(path, seconds, date)).Run();
      Statement over(db(), "INSERT OR REPLACE INTO plays VALUES(?,?,?,?)");
      over.Bind(RowOfPlay(path, 0, "", date)).Run();
    });
  }

  std::vector<std::string> Completers(const std::string& path) override {
    return Do(Use::Reading, [&] {
      std::vector<std::string> out;
      Statement s(db(), "SELECT path, entry FROM completers WHERE path = ? ORDER BY id DESC LIMIT ?");
      s.Bind(StoreRow{StoreValue::Text(path), StoreValue::Int(kCompletersKept)});
      while (s.Step())
        if (std::optional<std::string> entry = CompleterOfRow(s.Row())) out.push_back(std::move(*entry));
      return out;
    });
  }

  // The new name goes in front; the oldest beyond ten are dropped, as a completer list drops them.
  void AddCompleter(const std::string& path, const std::string& entry) override {
    Write([&] {
      Statement add(db(), "INSERT INTO completers(path, entry) VALUES(?,?)");
      add.Bind(RowOfCompleter(path, entry)).Run();
      Statement trim(db(), "DELETE FROM completers WHERE path = ?1 AND id NOT IN "
                           "(SELECT id FROM completers WHERE path = ?1 ORDER BY id DESC LIMIT ?2)");
      trim.Bind(StoreRow{StoreValue::Text(path), StoreValue::Int(kCompletersKept)}).Run();
    });
  }

  std::vector<std::string> Folders() override {
    return Do(Use::Reading, [&] {
      std::vector<std::string> out;
      Statement s(db(), "SELECT path FROM folders ORDER BY path");
      while (s.Step()) out.push_back(s.Text(0));
      return out;
    });
  }

  void AddFolder(const std::string& folder) override {
    Write([&] {
      Statement s(db(), "INSERT OR IGNORE INTO folders VALUES(?)");
      s.Bind(1, folder).Run();
    });
  }

  std::string TakeFreshStart() override {
    std::string out;
    out.swap(freshStart_);
    return out;
  }

 private:
  sqlite3* db() const { return conn_->db(); }

  template <typename Work>
  void Write(Work work) {
    Do(Use::Writing, [&] { InTransaction(db(), work); });
  }

  // Runs `work`; when it finds the store damaged, sets the file aside and runs it once more on a
  // fresh store, so that what was being written is kept.
  template <typename Work>
  auto Do(Use use, Work work) -> decltype(work()) {
    try {
      return work();
    } catch (const SqlFailure& e) {
      if (!conn_->ShowsDamage(e)) throw StoreError(Message(use, e.what()));
    }
    StartAfresh(use);
    try {
      return work();
    } catch (const SqlFailure& e) {
      throw StoreError(Message(use, e.what()));
    }
  }

  static std::string Message(Use use, const std::string& why) {
    return Fill(use == Use::Reading ? Tr("ライブラリの記録を読み込めませんでした（{1}）。")
                                    : Tr("ライブラリの記録を書き込めませんでした（{1}）。"),
                {why});
  }

  void StartAfresh(Use use) {
    conn_.reset();  // closed before its file moves
    try {
      std::string aside = file_ == ":memory:" ? "" : SetAside(file_);
      conn_ = std::make_unique<Connection>(file_);
      freshStart_ = Fill(use == Use::Reading
                             ? Tr("ライブラリの記録を読み込むときに壊れているのがわかったので、{1} という名前で残し、")
                             : Tr("ライブラリの記録を書き込むときに壊れているのがわかったので、{1} という名前で残し、"),
                         {aside}) +
                    "\r" + Tr(kRebuilt);
    } catch (const std::exception& e) {
      conn_ = std::make_unique<Connection>(":memory:");
      freshStart_ = (use == Use::Reading ? Tr("ライブラリの記録を読み込むときに壊れているのがわかりました。")
                                         : Tr("ライブラリの記録を書き込むときに壊れているのがわかりました。")) +
                    e.what() + "\r" + Tr(kNotKept);
    }
  }

  std::string file_;
  std::unique_ptr<Connection> conn_;
  std::string freshStart_;
};

}  // namespace

bool LibraryAvailable() { return true; }

OpenedStore OpenLibraryStore(const std::string& file) {
  OpenedStore out;
  out.store = std::make_unique<SqliteStore>(file, out.notice);
  return out;
}

}  // namespace gw
