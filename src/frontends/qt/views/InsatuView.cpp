#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/views/Views.h"
#include "print/Insatu.h"
#include "frontends/qt/QtTr.h"

namespace gw {

void RunInsatuView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<Insatu&>(dialog);
  DialogView view(ui, dialog, QTr(kInsatuCaption));
  auto* grid = new QGridLayout(&view);
  QLineEdit* boxes[3];
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(new QLabel(QString::fromStdString(InsatuLabel(i)), &view), i, 0);
    boxes[i] = new QLineEdit(QString::fromStdString(dlg.Txt[i]), &view);
    boxes[i]->setObjectName(QString("Txt%1").arg(i));
    boxes[i]->setFixedWidth(80);
    boxes[i]->setAlignment(Qt::AlignRight);
    grid->addWidget(boxes[i], i, 1);
    grid->addWidget(new QLabel("mm", &view), i, 2);
  }
  auto* size = new QLabel(&view);
  size->setObjectName("Lbl3");
  grid->addWidget(size, 3, 0, 1, 4);
  auto* colour = new QCheckBox(QTr("カラープリンタ"), &view);
  colour->setObjectName("Check1");
  grid->addWidget(colour, 4, 0, 1, 2);
  auto* print = new QPushButton(QTr("印刷"), &view);
  print->setObjectName("Cmd0");
  print->setDefault(true);
  auto* back = new QPushButton(QTr("戻る"), &view);
  back->setObjectName("Cmd1");
  grid->addWidget(print, 0, 3);
  grid->addWidget(back, 1, 3);

  auto refresh = [&] {
    if (!dlg.open) return;
    size->setText(QString::fromStdString(dlg.Lbl3));
    colour->setChecked(dlg.Check1);
  };
  for (int i = 0; i < 3; ++i)
    QObject::connect(boxes[i], &QLineEdit::textEdited, &view, [&, i](const QString& text) {
      InsatuTextChange(app, dlg, i, text.toStdString());
      refresh();
    });
  QObject::connect(colour, &QCheckBox::clicked, &view, [&](bool on) { InsatuCheckClick(app, dlg, on); refresh(); });
  QObject::connect(print, &QPushButton::clicked, &view, [&] { InsatuPrintClick(app, dlg); refresh(); });
  QObject::connect(back, &QPushButton::clicked, &view, [&] { InsatuBackClick(app, dlg); });
  view.SetCloseHandler([&] { InsatuBackClick(app, dlg); });
  refresh();
  boxes[0]->setFocus();
  boxes[0]->selectAll();
  view.Run();
}

}  // namespace gw
