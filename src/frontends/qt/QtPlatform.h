#pragma once
#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <array>
#include <memory>

#include "platform/Platform.h"
#include "frontends/qt/ImageSurface.h"

class QDialog;
class QProgressDialog;

namespace gw {

class LibraryView;
class MainWindow;
class QtPrinter;

// The real window, its dialogs and the printer.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void SetWindow(MainWindow* window) { window_ = window; }
  App& app() const { return *BoundApp(); }
  ImageSurface& Image(SurfaceId id);
  // A dialog view registers itself while it is shown, so CloseDialog can end it.
  void RegisterView(Dialog* dialog, QDialog* view) { views_[dialog] = view; }
  void UnregisterView(Dialog* dialog) { views_.remove(dialog); }

  // Qt's message and input boxes, and each dialog's view, shown modally over the window.
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton,
                   const std::string& title) override;
  InputResult InputBox(const std::string& prompt, const std::string& title,
                       const std::string& preset) override;
  void ShowModal(Dialog& dialog) override;
  void CloseDialog(Dialog& dialog) override;
  // The main window on the desktop: its frame, caption, menu actions, pointer and end.
  TwipsSize ScreenSize() override;
  void SetWindowGeometry(const TwipsRect& rect) override;
  void SetCaption(const std::string& caption) override;
  void EnableMenuItem(MenuId menu, int index, bool enabled) override;
  void CheckMenuItem(MenuId menu, int index, bool checked) override;
  void ShowStatusBar(bool shown) override;
  void SetPointer(Pointer pointer) override;
  void CloseMainWindow() override;
  // Images the board view paints, shown at most about 30 times a second during long drawings.
  Surface& GetSurface(SurfaceId id) override { return Image(id); }
  void ShowDrawingProgress() override;
  bool DrawingProgressDue() override;
  void HighlightChanged() override;
  // The printer, the clock, the desktop's file dialog and Qt's image files.
  Printer& GetPrinter() override;
  std::string Today() override;
  SystemFileChoice ChooseSystemFile(bool save, const std::string& title,
                                    const std::vector<std::string>& filters) override;
  ImageLoad LoadImage(const std::string& path, ImagePixels& out) override;
  bool SaveSheetPng(const SheetDrawing& sheet, const std::string& path) override;
  // The box with キャンセル appears only once the work has run for half a second (or the
  // delay set, for tests).
  void SetProgressDelay(int ms) { progressDelayMs_ = ms; }
  bool LongWorkCancelled() override;
  void EndLongWork() override;
  void ShowLibrary() override;
  std::string ChooseFolder(const std::string& title) override;
  ClipboardContent ReadClipboard() override;
  void WriteClipboard(const std::string& text) override;
  LibraryView* library() const { return library_.get(); }
  // The main window closed: the library goes with it, its timer stopped.
  void CloseLibrary();

 protected:
  void PicGeometryChanged(int index, const TwipsRect& before) override;
  void LongWorkBegun() override;

 private:
  MainWindow* window_ = nullptr;
  // By SurfaceId: every cell drawn looks its surface up.
  std::array<std::unique_ptr<ImageSurface>, 4> images_;
  QMap<Dialog*, QDialog*> views_;
  bool busy_ = false;
  QElapsedTimer sinceShown_;
  std::unique_ptr<QtPrinter> printer_;
  QString lastFolder_;  // where the desktop file dialog opens next
  QElapsedTimer longWork_;
  int progressDelayMs_ = 500;
  std::unique_ptr<QProgressDialog> progress_;
  std::unique_ptr<LibraryView> library_;
};

// Message box texts break lines at CR; Qt breaks them at LF.
QString ShownText(const std::string& text);

}  // namespace gw
