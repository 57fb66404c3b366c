#pragma once
// The rows of the library's store as plain values, and the checks each row passes before the
// library uses it. The store is a file in the player's folders that any other program may have
// written, so its values are input like a puzzle file's: a row with a value out of its range or of
// the wrong type is not used. An index row that fails leaves its puzzle to be read again from the
// file; a record that fails counts as no record.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "library/PuzzleFacts.h"

namespace gw {

// One value of a row, of the type SQLite holds it as.
struct StoreValue {
  enum class Type { Null, Integer, Real, Text, Blob };
  Type type = Type::Null;
  long long integer = 0;
  double real = 0;
  std::string bytes;  // of a text or a blob

  static StoreValue Int(long long v) { return {Type::Integer, v, 0, ""}; }
  static StoreValue Float(double v) { return {Type::Real, 0, v, ""}; }
  static StoreValue Text(std::string v) { return {Type::Text, 0, 0, std::move(v)}; }
  bool operator==(const StoreValue&) const = default;
};
using StoreRow = std::vector<StoreValue>;

// The longest play the records take (ten years of play on one puzzle): anything longer was not
// written by this program.
constexpr double kMaxRecordedSeconds = 10.0 * 365 * 24 * 3600;

// puzzles(path, size, mtime, error, title, author, width, height, palette, solutions, rating, cells)
StoreRow RowOfFacts(const PuzzleFacts& f);
std::optional<PuzzleFacts> FactsOfRow(const StoreRow& row);

// plays(path, seconds, progress, last_played)
StoreRow RowOfPlay(const std::string& path, double seconds, const std::string& progress, const std::string& date);
// solves(path, seconds, solved_on), without the row's id
StoreRow RowOfSolve(const std::string& path, double seconds, const std::string& date);
// Add a play or one solve to the records, when the row passes its checks; false when it does not.
bool TakePlayRow(const StoreRow& row, std::map<std::string, PlayRecord>& records);
bool TakeSolveRow(const StoreRow& row, std::map<std::string, PlayRecord>& records);

// completers(path, entry), without the row's id: a line of a completer list kept in the store
StoreRow RowOfCompleter(const std::string& path, const std::string& entry);
// The entry of a row that passes its checks.
std::optional<std::string> CompleterOfRow(const StoreRow& row);
// Counts the row among its puzzle's completers when it passes; false when it does not.
bool TakeCompleterRow(const StoreRow& row, std::map<std::string, PlayRecord>& records);

}  // namespace gw
