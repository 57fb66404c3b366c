#pragma once
#include <string>

#include "App.h"
#include "text/Tr.h"

namespace gw {

// The size dialog "サイズの入力": Text1..Text4 are XHintCount, XSize, YHintCount, YSize.
struct Sizein : Dialog {
  DialogKind Kind() const override { return DialogKind::Sizein; }
  std::string Text[4];
  bool enabled[4] = {true, true, true, true};
};

inline constexpr const char* kSizeinCaption = TrNoop("サイズの入力");
inline constexpr const char* kSizeinPrompt = TrNoop("ロジックのこま数(サイズ)を入力してください。");
inline constexpr const char* kSizeinNote = TrNoop("※ 移動は[TAB]キーです。");
std::string SizeinLabel(int i);

void SizeinLoad(App& app, Sizein& dlg);
// Stores the four values; closes the dialog only when all lie in 1..20.
void SizeinOk(App& app, Sizein& dlg);
// Closing by the frame counts as OK: the sizes can never be left out of range.
void SizeinClose(App& app, Sizein& dlg);

void RunSizeDialog(App& app);

}  // namespace gw
