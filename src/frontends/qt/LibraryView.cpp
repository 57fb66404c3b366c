#include "frontends/qt/LibraryView.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "frontends/qt/MainWindow.h"
#include "mainwnd/LibraryCommands.h"

namespace gw {
namespace {

constexpr int kThumbPixels = 48;

QColor ColorOf(Rgb c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

LibraryWindow& Window(App& app) { return *app.library; }

}  // namespace

int LibraryTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !app_.library ? 0 : int(Window(app_).view.rows.size());
}

int LibraryTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant LibraryTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  int entry = Window(app_).view.rows[index.row()];
  const LibraryEntry& e = Window(app_).library->Entries()[entry];
  if (role == Qt::DisplayRole && index.column() != kColPicture)
    return QString::fromStdString(CellText(e, index.column()));
  if (role == Qt::DecorationRole && index.column() == kColPicture) return ThumbnailPixmap(entry);
  if (role == Qt::ToolTipRole) return QString::fromStdString(e.facts.stamp.path);
  return {};
}

QVariant LibraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return QString::fromStdString(ColumnTitle(section));
}

void LibraryTableModel::sort(int column, Qt::SortOrder order) {
  if (!app_.library) return;
  beginResetModel();
  Window(app_).view.sortColumn = column;
  Window(app_).view.descending = order == Qt::DescendingOrder;
  LibraryUpdateRows(app_);
  thumbnails_.clear();
  endResetModel();
}

void LibraryTableModel::Reload() {
  beginResetModel();
  thumbnails_.clear();
  endResetModel();
}

// The cells at a whole number of pixels each, centred in the square; a blank grid until solved.
QPixmap LibraryTableModel::ThumbnailPixmap(int entry) const {
  auto cached = thumbnails_.constFind(entry);
  if (cached != thumbnails_.constEnd()) return *cached;
  Thumbnail t = ThumbnailOf(Window(app_).library->Entries()[entry]);
  qreal ratio = qApp->devicePixelRatio();
  QPixmap pixmap(int(kThumbPixels * ratio), int(kThumbPixels * ratio));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  if (t.width > 0) {
    int side = std::max(t.width, t.height);
    int cell = std::max(1, int(kThumbPixels * ratio) / side);
    int left = (pixmap.width() - cell * t.width) / 2, top = (pixmap.height() - cell * t.height) / 2;
    QImage image(t.width, t.height, QImage::Format_RGB32);
    for (int y = 0; y < t.height; ++y)
      for (int x = 0; x < t.width; ++x) {
        Rgb c = t.cells[size_t(y) * t.width + x];
        image.setPixelColor(x, y, c < 0 ? QColor(Qt::white) : ColorOf(c));
      }
    QPainter painter(&pixmap);
    painter.scale(1 / ratio, 1 / ratio);
    painter.drawImage(QRect(left, top, cell * t.width, cell * t.height), image);
    painter.setPen(QColor(200, 200, 200));
    bool blank = t.cells.empty() || t.cells[0] < 0;
    for (int i = 0; blank && cell >= 3 && i <= std::max(t.width, t.height); ++i) {
      if (i <= t.width) painter.drawLine(left + i * cell, top, left + i * cell, top + cell * t.height);
      if (i <= t.height) painter.drawLine(left, top + i * cell, left + cell * t.width, top + i * cell);
    }
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(left, top, cell * t.width, cell * t.height);
  }
  thumbnails_.insert(entry, pixmap);
  return pixmap;
}

