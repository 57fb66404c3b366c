// The file operations on Windows, through the wide-character API: every name is converted from
// UTF-8 to UTF-16 here, so no name depends on the system's ANSI code page.
#include <windows.h>
#undef DeleteFile  // gw::DeleteFile in FileSystem.h is the program's own

#include <algorithm>
#include <cwchar>

#include "system/Directory.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"
#include "system/PathSyntax.h"
#include "text/WideText.h"

namespace gw {

int FileErrorFromWin32(unsigned long err) {
  switch (err) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return kErrFileNotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return kErrDiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return kErrPermission;
    default: return kErrPathAccess;
  }
}

namespace {

[[noreturn]] void ThrowLastError() { throw FileError(FileErrorFromWin32(::GetLastError())); }

// Closes the handle however the block is left.
struct Handle {
  HANDLE h;
  explicit Handle(HANDLE handle) : h(handle) {}
  ~Handle() {
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
};

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(ToWide(path).c_str()); }

void WriteAll(HANDLE h, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(h, bytes.data() + done, chunk, &written, nullptr)) ThrowLastError();
    done += written;
  }
}

// Short hidden names (".gw", the process and a counter): a target whose name is near the system's
// limit can still be saved. Open for writing in `handle`.
std::string MakeTemporary(const std::string& folder, HANDLE& handle) {
  for (unsigned n = 0;; ++n) {
    std::string temp = folder + ".gw" + std::to_string(::GetCurrentProcessId() % 100000) + "-" + std::to_string(n);
    handle = ::CreateFileW(ToWide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return temp;
    if (::GetLastError() != ERROR_FILE_EXISTS || n > 1000) ThrowLastError();
  }
}

}  // namespace

EntryKind KindOf(const std::string& path) {
  DWORD a = Attributes(path);
  if (a == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
  if (a & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::Folder;
  return a & FILE_ATTRIBUTE_DEVICE ? EntryKind::Other : EntryKind::File;
}

std::string ReadWholeFile(const std::string& path, std::size_t limit) {
  EntryKind kind = KindOf(path);
  if (kind == EntryKind::Missing) throw FileError(kErrFileNotFound);
  if (kind != EntryKind::File) throw FileError(kErrPathAccess);
  Handle file(::CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.h == INVALID_HANDLE_VALUE) ThrowLastError();
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.h, &size) && std::uintmax_t(size.QuadPart) > limit) throw FileError(kErrTooLarge);
  std::string bytes;
  char buf[65536];
  DWORD got = 0;
  do {
    std::size_t room = limit - bytes.size();  // one byte more than this shows the file is too large
    DWORD want = DWORD(room >= sizeof buf ? sizeof buf : room + 1);
    if (!::ReadFile(file.h, buf, want, &got, nullptr)) throw FileError(kErrPathAccess);
    bytes.append(buf, got);
  } while (got > 0 && bytes.size() <= limit);
  if (bytes.size() > limit) throw FileError(kErrTooLarge);
  return bytes;
}

std::string WriteTemporaryBeside(const std::string& target, const std::string& bytes) {
  HANDLE h = INVALID_HANDLE_VALUE;
  std::string temp = MakeTemporary(target.substr(0, NameStart(target)), h);
  try {
    Handle file(h);
    WriteAll(file.h, bytes);
    if (!::FlushFileBuffers(file.h)) ThrowLastError();
  } catch (const FileError&) {
    RemoveQuietly(temp);
    throw;
  }
  return temp;
}

// Links are rare on Windows and MoveFileExW puts the new file where the name points.
std::string FollowLinks(const std::string& path) { return path; }

// With no link followed, a target is always in the folder its name is in.
bool SameFolder(const std::string& a, const std::string& b) { return SamePath(a, b); }

