#include "text/Language.h"

#if defined(__has_include)
#if __has_include(<libintl.h>)
#include <libintl.h>
#define GW_HAVE_GETTEXT 1
#endif
#endif

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace gw {

#ifdef GW_HAVE_GETTEXT
namespace {

constexpr const char* kDomain = "gridwick";

// The folder that holds the running program, from the link the kernel keeps to it.
std::string ProgramFolder() {
  std::string path(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<size_t>(n) >= path.size()) return ".";
  path.resize(static_cast<size_t>(n));
  return path.substr(0, path.rfind('/'));
}

bool HasCatalogue(const std::string& folder, Language language) {
  std::string mo = folder + "/" + LanguageCode(language) + "/LC_MESSAGES/" + kDomain + ".mo";
  struct stat st {};
  return stat(mo.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The installed catalogues lie under share/locale as seen from bin/; a build keeps them in
// locale/ beside its programs. The build names the path for the prefix it installs to; a target
// built elsewhere (the fuzz targets) gets the usual layout.
#ifndef GW_LOCALE_FROM_BIN
#define GW_LOCALE_FROM_BIN "../share/locale"
#endif
std::string CatalogueFolder(Language language) {
  const std::string program = ProgramFolder();
  const std::string installed = program + "/" + GW_LOCALE_FROM_BIN;
  if (HasCatalogue(installed, language)) return installed;
  return program + "/locale";
}

}  // namespace

void UseLanguage(Language language) {
  // gettext searches the languages LANGUAGE lists: naming only the one chosen keeps it from
  // falling back to another catalogue it finds (LANGUAGE=ja:en means Japanese, not English).
  setenv("LANGUAGE", LanguageCode(language), 1);
  // gettext translates nothing while the locale of messages is C, which is what it stays when
  // the player's locale is not generated on this system (or was never asked for, as a
  // command-line tool does not). C.UTF-8 is always there and changes nothing else that a
  // program prints.
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (language != Language::Japanese && messages &&
      (std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0))
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  bindtextdomain(kDomain, CatalogueFolder(language).c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
}

#else
void UseLanguage(Language) {}
#endif

}  // namespace gw
