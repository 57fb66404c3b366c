#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "frontends/qt/QtTr.h"
#include "dialogs/Modecg.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/views/Views.h"

namespace gw {

void RunModecgView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<Modecg&>(dialog);
  DialogView view(ui, dialog, QTr(kModecgCaption));
  auto* layout = new QVBoxLayout(&view);
  auto* group = new QButtonGroup(&view);
  for (int n = 1; n <= 3; ++n) {
    auto* option = new QRadioButton(QString::fromStdString(ModecgOptionText(n)), &view);
    option->setObjectName(QString("Option%1").arg(n));
    option->setChecked(dlg.option == n);
    group->addButton(option, n);
    layout->addWidget(option);
  }
  QObject::connect(group, &QButtonGroup::idClicked, &view, [&](int n) { ModecgOptionClick(app, dlg, n); });
  auto* ok = new QPushButton("OK", &view);
  ok->setObjectName("Command1");
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  QObject::connect(ok, &QPushButton::clicked, &view, [&] { ModecgOk(app, dlg); });
  view.SetCloseHandler([&] { ModecgClose(app, dlg); });
  view.Run();
}

}  // namespace gw
