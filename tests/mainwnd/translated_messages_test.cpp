// Messages built around values reach the player through a catalogue as whole patterns: with a
// stand-in English catalogue that puts the values in another order, the real message paths show
// them in the catalogue's order, and a text the catalogue lacks stays Japanese.
#include <gtest/gtest.h>

#if defined(__has_include)
#if __has_include(<libintl.h>) && !defined(_WIN32)
#include <libintl.h>
#define GW_TEST_GETTEXT 1
#endif
#endif

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "play/Judge.h"
#include "mainwnd/StatusLine.h"
#include "support/TestApp.h"
#include "state/Document.h"
#include "display/BoardLayout.h"

namespace gw::test {
namespace {

#ifdef GW_TEST_GETTEXT

// A GNU .mo file: the header, then the originals' and translations' tables of (length, offset),
// then the strings, each ended by NUL. Without a hash table the lookup bisects the originals, so
// they go in byte order (the map's order).
std::string MoFile(const std::map<std::string, std::string>& entries) {
  const std::uint32_t n = static_cast<std::uint32_t>(entries.size());
  const std::uint32_t originals = 28, translations = originals + 8 * n;
  std::uint32_t at = translations + 8 * n;
  std::string strings;
  auto word = [](std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
  };
  std::string originalTable, translationTable;
  for (int pass = 0; pass < 2; ++pass)
    for (const auto& [id, text] : entries) {
      const std::string& s = pass == 0 ? id : text;
      word(pass == 0 ? originalTable : translationTable, static_cast<std::uint32_t>(s.size()));
      word(pass == 0 ? originalTable : translationTable, at);
      strings += s + '\0';
      at += static_cast<std::uint32_t>(s.size() + 1);
    }
  std::string mo;
  for (std::uint32_t v : {0x950412deu, 0u, n, originals, translations, 0u, at}) word(mo, v);
  return mo + originalTable + translationTable + strings;
}

// Installs the catalogue as English for the test's life and puts back what was there before,
// since the other tests of this program expect the Japanese texts.
class StandInCatalogue {
 public:
  explicit StandInCatalogue(const std::map<std::string, std::string>& entries) {
    std::filesystem::create_directories(dir_.path() + "/en/LC_MESSAGES");
    WriteFileBytes(dir_.path() + "/en/LC_MESSAGES/gridwick.mo", MoFile(entries));
    const char* language = std::getenv("LANGUAGE");
    hadLanguage_ = language != nullptr;
    if (language) language_ = language;
    const char* locale = std::setlocale(LC_MESSAGES, nullptr);
    if (locale) locale_ = locale;
    const char* bound = bindtextdomain("gridwick", nullptr);
    if (bound) bound_ = bound;
    // The C locale ignores LANGUAGE; C.UTF-8 does not, and every glibc has it.
    usable_ = std::setlocale(LC_MESSAGES, "C.UTF-8") != nullptr;
    setenv("LANGUAGE", "en", 1);
    bindtextdomain("gridwick", dir_.path().c_str());  // also forgets what was looked up so far
  }
  ~StandInCatalogue() {
    if (hadLanguage_) setenv("LANGUAGE", language_.c_str(), 1);
    else unsetenv("LANGUAGE");
    std::setlocale(LC_MESSAGES, locale_.c_str());
    bindtextdomain("gridwick", bound_.empty() ? nullptr : bound_.c_str());
  }
  bool usable() const { return usable_; }

 private:
  TempDir dir_;
  bool hadLanguage_ = false, usable_ = false;
  std::string language_, locale_ = "C", bound_;
};

const std::map<std::string, std::string> kEnglish = {
    {"", "Content-Type: text/plain; charset=UTF-8\n"},
    {"　{1} × {2}", " - {2} rows by {1} columns"},
    {"　列 {1}・行 {2}", " - row {2}, column {1}"},
    {"まだ未確定マスが {1} 個あります。", "Undecided cells: {1}."},
};

TEST(TranslatedMessages, PatternsPutTheirValuesInTheCatalogueOrder) {
  TestApp t;
  t.Start();
  StandInCatalogue catalogue(kEnglish);
  if (!catalogue.usable()) GTEST_SKIP() << "no C.UTF-8 locale";
  PuzzleState& p = t.app.puzzle;
  MakeBoard(t.app, 5, 4, 2, 2);
  t.app.document.CurFileName = "cat.gwm";
  t.app.layout.UnderPointerCol = 2;
  t.app.layout.UnderPointerRow = 3;
  EXPECT_EQ(StatusText(t.app), "cat.gwm - 4 rows by 5 columns - row 3, column 2");

  // The question's first line comes from the catalogue with its count; its second line has no
  // entry there and stays as written.
  t.TakeOutput();
  t.Answer("no");
  JudgeAnswer(t.app);
  std::string shown = t.TakeOutput();
  EXPECT_NE(shown.find("Undecided cells: 20.\\r「空マス」とみなして判定していいですか？"), std::string::npos) << shown;
}

TEST(TranslatedMessages, WithoutTheCatalogueTheJapaneseIsUnchanged) {
  TestApp t;
  t.Start();
  MakeBoard(t.app, 5, 4, 2, 2);
  t.app.document.CurFileName = "cat.gwm";
  t.app.layout.UnderPointerCol = 2;
  t.app.layout.UnderPointerRow = 3;
  {
    StandInCatalogue catalogue(kEnglish);
  }
  EXPECT_EQ(StatusText(t.app), "cat.gwm　5 × 4　列 2・行 3");
}

#endif

}  // namespace
}  // namespace gw::test
