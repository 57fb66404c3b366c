#pragma once
// What the library knows of one puzzle file: the facts read from the file and the engine's verdict
// (cached in the store, keyed by path and checked against the file's size and time), and what the
// player did with it (kept in the store as records).
#include <string>
#include <vector>

#include "platform/Rgb.h"

namespace gw {

// The file's size and modification time: a file whose stamp changed is read and analysed again.
struct FileStamp {
  std::string path;
  long long size = 0;
  long long mtime = 0;
  bool operator==(const FileStamp&) const = default;
};

// Verdict codes beside the engine's 0, 1, 2 and kUnknown (-1).
constexpr int kNotAnalysed = -2;

enum class Rating { None = 0, Line = 1, Probe = 2, Search = 3 };

struct PuzzleFacts {
  FileStamp stamp;
  // Why the file is not a puzzle the library can offer; empty when it was read.
  std::string error;
  std::string title;
  std::string author;
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;  // the colours of the runs, 1.. in order
  int solutions = kNotAnalysed;
  Rating rating = Rating::None;
  // The unique solution row by row, one character '0'..'9' a cell; empty when not known.
  std::string cells;

  int Colors() const { return int(palette.size()); }
  bool Readable() const { return error.empty(); }
};

// What the player did: the time on the game in hand (kept with its progress), and every solve.
struct PlayRecord {
  double seconds = 0;
  std::string progress;    // the bytes of a progress file, for puzzles whose folder is read-only
  std::string lastPlayed;  // mm-dd-yyyy
  int timesSolved = 0;
  double bestSeconds = 0;  // of the solves, 0 when none
  int completers = 0;      // names kept in the store for a puzzle whose folder holds no list
};

}  // namespace gw
