// Builds without SQLite (the Windows cross-build) keep no library.
#include "library/LibraryStore.h"
#include "text/Tr.h"

namespace gw {

bool LibraryAvailable() { return false; }

OpenedStore OpenLibraryStore(const std::string&) { return {nullptr, Tr("この版ではライブラリは使えません。")}; }

}  // namespace gw