// A read-only file is write-protected for every user. A file another program holds open without
// letting others delete it cannot be replaced either: both are refused before anything is written.
void RefuseWriteProtected(const std::string& target) {
  DWORD a = Attributes(target);
  if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_DIRECTORY)) return;
  if (a & FILE_ATTRIBUTE_READONLY) throw FileError(kErrPermission);
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  Handle probe(::CreateFileW(ToWide(target).c_str(), DELETE, share, nullptr, OPEN_EXISTING, 0, nullptr));
  if (probe.h == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_SHARING_VIOLATION) throw FileError(kErrPermission);
}

// A hard link, or a copy on a volume that has none.
std::string SecondName(const std::string& target) {
  HANDLE h = INVALID_HANDLE_VALUE;
  std::string backup = MakeTemporary(target.substr(0, NameStart(target)), h);
  ::CloseHandle(h);
  std::wstring wide = ToWide(backup);
  ::DeleteFileW(wide.c_str());
  if (::CreateHardLinkW(wide.c_str(), ToWide(target).c_str(), nullptr)) return backup;
  return ::CopyFileW(ToWide(target).c_str(), wide.c_str(), TRUE) ? backup : "";
}

// The numbers other systems give where Windows (or wine) words it otherwise: a folder in the way is
// no denied access, and a name longer than a name may be (255 UTF-16 units) no missing path.
int MoveOver(const std::string& from, const std::string& to) {
  if (ToWide(to.substr(NameStart(to))).size() > 255) return kErrPathAccess;
  DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  if (::MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), flags)) return 0;
  DWORD err = ::GetLastError();
  return KindOf(to) == EntryKind::Folder ? kErrPathAccess : FileErrorFromWin32(err);
}

void RemoveQuietly(const std::string& path) { ::DeleteFileW(ToWide(path).c_str()); }

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  Handle file(::CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
  if (file.h == INVALID_HANDLE_VALUE) ThrowLastError();
  WriteAll(file.h, bytes);
}

void RemoveFile(const std::string& path) {
  if (!::DeleteFileW(ToWide(path).c_str())) ThrowLastError();
}

// Windows keeps no write permission on a folder that a program can ask for cheaply; the folder's
// read-only mark is the nearest it has (a folder that refuses a file still fails at the write).
bool FolderWritable(const std::string& folder) {
  DWORD a = ::GetFileAttributesW(ToWide(folder).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_READONLY);
}

void MakeFolder(const std::string& path) {
  if (!::CreateDirectoryW(ToWide(path).c_str(), nullptr)) ThrowLastError();
}

std::optional<std::vector<std::string>> FolderNames(const std::string& folder) {
  std::string pattern = folder;
  if (pattern.empty() || !IsSeparator(pattern.back())) pattern += '\\';
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW(ToWide(pattern + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE)
    return ::GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional(std::vector<std::string>{}) : std::nullopt;
  std::vector<std::string> names;
  do {
    std::string name = FromWide(data.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return names;
}

std::tm LocalTimeNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &now);
  return local;
}

// The file system itself ignores case: the name is looked up as it is and given back as the
// folder spells it, so a replaced file keeps the name it had.
std::string ResolveCase(const std::string& path) {
  size_t nameStart = NameStart(path);
  std::string name = path.substr(nameStart);
  if (name.empty() || name.find_first_of("*?") != std::string::npos) return path;
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW(ToWide(path).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return path;
  ::FindClose(find);
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return path;
  return path.substr(0, nameStart) + FromWide(data.cFileName);
}

std::string CurrentDirectory() {
  DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring buf(size, L'\0');
  DWORD length = ::GetCurrentDirectoryW(size, buf.data());
  if (length == 0 || length >= size) return ".";
  buf.resize(length);
  return FromWide(buf);
}

void ChangeDirectory(const std::string& path) {
  if (!::SetCurrentDirectoryW(ToWide(path).c_str())) ThrowLastError();
}

// Every drive letter the system has, in order: "C:\", "D:\", ...
std::vector<std::string> ListDrives() {
  std::vector<std::string> drives;
  DWORD mask = ::GetLogicalDrives();
  for (int i = 0; i < 26; ++i)
    if (mask & (1u << i)) drives.push_back(std::string(1, static_cast<char>('A' + i)) + ":\\");
  return drives;
}

}  // namespace gw
