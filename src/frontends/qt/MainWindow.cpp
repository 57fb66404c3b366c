#include "frontends/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QMenuBar>
#include <QMouseEvent>
#include <QGridLayout>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "display/Viewport.h"
#include "text/Tr.h"
#include "mainwnd/MainWnd.h"
#include "mainwnd/Menus.h"
#include "mainwnd/StatusLine.h"
#include "frontends/qt/HighlightTint.h"
#include "frontends/qt/QtPlatform.h"

namespace gw {
namespace {

int ButtonCode(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
  }
}

int HeldButtons(Qt::MouseButtons held) {
  return (held & Qt::LeftButton ? kLeftButton : 0) | (held & Qt::RightButton ? kRightButton : 0) |
         (held & Qt::MiddleButton ? kMiddleButton : 0);
}

QRectF PicRect(const TwipsRect& r) {
  return QRectF(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
                r.height / kTwipsPerPixel);
}

int ArrowCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    default: return 0;
  }
}

// The key codes of keyboard play (Qt's codes of the digits and X are their characters already).
int KeyCodeOf(int qtKey) {
  if (int arrow = ArrowCode(qtKey)) return arrow;
  if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9) return qtKey;
  switch (qtKey) {
    case Qt::Key_Space: return kKeySpace;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_X: return kKeyX;
    default: return 0;
  }
}

QList<QKeySequence> KeySequences(const std::vector<std::string>& keys) {
  QList<QKeySequence> list;
  for (const std::string& k : keys) list << QKeySequence::fromString(QString::fromStdString(k));
  return list;
}

}  // namespace

BoardWidget::BoardWidget(QtPlatform& ui, App& app, QWidget* parent) : QWidget(parent), ui_(ui), app_(app) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  dragTimer_.setInterval(60);
  connect(&dragTimer_, &QTimer::timeout, this, [this] { DragTick(); });
}

void BoardWidget::paintEvent(QPaintEvent*) {
  // Moved to a screen of another scale: the picture is made anew at the new pixel ratio.
  if (ui_.Image(SurfaceId::Main).PixelRatio() != devicePixelRatioF()) Remake();
  QPainter p(this);
  // The images carry the screen's pixel ratio: each of their pixels is one of the screen's.
  p.drawImage(QPointF(0, 0), ui_.Image(SurfaceId::Main).image());
  for (int i = 0; i < 2; ++i) {
    QRectF r = PicRect(ui_.PicGeometry(i));
    if (r.width() > 0 && r.height() > 0)
      p.drawImage(r.topLeft(), ui_.Image(i == 0 ? SurfaceId::Pic0 : SurfaceId::Pic1).image());
  }
  PaintBoardOverlay(p, ui_.Image(SurfaceId::Main), app_.layout);
}

void BoardWidget::resizeEvent(QResizeEvent*) {
  Remake();
  update();
  if (changed) changed();
}

void BoardWidget::Remake() {
  ImageSurface& main = ui_.Image(SurfaceId::Main);
  main.Resize(size(), devicePixelRatioF());
  QSize outer = window()->frameGeometry().size();
  main.SetOuterSize({outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel});
  // A size change redraws everything from the state (and ends any highlight over it).
  EndHighlight(app_, HighlightEnd::Action);
  MainWndPaint(app_);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  int button = ButtonCode(event->button());
  if (button == 0) return;
  EndHighlight(app_, HighlightEnd::Action);
  QPointF pos = event->position();
  for (int i = 0; i < 2; ++i) {
    QRectF r = PicRect(ui_.PicGeometry(i));
    if (!r.contains(pos)) continue;
    ImageSurface& pic = ui_.Image(i == 0 ? SurfaceId::Pic0 : SurfaceId::Pic1);
    QPointF u = pic.ToUser(pos - r.topLeft());
    PicMouseDown(app_, i, button, 0, u.x(), u.y());
    update();
    return;
  }
  QPointF u = ui_.Image(SurfaceId::Main).ToUser(pos);
  MainWndMouseDown(app_, button, 0, u.x(), u.y());
  update();
  if (changed) changed();
}

