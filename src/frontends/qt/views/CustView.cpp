#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "display/BoardLayout.h"
#include "mainwnd/MainWnd.h"
#include "frontends/qt/views/CustWidgets.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/views/Views.h"
#include "settings/Cust.h"
#include "frontends/qt/QtTr.h"

namespace gw {
namespace {

// The slot column: 1005 × 3600 twips, nine slots of 400 twips.
constexpr QSize kPicPixels(67, 240);

int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// Every widget of the dialog, refreshed from the dialog's state after each event.
struct CustWidgets {
  SlotColumn* pic = nullptr;
  ColourBox* swatch[kSwatchCount] = {};
  QScrollBar* bar[3] = {};
  QLabel* caption[3] = {};
  ColourBox* sample = nullptr;
  QLabel* help = nullptr;
  QCheckBox* check = nullptr;
  QRadioButton* option[3] = {};
};

void Refresh(App& app, const Cust& dlg, CustWidgets& w) {
  for (int i = 0; i < kSwatchCount; ++i) w.swatch[i]->SetColour(app.colors.ColorTable[i]);
  for (int j = 0; j < 3; ++j) {
    QSignalBlocker block(w.bar[j]);
    w.bar[j]->setValue(dlg.HSc[j]);
    w.caption[j]->setText(QString::fromStdString(dlg.Lblc[j]));
  }
  w.sample->SetColour(dlg.sample);
  w.help->setText(ShownText(dlg.Lbli));
  w.check->setChecked(dlg.Check1);
  for (int i = 0; i < 3; ++i) w.option[i]->setChecked(dlg.Opt == i);
  w.pic->update();
}

QGroupBox* SlotFrame(QWidget* parent, QtPlatform& ui, CustWidgets& w) {
  auto* frame = new QGroupBox(QTr("色マス設定"), parent);
  frame->setFixedSize(Px(5000), Px(4200));
  auto* standard = new QLabel("QBcolor", frame);
  standard->move(Px(kSwatchLeft), Px(kSwatchTop - 300));
  for (int i = 0; i < kSwatchCount; ++i) {
    TwipsRect r = SwatchRect(i);
    w.swatch[i] = new ColourBox(frame);
    w.swatch[i]->setObjectName(QString("LblCol%1").arg(i));
    w.swatch[i]->setGeometry(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
  }
  auto* made = new QLabel(QTr("作成した色"), frame);
  made->move(Px(kSwatchLeft), Px(SwatchRect(8).top + 1.1 * kSwatchSize + 60));
  w.pic = new SlotColumn(ui.Image(SurfaceId::CustPic), frame);
  w.pic->setObjectName("Pic");
  w.pic->setGeometry(Px(3800), Px(360), kPicPixels.width(), kPicPixels.height());
  return frame;
}

QGroupBox* MixFrame(QWidget* parent, CustWidgets& w) {
  auto* frame = new QGroupBox(QTr("色の作成"), parent);
  auto* layout = new QVBoxLayout(frame);
  auto* bars = new QHBoxLayout;
  auto* column = new QVBoxLayout;
  for (int j = 0; j < 3; ++j) {
    w.caption[j] = new QLabel(frame);
    w.caption[j]->setObjectName(QString("Lblc%1").arg(j));
    w.bar[j] = new QScrollBar(Qt::Horizontal, frame);
    w.bar[j]->setObjectName(QString("HSc%1").arg(j));
    w.bar[j]->setRange(0, 255);
    w.bar[j]->setFixedWidth(200);
    column->addWidget(w.caption[j]);
    column->addWidget(w.bar[j]);
  }
  bars->addLayout(column);
  w.sample = new ColourBox(frame);
  w.sample->setObjectName("LblS");
  w.sample->setFixedSize(60, 60);
  bars->addWidget(w.sample, 0, Qt::AlignCenter);
  layout->addLayout(bars);
  w.help = new QLabel(frame);
  w.help->setObjectName("Lbli");
  w.help->setWordWrap(true);
  w.help->setFixedWidth(300);
  layout->addWidget(w.help);
  return frame;
}

QGroupBox* CheckFrame(QWidget* parent, CustWidgets& w) {
  auto* frame = new QGroupBox(QTr("数字チェック"), parent);
  auto* layout = new QVBoxLayout(frame);
  w.check = new QCheckBox(QTr("自動でチェックする"), frame);
  w.check->setObjectName("Check1");
  layout->addWidget(w.check);
  return frame;
}

QGroupBox* MarkFrame(QWidget* parent, CustWidgets& w) {
  auto* frame = new QGroupBox(QTr("空マスのマーク"), parent);
  auto* layout = new QHBoxLayout(frame);
  auto* group = new QButtonGroup(frame);
  for (int i = 0; i < 3; ++i) {
    w.option[i] = new QRadioButton(QString::fromStdString(CustMarkText(i)), frame);
    w.option[i]->setObjectName(QString("Opt%1").arg(i));
    group->addButton(w.option[i], i);
    layout->addWidget(w.option[i]);
  }
  return frame;
}

}  // namespace

void RunCustView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<Cust&>(dialog);
  ImageSurface& image = ui.Image(SurfaceId::CustPic);
  qreal ratio = qApp->devicePixelRatio();
  if (image.LogicalSize() != kPicPixels || image.PixelRatio() != ratio) {
    image.Resize(kPicPixels, ratio);
    image.SetOuterSize(image.ClientSize());
    CustPaint(app, dlg);
  }

