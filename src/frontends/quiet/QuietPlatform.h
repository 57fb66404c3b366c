#pragma once
// A platform with no screen: drawing goes nowhere (or to one surface given), message boxes are
// answered at once and their texts kept. Used where a solve must run without a window and as
// fast as the core allows: gwtool and the solver benchmark.
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace gw {

class NullSurface : public Surface {
 public:
  void Clear() override {}
  void SetScale(double left, double top, double width, double height) override {
    left_ = left, top_ = top, width_ = width, height_ = height;
  }
  double ScaleLeft() const override { return left_; }
  double ScaleTop() const override { return top_; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  TwipsSize ClientSize() const override { return {12000, 9000}; }
  TwipsSize OuterSize() const override { return {12240, 9960}; }
  void SetDrawMode(DrawMode) override {}
  void Line(double, double, double, double, Rgb) override {}
  void Box(double, double, double, double, Rgb) override {}
  void FillBox(double, double, double, double, Rgb) override {}
  void HatchBox(double, double, double, double, Rgb, Rgb) override {}
  void SetFontSize(double) override {}
  void PrintText(double, double, const std::string&, Rgb) override {}
  double TextWidth(const std::string&) override { return 1; }
  double TextHeight(const std::string&) override { return 1; }

 private:
  double left_ = 0, top_ = 0, width_ = 12000, height_ = 9000;
};

class NullPrinter : public Printer {
 public:
  bool Begin() override { return false; }
  bool BeginPdf(const std::string&) override { return false; }
  void SetFont(const std::string&, double) override {}
  double TextHeight(const std::string&) override { return 1; }
  void Text(double, double, Rgb, const std::string&) override {}
  void Line(double, double, double, double, int, Rgb) override {}
  void FillBox(double, double, double, double, Rgb) override {}
  void Point(double, double, Rgb) override {}
  bool End() override { return false; }
  std::string LastError() const override { return kNoPrinterText; }
};

class QuietPlatform : public Platform {
 public:
  // `main` is the main window's surface, or none to draw nowhere.
  explicit QuietPlatform(Surface* main = nullptr) : main_(main ? main : &null_) {}

  // The texts of the message boxes shown so far, in order.
  std::vector<std::string> messages;

  // Answers Yes to a question and OK to anything else.
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon, int,
                   const std::string&) override {
    messages.push_back(text);
    bool question = buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel;
    return question ? MsgResult::Yes : MsgResult::Ok;
  }
  InputResult InputBox(const std::string&, const std::string&, const std::string&) override {
    return {true, ""};
  }
  void ShowModal(Dialog& dialog) override { dialog.open = false; }
  void CloseDialog(Dialog& dialog) override { dialog.open = false; }
  TwipsSize ScreenSize() override { return {19200, 15360}; }
  void SetWindowGeometry(const TwipsRect&) override {}
  void SetCaption(const std::string&) override {}
  void EnableMenuItem(MenuId, int, bool) override {}
  void SetPointer(Pointer) override {}
  Surface& GetSurface(SurfaceId id) override { return id == SurfaceId::Main ? *main_ : null_; }
  Printer& GetPrinter() override { return printer_; }
  void ShowDrawingProgress() override {}
  bool DrawingProgressDue() override { return false; }
  void CloseMainWindow() override {}
  std::string Today() override { return "01-01-2000"; }

 private:
  NullSurface null_;
  Surface* main_;
  NullPrinter printer_;
};

}  // namespace gw