LibraryView::LibraryView(App& app, MainWindow* main)
    : QWidget(nullptr, Qt::Window), app_(app), main_(main), model_(new LibraryTableModel(app, this)),
      table_(new QTableView(this)), search_(new QLineEdit(this)), status_(new QLabel(this)),
      playing_(new QLabel(this)), timer_(new QTimer(this)) {
  setWindowTitle(QString::fromStdString(kLibraryTitle));
  auto* filters = new QHBoxLayout;
  search_->setPlaceholderText("題名・作者で探す");
  search_->setClearButtonEnabled(true);
  filters->addWidget(search_, 2);
  filters->addWidget(AddFilter("state", &LibraryFilter::state));
  filters->addWidget(AddFilter("size", &LibraryFilter::size));
  filters->addWidget(AddFilter("colors", &LibraryFilter::colors));
  filters->addWidget(AddFilter("rating", &LibraryFilter::rating));
  auto* addFolder = new QPushButton("フォルダを加える...", this);
  filters->addWidget(addFolder);

  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSortingEnabled(true);
  table_->sortByColumn(kColTitle, Qt::AscendingOrder);
  table_->setIconSize(QSize(kThumbPixels, kThumbPixels));
  table_->verticalHeader()->setDefaultSectionSize(kThumbPixels + 4);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setWordWrap(false);
  const int widths[kColumnCount] = {kThumbPixels + 8, 200, 220, 70, 40, 70, 60, 90, 80, 50, 110, 120};
  for (int c = 0; c < kColumnCount; ++c) table_->setColumnWidth(c, widths[c]);
  table_->installEventFilter(this);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(playing_);
  auto* open = new QPushButton("開く", this);
  open->setDefault(true);
  bottom->addWidget(open);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(table_, 1);
  layout->addLayout(bottom);
  resize(1000, 640);

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    Window(app_).view.filter.text = text.toStdString();
    LibraryUpdateRows(app_);
    Reload();
  });
  connect(addFolder, &QPushButton::clicked, this, [this] {
    LibraryAddFolder(app_);
    Reload();
  });
  connect(open, &QPushButton::clicked, this, [this] { OpenCurrent(); });
  connect(table_, &QTableView::doubleClicked, this, [this] { OpenCurrent(); });
  connect(timer_, &QTimer::timeout, this, [this] { Poll(); });
  timer_->start(500);
}

QComboBox* LibraryView::AddFilter(const char* name, int LibraryFilter::*field) {
  auto* box = new QComboBox(this);
  for (const std::string& choice : FilterChoices(name)) box->addItem(QString::fromStdString(choice));
  connect(box, &QComboBox::currentIndexChanged, this, [this, field](int index) {
    Window(app_).view.filter.*field = index;
    LibraryUpdateRows(app_);
    Reload();
  });
  return box;
}

std::string LibraryView::SelectedPath() const {
  QModelIndex current = table_->currentIndex();
  if (!current.isValid() || current.row() >= int(Window(app_).view.rows.size())) return "";
  return Window(app_).library->Entries()[Window(app_).view.rows[current.row()]].facts.stamp.path;
}

void LibraryView::Select(const std::string& path) {
  const LibraryWindow& w = Window(app_);
  for (int row = 0; row < int(w.view.rows.size()); ++row)
    if (w.library->Entries()[w.view.rows[row]].facts.stamp.path == path) {
      table_->selectRow(row);
      table_->scrollTo(model_->index(row, 0));
      return;
    }
  if (!w.view.rows.empty() && path.empty()) table_->selectRow(0);
}

void LibraryView::Reload() {
  std::string selected = SelectedPath();
  model_->Reload();
  Select(selected);
  ShowStatus();
}

void LibraryView::ShowStatus() {
  const LibraryWindow& w = Window(app_);
  QString text = QString("%1 問（全 %2 問）").arg(w.view.rows.size()).arg(w.library->Entries().size());
  if (int pending = w.library->Pending()) text += QString("　調べ中 %1").arg(pending);
  status_->setText(text);
  std::string playing = LibraryPlayingText(app_);
  playing_->setText(playing.empty() ? "" : QString::fromStdString("プレイ中: " + playing));
}

void LibraryView::Poll() {
  if (!app_.library) return;
  if (LibraryPoll(app_)) Reload();
  else ShowStatus();
}

void LibraryView::OpenCurrent() {
  QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  LibraryOpenRow(app_, current.row());
  main_->board()->update();
  main_->raise();
  main_->activateWindow();
  Reload();
}

// Enter opens the chosen puzzle; the arrows, Home, End and the page keys move in the table.
bool LibraryView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      OpenCurrent();
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      close();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// Escape puts the shelf away as it closes a dialog (the search box and the filters pass it on).
void LibraryView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(event);
}

}  // namespace gw
