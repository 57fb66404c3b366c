#include "files/PuzzleText.h"

#include "display/BoardLayout.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleBridge.h"
#include "formats/PuzzleText.h"
#include "files/FileCommands.h"
#include "files/ToolsCommands.h"
#include "Messages.h"
#include "text/Tr.h"

namespace gw {
namespace {

constexpr const char* kCopyTitle = TrNoop("問題をコピー");
constexpr const char* kPasteTitle = TrNoop("問題を貼り付け");
constexpr const char* kFormats = TrNoop("（.xml、.non、.g、パターンのゲーム ID、.gwm、.gwc、.gwk、.gwa）");

void Warn(App& app, const std::string& text, const char* title) {
  Ask(app, text, MsgButtons::Ok, MsgIcon::Warning, 1, Tr(title));
}

// Why the clipboard holds no puzzle text to read, or "" when it does.
std::string WhyNoText(const ClipboardContent& c) {
  using K = ClipboardContent::Kind;
  if (c.kind == K::Image) return Tr("クリップボードにあるのは画像です。") + CR + Tr("画像から問題を作るには、ツールのインポートを使ってください。");
  if (c.kind == K::Other) return Tr("クリップボードにあるのは文字ではありません。");
  if (c.kind == K::Empty || c.text.find_first_not_of(" \t\r\n") == std::string::npos) return Tr("クリップボードは空です。");
  if (c.text.size() > kMaxPuzzleTextBytes)
    return Tr("クリップボードの文字が大きすぎます（問題として読めるのは 4 MB までです）。");
  return "";
}

}  // namespace

void CopyPuzzle(App& app) {
  const PuzzleState& p = app.puzzle;
  if (p.XSize < 1 || p.YSize < 1) {
    Warn(app, Tr("コピーする問題がありません。"), kCopyTitle);
    return;
  }
  // The hints, never the answer: a puzzle in play is passed on to be solved.
  PuzzleData d = p.Mode == kModeImage ? DataFromPicture(p, app.colors.ColorTable) : DataFromHints(p, app.colors.ColorTable);
  try {
    // Hints still being typed may not describe any picture: what is copied must read back.
    CheckPuzzle(d);
    app.ui.WriteClipboard(FormatForeign(ForeignFormat::Non, d));
  } catch (const FormatError& e) {
    Warn(app, Tr("この問題はコピーできません。") + CR + e.what(), kCopyTitle);
  }
}

void PastePuzzle(App& app) {
  ClipboardContent c = app.ui.ReadClipboard();
  if (std::string why = WhyNoText(c); !why.empty()) {
    Warn(app, why, kPasteTitle);
    return;
  }
  TextPuzzle t = ReadPuzzleText(c.text, app.colors.ColorTable);
  if (t.format.empty()) {
    Warn(app, Tr("クリップボードの文字は、読める問題の形式ではありません。") + CR + Tr(kFormats), kPasteTitle);
    return;
  }
  if (!t.puzzle) {
    Warn(app,
         Fill(Tr("クリップボードの文字を {1} として読みましたが、問題が途中で切れているか、正しくありません。"), {t.format}) +
             CR + t.why,
         kPasteTitle);
    return;
  }
  // The unsaved-work question comes once there is a puzzle to open over it.
  if (OfferProgressSave(app)) OpenUnfiledPuzzle(app, *t.puzzle);
}

}  // namespace gw
