// gwcollect: makes the bundled puzzle collection from images with the program's own conversion.
//   gwcollect fetch CATALOG IMAGEDIR            the images, from the installed Debian packages
//   gwcollect make CATALOG IMAGEDIR OUTDIR [--readme TEMPLATE] [--preview DIR] [--limit SECONDS]
//   gwcollect try IMAGE SIZES COLOURS [--preview DIR]   verdicts for sizes × colours ("10,15", "1,2,3")
// A development tool, not installed: it links the core and Qt's image and font code.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (!args.empty()) {
      std::vector<std::string> rest(args.begin() + 1, args.end());
      if (args[0] == "fetch") return gw::collection::FetchCommand(rest);
      if (args[0] == "make") return gw::collection::MakeCommand(rest);
      if (args[0] == "try") return gw::collection::TryCommand(rest);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gwcollect: %s\n", e.what());
    return 2;
  }
  std::fprintf(stderr, "usage: gwcollect fetch|make|try ... (see collection/README.md)\n");
  return 2;
}
