#pragma once
// The library window: a table of the core's rows with thumbnails, the filters and the search box.
// It only shows app.library and forwards what the player does to the library commands.
#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "App.h"
#include "library/LibraryModel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace gw {

class MainWindow;

class LibraryTableModel : public QAbstractTableModel {
 public:
  explicit LibraryTableModel(App& app, QObject* parent) : QAbstractTableModel(parent), app_(app) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;
  // The core's rows changed: shown again from scratch.
  void Reload();

 private:
  QPixmap ThumbnailPixmap(int entry) const;

  App& app_;
  mutable QHash<int, QPixmap> thumbnails_;
};

class LibraryView : public QWidget {
 public:
  LibraryView(App& app, MainWindow* main);

  // Shows the rows as they are now, keeping the selected puzzle selected.
  void Reload();
  // Sized for its columns and placed on the screen: when it is first shown.
  void FitToScreen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QComboBox* AddFilter(const char* name, int LibraryFilter::*field);
  void Poll();
  void OpenCurrent();
  void ShowStatus();
  void FitColumns();
  std::string SelectedPath() const;
  void Select(const std::string& path);

  App& app_;
  MainWindow* main_;
  LibraryTableModel* model_;
  QTableView* table_;
  QLineEdit* search_;
  QLabel* status_;
  QLabel* playing_;
  QTimer* timer_;
  QSize placed_;  // the size the window last gave itself
};

}  // namespace gw
