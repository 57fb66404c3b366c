#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <algorithm>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "pictures/PuzzleGenerator.h"
#include "dialogs/ImportImage.h"
#include "dialogs/NewPuzzle.h"
#include "frontends/qt/views/LibraryView.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/views/DialogView.h"
#include "frontends/qt/QtImages.h"
#include "library/PathText.h"
#include "frontends/qt/QtPlatform.h"
#include "frontends/qt/QtTr.h"
#include "frontends/qt/views/Views.h"

namespace gw {
namespace {

QColor ToQColor(Rgb c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

// The cells of the picture the dialog's settings give, drawn as they will be on the board.
class CellPreview : public QWidget {
 public:
  CellPreview(QWidget* parent, const ImportImage& dlg) : QWidget(parent), dlg_(dlg) { setFixedSize(320, 320); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const PuzzleData& d = dlg_.preview;
    if (d.width < 1 || d.height < 1) return;
    int cell = std::min(width() / d.width, height() / d.height);
    int x0 = (width() - cell * d.width) / 2, y0 = (height() - cell * d.height) / 2;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) {
        int c = d.solution[y][x];
        p.fillRect(x0 + x * cell, y0 + y * cell, cell, cell, c == 0 ? QColor(Qt::white) : ToQColor(d.colors[c].rgb));
      }
    p.setPen(QPen(QColor(160, 160, 160), 1));
    for (int x = 0; x <= d.width; ++x) p.drawLine(x0 + x * cell, y0, x0 + x * cell, y0 + d.height * cell);
    for (int y = 0; y <= d.height; ++y) p.drawLine(x0, y0 + y * cell, x0 + d.width * cell, y0 + y * cell);
  }

 private:
  const ImportImage& dlg_;
};

// The image as it was read, scaled to fit.
class ImageThumb : public QWidget {
 public:
  ImageThumb(QWidget* parent, const ImagePixels& im) : QWidget(parent) {
    setFixedSize(160, 160);
    QImage full(im.width, im.height, QImage::Format_RGB32);
    for (int y = 0; y < im.height; ++y)
      for (int x = 0; x < im.width; ++x) {
        Rgb c = im.rgb[size_t(y) * im.width + x];
        full.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
      }
    image_ = full.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage((width() - image_.width()) / 2, (height() - image_.height()) / 2, image_);
  }

 private:
  QImage image_;
};

}  // namespace

void RunImportImageView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<ImportImage&>(dialog);
  DialogView view(ui, dialog, QTr(kImportImageCaption));
  auto* grid = new QGridLayout(&view);
  grid->addWidget(new QLabel(QString::fromStdString(Tr("画像: ") + dlg.fileName), &view), 0, 0, 1, 2);
  grid->addWidget(new ImageThumb(&view, dlg.image), 1, 0, Qt::AlignTop);
  auto* preview = new CellPreview(&view, dlg);
  grid->addWidget(preview, 1, 1, 4, 1);

  auto* settings = new QWidget(&view);
  auto* form = new QGridLayout(settings);
  auto* size = new QSpinBox(settings);
  size->setObjectName("size");
  size->setRange(kImportMinSide, kImportMaxSide);
  size->setValue(dlg.longSide);
  auto* colors = new QSpinBox(settings);
  colors->setObjectName("colors");
  colors->setRange(1, 9);
  colors->setValue(dlg.colors);
  form->addWidget(new QLabel(QTr("長い辺のマス数"), settings), 0, 0);
  form->addWidget(size, 0, 1);
  form->addWidget(new QLabel(QTr("色の数（背景を除く）"), settings), 1, 0);
  form->addWidget(colors, 1, 1);
  grid->addWidget(settings, 2, 0);

