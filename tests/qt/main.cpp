// GoogleTest main for the Qt surfaces and views: the application object must exist before any
// widget, image painter or font.
#include <gtest/gtest.h>

#include <QApplication>

#include "frontends/qt/ImageSurface.h"

int main(int argc, char** argv) {
  gw::InstallFontSubstitutions();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
