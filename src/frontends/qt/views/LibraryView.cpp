#include "frontends/qt/views/LibraryView.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "frontends/qt/MainWindow.h"
#include "files/LibraryCommands.h"
#include "frontends/qt/QtTr.h"

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

// The whole picture, centred in the square: cells of a whole number of pixels each where they fit,
// else the picture scaled down smoothly to the square; a blank grid until solved.
QPixmap LibraryTableModel::ThumbnailPixmap(int entry) const {
  auto cached = thumbnails_.constFind(entry);
  if (cached != thumbnails_.constEnd()) return *cached;
  Thumbnail t = ThumbnailOf(Window(app_).library->Entries()[entry]);
  qreal ratio = qApp->devicePixelRatio();
  int square = int(kThumbPixels * ratio);
  QPixmap pixmap(square, square);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  if (t.width > 0) {
    int side = std::max(t.width, t.height);
    int inner = square - 2;  // a pixel each side for the frame, which goes around the picture
    int cell = inner / side;
    // Too many cells for a pixel each: the picture keeps its shape in a box no larger than the square.
    QSize box = cell >= 1 ? QSize(cell * t.width, cell * t.height)
                          : QSize(std::max(1, inner * t.width / side), std::max(1, inner * t.height / side));
    QRect place((square - box.width()) / 2, (square - box.height()) / 2, box.width(), box.height());
    QImage image(t.width, t.height, QImage::Format_RGB32);
    for (int y = 0; y < t.height; ++y)
      for (int x = 0; x < t.width; ++x) {
        Rgb c = t.cells[size_t(y) * t.width + x];
        image.setPixelColor(x, y, c < 0 ? QColor(Qt::white) : ColorOf(c));
      }
    QPainter painter(&pixmap);
    painter.scale(1 / ratio, 1 / ratio);
    if (cell >= 1) painter.drawImage(place, image);
    else painter.drawImage(place, image.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.setPen(QColor(200, 200, 200));
    bool blank = t.cells.empty() || t.cells[0] < 0;
    for (int i = 0; blank && cell >= 3 && i <= side; ++i) {
      if (i < t.width) painter.drawLine(place.left() + i * cell, place.top(), place.left() + i * cell, place.bottom());
      if (i < t.height) painter.drawLine(place.left(), place.top() + i * cell, place.right(), place.top() + i * cell);
    }
    painter.setPen(QColor(120, 120, 120));
    painter.drawRect(place.adjusted(-1, -1, 0, 0));
  }
  thumbnails_.insert(entry, pixmap);
  return pixmap;
}

LibraryView::LibraryView(App& app, MainWindow* main)
    : QWidget(nullptr, Qt::Window), app_(app), main_(main), model_(new LibraryTableModel(app, this)),
      table_(new QTableView(this)), search_(new QLineEdit(this)), status_(new QLabel(this)),
      playing_(new QLabel(this)), timer_(new QTimer(this)) {
  setWindowTitle(QTr(kLibraryTitle));
  // The program ends with its main window, whether or not the library is still shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* filters = new QHBoxLayout;
  search_->setPlaceholderText(QTr("題名・作者で探す"));
  search_->setClearButtonEnabled(true);
  search_->setMinimumWidth(80);
  filters->addWidget(search_, 2);
  filters->addWidget(AddFilter("state", &LibraryFilter::state));
  filters->addWidget(AddFilter("size", &LibraryFilter::size));
  filters->addWidget(AddFilter("colors", &LibraryFilter::colors));
  filters->addWidget(AddFilter("rating", &LibraryFilter::rating));
  auto* addFolder = new QPushButton(QTr("フォルダを加える..."), this);

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
  table_->setTextElideMode(Qt::ElideRight);
  table_->installEventFilter(this);

  auto* bottom = new QHBoxLayout;
  // The folder button waits beside 開く, so that the row of filters fits a narrow screen.
  bottom->addWidget(addFolder);
  bottom->addWidget(status_, 1);
  bottom->addWidget(playing_);
  auto* open = new QPushButton(QTr("開く"), this);
  open->setDefault(true);
  bottom->addWidget(open);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(table_, 1);
  layout->addLayout(bottom);
  FitToScreen();

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    Window(app_).view.filter.text = text.toStdString();
    LibraryUpdateRows(app_);
    Reload();
  });
  // Enter in the search box opens the first puzzle found.
  connect(search_, &QLineEdit::returnPressed, this, [this] {
    if (model_->rowCount() == 0) return;
    table_->selectRow(0);
    OpenCurrent();
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
  for (const std::string& choice : FilterChoices(name)) box->addItem(QTr(choice.c_str()));
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
  FitColumns();
  // Titles and authors come in from the worker after the window is first shown: it grows to
  // them, as long as the player has not sized it.
  if (size() == placed_) FitToScreen();
  Select(selected);
  ShowStatus();
}

// Every column as wide as its widest text, so that titles and authors read whole; a column that
// would take more than a third of the table is cut with an ellipsis instead.
void LibraryView::FitColumns() {
  table_->resizeColumnsToContents();
  int most = std::max(120, table_->viewport()->width() / 3);
  for (int c = 0; c < kColumnCount; ++c)
    if (table_->columnWidth(c) > most) table_->setColumnWidth(c, most);
}

// The window takes the width its columns want, but never more than the screen it is on (at a large
// scale the screen holds fewer of its pixels), and lies wholly on that screen.
void LibraryView::FitToScreen() {
  QScreen* screen = main_ && main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
  QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1000, 640);
  int columns = 0;
  for (int c = 0; c < kColumnCount; ++c) columns += table_->columnWidth(c);
  int wide = std::max(1000, columns + 60);
  QSize want(std::min(wide, room.width() * 9 / 10), std::min(640, room.height() * 9 / 10));
  if (want == size() && room.contains(frameGeometry())) return;
  resize(want);
  move(room.left() + (room.width() - want.width()) / 2, room.top() + (room.height() - want.height()) / 2);
  placed_ = want;
}

void LibraryView::ShowStatus() {
  const LibraryWindow& w = Window(app_);
  QString text = QTr("%1 問（全 %2 問）").arg(w.view.rows.size()).arg(w.library->Entries().size());
  if (int pending = w.library->Pending()) text += QTr("　調べ中 %1").arg(pending);
  status_->setText(text);
  std::string playing = LibraryPlayingText(app_);
  playing_->setText(playing.empty() ? "" : QString::fromStdString(Tr("プレイ中: ") + playing));
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