// Ctrl with the wheel zooms about the pointer; the wheel alone scrolls a zoomed board three cells
// a notch, sideways with Shift.
void BoardWidget::wheelEvent(QWheelEvent* event) {
  int notches = event->angleDelta().y() / 120;
  if (notches == 0) notches = event->angleDelta().x() / 120;
  if (notches == 0) return;
  QPointF u = ui_.Image(SurfaceId::Main).ToUser(event->position());
  EndHighlight(app_, HighlightEnd::Action);
  if (event->modifiers() & Qt::ControlModifier) ZoomBoard(app_, notches, u.x(), u.y());
  else if (event->modifiers() & Qt::ShiftModifier) ScrollBoardBy(app_, -3.0 * notches, 0);
  else ScrollBoardBy(app_, 0, -3.0 * notches);
  update();
  if (changed) changed();
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  QPointF u = ui_.Image(SurfaceId::Main).ToUser(event->position());
  if (event->buttons() != Qt::NoButton) EndHighlight(app_, HighlightEnd::Action);  // a drag is an action
  MainWndMouseMove(app_, HeldButtons(event->buttons()), 0, u.x(), u.y());
  update();
  if (event->buttons() == Qt::NoButton) return;
  dragAt_ = event->position();
  dragButtons_ = HeldButtons(event->buttons());
  if (app_.layout.view.zoomed && !dragTimer_.isActive()) dragTimer_.start();
  if (changed) changed();
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton) return;
  dragTimer_.stop();
  MainWndMouseUp(app_);
}

void BoardWidget::DragTick() {
  if (QGuiApplication::mouseButtons() == Qt::NoButton || !app_.layout.view.zoomed) {
    dragTimer_.stop();
    return;
  }
  QPointF u = ui_.Image(SurfaceId::Main).ToUser(dragAt_);
  MainWndMouseMove(app_, dragButtons_, 0, u.x(), u.y());
  update();
  if (changed) changed();
}

// Keys outside number input mode (whose key preview takes them first): keyboard play.
void BoardWidget::keyPressEvent(QKeyEvent* event) {
  int code = KeyCodeOf(event->key());
  if (code == 0 || ui_.KeyPreview() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    QWidget::keyPressEvent(event);
    return;
  }
  // A held Space or X would paint and clear the same cell by turns; only arrows repeat.
  bool arrow = code >= kKeyLeft && code <= kKeyDown;
  if (event->isAutoRepeat() && !arrow) return;
  EndHighlight(app_, HighlightEnd::Action);
  MainWndKeyDown(app_, code, event->modifiers() & Qt::ShiftModifier ? kShiftDown : 0);
  update();
  if (changed) changed();
}

MainWindow::MainWindow(QtPlatform& ui, App& app)
    : ui_(ui), app_(app), board_(nullptr), hbar_(new QScrollBar(Qt::Horizontal)), vbar_(new QScrollBar(Qt::Vertical)) {
  // The scroll bars take no room while hidden: the board fills the window as it always did.
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  board_ = new BoardWidget(ui, app, central);
  grid->addWidget(board_, 0, 0);
  grid->addWidget(vbar_, 0, 1);
  grid->addWidget(hbar_, 1, 0);
  hbar_->hide();
  vbar_->hide();
  setCentralWidget(central);
  board_->changed = [this] {
    SyncScrollBars();
    UpdateStatus();
  };
  auto scrolled = [this] {
    if (syncing_) return;
    ScrollBoardTo(app_, hbar_->value() / 100.0, vbar_->value() / 100.0);
    board_->update();
  };
  connect(hbar_, &QScrollBar::valueChanged, this, scrolled);
  connect(vbar_, &QScrollBar::valueChanged, this, scrolled);
  BuildMenus();
  qApp->installEventFilter(this);
}

void MainWindow::BuildMenus() {
  for (const MenuDef& def : MenuBar()) {
    QMenu* menu = menuBar()->addMenu(QString::fromStdString(Tr(def.caption.c_str())));
    for (int i = 0; i < static_cast<int>(def.items.size()); ++i) {
      if (def.items[i].command == Command::None) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(QString::fromStdString(Tr(def.items[i].caption.c_str())));
      MenuId id = def.id;
      connect(action, &QAction::triggered, this, [this, id, i] {
        EndHighlight(app_, HighlightEnd::Action);
        MenuClick(app_, id, i);
        board_->update();
        SyncScrollBars();
      });
      items_[{static_cast<int>(id), i}] = action;
    }
  }
  QAction* help = menuBar()->addAction(QString::fromStdString(Tr(kHelpCaption)));
  connect(help, &QAction::triggered, this, [this] { HelpClick(app_); });
  // A disabled action takes no shortcut: each key works exactly while its item does.
  for (const MenuShortcut& s : MenuShortcuts()) {
    std::optional<MenuPlace> place = PlaceOf(s.command);
    QAction* action = s.command == Command::Help ? help
                      : place ? items_.value({static_cast<int>(place->menu), place->index}) : nullptr;
    if (action) action->setShortcuts(KeySequences(s.keys));
  }
}

