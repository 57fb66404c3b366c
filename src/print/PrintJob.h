#pragma once

#include "print/PrintPage.h"

namespace gw {

// Prints the puzzle on the default printer, with the busy pointer meanwhile. When the printer
// cannot take it or fails to send it, tells the user why and offers to write the page into a PDF
// file instead. True when the page went to the printer or into a file.
bool PrintOrSavePdf(App& app, const PageGeometry& page);

}  // namespace gw
