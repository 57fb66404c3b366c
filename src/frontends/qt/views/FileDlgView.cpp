#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontends/qt/QtTr.h"
#include "dialogs/FileDlg.h"
#include "system/Directory.h"
#include "text/Utf8.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/views/Views.h"

namespace gw {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
// File and folder names are bytes on disk: they are shown decoded by the core's one decoder and
// handed back by their place in the list, so a name in another encoding still opens.
QString Name(const std::string& s) { return Q(ValidUtf8(s)); }

struct FileDlgWidgets {
  QLineEdit* name = nullptr;
  QListWidget* files = nullptr;
  QListWidget* folders = nullptr;
  QComboBox* drives = nullptr;
  QLabel* path = nullptr;
};

// The name box follows the state only when the core changed it, so typing is never disturbed.
void RefreshName(const FileDlg& dlg, FileDlgWidgets& w) {
  if (w.name->text() == Name(dlg.name)) return;
  w.name->setText(Name(dlg.name));
  if (dlg.selEnd > dlg.selStart) w.name->setSelection(dlg.selStart, dlg.selEnd - dlg.selStart);
}

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

// Lists are rebuilt only when their content changed: rebuilding under the first click of a
// double click would lose the second.
void Refresh(const FileDlg& dlg, FileDlgWidgets& w) {
  RefreshName(dlg, w);
  w.path->setText(Name(dlg.folder));
  QStringList files;
  for (const std::string& f : dlg.files) files << Name(f);
  if (Texts(w.files) != files) {
    QSignalBlocker block(w.files);
    w.files->clear();
    w.files->addItems(files);
  }
  std::vector<FolderEntry> entries = FolderEntries(dlg);
  size_t open = FolderChain(dlg.folder).size();
  QStringList folders;
  for (const FolderEntry& e : entries)
    folders << QString(e.depth * 2, ' ') + (static_cast<size_t>(e.depth) < open ? "▽ " : "▷ ") + Name(e.label);
  if (Texts(w.folders) != folders) {
    QSignalBlocker block(w.folders);
    w.folders->clear();
    for (size_t i = 0; i < entries.size(); ++i) {
      auto* item = new QListWidgetItem(folders[static_cast<int>(i)], w.folders);
      item->setData(Qt::UserRole, static_cast<int>(i));
      if (entries[i].current) w.folders->setCurrentItem(item);
    }
  }
  QSignalBlocker block(w.drives);
  w.drives->clear();
  for (const std::string& d : dlg.drives) w.drives->addItem(Name(d));
  if (w.drives->findText(Name(dlg.drive)) < 0) w.drives->addItem(Name(dlg.drive));
  w.drives->setCurrentIndex(w.drives->findText(Name(dlg.drive)));
}

QLabel* Buddy(QWidget* parent, int label, QWidget* buddy) {
  auto* l = new QLabel(Q(FileDlgLabel(label)), parent);
  l->setBuddy(buddy);
  return l;
}

}  // namespace

void RunFileDlgView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<FileDlg&>(dialog);
  DialogView view(ui, dialog, QTr(dlg.caption.c_str()));
  FileDlgWidgets w;
  w.name = new QLineEdit(&view);
  w.name->setObjectName("txtFileDlg");
  w.files = new QListWidget(&view);
  w.files->setObjectName("filFileDlg");
  w.folders = new QListWidget(&view);
  w.folders->setObjectName("dirFileDlg");
  w.drives = new QComboBox(&view);
  w.drives->setObjectName("drvFileDlg");
  w.path = new QLabel(&view);
  w.path->setObjectName("lblPathName");
  w.path->setMinimumWidth(220);
  w.path->setWordWrap(true);
  w.files->setMinimumSize(200, 220);
  w.folders->setMinimumSize(220, 170);

  auto* grid = new QGridLayout(&view);
  grid->addWidget(Buddy(&view, 0, w.name), 0, 0);
  grid->addWidget(w.name, 1, 0);
  grid->addWidget(w.files, 2, 0, 3, 1);
  grid->addWidget(Buddy(&view, 1, w.folders), 0, 1);
  grid->addWidget(w.path, 1, 1);
  grid->addWidget(w.folders, 2, 1);
  grid->addWidget(Buddy(&view, 2, w.drives), 3, 1);
  grid->addWidget(w.drives, 4, 1);
  auto* buttons = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(Q(FileDlgButton(i)), &view);
    b->setObjectName(QString("cmdFileDlg%1").arg(i));
    b->setDefault(i == 0);
    b->setAutoDefault(false);
    buttons->addWidget(b);
    QObject::connect(b, &QPushButton::clicked, &view, [&, i] {
      CmdClick(app, dlg, i);
      if (dlg.open) Refresh(dlg, w);
    });
  }
  buttons->addStretch();
  grid->addLayout(buttons, 0, 2, 5, 1);
  auto* note = new QLabel(Q(FileDlgLabel(3)), &view);
  note->setWordWrap(true);
  grid->addWidget(note, 5, 0, 1, 3);

  // Every event goes to the core, and the widgets are rebuilt from its state afterwards.
  auto after = [&] {
    if (dlg.open) Refresh(dlg, w);
  };
  QObject::connect(w.name, &QLineEdit::textEdited, &view,
                   [&](const QString& text) { FileDlgNameChange(app, dlg, text.toStdString()); });
  QObject::connect(w.files, &QListWidget::itemClicked, &view, [&](QListWidgetItem* item) {
    FileDlgFileClick(app, dlg, dlg.files.at(static_cast<size_t>(w.files->row(item))));
    after();
  });
  QObject::connect(w.files, &QListWidget::itemDoubleClicked, &view, [&](QListWidgetItem* item) {
    FileDlgFileDoubleClick(app, dlg, dlg.files.at(static_cast<size_t>(w.files->row(item))));
    after();
  });
  QObject::connect(w.folders, &QListWidget::itemActivated, &view, [&](QListWidgetItem* item) {
    FileDlgFolderChange(app, dlg, FolderEntries(dlg).at(static_cast<size_t>(item->data(Qt::UserRole).toInt())).path);
    after();
  });
  QObject::connect(w.drives, &QComboBox::activated, &view, [&](int index) {
    size_t i = static_cast<size_t>(index);
    FileDlgDriveChange(app, dlg, i < dlg.drives.size() ? dlg.drives[i] : dlg.drive);
    after();
  });
  view.SetCloseHandler([&] { FileDlgClose(app, dlg); });

  Refresh(dlg, w);
  w.name->setFocus();
  view.Run();
}

}  // namespace gw
