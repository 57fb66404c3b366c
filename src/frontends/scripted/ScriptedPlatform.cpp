#include "frontends/scripted/ScriptedPlatform.h"

#include <algorithm>

#include "Messages.h"
#include "App.h"
#include "mainwnd/MainWnd.h"
#include "system/Convert.h"
#include "frontends/scripted/DialogScripts.h"
#include "frontends/scripted/ScriptText.h"

namespace gw {
namespace {

// A scripted screen of 1280 × 1024 pixels at 15 twips a pixel; the window's frame, title and menu
// bar take 16 × 64 pixels of its outer size.
constexpr double kScreenWidth = 19200;
constexpr double kScreenHeight = 15360;
constexpr double kFrameWidth = 240;
constexpr double kFrameHeight = 960;

const char* ButtonsName(MsgButtons b) {
  switch (b) {
    case MsgButtons::Ok: return "ok";
    case MsgButtons::OkCancel: return "okcancel";
    case MsgButtons::YesNo: return "yesno";
    case MsgButtons::YesNoCancel: return "yesnocancel";
  }
  return "ok";
}

const char* IconName(MsgIcon i) {
  switch (i) {
    case MsgIcon::None: return "none";
    case MsgIcon::Warning: return "warning";
    case MsgIcon::Question: return "question";
  }
  return "none";
}

std::optional<MsgResult> ParseAnswer(const std::string& word, MsgButtons buttons) {
  bool okBox = buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel;
  bool cancel = buttons == MsgButtons::OkCancel || buttons == MsgButtons::YesNoCancel;
  if (word == "ok" && okBox) return MsgResult::Ok;
  if (word == "cancel" && cancel) return MsgResult::Cancel;
  if (word == "yes" && !okBox) return MsgResult::Yes;
  if (word == "no" && !okBox) return MsgResult::No;
  return std::nullopt;
}

}  // namespace

std::string DialogName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Modecg: return "Modecg";
    case DialogKind::Sizein: return "Sizein";
    case DialogKind::FileDlg: return "FileDlg";
    case DialogKind::FileSel2: return "FileSel2";
    case DialogKind::Cust: return "Cust";
    case DialogKind::Insatu: return "Insatu";
    case DialogKind::ImportImage: return "ImportImage";
    case DialogKind::NewPuzzle: return "NewPuzzle";
  }
  return "?";
}

ScriptedPlatform::ScriptedPlatform(std::ostream& out) : out_(out), printer_(out) {
  surfaces_[SurfaceId::Main] = std::make_unique<ScriptedSurface>(out, "");
  surfaces_[SurfaceId::Pic0] = std::make_unique<ScriptedSurface>(out, "pic0");
  surfaces_[SurfaceId::Pic1] = std::make_unique<ScriptedSurface>(out, "pic1");
  surfaces_[SurfaceId::CustPic] = std::make_unique<ScriptedSurface>(out, "custpic");
  // The customise dialog's slot column: 1000 × 3600 twips.
  surfaces_[SurfaceId::CustPic]->SetSizes({1000, 3600}, {1000, 3600});
}

App& ScriptedPlatform::app() const {
  if (!BoundApp()) throw ScriptError("the program is not running");
  return *BoundApp();
}

std::optional<int> ScriptedPlatform::RequiredLeftover() const {
  std::optional<int> first;
  auto scan = [&](const std::deque<ScriptStep>& q) {
    for (const ScriptStep& s : q)
      if (!s.optional && (!first || s.line < *first)) first = s.line;
  };
  scan(answers_);
  scan(replies_);
  scan(progressAnswers_);
  for (const auto& [kind, q] : steps_) scan(q);
  scan(files_);
  return first;
}

void ScriptedPlatform::ResetWindow() {
  caption_.clear();
  pointer_ = Pointer::Normal;
  menus_.clear();
  checks_.clear();
  window_ = TwipsRect{};
  for (SurfaceId id : {SurfaceId::Main, SurfaceId::Pic0, SurfaceId::Pic1}) Resize(id, {}, {});
  ForgetWindow();
}

bool ScriptedPlatform::MenuEnabled(MenuId menu, int index) const {
  auto it = menus_.find({static_cast<int>(menu), index});
  return it == menus_.end() || it->second;
}

void ScriptedPlatform::SetDrawEcho(bool on) {
  for (auto& [id, surface] : surfaces_) surface->SetEcho(on);
}

std::optional<ScriptStep> ScriptedPlatform::Take(std::deque<ScriptStep>& queue) {
  if (queue.empty()) return std::nullopt;
  ScriptStep s = std::move(queue.front());
  queue.pop_front();
  return s;
}

MsgResult ScriptedPlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   int defaultButton, const std::string& title) {
  std::string shownTitle = title.empty() ? Tr(kAppCaption) : title;
  std::string head = "MSG title=" + Quote(shownTitle) + " buttons=" + ButtonsName(buttons) +
                     " icon=" + IconName(icon) + " default=" + std::to_string(defaultButton) + " " +
                     Quote(text);
  auto step = Take(answers_);
  if (!step) {
    out_ << head << "\n";
    throw ScriptError("a message box appeared with no answer queued");
  }
  auto result = ParseAnswer(step->words.at(0), buttons);
  if (!result) {
    out_ << head << "\n";
    throw ScriptError("answer " + step->words.at(0) + " does not fit a box with buttons " +
                      ButtonsName(buttons));
  }
  out_ << head << " -> " << step->words.at(0) << "\n";
  return *result;
}

