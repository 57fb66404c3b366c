#pragma once
// Another program at the library's store: runs SQL on the store file through a connection of its
// own, while the program's connection stays open. Only where there is SQLite.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace gw::test {

inline void Tamper(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  std::string what = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << sql << ": " << what;
}

// The schema's text of the plays table made unreadable, with the schema's version moved on as any
// change of the schema moves it.
inline const char* const kCorruptPlays =
    "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = 'CREATE TABLE plays(' WHERE name = 'plays';"
    "PRAGMA schema_version = 99";

}  // namespace gw::test
