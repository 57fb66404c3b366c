#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "frontends/scripted/ScriptedPrinter.h"
#include "frontends/scripted/ScriptedSurface.h"

namespace gw {

// Raised when a script cannot go on (a box with no answer queued, a step that makes no sense);
// the runner reports it as "ERROR line N: WHY".
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One queued answer: a message box word, an input box reply, or one step of a dialog.
struct ScriptStep {
  std::vector<std::string> words;
  int line = 0;
  bool optional = false;
  bool cancel = false;  // reply: Cancel was pressed
};

std::string DialogName(DialogKind kind);

// The platform behind gwscript and the tests: every box and dialog takes its answers from queues
// filled by the script, and everything the user would see is printed as one line.
class ScriptedPlatform : public Platform {
 public:
  explicit ScriptedPlatform(std::ostream& out);

  // --- what the script queues --------------------------------------------------------------
  void QueueAnswer(ScriptStep step) { answers_.push_back(std::move(step)); }
  void QueueReply(ScriptStep step) { replies_.push_back(std::move(step)); }
  void QueueDialogStep(DialogKind kind, ScriptStep step) { steps_[kind].push_back(std::move(step)); }
  // The desktop file dialog's answer: words {PATH [FILTER]}, or cancel.
  void QueueSystemFile(ScriptStep step) { files_.push_back(std::move(step)); }
  // Images are decoded and PNG pages written by whoever runs the script (it has the toolkit);
  // without them an image cannot be read and a PNG is only reported.
  void SetImageDecoder(std::function<ImageLoad(const std::string&, ImagePixels&)> decode) { decode_ = std::move(decode); }
  void SetPngWriter(std::function<bool(const SheetDrawing&, const std::string&)> write) { writePng_ = std::move(write); }
  // `progress cancel`: キャンセル pressed in the next box of a long piece of work.
  void QueueProgressAnswer(ScriptStep step) { progressAnswers_.push_back(std::move(step)); }
  // The line of the first answer still queued that was not optional, if any.
  std::optional<int> RequiredLeftover() const;

  // --- the program's window ----------------------------------------------------------------
  // A new program starts: caption, menus, pointer, sizes as before the first load.
  void ResetWindow();
  App& app() const;
  bool MenuEnabled(MenuId menu, int index) const;
  bool MenuChecked(MenuId menu, int index) const;
  const std::string& Caption() const { return caption_; }
  ScriptedSurface& Scripted(SurfaceId id) { return *surfaces_.at(id); }
  TwipsRect WindowGeometry() const { return window_; }
  void SetDrawEcho(bool on);
  void SetToday(std::string today) { today_ = std::move(today); }
  // Called whenever a surface gets a new size, so that a mirror image can follow it.
  void SetResizeHook(std::function<void(SurfaceId, TwipsSize)> hook) { resizeHook_ = std::move(hook); }
  std::ostream& out() { return out_; }
  // The play timer's clock: it moves only when the script says (`clock +SECONDS`).
  void AdvanceClock(double seconds) { clock_ += seconds; }

  // --- Platform ----------------------------------------------------------------------------
  // Boxes and dialogs print what they show (MSG, OPEN, CLOSE) and take the queued answers.
  void ShowModal(Dialog& dialog) override;
  void CloseDialog(Dialog& dialog) override;
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
                   const std::string& title) override;
  InputResult InputBox(const std::string& prompt, const std::string& title,
                       const std::string& preset) override;
  SystemFileChoice ChooseSystemFile(bool save, const std::string& title,
                                    const std::vector<std::string>& filters) override;
  // Surfaces that print every drawing while the echo is on, so every frame counts as shown.
  Surface& GetSurface(SurfaceId id) override { return *surfaces_.at(id); }
  void ShowDrawingProgress() override {}
  bool DrawingProgressDue() override { return true; }
  Printer& GetPrinter() override { return printer_; }
  // A fixed screen of 1280 x 1024 pixels; caption, menus and pointer are kept for the dumps.
  void SetCaption(const std::string& caption) override;
  void EnableMenuItem(MenuId menu, int index, bool enabled) override;
  void CheckMenuItem(MenuId menu, int index, bool checked) override;
  void SetPointer(Pointer pointer) override;
  TwipsSize ScreenSize() override;
  void SetWindowGeometry(const TwipsRect& rect) override;
  // Closing ends the program; today is the script's date when it gave one.
  void CloseMainWindow() override;
  std::string Today() override;
  // Images and PNG pages go through whoever runs the script.
  ImageLoad LoadImage(const std::string& path, ImagePixels& out) override;
  bool SaveSheetPng(const SheetDrawing& sheet, const std::string& path) override;
  // The box is shown (OPEN Progress) at the first look at the cancel button: the work asks
  // after a fixed amount of it, so a script sees the box exactly when the work is long.
  bool LongWorkCancelled() override;
  void EndLongWork() override;
  // Prints SHOW Library; the script looks inside with the `library` commands.
  void ShowLibrary() override;
  ClipboardContent ReadClipboard() override { return clipboard_; }
  void WriteClipboard(const std::string& text) override;
  // What the script puts on the clipboard, as another program would.
  void SetClipboard(ClipboardContent content) { clipboard_ = std::move(content); }
  void DumpClipboard();
  double Clock() override { return clock_; }

 protected:
  // Nothing is printed yet: the box is shown only when the work first asks about it.
  void LongWorkBegun() override;
  // A palette box of another size gets a surface of that size (and the mirror image follows).
  void PicGeometryChanged(int index, const TwipsRect& before) override;

 private:
  std::optional<ScriptStep> Take(std::deque<ScriptStep>& queue);
  void Resize(SurfaceId id, TwipsSize client, TwipsSize outer);

  std::ostream& out_;
  std::deque<ScriptStep> answers_;
  std::deque<ScriptStep> replies_;
  std::map<DialogKind, std::deque<ScriptStep>> steps_;
  std::deque<ScriptStep> files_;
  std::function<ImageLoad(const std::string&, ImagePixels&)> decode_;
  std::function<bool(const SheetDrawing&, const std::string&)> writePng_;
  std::deque<ScriptStep> progressAnswers_;
  bool progressShown_ = false;

  std::string caption_;
  Pointer pointer_ = Pointer::Normal;
  std::map<std::pair<int, int>, bool> menus_;
  std::map<std::pair<int, int>, bool> checks_;
  TwipsRect window_;
  std::map<SurfaceId, std::unique_ptr<ScriptedSurface>> surfaces_;
  ScriptedPrinter printer_;
  std::string today_;
  ClipboardContent clipboard_;
  double clock_ = 1000;
  std::function<void(SurfaceId, TwipsSize)> resizeHook_;
};

}  // namespace gw