  auto* board = new QLabel(&view);
  auto* verdict = new QLabel(&view);
  verdict->setWordWrap(true);
  verdict->setObjectName("verdict");
  grid->addWidget(board, 3, 0);
  grid->addWidget(verdict, 5, 0, 1, 2);
  auto show = [&] {
    board->setText(QTr("盤面: %1 × %2、%3 色").arg(dlg.preview.width).arg(dlg.preview.height).arg(dlg.preview.ColorCount()));
    verdict->setText(QString::fromStdString(Tr("判定: ") + dlg.verdict));
    preview->update();
  };
  show();
  QObject::connect(size, &QSpinBox::valueChanged, &view, [&](int v) {
    ImportImageSetSize(app, dlg, v);
    show();
  });
  QObject::connect(colors, &QSpinBox::valueChanged, &view, [&](int v) {
    ImportImageSetColors(app, dlg, v);
    show();
  });

  auto* buttons = new QWidget(&view);
  auto* row = new QHBoxLayout(buttons);
  auto* ok = new QPushButton(QTr("ＯＫ"), buttons);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QTr("キャンセル"), buttons);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  grid->addWidget(buttons, 6, 0, 1, 2);
  QObject::connect(ok, &QPushButton::clicked, &view, [&] { ImportImageOk(app, dlg); });
  QObject::connect(cancel, &QPushButton::clicked, &view, [&] { ImportImageCancel(app, dlg); });
  view.SetCloseHandler([&] { ImportImageCancel(app, dlg); });
  view.Run();
}

void RunNewPuzzleView(QtPlatform& ui, App& app, Dialog& dialog) {
  auto& dlg = static_cast<NewPuzzle&>(dialog);
  DialogView view(ui, dialog, QTr(kNewPuzzleCaption));
  auto* grid = new QGridLayout(&view);
  auto spin = [&](int lo, int hi, int value) {
    auto* s = new QSpinBox(&view);
    s->setRange(lo, hi);
    s->setValue(value);
    return s;
  };
  QSpinBox* width = spin(kNewPuzzleMinSide, kNewPuzzleMaxSide, dlg.width);
  QSpinBox* height = spin(kNewPuzzleMinSide, kNewPuzzleMaxSide, dlg.height);
  QSpinBox* colors = spin(1, kNewPuzzleMaxColors, dlg.colors);
  auto* difficulty = new QComboBox(&view);
  for (analysis::Difficulty d : {analysis::Difficulty::kLine, analysis::Difficulty::kProbe, analysis::Difficulty::kSearch})
    difficulty->addItem(QTr(DifficultyLabel(d)), int(d));
  difficulty->setCurrentIndex(difficulty->findData(int(dlg.difficulty)));
  auto* seed = new QLineEdit(QString::fromStdString(dlg.seed), &view);
  seed->setPlaceholderText(QTr("空欄なら毎回ちがう問題"));
  // Wide enough for the hint in any language (the English one is the longer).
  seed->setMinimumWidth(std::max(220, seed->fontMetrics().horizontalAdvance(seed->placeholderText()) + 24));
  grid->addWidget(new QLabel(QTr("横のマス数"), &view), 0, 0);
  grid->addWidget(width, 0, 1);
  grid->addWidget(new QLabel(QTr("縦のマス数"), &view), 1, 0);
  grid->addWidget(height, 1, 1);
  grid->addWidget(new QLabel(QTr("色の数"), &view), 2, 0);
  grid->addWidget(colors, 2, 1);
  grid->addWidget(new QLabel(QTr("難しさ"), &view), 3, 0);
  grid->addWidget(difficulty, 3, 1);
  grid->addWidget(new QLabel(QTr("問題の番号"), &view), 4, 0);
  grid->addWidget(seed, 4, 1);
  auto* ok = new QPushButton(QTr("作る"), &view);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QTr("キャンセル"), &view);
  grid->addWidget(ok, 5, 0);
  grid->addWidget(cancel, 5, 1);
  QObject::connect(ok, &QPushButton::clicked, &view, [&] {
    dlg.width = width->value();
    dlg.height = height->value();
    dlg.colors = colors->value();
    dlg.difficulty = analysis::Difficulty(difficulty->currentData().toInt());
    dlg.seed = seed->text().toStdString();
    NewPuzzleOk(app, dlg);
    seed->setText(QString::fromStdString(dlg.seed));
  });
  QObject::connect(cancel, &QPushButton::clicked, &view, [&] { NewPuzzleCancel(app, dlg); });
  view.SetCloseHandler([&] { NewPuzzleCancel(app, dlg); });
  view.Run();
}