  DialogView view(ui, dialog, QTr(kCustCaption));
  CustWidgets w;
  auto* grid = new QGridLayout(&view);
  grid->addWidget(SlotFrame(&view, ui, w), 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(MixFrame(&view, w), 0, 1);
  grid->addWidget(CheckFrame(&view, w), 1, 1);
  grid->addWidget(MarkFrame(&view, w), 2, 1);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("OK", &view);
  ok->setObjectName("Cmd0");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QTr("ｷｬﾝｾﾙ"), &view);
  cancel->setObjectName("Cmd1");
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  grid->addLayout(buttons, 3, 0, 1, 2);

  // Every event goes to the core; the widgets then show the state it left.
  auto refresh = [&] {
    if (dlg.open) Refresh(app, dlg, w);
  };
  w.pic->onPress = [&](double y) { CustPicMouseDown(app, dlg, y); refresh(); };
  for (int i = 0; i < kSwatchCount; ++i) {
    w.swatch[i]->onClick = [&, i] { CustSwatchClick(app, dlg, i); refresh(); };
    w.swatch[i]->onDoubleClick = [&, i] { CustSwatchDblClick(app, dlg, i); refresh(); };
    if (SwatchAcceptsDrop(i)) w.swatch[i]->AcceptColourDrops([&, i] { CustSwatchDrop(app, dlg, i); refresh(); });
  }
  w.sample->MakeDragSource([&] { CustSampleMouseDown(app, dlg); });
  for (int j = 0; j < 3; ++j)
    QObject::connect(w.bar[j], &QScrollBar::valueChanged, &view, [&, j](int v) {
      CustBarChange(app, dlg, j, v);
      refresh();
    });
  QObject::connect(w.check, &QCheckBox::clicked, &view, [&](bool on) { CustCheckClick(app, dlg, on); refresh(); });
  for (int i = 0; i < 3; ++i)
    QObject::connect(w.option[i], &QRadioButton::clicked, &view, [&, i] { CustOptClick(app, dlg, i); refresh(); });
  QObject::connect(ok, &QPushButton::clicked, &view, [&] { CustOk(app, dlg); refresh(); });
  QObject::connect(cancel, &QPushButton::clicked, &view, [&] { CustCancel(app, dlg); refresh(); });
  view.SetCloseHandler([&] { CustClose(app, dlg); refresh(); });
  Refresh(app, dlg, w);
  view.Run();
  // The dialog lay over the main window: uncovering it is the repaint at which the new colours
  // and marks show, as it would be on a window that keeps no picture of its own.
  MainWndPaint(app);
  for (QWidget* top : QApplication::topLevelWidgets()) top->update();
}

}  // namespace gw
