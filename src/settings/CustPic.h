#pragma once

#include "settings/Cust.h"

namespace gw {

// The slot column of the customise dialog, drawn on CustPic in twips. Drawing a slot covers
// whatever frame it carried.
void DrawCustSlot(App& app, int k);
void DrawCustFrame(App& app, int k);
// Clears the column and draws slots 1..9, then the frame on the selected slot.
void DrawCustSlots(App& app, const Cust& dlg);
// The slot under height y (twips) of the column; 0 below the ninth slot or above the first.
int CustSlotAt(App& app, double y);

}  // namespace gw
