#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>

#include "text/Cp932.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/TextFile.h"
#include "state/FileTestSupport.h"
#include "support/TestApp.h"

namespace gw {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

using test::ErrorOf;

TEST(TextReader, LinesEndInCrLfLfOrCr) {
  auto r = TextReader::FromBytes("one\r\ntwo\nthree\rfour");
  EXPECT_EQ(r.ReadLine(), "one");
  EXPECT_EQ(r.ReadLine(), "two");
  EXPECT_EQ(r.ReadLine(), "three");
  EXPECT_EQ(r.Line(), 4);
  EXPECT_EQ(r.ReadLine(), "four");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(ErrorOf([&] { r.ReadLine(); }), kErrPastEnd);
}

TEST(TextReader, EmptyLinesAreLinesToo) {
  auto r = TextReader::FromBytes("title\r\n\r\n 3  15 \r\n");
  EXPECT_EQ(r.ReadLine(), "title");
  EXPECT_EQ(r.ReadLine(), "");
  EXPECT_EQ(r.ReadInt16(), 3);
  EXPECT_EQ(r.ReadInt16(), 15);
  EXPECT_TRUE(r.AtEnd());
}

TEST(TextReader, FieldsEndAtCommaOrLineEndWithLeadingBlanksSkipped) {
  auto r = TextReader::FromBytes("  a b ,c\r\n\r\n  last");
  EXPECT_EQ(r.ReadField(), "a b ");
  EXPECT_EQ(r.ReadField(), "c");
  EXPECT_EQ(r.ReadField(), "");
  EXPECT_EQ(r.ReadField(), "last");
  EXPECT_EQ(ErrorOf([&] { r.ReadField(); }), kErrPastEnd);
}

TEST(TextReader, NumbersAreSeparatedByBlanksCommasAndLineEnds) {
  auto r = TextReader::FromBytes(" 2,0\r\n 8421631  33023 , -7\r\nrest of line\r\n");
  EXPECT_EQ(r.ReadInt16(), 2);
  EXPECT_EQ(r.ReadInt16(), 0);
  EXPECT_EQ(r.ReadInt32(), 8421631);
  EXPECT_EQ(r.ReadInt32(), 33023);
  EXPECT_EQ(r.ReadInt16(), -7);
  // After the last number of a line the next whole-line read starts on the following line.
  EXPECT_EQ(r.ReadLine(), "rest of line");
}

TEST(TextReader, NonNumbersAndOverflowAreErrorsWithTheirLine) {
  auto bad = TextReader::FromBytes("1\r\nabc\r\n");
  bad.ReadInt16();
  try {
    bad.ReadInt16();
    FAIL() << "a word read as a number";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number(), kErrTypeMismatch);
    EXPECT_EQ(e.line(), 2);
  }
  EXPECT_EQ(ErrorOf([] { TextReader::FromBytes("40000").ReadInt16(); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { TextReader::FromBytes("-32769").ReadInt16(); }), kErrOverflow);
  EXPECT_EQ(ErrorOf([] { TextReader::FromBytes("3000000000").ReadInt32(); }), kErrOverflow);
  EXPECT_EQ(TextReader::FromBytes("-32768").ReadInt16(), -32768);
  EXPECT_EQ(ErrorOf([] { TextReader::FromBytes("12x").ReadInt16(); }), kErrTypeMismatch);
  EXPECT_EQ(ErrorOf([] { TextReader::FromBytes(" \r\n ,, ").ReadInt16(); }), kErrPastEnd);
  // Decimals round halves to even, as every number the program reads does.
  EXPECT_EQ(TextReader::FromBytes("2.5 3.5").ReadInt16(), 2);
}

TEST(TextReader, DecodesCodePage932AndRejectsBadBytes) {
  // 猫 is 0x944C; 0x8160 is the wave dash of the Windows table.
  auto r = TextReader::FromBytes("\x94\x4c\x81\x60\r\n\x94\r\n");
  EXPECT_EQ(r.ReadLine(), "猫～");
  try {
    r.ReadLine();  // a lead byte cut off by the line end
    FAIL() << "an undecodable line was read";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number(), kErrTypeMismatch);
    EXPECT_EQ(e.line(), 2);
  }
  EXPECT_EQ(ErrorOf([] { TextReader::FromBytes("ok\x85\x40").ReadLine(); }), kErrTypeMismatch);
}

