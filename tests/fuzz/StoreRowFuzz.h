#pragma once
// One body for the rows of the library's store, shared by the libFuzzer target and by the replay of
// the committed corpus in the ordinary test run. The bytes become an index row, a play row and
// solve rows, each value of any type SQLite holds; the store's checks take or leave each row. Rows
// taken must never crash the library's table (every column's text, the thumbnail), an index row
// taken is exactly the row the program would write for its facts, and times show as times.
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "formats/PuzzleData.h"
#include "library/LibraryModel.h"
#include "library/StoreRows.h"

namespace gw::fuzz {

// The encoding of one value: a tag byte whose value modulo 5 is the type (null, whole number,
// real, text, blob), then 8 bytes of a number (the real's bits, so infinities and NaN come too),
// or two bytes of length (low byte first) and that many bytes of a text or a blob, enough for the
// cells of the largest board. A value cut short by the end of the input is null.
inline StoreValue TakeValue(const std::string& in, std::size_t& at) {
  if (at >= in.size()) return {};
  StoreValue v;
  v.type = static_cast<StoreValue::Type>(static_cast<unsigned char>(in[at++]) % 5);
  switch (v.type) {
    case StoreValue::Type::Integer:
    case StoreValue::Type::Real: {
      if (in.size() - at < 8) return {};
      std::memcpy(v.type == StoreValue::Type::Integer ? static_cast<void*>(&v.integer) : &v.real, in.data() + at, 8);
      at += 8;
      break;
    }
    case StoreValue::Type::Text:
    case StoreValue::Type::Blob: {
      if (in.size() - at < 2) return {};
      std::size_t length = static_cast<unsigned char>(in[at]) + 256 * static_cast<unsigned char>(in[at + 1]);
      at += 2;
      v.bytes = in.substr(at, length);
      at += v.bytes.size();
      break;
    }
    case StoreValue::Type::Null: break;
  }
  return v;
}

inline StoreRow TakeRow(const std::string& in, std::size_t& at, int columns) {
  StoreRow row;
  for (int i = 0; i < columns; ++i) row.push_back(TakeValue(in, at));
  return row;
}

// The inverse of TakeValue, for the seeds of the corpus and the tests.
inline std::string ValueBytes(const StoreValue& v) {
  std::string out(1, char(v.type));
  if (v.type == StoreValue::Type::Integer || v.type == StoreValue::Type::Real)
    out.append(reinterpret_cast<const char*>(v.type == StoreValue::Type::Integer ? static_cast<const void*>(&v.integer)
                                                                                 : &v.real),
               8);
  if (v.type == StoreValue::Type::Text || v.type == StoreValue::Type::Blob)
    out += std::string{char(v.bytes.size() & 0xff), char(v.bytes.size() >> 8 & 0xff)} + v.bytes.substr(0, 0xffff);
  return out;
}

inline std::string RowBytes(const StoreRow& row) {
  std::string out;
  for (const StoreValue& v : row) out += ValueBytes(v);
  return out;
}

inline bool TimeShown(const std::string& text) {
  return text.find('-') == std::string::npos && text.size() < 16;
}

// "" when every promise held.
inline std::string CheckStoreRows(const std::string& in) {
  std::size_t at = 0;
  StoreRow index = TakeRow(in, at, 12);
  StoreRow play = TakeRow(in, at, 4);
  std::vector<StoreRow> solves;
  while (at < in.size() && solves.size() < 8) solves.push_back(TakeRow(in, at, 3));

  LibraryEntry e;
  if (std::optional<PuzzleFacts> facts = FactsOfRow(index)) {
    if (RowOfFacts(*facts) != index) return "an index row taken is not the row its facts make";
    e.facts = *facts;
  }
  std::map<std::string, PlayRecord> records;
  TakePlayRow(play, records);
  for (const StoreRow& solve : solves) TakeSolveRow(solve, records);
  if (!records.empty()) e.record = records.begin()->second;

  for (int column = 0; column < kColumnCount; ++column) CellText(e, column);
  if (!TimeShown(CellText(e, kColBest)) || !TimeShown(DurationText(e.record.seconds))) return "a time shows wrong";
  Thumbnail t = ThumbnailOf(e);
  if (t.width < 0 || t.width > kMaxFormatSize || t.height < 0 || t.height > kMaxFormatSize ||
      t.cells.size() != std::size_t(t.width) * std::size_t(t.height))
    return "a thumbnail out of its size";
  return "";
}

}  // namespace gw::fuzz
