// gwscript [SCRIPT]: runs a scenario script (standard input when SCRIPT is absent) in the current
// directory against the program's logic on the scripted platform.
#include <iostream>
#include <string>
#include <vector>

#include "PathFilter.h"
#include "Runner.h"
#include "system/Console.h"
#include "system/Memory.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "text/Language.h"
#include "system/NativeFiles.h"

#ifdef GW_WITH_QT
#include <QGuiApplication>

#include "frontends/qt/ImageSurface.h"
#include "frontends/qt/QtImages.h"
#endif

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  gw::UseOneHeap();
  gw::UseBinaryStandardStreams();
  std::vector<std::string> args = gw::CommandLineArguments(argc, argv);
#ifdef GW_WITH_QT
  // Snapshots draw through the Qt surface; no display is needed for that.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  gw::InstallFontSubstitutions();
  QGuiApplication qtApp(argc, argv);
#endif
  // What the program shows is in the player's language, as the window's is.
  gw::ChooseLanguage();

  std::vector<std::string> lines;
  if (args.size() > 1) {
    try {
      lines = SplitLines(gw::ReadWholeFile(args[1]));
    } catch (const gw::FileError&) {
      std::cerr << "gwscript: cannot read " << args[1] << "\n";
      return 2;
    }
  } else {
    std::string line;
    while (std::getline(std::cin, line)) lines.push_back(line);
  }
  gw::PathFilter filter(std::cout, gw::CurrentDirectory());
  gw::Runner runner(filter.stream(), std::move(lines));
#ifdef GW_WITH_QT
  // The runner has the toolkit: images are decoded and PNG pages written as the window would.
  runner.ui().SetImageDecoder(gw::DecodeImageFile);
  runner.ui().SetPngWriter(gw::WriteSheetPng);
#endif
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
