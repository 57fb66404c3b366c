#pragma once
// The window tests begin alike: the main window on screen, known to the platform, and the
// program started in it.
#include <QSize>

#include "mainwnd/MainWnd.h"
#include "frontends/qt/MainWindow.h"
#include "frontends/qt/QtPlatform.h"

namespace gw::test {

// An invalid size keeps the window's own.
inline void ShowMainWindow(QtPlatform& ui, MainWindow& w, App& app, QSize size = {}) {
  ui.SetWindow(&w);
  if (size.isValid()) w.resize(size);
  w.show();
  MainWndLoad(app);
}

}  // namespace gw::test
