#include "print/Insatu.h"

namespace gw {

// Placeholder until printing lands.
void RunPrintDialog(App&) {}

}  // namespace gw
