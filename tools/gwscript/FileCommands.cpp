// put, puthex, cat, hexdump, ls, rm, mkdir, cd: the files a scenario works with.
#include <algorithm>
#include <cstdio>

#include "Runner.h"
#include "text/Cp932.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/NativeFiles.h"

namespace gw {
namespace {

std::string ReadBytes(const std::string& name, bool& found) {
  found = KindOf(name) == EntryKind::File;
  if (!found) return "";
  try {
    return ReadWholeFile(name);
  } catch (const FileError&) {
    found = false;
    return "";
  }
}

void WriteBytes(const std::string& name, const std::string& bytes) {
  try {
    WriteWholeFile(name, bytes);
  } catch (const FileError&) {
    throw ScriptError("cannot write " + name);
  }
}

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// A line decoded character by character, so one bad byte shows as \xNN and the rest still reads.
std::string ShowLine(const std::string& bytes) {
  std::string out;
  for (size_t i = 0; i < bytes.size();) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') { out += "\\r"; ++i; continue; }
    if (c == '\n') { out += "\\n"; ++i; continue; }
    size_t len = IsLeadByte(c) && i + 1 < bytes.size() ? 2 : 1;
    if (auto text = DecodeCp932(bytes.substr(i, len))) {
      out += *text;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
      len = 1;
    }
    i += len;
  }
  return out;
}

void Put(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  std::string bytes;
  for (const std::string& text : r.TakeBlock()) {
    auto encoded = EncodeCp932(text);
    if (!encoded) throw ScriptError("a line of " + line.words[1].text + " has no code page 932 form");
    bytes += *encoded + "\r\n";
  }
  WriteBytes(line.words[1].text, bytes);
}

void PutHex(Runner&, const ScriptLine& line) {
  NeedWords(line, 2);
  std::string hex;
  for (size_t i = 2; i < line.words.size(); ++i) hex += line.words[i].text;
  hex.erase(std::remove(hex.begin(), hex.end(), ' '), hex.end());
  if (hex.size() % 2 != 0) throw ScriptError("puthex needs pairs of hex digits");
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    unsigned value = 0;
    if (std::sscanf(hex.substr(i, 2).c_str(), "%2x", &value) != 1 ||
        !std::isxdigit(static_cast<unsigned char>(hex[i])) ||
        !std::isxdigit(static_cast<unsigned char>(hex[i + 1])))
      throw ScriptError("unknown word " + hex.substr(i, 2));
    bytes += static_cast<char>(value);
  }
  WriteBytes(line.words[1].text, bytes);
}

void Cat(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& name = line.words[1].text;
  bool found = false;
  std::string bytes = ReadBytes(name, found);
  if (!found) {
    r.out() << "FILE " << name << " missing\n";
    return;
  }
  r.out() << "FILE " << name << "\n";
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) {
      r.out() << "| " << ShowLine(bytes.substr(pos)) << "\n";
      r.out() << "(no final CR LF)\n";
      return;
    }
    r.out() << "| " << ShowLine(bytes.substr(pos, end - pos)) << "\n";
    pos = end + 2;
  }
}

void HexDump(Runner& r, const ScriptLine& line) {
  NeedWords(line, 2);
  const std::string& name = line.words[1].text;
  bool found = false;
  std::string bytes = ReadBytes(name, found);
  if (!found) throw ScriptError("no file " + name);
  r.out() << "HEX " << name << "\n";
  for (size_t i = 0; i < bytes.size(); i += 32) {
    r.out() << "HEX";
    for (size_t k = i; k < std::min(bytes.size(), i + 32); ++k) {
      char buf[4];
      std::snprintf(buf, sizeof buf, " %02x", static_cast<unsigned char>(bytes[k]));
      r.out() << buf;
    }
    r.out() << "\n";
  }
}

void Ls(Runner& r, const ScriptLine&) {
  std::vector<std::string> names = FolderNames(".").value_or(std::vector<std::string>{});
  std::sort(names.begin(), names.end());
  r.out() << "LS";
  for (const std::string& n : names) r.out() << " " << n;
  r.out() << "\n";
}

// Runs a file operation of the system; its failure ends the script with `why` and the name.
template <typename Operation>
void FileStep(const ScriptLine& line, const char* why, Operation operation) {
  NeedWords(line, 2);
  try {
    operation(line.words[1].text);
  } catch (const FileError&) {
    throw ScriptError(why + line.words[1].text);
  }
}

void Rm(Runner&, const ScriptLine& line) { FileStep(line, "cannot remove ", RemoveFile); }
void Mkdir(Runner&, const ScriptLine& line) { FileStep(line, "cannot make ", MakeFolder); }
void Cd(Runner&, const ScriptLine& line) { FileStep(line, "cannot change to ", ChangeDirectory); }

}  // namespace

void RegisterFileCommands(Runner& runner) {
  runner.Register("put", Put);
  runner.Register("puthex", PutHex);
  runner.Register("cat", Cat);
  runner.Register("hexdump", HexDump);
  runner.Register("ls", Ls);
  runner.Register("rm", Rm);
  runner.Register("mkdir", Mkdir);
  runner.Register("cd", Cd);
}

}  // namespace gw
