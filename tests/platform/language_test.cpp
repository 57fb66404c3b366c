#include <gtest/gtest.h>

#include <map>
#include <string>

#include "text/Language.h"

namespace gw {
namespace {

using Env = std::map<std::string, std::string>;

Language From(const Env& env) {
  return LanguageFromEnvironment([&env](const char* name) -> const char* {
    auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  });
}

TEST(LanguageFromEnvironment, FollowsTheVariablesAsGettextDoes) {
  constexpr Language E = Language::English, J = Language::Japanese;
  struct Case {
    Env env;
    Language expected;
  };
  const Case cases[] = {
      // Nothing set, or the C locale: the program's own Japanese.
      {{}, J},
      {{{"LANG", "C"}}, J},
      {{{"LANG", "POSIX"}}, J},
      {{{"LANG", ""}}, J},
      {{{"LANG", "C.UTF-8"}}, J},
      // The locale's language.
      {{{"LANG", "en_US.UTF-8"}}, E},
      {{{"LANG", "en"}}, E},
      {{{"LANG", "en_GB.ISO-8859-1@euro"}}, E},
      {{{"LANG", "ja_JP.UTF-8"}}, J},
      {{{"LANG", "de_DE.UTF-8"}}, J},
      {{{"LANG", "english"}}, J},
      // LC_ALL before LC_MESSAGES before LANG; an empty one counts as unset.
      {{{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, E},
      {{{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "en_US.UTF-8"}}, J},
      {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, E},
      {{{"LC_MESSAGES", "C"}, {"LANG", "en_US.UTF-8"}}, J},
      {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "en_US.UTF-8"}}, E},
      {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, J},
      // LANGUAGE is a list: the first language spoken wins, Japanese when none is.
      {{{"LANGUAGE", "en"}, {"LANG", "ja_JP.UTF-8"}}, E},
      {{{"LANGUAGE", "ja"}, {"LANG", "en_US.UTF-8"}}, J},
      {{{"LANGUAGE", "fr:en_GB:ja"}, {"LANG", "fr_FR.UTF-8"}}, E},
      {{{"LANGUAGE", "fr:ja:en"}, {"LANG", "fr_FR.UTF-8"}}, J},
      {{{"LANGUAGE", "de:fr"}, {"LANG", "en_US.UTF-8"}}, J},
      {{{"LANGUAGE", ":en:"}, {"LANG", "de_DE.UTF-8"}}, E},
      {{{"LANGUAGE", ""}, {"LANG", "en_US.UTF-8"}}, E},
      {{{"LANGUAGE", "en"}, {"LANG", "C.UTF-8"}}, E},
      // ...but not under the C locale, so that LANG=C always gives the same output.
      {{{"LANGUAGE", "en"}}, J},
      {{{"LANGUAGE", "en"}, {"LANG", "C"}}, J},
      {{{"LANGUAGE", "en"}, {"LC_ALL", "POSIX"}, {"LANG", "en_US.UTF-8"}}, J},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& [name, value] : c.env) shown += name + "=" + value + " ";
    EXPECT_EQ(From(c.env), c.expected) << shown;
  }
}

}  // namespace
}  // namespace gw
