#include "text/Language.h"

namespace gw {

// Debian packages no gettext for the Windows cross-build: Tr gives the Japanese texts as they are.
void UseLanguage(Language) {}

}  // namespace gw