TEST(TextFiles, LookupIgnoresTheCaseOfTheFileName) {
  TempDir dir;
  WriteFileBytes(dir.File("cat.GWP"), "1\r\n");
  EXPECT_TRUE(FileExists(dir.File("cat.gwp")));
  EXPECT_TRUE(FileExists("CAT.gwp"));
  EXPECT_FALSE(FileExists(dir.File("dog.gwp")));
  EXPECT_EQ(TextReader::Open(dir.File("Cat.Gwp")).ReadLine(), "1");
  EXPECT_EQ(ErrorOf([&] { TextReader::Open(dir.File("dog.gwp")); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { TextReader::Open(dir.path()); }), kErrPathAccess);
  DeleteFile(dir.File("CAT.GWP"));
  EXPECT_FALSE(FileExists(dir.File("cat.GWP")));
  EXPECT_EQ(ErrorOf([&] { DeleteFile(dir.File("cat.GWP")); }), kErrFileNotFound);
}

TEST(TextWriter, WritesCodePage932LinesAndNumbersWithCrLf) {
  TempDir dir;
  TextWriter w(dir.File("out.txt"));
  w.WriteLine("猫");
  w.WriteNumber(0);
  w.WriteNumber(-12);
  w.WriteNumber(16777215);
  w.Commit();
  EXPECT_EQ(ReadFileBytes(dir.File("out.txt")), "\x94\x4c\r\n 0 \r\n-12 \r\n 16777215 \r\n");
}

TEST(TextWriter, ReplacesAnExistingFileOfAnotherCaseAndLeavesNoTemporaryFile) {
  TempDir dir;
  WriteFileBytes(dir.File("cat.gwp"), "old\r\n");
  TextWriter w(dir.File("cat.GWP"));
  w.WriteLine("new");
  w.Commit();
  EXPECT_EQ(ReadFileBytes(dir.File("cat.gwp")), "new\r\n");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(TextWriter, RefusesTextCodePage932CannotHold) {
  TempDir dir;
  TextWriter w(dir.File("x.txt"));
  EXPECT_EQ(ErrorOf([&] { w.WriteLine("emoji \xF0\x9F\x98\x80"); }), kErrTypeMismatch);
}

// The file size limit of a child process is how a write fails half-way on POSIX; the Windows
// build's own failure (a replace the system refuses) is in native_files_test.cpp.
#ifndef _WIN32
TEST(TextWriter, AFailedWriteKeepsTheOldFile) {
  TempDir dir;
  WriteFileBytes(dir.File("keep.gwm"), "old content\r\n");
  // A child process whose file size limit the new content exceeds: the write fails half-way.
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    TextWriter w(dir.File("keep.gwm"));
    for (int i = 0; i < 100; ++i) w.WriteLine("a long line that will not fit under the limit");
    int code = 0;
    try {
      w.Commit();
    } catch (const FileError& e) {
      code = e.number();
    }
    _exit(code == kErrDiskFull ? 0 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported as disk full";
  EXPECT_EQ(ReadFileBytes(dir.File("keep.gwm")), "old content\r\n");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1) << "a temporary file was left behind";
}
#endif

TEST(TextWriter, AMissingFolderIsAnError) {
  TempDir dir;
  TextWriter w(dir.File("no/such/folder/x.txt"));
  w.WriteLine("x");
  EXPECT_EQ(ErrorOf([&] { w.Commit(); }), kErrFileNotFound);
}

TEST(Cp932, RoundTripsTheWindowsTable) {
  std::string text = "～∥－￢①㈱猫ｱ\\~";
  auto bytes = EncodeCp932(text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "\x81\x60\x81\x61\x81\x7c\x81\xca\x87\x40\x87\x8a\x94\x4c\xb1\\~");
  EXPECT_EQ(DecodeCp932(*bytes), text);
}

TEST(FileErrors, CarryTheirStandardText) {
  EXPECT_EQ(FileError(kErrFileNotFound).what(), std::string("ファイルが見つかりません。"));
  EXPECT_EQ(FileErrorText(kErrPastEnd), "ファイルにこれ以上データがありません。");
  EXPECT_EQ(FileErrorFromErrno(ENOSPC), kErrDiskFull);
  EXPECT_EQ(FileErrorFromErrno(EACCES), kErrPermission);
}

}  // namespace
}  // namespace gw
