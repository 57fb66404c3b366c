#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "frontends/qt/QtTr.h"
#include "dialogs/FileSel2.h"
#include "text/Utf8.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/views/Views.h"

namespace gw {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
// Entries hold file names as bytes on disk: shown through the core's one decoder.
QString Name(const std::string& s) { return Q(ValidUtf8(s)); }

// An entry is shown in two columns split at its TAB, so that the marks line up as tab stops
// would line them up.
void Fill(const FileSel2& dlg, QTreeWidget* list) {
  QSignalBlocker block(list);
  list->clear();
  for (size_t i = 0; i < dlg.entries.size(); ++i) {
    QString text = Name(dlg.entries[i]);
    int tab = text.indexOf('\t');
    auto* item = new QTreeWidgetItem(list, {text.left(tab), tab < 0 ? QString() : text.mid(tab + 1)});
    if (static_cast<int>(i) == dlg.selected) {
      list->setCurrentItem(item);
      item->setSelected(true);
    }
  }
  list->resizeColumnToContents(0);
}

}  // namespace

void RunFileSel2View(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<FileSel2&>(dialog);
  DialogView view(ui, dialog, QTr(kFileSel2Caption));
  auto* layout = new QVBoxLayout(&view);
  auto* folder = new QLabel(Name(dlg.folder), &view);
  folder->setObjectName("Lbl0");
  layout->addWidget(folder);

  auto* list = new QTreeWidget(&view);
  list->setObjectName("List1");
  list->setColumnCount(2);
  list->setHeaderHidden(true);
  list->setRootIsDecorated(false);
  list->setMinimumSize(520, 260);
  layout->addWidget(list);
  for (int i = 1; i <= 2; ++i) {
    auto* note = new QLabel(Q(FileSel2Note(i)), &view);
    note->setObjectName(QString("Lbl%1").arg(i));
    layout->addWidget(note);
  }
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(Q(FileSel2Button(i)), &view);
    b->setObjectName(QString("Cmd%1").arg(i));
    b->setDefault(i == 0);
    row->addWidget(b);
    QObject::connect(b, &QPushButton::clicked, &view, [&, i] {
      CmdClick(app, dlg, i);
      if (dlg.open) Fill(dlg, list);
    });
  }
  layout->addLayout(row);

  // The selection, not the focus frame, is what OK opens.
  QObject::connect(list, &QTreeWidget::itemSelectionChanged, &view, [&] {
    QList<QTreeWidgetItem*> chosen = list->selectedItems();
    if (!chosen.isEmpty()) FileSel2Select(app, dlg, list->indexOfTopLevelItem(chosen.front()));
  });
  QObject::connect(list, &QTreeWidget::itemDoubleClicked, &view, [&](QTreeWidgetItem* item) {
    FileSel2DoubleClick(app, dlg, list->indexOfTopLevelItem(item));
    if (dlg.open) Fill(dlg, list);
  });
  view.SetCloseHandler([&] { FileSel2Close(app, dlg); });

  Fill(dlg, list);
  list->setFocus();
  view.Run();
}

}  // namespace gw
