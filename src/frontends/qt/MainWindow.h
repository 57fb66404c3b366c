#pragma once
#include <QMainWindow>
#include <QMap>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "App.h"

class QAction;
class QLabel;
class QScrollBar;

namespace gw {

class QtPlatform;

// The client area: shows the board image and the two palette boxes, forwards mouse events in
// board units (or palette-box units) to the core.
class BoardWidget : public QWidget {
 public:
  BoardWidget(QtPlatform& ui, App& app, QWidget* parent);
  // Called after every event the core handled: the window shows the zoom and scroll it chose.
  std::function<void()> changed;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The image at the widget's size and pixel ratio, drawn anew from the state.
  void Remake();

  // A drag held past the edge of a zoomed board goes on scrolling while the pointer rests.
  void DragTick();

  QtPlatform& ui_;
  App& app_;
  QTimer dragTimer_;
  QPointF dragAt_;
  int dragButtons_ = 0;
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
  BoardWidget* board() const { return board_; }
  // The scroll bars show the board's scroll while it is zoomed past the window, and hide
  // otherwise.
  void SyncScrollBars();
  // The status bar below the board, its text taken from the core twice a second and after
  // every event of the board while it shows.
  void ShowStatus(bool shown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenus();

  QtPlatform& ui_;
  App& app_;
  BoardWidget* board_;
  QScrollBar* hbar_;
  QScrollBar* vbar_;
  bool syncing_ = false;
  QLabel* status_ = nullptr;
  QTimer statusTimer_;
  void UpdateStatus();
  QMap<QPair<int, int>, QAction*> items_;
};

}  // namespace gw
