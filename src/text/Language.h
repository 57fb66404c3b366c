#pragma once
#include <functional>
#include <string>

namespace gw {

// The languages the program speaks: Japanese, in which its texts are written, and those it has a
// message catalogue for.
enum class Language { Japanese, English };

// Reads one environment variable; nullptr (or an empty text) when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The player's language as the environment asks for it, read as gettext reads it: the locale of
// messages is the first of LC_ALL, LC_MESSAGES and LANG that is set; under any locale but C and
// POSIX, LANGUAGE (a list such as "fr:en_GB:ja") takes the first language the program speaks and
// Japanese when it speaks none of them; otherwise the locale's own language. English for en*,
// Japanese for everything else, the C locale included.
Language LanguageFromEnvironment(const EnvironmentLookup& env);

// The two-letter code gettext looks catalogues up by ("en", "ja").
const char* LanguageCode(Language language);

// Makes Tr answer in `language` from now on, the catalogue found from the folder that holds the
// running program (beside it in a build, under share/locale when installed). It works whether or
// not the system has the player's locale generated: the language is set for the messages alone.
// A system without gettext (Windows) stays in Japanese.
void UseLanguage(Language language);

// The usual start of a program: the language of the environment, put to use and returned.
Language ChooseLanguage();

}  // namespace gw