void MainWindow::SetOuterGeometry(const TwipsRect& rect) {
  QRect frame = frameGeometry(), inner = geometry();
  int dw = frame.width() - inner.width(), dh = frame.height() - inner.height();
  int w = static_cast<int>(std::lround(rect.width / kTwipsPerPixel));
  int h = static_cast<int>(std::lround(rect.height / kTwipsPerPixel));
  move(static_cast<int>(rect.left / kTwipsPerPixel), static_cast<int>(rect.top / kTwipsPerPixel));
  resize(std::max(200, w - dw), std::max(150, h - dh));
}

void MainWindow::EnableItem(MenuId menu, int index, bool enabled) {
  if (QAction* a = items_.value({static_cast<int>(menu), index})) a->setEnabled(enabled);
}

// The tick follows the option in the core; the click itself only asks the core to turn it over.
void MainWindow::CheckItem(MenuId menu, int index, bool checked) {
  QAction* a = items_.value({static_cast<int>(menu), index});
  if (!a) return;
  a->setCheckable(true);
  a->setChecked(checked);
}

void MainWindow::RepaintBoardNow() { board_->repaint(); }

void MainWindow::ShowStatus(bool shown) {
  if (shown && !status_) {
    status_ = new QLabel;
    statusBar()->addWidget(status_, 1);
    statusTimer_.setInterval(500);
    connect(&statusTimer_, &QTimer::timeout, this, [this] { UpdateStatus(); });
  }
  if (!status_) return;
  statusBar()->setVisible(shown);
  if (shown) statusTimer_.start();
  else statusTimer_.stop();
  UpdateStatus();
}

void MainWindow::UpdateStatus() {
  if (!status_ || !statusBar()->isVisible()) return;
  QString text = QString::fromStdString(StatusText(app_));
  if (status_->text() != text) status_->setText(text);
}

// In hundredths of a cell: a step is a cell, a page what the board's share of the window shows.
void MainWindow::SyncScrollBars() {
  const BoardView& v = app_.layout.view;
  syncing_ = true;
  auto sync = [&](QScrollBar* bar, double most, double scroll, double page) {
    bool shown = v.zoomed && most > 0;
    if (shown) {
      bar->setRange(0, static_cast<int>(std::lround(most * 100)));
      bar->setSingleStep(100);
      bar->setPageStep(std::max(100, static_cast<int>(page * 100)));
      bar->setValue(static_cast<int>(std::lround(scroll * 100)));
    }
    bar->setVisible(shown);
  };
  sync(hbar_, v.maxScrollX, v.scrollX, v.visRight - v.pinX);
  sync(vbar_, v.maxScrollY, v.scrollY, v.visBottom - v.pinY);
  syncing_ = false;
}

// The key preview of number input mode: keys reach the board before any focused control, but only
// keys typed in this window (not in a dialog over it).
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  // The help command stands on the menu bar itself: its access key runs it at once, as the
  // access key of a menu opens that menu.
  if (key->key() == Qt::Key_H && key->modifiers() == Qt::AltModifier) {
    HelpClick(app_);
    return true;
  }
  if (!ui_.KeyPreview()) return false;
  if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;  // menu keys
  bool handled = false;
  if (int code = ArrowCode(key->key())) {
    MainWndKeyDown(app_, code);
    handled = true;
  }
  QString text = key->text();
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) text = QString(QChar(kCharEnter));
  if (text.size() == 1 && !handled) {
    MainWndKeyPress(app_, text[0].unicode());
    handled = true;
  }
  if (handled) {
    EndHighlight(app_, HighlightEnd::Action);
    board_->update();
  }
  return handled;
}

// The play timer runs while this window is the active one and not minimised.
void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowStateChange)
    MainWndActivated(app_, isActiveWindow() && !isMinimized());
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  MainWndClosed(app_);
  ui_.CloseLibrary();
  event->accept();
}

}  // namespace gw
