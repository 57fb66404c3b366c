#pragma once
#include <stdexcept>
#include <string>

namespace gw {

// File errors are values with a number and a standard Japanese text; the dialogs show them with
// ShowFileError. `line` is the line of the file being read (0 when there is none).
enum FileErrorNumber {
  kErrOverflow = 6,
  kErrTooLarge = 7,
  kErrSubscript = 9,
  kErrTypeMismatch = 13,
  kErrFileNotFound = 53,
  kErrDiskFull = 61,
  kErrPastEnd = 62,
  kErrPermission = 70,
  kErrPathAccess = 75,
};

std::string FileErrorText(int number);

class FileError : public std::runtime_error {
 public:
  FileError(int number, int line = 0);
  int number() const { return number_; }
  int line() const { return line_; }

 protected:
  // An error whose text says more than its number's.
  FileError(int number, const std::string& text);

 private:
  int number_;
  int line_;
};

// The error's text for a line of its own: "N 行目: " before it when it has a line.
std::string FileErrorMessage(const FileError& e);

// Maps an errno value of a failed system call to the number the user is shown.
int FileErrorFromErrno(int err);
#ifdef _WIN32
// The same for a Windows error code (GetLastError).
int FileErrorFromWin32(unsigned long err);
#endif

}  // namespace gw
