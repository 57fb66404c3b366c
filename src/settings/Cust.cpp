#include "settings/Cust.h"

namespace gw {

// Placeholder until the customise dialog lands.
void RunCustDialog(App&) {}

}  // namespace gw
