#pragma once
#include <QMainWindow>
#include <QMap>
#include <QWidget>

#include "App.h"

class QAction;

namespace gw {

class QtPlatform;

// The client area: shows the board image and the two palette boxes, forwards mouse events in
// board units (or palette-box units) to the core.
class BoardView : public QWidget {
 public:
  BoardView(QtPlatform& ui, App& app, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The image at the widget's size and pixel ratio, drawn anew from the state.
  void Remake();

  QtPlatform& ui_;
  App& app_;
};

// MainWnd: the menu bar and the board.
class MainWindow : public QMainWindow {
 public:
  MainWindow(QtPlatform& ui, App& app);

  void SetOuterGeometry(const TwipsRect& rect);
  void EnableItem(MenuId menu, int index, bool enabled);
  void CheckItem(MenuId menu, int index, bool checked);
  // Paints the board at once, without handling any events (drawing progress of long operations).
  void RepaintBoardNow();
  BoardView* board() const { return board_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenus();

  QtPlatform& ui_;
  App& app_;
  BoardView* board_;
  QMap<QPair<int, int>, QAction*> items_;
};

}  // namespace gw
