#include "system/FileError.h"

#include <cerrno>

#include "text/Tr.h"

namespace gw {

std::string FileErrorText(int number) {
  switch (number) {
    case kErrOverflow: return Tr("オーバーフローしました。");
    case kErrTooLarge: return Tr("ファイルが大きすぎます。");
    case kErrSubscript: return Tr("インデックスが有効範囲にありません。");
    case kErrTypeMismatch: return Tr("型が一致しません。");
    case kErrFileNotFound: return Tr("ファイルが見つかりません。");
    case kErrDiskFull: return Tr("ディスクの空き容量が不足しています。");
    case kErrPastEnd: return Tr("ファイルにこれ以上データがありません。");
    case kErrPermission: return Tr("書き込みできません。");
    case kErrPathAccess: return Tr("パス名が無効です。");
    default: return Tr("アプリケーション定義またはオブジェクト定義のエラーです。");
  }
}

FileError::FileError(int number, int line)
    : std::runtime_error(FileErrorText(number)), number_(number), line_(line) {}

FileError::FileError(int number, const std::string& text) : std::runtime_error(text), number_(number), line_(0) {}

std::string FileErrorMessage(const FileError& e) {
  return e.line() > 0 ? Fill(Tr("{1} 行目: {2}"), {std::to_string(e.line()), e.what()}) : e.what();
}

int FileErrorFromErrno(int err) {
  switch (err) {
    case ENOENT: return kErrFileNotFound;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: return kErrDiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return kErrPermission;
    default: return kErrPathAccess;
  }
}

}  // namespace gw
