// gwscript [SCRIPT]: runs a scenario script (standard input when SCRIPT is absent) in the current
// directory against the program's logic on the scripted platform.
#include <QGuiApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "PathFilter.h"
#include "Runner.h"
#include "platform/qt/QtImages.h"
#include "platform/FileSystem.h"
#include "platform/qt/ImageSurface.h"

int main(int argc, char** argv) {
  // Snapshots draw through the Qt surface; no display is needed for that.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  gw::InstallFontSubstitutions();
  QGuiApplication qtApp(argc, argv);

  std::vector<std::string> lines;
  std::string line;
  if (argc > 1) {
    std::ifstream in(argv[1]);
    if (!in) {
      std::cerr << "gwscript: cannot read " << argv[1] << "\n";
      return 2;
    }
    while (std::getline(in, line)) lines.push_back(line);
  } else {
    while (std::getline(std::cin, line)) lines.push_back(line);
  }
  gw::PathFilter filter(std::cout, gw::CurrentDirectory());
  gw::Runner runner(filter.stream(), std::move(lines));
  // The runner has the toolkit: images are decoded and PNG pages written as the window would.
  runner.ui().SetImageDecoder(gw::DecodeImageFile);
  runner.ui().SetPngWriter(gw::WriteSheetPng);
  runner.Register("paths", [&filter](gw::Runner&, const gw::ScriptLine& l) {
    gw::NeedWords(l, 2);
    const std::string& w = l.words[1].text;
    if (w != "relative" && w != "absolute") throw gw::ScriptError("unknown word " + w);
    filter.SetRelative(w == "relative");
  });
  int status = runner.Run();
  filter.stream().flush();
  return status;
}
