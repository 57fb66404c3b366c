#include "text/Language.h"

#include <cstdlib>
#include <string_view>

namespace gw {
namespace {

std::string_view Value(const EnvironmentLookup& env, const char* name) {
  const char* value = env(name);
  return value ? std::string_view(value) : std::string_view();
}

// "en_GB.UTF-8@euro" names the language "en".
std::string_view LanguagePart(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

bool Speaks(std::string_view locale, Language& language) {
  std::string_view part = LanguagePart(locale);
  if (part == "en") language = Language::English;
  else if (part == "ja") language = Language::Japanese;
  else return false;
  return true;
}

}  // namespace

Language LanguageFromEnvironment(const EnvironmentLookup& env) {
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = Value(env, name);
    if (!locale.empty()) break;
  }
  // The C locale asks for the program's own texts whatever LANGUAGE says, so that scripts reading
  // a program's output under LC_ALL=C always read the same.
  if (locale.empty() || locale == "C" || locale == "POSIX") return Language::Japanese;
  Language language = Language::Japanese;
  std::string_view list = Value(env, "LANGUAGE");
  if (list.empty()) {
    Speaks(locale, language);
    return language;
  }
  while (!list.empty()) {
    size_t colon = list.find(':');
    if (Speaks(list.substr(0, colon), language)) return language;
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  return Language::Japanese;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ja"; }

Language ChooseLanguage() {
  Language language = LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
  UseLanguage(language);
  return language;
}

}  // namespace gw
