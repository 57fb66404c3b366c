#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "dialogs/Sizein.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/views/Views.h"
#include "frontends/qt/QtTr.h"

namespace gw {
namespace {

// The line sketch of a puzzle: column hints top right, row hints bottom left, board bottom right.
class PuzzleSketch : public QWidget {
 public:
  explicit PuzzleSketch(QWidget* parent) : QWidget(parent) { setFixedSize(180, 150); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    const int hintW = 60, hintH = 50, boardW = 110, boardH = 90, x0 = 5, y0 = 5;
    QRect colHints(x0 + hintW, y0, boardW, hintH);
    QRect rowHints(x0, y0 + hintH, hintW, boardH);
    QRect board(x0 + hintW, y0 + hintH, boardW, boardH);
    p.drawRect(colHints);
    p.drawRect(rowHints);
    p.drawRect(board);
    for (int i = 1; i < 5; ++i) {
      int x = board.left() + i * boardW / 5, y = board.top() + i * boardH / 5;
      p.drawLine(x, colHints.top(), x, board.bottom());
      p.drawLine(rowHints.left(), y, board.right(), y);
    }
  }
};

}  // namespace

void RunSizeinView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<Sizein&>(dialog);
  DialogView view(ui, dialog, QTr(kSizeinCaption));
  auto* grid = new QGridLayout(&view);
  grid->addWidget(new QLabel(QTr(kSizeinPrompt), &view), 0, 0, 1, 4);
  grid->addWidget(new QLabel(QTr(kSizeinNote), &view), 1, 0, 1, 4);
  grid->addWidget(new PuzzleSketch(&view), 2, 0, 3, 2);

  QLineEdit* boxes[4];
  for (int i = 0; i < 4; ++i) {
    boxes[i] = new QLineEdit(QString::fromStdString(dlg.Text[i]), &view);
    boxes[i]->setObjectName(QString("Text%1").arg(i + 1));
    boxes[i]->setEnabled(dlg.enabled[i]);
    boxes[i]->setFixedWidth(60);
  }
  auto labelled = [&](int i) {
    auto* cell = new QWidget(&view);
    auto* l = new QVBoxLayout(cell);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QString::fromStdString(SizeinLabel(i)), cell));
    l->addWidget(boxes[i]);
    return cell;
  };
  // X boxes below the sketch (hint count under the row hints, size under the board), Y boxes to
  // its right (hint count beside the column hints, size beside the board).
  grid->addWidget(labelled(0), 5, 0);
  grid->addWidget(labelled(1), 5, 1);
  grid->addWidget(labelled(2), 2, 2);
  grid->addWidget(labelled(3), 3, 2);
  QWidget::setTabOrder(boxes[0], boxes[1]);
  QWidget::setTabOrder(boxes[1], boxes[2]);
  QWidget::setTabOrder(boxes[2], boxes[3]);

  auto* ok = new QPushButton(QTr("ＯＫ"), &view);
  ok->setObjectName("Command1");
  ok->setDefault(true);
  grid->addWidget(ok, 5, 2, Qt::AlignRight | Qt::AlignBottom);
  QWidget::setTabOrder(boxes[3], ok);
  auto press = [&](auto handler) {
    for (int i = 0; i < 4; ++i)
      if (dlg.enabled[i]) dlg.Text[i] = boxes[i]->text().toStdString();
    handler(app, dlg);
  };
  QObject::connect(ok, &QPushButton::clicked, &view, [&] { press(SizeinOk); });
  view.SetCloseHandler([&] { press(SizeinClose); });
  for (int i = 0; i < 4; ++i)
    if (dlg.enabled[i]) {
      boxes[i]->setFocus();
      boxes[i]->selectAll();
      break;
    }
  view.Run();
}

}  // namespace gw
