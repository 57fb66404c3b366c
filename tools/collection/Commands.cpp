#include "Commands.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Catalog.h"
#include "MakePuzzle.h"
#include "Preview.h"
#include "Readme.h"
#include "SourceImages.h"
#include "formats/ForeignFiles.h"
#include "frontends/qt/QtImages.h"

namespace gw::collection {
namespace {

// Positional arguments, and the values of "--name VALUE" options.
struct Args {
  std::vector<std::string> plain;
  std::string readme, preview;
  double limit = 30;
};

Args Parse(const std::vector<std::string>& args, size_t wanted) {
  Args out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool option = a == "--readme" || a == "--preview" || a == "--limit";
    if (option && i + 1 >= args.size()) throw std::runtime_error(a + " needs a value");
    if (a == "--readme") out.readme = args[++i];
    else if (a == "--preview") out.preview = args[++i];
    else if (a == "--limit") out.limit = std::stod(args[++i]);
    else out.plain.push_back(a);
  }
  if (out.plain.size() != wanted) throw std::runtime_error("wrong number of arguments");
  return out;
}

std::vector<int> NumberList(const std::string& text) {
  std::vector<int> out;
  std::stringstream in(text);
  std::string one;
  while (std::getline(in, one, ',')) out.push_back(std::stoi(one));
  return out;
}

ImagePixels Decode(const std::string& path) {
  ImagePixels image;
  if (DecodeImageFile(path, image) != ImageLoad::Read)
    throw std::runtime_error(path + ": cannot be decoded");
  return image;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

Row RowOf(const Entry& e, const Made& m) {
  return {e, m.puzzle.width, m.puzzle.height, m.puzzle.ColorCount(), m.verdict.difficulty};
}

}  // namespace

int FetchCommand(const std::vector<std::string>& args) {
  Args a = Parse(args, 2);
  int failed = 0;
  for (const Entry& e : ReadCatalog(a.plain[0])) {
    std::string error;
    if (!FetchImage(e, {}, a.plain[1] + "/" + e.name + ".png", error)) {
      std::fprintf(stderr, "gwcollect: %s: %s\n", e.name.c_str(), error.c_str());
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}

// Every entry is converted and checked; one that is not unique is reported and not written, and
// the README is only written when every entry passed.
int MakeCommand(const std::vector<std::string>& args) {
  Args a = Parse(args, 3);
  std::vector<Row> rows;
  std::vector<PuzzleData> pictures;
  int failed = 0;
  for (const Entry& e : ReadCatalog(a.plain[0])) {
    Made m = MakePuzzle(e, Decode(a.plain[1] + "/" + e.name + ".png"), a.limit);
    std::printf("%-16s %2dx%-2d %d colours  %-18s %lld us\n", e.name.c_str(), m.puzzle.width, m.puzzle.height,
                m.puzzle.ColorCount(), VerdictWords(m.verdict).c_str(), m.verdict.elapsedUs);
    if (!a.preview.empty()) WriteSolvedPng(m.puzzle, 8, a.preview + "/" + e.name + ".png");
    pictures.push_back(m.puzzle);
    if (m.verdict.solutions != 1) {
      ++failed;
      continue;
    }
    WriteForeignFile(a.plain[2] + "/" + e.name + ".xml", m.puzzle);
    rows.push_back(RowOf(e, m));
  }
  if (!a.preview.empty()) WriteContactSheet(pictures, 12, a.preview + "/sheet.png");
  if (failed > 0) {
    std::fprintf(stderr, "gwcollect: %d puzzle(s) are not unique; the README is left as it was\n", failed);
    return 1;
  }
  if (!a.readme.empty()) ReplaceFile(a.plain[2] + "/README.md", FillTemplate(ReadText(a.readme), rows));
  return 0;
}

int TryCommand(const std::vector<std::string>& args) {
  Args a = Parse(args, 3);
  ImagePixels image = Decode(a.plain[0]);
  std::vector<PuzzleData> pictures;
  for (int colors : NumberList(a.plain[2]))
    for (int side : NumberList(a.plain[1])) {
      Entry e{"try", "emoji:0", side, colors, "", 0};
      Made m = MakePuzzle(e, image, a.limit);
      std::printf("size %2d colours %d: %2dx%-2d %d colours  %s\n", side, colors, m.puzzle.width, m.puzzle.height,
                  m.puzzle.ColorCount(), VerdictWords(m.verdict).c_str());
      pictures.push_back(m.puzzle);
    }
  if (!a.preview.empty()) WriteContactSheet(pictures, int(NumberList(a.plain[1]).size()), a.preview);
  return 0;
}

}  // namespace gw::collection
