#pragma once
#include <benchmark/benchmark.h>

#include <QApplication>

#include "frontends/qt/ImageSurface.h"

namespace gw {

// The benchmarks draw on the real image surface: it needs fonts and an application object, but
// no display.
inline int RunQtBenchmarks(int argc, char** argv, void (*registerMore)() = nullptr) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  InstallFontSubstitutions();
  QApplication qt(argc, argv);
  if (registerMore) registerMore();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace gw
