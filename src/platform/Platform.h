#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/ImagePixels.h"
#include "platform/SheetDrawing.h"
#include "platform/Printer.h"
#include "platform/Surface.h"

namespace gw {

struct App;

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Warning, Question };
enum class MsgResult { Ok, Cancel, Yes, No };

// Cancel and an empty reply mean the same to every caller; `cancelled` only lets a script and a
// log tell them apart.
struct InputResult {
  bool cancelled = false;
  std::string text;
};

enum class MenuId { File, Edit, Option, Cust, Tools, About, View };
enum class Pointer { Normal, Busy };
enum class SurfaceId { Main, Pic0, Pic1, CustPic };

// What the clipboard holds: text (UTF-8), or something else that is not text.
struct ClipboardContent {
  enum class Kind { Empty, Text, Image, Other } kind = Kind::Empty;
  std::string text;
};

// What the desktop's own file dialog gave: the path ("" when cancelled) and the filter chosen.
struct SystemFileChoice {
  std::string path;
  int filter = 0;
};

struct TwipsRect {
  double left = 0, top = 0, width = 0, height = 0;
};

// What the core last told the window about itself, kept once here for every front end.
struct WindowFacts {
  TwipsRect pics[2];  // the palette boxes Pic(0), Pic(1)
  bool keyPreview = false;
  std::string longWorkText;  // the text of the long piece of work under way
};

// Everything outside the process's memory that the logic uses, except the text files
// (platform/TextFile.h), which need no toolkit.
class Platform {
 public:
  virtual ~Platform() = default;

  // Called once by App's constructor: the platform calls the core's handlers with it.
  void Bind(App& app) { app_ = &app; }

  // An empty title means the application's title. `defaultButton` counts from 1.
  virtual MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           int defaultButton, const std::string& title) = 0;
  virtual InputResult InputBox(const std::string& prompt, const std::string& title,
                               const std::string& preset) = 0;

  // Runs the dialog modally: returns when a handler has called CloseDialog (or the user closed
  // it by the frame, which each dialog's own close handler decides about).
  virtual void ShowModal(Dialog& dialog) = 0;
  virtual void CloseDialog(Dialog& dialog) = 0;

  virtual TwipsSize ScreenSize() = 0;
  virtual void SetWindowGeometry(const TwipsRect& rect) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void EnableMenuItem(MenuId menu, int index, bool enabled) = 0;
  // Number input takes the keys before any control of the window while this is on.
  void SetKeyPreview(bool on) { facts_.keyPreview = on; }
  bool KeyPreview() const { return facts_.keyPreview; }
  virtual void SetPointer(Pointer pointer) = 0;

  virtual Surface& GetSurface(SurfaceId id) = 0;
  // Places one of the palette boxes Pic(0), Pic(1) on the main window's client area (twips).
  void SetPicGeometry(int index, const TwipsRect& rect) {
    TwipsRect before = facts_.pics[PicSlot(index)];
    facts_.pics[PicSlot(index)] = rect;
    PicGeometryChanged(PicSlot(index), before);
  }
  TwipsRect PicGeometry(int index) const { return facts_.pics[PicSlot(index)]; }
  virtual Printer& GetPrinter() = 0;

  // Lets the window show what was drawn so far, at a bounded rate, without taking any input:
  // long operations (the automatic solver) call it after each drawing step.
  virtual void ShowDrawingProgress() = 0;
  // Whether ShowDrawingProgress would show a frame now: drawings that only matter while they are
  // on screen (the highlight of the line being solved) can be left out of the frames never shown.
  virtual bool DrawingProgressDue() = 0;

  // The main window closes and the program ends.
  virtual void CloseMainWindow() = 0;

  // Today's date as mm-dd-yyyy.
  virtual std::string Today() = 0;

  // --- added features; platforms without a window may leave them as they are ----------------

  // The tint of the board's highlight (display/Highlight.h) changed: the window paints it anew.
  virtual void HighlightChanged() {}
  // Shows or takes away the tick beside a menu item that turns an option on and off.
  virtual void CheckMenuItem(MenuId, int /*index*/, bool /*checked*/) {}
  // Shows or hides the status bar below the board (mainwnd/StatusLine.h holds its text).
  virtual void ShowStatusBar(bool /*shown*/) {}
  // A long piece of work: BeginLongWork before it, LongWorkCancelled now and then while it runs
  // (the window may show a box with キャンセル and take its events; true once it was pressed),
  // EndLongWork after it.
  void BeginLongWork(const std::string& text) {
    facts_.longWorkText = text;
    LongWorkBegun();
  }
  const std::string& LongWorkText() const { return facts_.longWorkText; }
  virtual bool LongWorkCancelled() { return false; }
  virtual void EndLongWork() {}

  // Import and export of foreign files. The desktop's standard file dialog (it remembers its
  // folder between calls): `filters` are "label (*.a *.b)" texts, the choice tells which one was
  // selected, and an empty path means cancelled.
  virtual SystemFileChoice ChooseSystemFile(bool /*save*/, const std::string& /*title*/,
                                            const std::vector<std::string>& /*filters*/) {
    return {};
  }
  // Decodes an image file (PNG, JPEG, BMP, GIF): Read, or why not (TooLarge by its header, beyond
  // ImageSizeAllowed; Cancelled when the user stopped a long decode).
  virtual ImageLoad LoadImage(const std::string&, ImagePixels&) { return ImageLoad::Unreadable; }
  // Writes the drawing as a PNG file; false when it cannot.
  virtual bool SaveSheetPng(const SheetDrawing&, const std::string&) { return false; }

  // The library window (ツール > ライブラリ): shown, or raised when it is open; it reads and
  // changes app.library through the core's library commands.
  virtual void ShowLibrary() {}
  // A folder chosen in the desktop's folder dialog; "" when cancelled.
  virtual std::string ChooseFolder(const std::string& /*title*/) { return ""; }
  // The desktop's clipboard (編集 > 問題をコピー, 問題を貼り付け).
  virtual ClipboardContent ReadClipboard() { return {}; }
  virtual void WriteClipboard(const std::string& /*text*/) {}
  // Seconds on a clock that only runs forward: the play timer's.
  virtual double Clock() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }

 protected:
  // After SetPicGeometry has stored the box's new place (PicGeometry) in place of `before`.
  virtual void PicGeometryChanged(int /*index*/, const TwipsRect& /*before*/) {}
  // After BeginLongWork has stored the text.
  virtual void LongWorkBegun() {}
  // The program bound, if any.
  App* BoundApp() const { return app_; }
  // A new program starts in the same window: nothing of the last one is kept.
  void ForgetWindow() {
    facts_ = {};
    app_ = nullptr;
  }

 private:
  static int PicSlot(int index) { return index == 0 ? 0 : 1; }
  WindowFacts facts_;
  App* app_ = nullptr;
};

}  // namespace gw