SystemFileChoice QtPlatform::ChooseSystemFile(bool save, const std::string& title,
                                              const std::vector<std::string>& filters) {
  QStringList names;
  for (const std::string& f : filters) names << QString::fromStdString(f);
  QFileDialog box(nullptr, QString::fromStdString(title), lastFolder_, names.join(";;"));
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return {};
  lastFolder_ = box.directory().absolutePath();
  return {box.selectedFiles().first().toStdString(), int(names.indexOf(box.selectedNameFilter()))};
}

std::string QtPlatform::ChooseFolder(const std::string& title) {
  QString folder = QFileDialog::getExistingDirectory(nullptr, QString::fromStdString(title), lastFolder_);
  if (folder.isEmpty()) return "";
  lastFolder_ = folder;
  return folder.toStdString();
}

void QtPlatform::ShowLibrary() {
  if (!window_ || !window_->isVisible()) return;
  bool first = !library_;
  if (first) library_ = std::make_unique<LibraryView>(*BoundApp(), window_);
  library_->Reload();
  if (first) library_->FitToScreen();
  library_->show();
  library_->raise();
  library_->activateWindow();
}

void QtPlatform::CloseLibrary() {
  if (!library_) return;
  library_->close();
  // Later, as the close may come from within one of the library's own handlers.
  library_.release()->deleteLater();
}

namespace {

// A decode running beside the window; shared so that a decode the user cancelled can finish on
// its own and throw its result away.
struct DecodeJob {
  ImagePixels pixels;
  ImageLoad result = ImageLoad::Unreadable;
  std::atomic<bool> done{false};
};

}  // namespace

// A large image takes seconds to decode: the decode runs on a thread of its own while the window
// shows the busy pointer and, once it lasts, the box with キャンセル of every long piece of work.
ImageLoad QtPlatform::LoadImage(const std::string& path, ImagePixels& out) {
  auto job = std::make_shared<DecodeJob>();
  std::thread([job, path] {
    job->result = DecodeImageFile(path, job->pixels);
    job->done = true;
  }).detach();
  SetPointer(Pointer::Busy);
  BeginLongWork(Tr("画像を読み込んでいます。しばらくお待ちください。"));
  bool cancelled = false;
  while (!job->done && !cancelled) {
    QThread::msleep(20);
    cancelled = LongWorkCancelled();
  }
  EndLongWork();
  SetPointer(Pointer::Normal);
  if (cancelled) return ImageLoad::Cancelled;
  out = std::move(job->pixels);
  return job->result;
}

// A page of a large board takes seconds to draw: it is drawn on a thread of its own, into a file
// beside the target, while the window shows the box with キャンセル of the export's long work once
// that lasts. The drawing cannot stop half way: a cancelled page is finished and thrown away, and
// the file that was there stays as it was; a finished one takes the target's place in one step.
bool QtPlatform::SaveSheetPng(const SheetDrawing& sheet, const std::string& path) {
  std::string part = path + ".part";
  std::atomic<bool> done{false};
  bool written = false;
  std::thread draw([&] {
    written = WriteSheetPng(sheet, part);
    done = true;
  });
  bool cancelled = false;
  while (!done) {
    QThread::msleep(20);
    cancelled = cancelled || LongWorkCancelled();
  }
  draw.join();
  std::error_code ec;
  bool placed = false;
  if (written && !cancelled) {
    std::filesystem::rename(PathOf(part), PathOf(path), ec);
    placed = !ec;
  }
  if (!placed) std::filesystem::remove(PathOf(part), ec);
  return placed;
}

}  // namespace gw
