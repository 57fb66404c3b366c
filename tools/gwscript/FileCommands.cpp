// put, puthex, cat, hexdump, ls, rm, mkdir, cd: the files a scenario works with.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "Runner.h"
#include "platform/Cp932.h"

namespace gw {
namespace {

std::string ReadBytes(const std::string& name, bool& found) {
  std::ifstream in(name, std::ios::binary);
  found = static_cast<bool>(in);
  std::ostringstream all;
  if (found) all << in.rdbuf();
  return all.str();
}

void WriteBytes(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw ScriptError("cannot write " + name);
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
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(".")) {
    while (dirent* e = ::readdir(dir)) {
      std::string n = e->d_name;
      if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  r.out() << "LS";
  for (const std::string& n : names) r.out() << " " << n;
  r.out() << "\n";
}

void Rm(Runner&, const ScriptLine& line) {
  NeedWords(line, 2);
  if (::unlink(line.words[1].text.c_str()) != 0) throw ScriptError("cannot remove " + line.words[1].text);
}

void Mkdir(Runner&, const ScriptLine& line) {
  NeedWords(line, 2);
  if (::mkdir(line.words[1].text.c_str(), 0777) != 0) throw ScriptError("cannot make " + line.words[1].text);
}

void Cd(Runner&, const ScriptLine& line) {
  NeedWords(line, 2);
  if (::chdir(line.words[1].text.c_str()) != 0) throw ScriptError("cannot change to " + line.words[1].text);
}

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
