#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "system/FileReplace.h"

namespace gw {

// The largest file of the program's own formats read: the largest puzzle, picture or saved game
// takes a few kilobytes and a list of completers grows by a line a puzzle, so anything near this
// size is not one of them and is refused (7) before it is read.
constexpr std::size_t kMaxOwnFileBytes = 16u << 20;

// A text file in code page 932 with CR LF line ends (LF or CR alone also end a line when read).
// Every failure is a FileError carrying the file line where it happened.
class TextReader {
 public:
  // Opens the file, ignoring the case of its name; 53 when there is none, 7 when it is larger than
  // kMaxOwnFileBytes.
  static TextReader Open(const std::string& path);
  // A reader over bytes already in memory (the bytes of a file).
  static TextReader FromBytes(std::string bytes);

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  // The line the next read starts on, from 1.
  int Line() const { return line_; }

  // The rest of the current line; the line end is consumed.
  std::string ReadLine();
  // Text up to the next comma or line end, leading blanks skipped; the comma or line end is
  // consumed.
  std::string ReadField();
  // The next number: runs of blanks, commas and line ends before it are skipped; it ends at a
  // comma, a blank or a line end; blanks after it and one comma or line end are consumed.
  // 13 when the text there is not a number.
  double ReadNumber();
  // ReadNumber rounded (halves to even) into the type; 6 when it does not fit.
  std::int16_t ReadInt16();
  std::int32_t ReadInt32();

 private:
  explicit TextReader(std::string bytes) : bytes_(std::move(bytes)) {}
  std::string Decode(const std::string& raw, int line) const;
  bool AtLineEnd() const;
  void ConsumeLineEnd();
  void SkipBlanks();

  std::string bytes_;
  size_t pos_ = 0;
  int line_ = 1;
};

// Collects the lines of a file and replaces the file in one step on Commit (see FileReplacement),
// so a failed write never destroys the old file. An existing file of the same name in another case
// is the one replaced; a write-protected one is refused (70).
class TextWriter {
 public:
  explicit TextWriter(std::string path, LinkRule links = LinkRule::Follow) : path_(std::move(path)), links_(links) {}

  // 13 when the text holds a character code page 932 cannot store.
  void WriteLine(const std::string& text);
  // A blank or "-", the digits, one blank, as one line.
  void WriteNumber(long long value);
  void Commit();

  const std::string& path() const { return path_; }
  // The encoded content so far, for a replacement of several files together.
  const std::string& bytes() const { return bytes_; }

 private:
  std::string path_;
  LinkRule links_;
  std::string bytes_;
  int lines_ = 0;
};

}  // namespace gw
