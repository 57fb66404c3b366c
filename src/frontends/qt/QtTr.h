#pragma once
#include <QString>

#include "text/Tr.h"

namespace gw {

// Tr for a Qt widget's text.
inline QString QTr(const char* japanese) { return QString::fromStdString(Tr(japanese)); }

}  // namespace gw
