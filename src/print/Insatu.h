#pragma once
#include <string>

#include "App.h"
#include "text/Tr.h"

namespace gw {

// The print dialog "印刷フォーム": margins and cell size in millimetres, the colour printer box.
struct Insatu : Dialog {
  DialogKind Kind() const override { return DialogKind::Insatu; }

  // Txt(0) side space, Txt(1) top space, Txt(2) cell edge; `value` holds their numbers.
  std::string Txt[3];
  double value[3] = {25, 25, 2.5};
  bool Check1 = false;  // "カラープリンタ"
  std::string Lbl3;     // the size line
};

inline constexpr const char* kInsatuCaption = TrNoop("印刷フォーム");
inline constexpr int kSideSpace = 0;
inline constexpr int kTopSpace = 1;
inline constexpr int kCellSize = 2;
// The captions of the three text boxes.
std::string InsatuLabel(int i);

// The size line for a cell edge: the printed puzzle's width and height in millimetres.
std::string PrintSizeText(const App& app, double cell, bool withUnit);

void InsatuLoad(App& app, Insatu& dlg);
void InsatuTextChange(App& app, Insatu& dlg, int i, const std::string& text);
void InsatuCheckClick(App& app, Insatu& dlg, bool ticked);
// Cmd(0) "印刷": prints the puzzle and closes; when the printer cannot take it, tells the user
// and offers a PDF file instead.
void InsatuPrintClick(App& app, Insatu& dlg);
// Cmd(1) "戻る", and the frame's close box.
void InsatuBackClick(App& app, Insatu& dlg);

void RunPrintDialog(App& app);

}  // namespace gw
