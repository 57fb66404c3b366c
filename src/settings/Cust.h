#pragma once
#include <string>

#include "App.h"
#include "text/Tr.h"

namespace gw {

// The customise dialog "カスタマイズ": palette slots, user-made colours, mixer, automatic check
// and empty-cell mark. It edits the shared values directly; Cancel puts them back.
struct Cust : Dialog {
  DialogKind Kind() const override { return DialogKind::Cust; }

  int slot = 1;             // the selected palette slot in Pic, 1..9
  int HSc[3] = {0, 0, 0};   // red, green and blue scroll bars, 0..255
  std::string Lblc[3];      // their value captions
  Rgb sample = 0;           // LblS, the mixed colour
  Rgb dragged = 0;          // the colour taken from the sample when a drag started
  bool Check1 = false;      // "自動でチェックする"
  int Opt = 0;              // the selected empty-cell mark option, 0..2
  std::string Lbli;         // the help text

  // Taken when the dialog opens, for Cancel.
  int savedMarkStyle = 0;
  int savedAutoCheck = 0;
  Rgb savedColors[16] = {};
  int savedPalette[10] = {};
  bool savedOwnColor[10] = {};
};

inline constexpr const char* kCustCaption = TrNoop("カスタマイズ");
inline constexpr int kSwatchCount = 32;
inline constexpr int kFirstUserColor = 16;
// The first swatch's place in the dialog, in twips: every other swatch is laid out from it.
inline constexpr double kSwatchLeft = 240;
inline constexpr double kSwatchTop = 720;
inline constexpr double kSwatchSize = 375;

// Where swatch LblCol(i) sits in the dialog, in twips.
TwipsRect SwatchRect(int i);
// Only the user-made colours accept a dropped sample.
bool SwatchAcceptsDrop(int i);
// The texts of the controls that never change.
std::string CustMarkText(int i);
std::string CustHelpText();

void CustLoad(App& app, Cust& dlg);
// Sets the help text and draws the slot column with its selection frame on CustPic.
void CustPaint(App& app, Cust& dlg);
// A mouse press in the slot column at height y (twips).
void CustPicMouseDown(App& app, Cust& dlg, double y);
void CustSwatchClick(App& app, Cust& dlg, int i);
// Only what a double click adds: the platform has sent the click first.
void CustSwatchDblClick(App& app, Cust& dlg, int i);
void CustBarChange(App& app, Cust& dlg, int j, int value);
// A mouse press on the sample: its colour goes with the drag.
void CustSampleMouseDown(App& app, Cust& dlg);
void CustSwatchDrop(App& app, Cust& dlg, int i);
void CustCheckClick(App& app, Cust& dlg, bool ticked);
void CustOptClick(App& app, Cust& dlg, int i);
void CustOk(App& app, Cust& dlg);
void CustCancel(App& app, Cust& dlg);
// The frame's close box: the changes stay in memory, unsaved.
void CustClose(App& app, Cust& dlg);

void RunCustDialog(App& app);

}  // namespace gw
