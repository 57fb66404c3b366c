#pragma once

#include "App.h"

namespace gw {

void JudgeAnswer(App& app);
void ClearEmptyMarks(App& app);

}  // namespace gw