InputResult ScriptedPlatform::InputBox(const std::string& prompt, const std::string& title,
                                       const std::string& preset) {
  std::string shownTitle = title.empty() ? Tr(kAppCaption) : title;
  std::string head = "INPUT title=" + Quote(shownTitle) + " prompt=" + Quote(prompt) +
                     " default=" + Quote(preset);
  auto step = Take(replies_);
  if (!step) {
    out_ << head << "\n";
    throw ScriptError("an input box appeared with no reply queued");
  }
  if (step->cancel) {
    out_ << head << " -> cancel\n";
    return InputResult{true, ""};
  }
  out_ << head << " -> " << Quote(step->words.at(0)) << "\n";
  return InputResult{false, step->words.at(0)};
}

void ScriptedPlatform::ShowModal(Dialog& dialog) {
  DialogKind kind = dialog.Kind();
  dialog.open = true;
  out_ << "OPEN " << DescribeDialog(dialog) << "\n";
  auto& queue = steps_[kind];
  while (dialog.open) {
    auto step = Take(queue);
    if (!step) throw ScriptError("the " + DialogName(kind) + " dialog appeared with no answer queued");
    if (step->words.at(0) == "show") {
      out_ << "SHOW " << DescribeDialog(dialog) << "\n";
      continue;
    }
    ApplyDialogStep(app(), *this, dialog, *step);
    if (!dialog.open && !queue.empty() && queue.front().line == step->line)
      throw ScriptError("a step for a dialog that is not open: " + queue.front().words.at(0));
  }
}

void ScriptedPlatform::ShowLibrary() { out_ << "SHOW Library\n"; }

void ScriptedPlatform::WriteClipboard(const std::string& text) {
  clipboard_ = {ClipboardContent::Kind::Text, text};
  out_ << "CLIPBOARD written\n";
  DumpClipboard();
}

// `CLIPBOARD text|image|other|empty`, then the text's lines as `| LINE`.
void ScriptedPlatform::DumpClipboard() {
  static const char* const kKinds[] = {"empty", "text", "image", "other"};
  out_ << "CLIPBOARD " << kKinds[static_cast<int>(clipboard_.kind)] << "\n";
  if (clipboard_.kind != ClipboardContent::Kind::Text) return;
  size_t start = 0;
  while (start < clipboard_.text.size()) {
    size_t end = clipboard_.text.find('\n', start);
    if (end == std::string::npos) end = clipboard_.text.size();
    std::string line = clipboard_.text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out_ << "| " << line << "\n";
    start = end + 1;
  }
}

void ScriptedPlatform::CloseDialog(Dialog& dialog) {
  if (!dialog.open) return;
  dialog.open = false;
  out_ << "CLOSE " << DialogName(dialog.Kind()) << "\n";
}

TwipsSize ScriptedPlatform::ScreenSize() { return {kScreenWidth, kScreenHeight}; }

void ScriptedPlatform::Resize(SurfaceId id, TwipsSize client, TwipsSize outer) {
  surfaces_.at(id)->SetSizes(client, outer);
  if (resizeHook_) resizeHook_(id, client);
}

void ScriptedPlatform::SetWindowGeometry(const TwipsRect& rect) {
  window_ = rect;
  TwipsSize outer{rect.width, rect.height};
  TwipsSize client{std::max(0.0, rect.width - kFrameWidth), std::max(0.0, rect.height - kFrameHeight)};
  Resize(SurfaceId::Main, client, outer);
}

void ScriptedPlatform::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  out_ << "CAPTION " << Quote(caption) << "\n";
}

void ScriptedPlatform::EnableMenuItem(MenuId menu, int index, bool enabled) {
  menus_[{static_cast<int>(menu), index}] = enabled;
}

void ScriptedPlatform::CheckMenuItem(MenuId menu, int index, bool checked) {
  checks_[{static_cast<int>(menu), index}] = checked;
}

bool ScriptedPlatform::MenuChecked(MenuId menu, int index) const {
  auto it = checks_.find({static_cast<int>(menu), index});
  return it != checks_.end() && it->second;
}

void ScriptedPlatform::SetPointer(Pointer pointer) {
  if (pointer == pointer_) return;
  pointer_ = pointer;
  out_ << "POINTER " << (pointer == Pointer::Busy ? "busy" : "normal") << "\n";
}

void ScriptedPlatform::PicGeometryChanged(int index, const TwipsRect& before) {
  TwipsRect rect = PicGeometry(index);
  if (before.width != rect.width || before.height != rect.height)
    Resize(index == 0 ? SurfaceId::Pic0 : SurfaceId::Pic1, {rect.width, rect.height}, {rect.width, rect.height});
}

void ScriptedPlatform::CloseMainWindow() { MainWndClosed(app()); }

std::string ScriptedPlatform::Today() { return today_.empty() ? TodayText() : today_; }

}  // namespace gw

namespace gw {

void ScriptedPlatform::LongWorkBegun() { progressShown_ = false; }

bool ScriptedPlatform::LongWorkCancelled() {
  if (!progressShown_) {
    out_ << "OPEN Progress text=" << Quote(LongWorkText()) << "\n";
    progressShown_ = true;
  }
  return Take(progressAnswers_).has_value();
}

void ScriptedPlatform::EndLongWork() {
  if (progressShown_) out_ << "CLOSE Progress\n";
  progressShown_ = false;
}

}  // namespace gw
