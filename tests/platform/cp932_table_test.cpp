#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "text/Cp932.h"

namespace gw {
namespace {

std::string Hex(const std::string& bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02x", c);
    out += buf;
  }
  return out;
}

bool IsLead(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Every byte and every lead byte with every second byte, through the system's converter: what each
// decodes to ("!" for an error) and what that text encodes back to ("!" again for an error).
std::string WholeTable() {
  std::string table;
  auto add = [&](const std::string& bytes) {
    table += Hex(bytes);
    std::optional<std::string> text = SystemDecodeCp932(bytes);
    if (!text) {
      table += " !\n";
      return;
    }
    std::optional<std::string> back = SystemEncodeCp932(*text);
    table += " " + Hex(*text) + " " + (back ? Hex(*back) : "!") + "\n";
  };
  for (int b = 0; b < 256; ++b) add(std::string(1, static_cast<char>(b)));
  for (int lead = 0; lead < 256; ++lead)
    for (int trail = 0; IsLead(lead) && trail < 256; ++trail)
      add(std::string{static_cast<char>(lead), static_cast<char>(trail)});
  return table;
}

std::uint64_t Fnv1a(const std::string& text) {
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
  return h;
}

// glibc's iconv and the Windows API each bring their own table of code page 932. Files must read
// and write alike on both, so the whole table, both ways, is pinned to one digest: the one glibc's
// "CP932" gives. Set GW_CP932_TABLE to a file name to write the table out and compare two systems.
TEST(Cp932, TheWholeTableIsTheSameOnEverySystem) {
  std::string table = WholeTable();
  if (const char* out = std::getenv("GW_CP932_TABLE")) std::ofstream(out, std::ios::binary) << table;
  EXPECT_EQ(Fnv1a(table), 0x610c00d2df25e32eull) << "lines: " << std::count(table.begin(), table.end(), '\n');
}

struct Strict {
  const char* bytes;
  const char* why;
};

// The same strictness on every system: each of these is an error, never a substituted character.
TEST(Cp932, UndecodableBytesAreErrorsEverywhere) {
  const Strict cases[] = {
      {"\x94", "a lead byte cut off at the end"},
      {"ok\x85\x40", "an unassigned character"},
      {"\x81\x7f", "a second byte out of range"},
      {"\x81\x0a", "a line end where the second byte belongs"},
      {"a\x80", "a lone 0x80, which only the Windows table has (as U+0080)"},
  };
  for (const Strict& c : cases) {
    EXPECT_FALSE(DecodeCp932(c.bytes)) << c.why;
    EXPECT_FALSE(SystemDecodeCp932(c.bytes)) << c.why;
  }
  EXPECT_FALSE(EncodeCp932("\xC3\xA9")) << "é is not in the code page";
  EXPECT_FALSE(EncodeCp932("\xF0\x9F\x98\x80")) << "nor is an emoji";
  EXPECT_FALSE(EncodeCp932("\xE7\x8C")) << "broken UTF-8";
  EXPECT_FALSE(EncodeCp932("\xC2\x80")) << "U+0080";
  EXPECT_EQ(DecodeCp932("\x81\x80"), "\xC3\xB7") << "0x80 as a second byte is part of a character (÷)";
  EXPECT_EQ(SystemDecodeCp932("abc"), "abc");
  EXPECT_EQ(SystemEncodeCp932(""), "");
}

}  // namespace
}  // namespace gw
