#pragma once
// Shared by the format tests: the test puzzles of the solver tests as plain data, and random
// pictures for the property tests.
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "formats/ForeignFiles.h"
#include "formats/PuzzleData.h"
#include "formats/WebpbnXml.h"

namespace gw::test {

// Whether this build reads the format (a build without the XML library refuses XML files).
inline bool Readable(ForeignFormat f) { return f != ForeignFormat::Xml || WebpbnXmlReadable(); }
inline bool ReadableFile(const std::string& name) { return Readable(ForeignFormatOf(name)); }

inline const std::filesystem::path kSourceDir = GW_SOURCE_DIR;
inline const std::filesystem::path kFormatFiles = kSourceDir / "tests" / "formats" / "files";
inline const std::filesystem::path kTestPuzzles = kSourceDir / "tests" / "solver" / "puzzles";

// A random picture of the given size and colour count, its clues derived.
inline PuzzleData RandomPicture(std::mt19937& rng, int width, int height, int colors) {
  PuzzleData p;
  p.width = width;
  p.height = height;
  p.colors.push_back({"white", MakeRgb(255, 255, 255), '.'});
  for (int k = 1; k <= colors; ++k)
    p.colors.push_back({"k" + std::to_string(k), Rgb(rng() & 0xFFFFFF), 0});
  std::uniform_int_distribution<int> cell(0, colors);
  p.solution.assign(height, std::vector<int>(width, 0));
  for (auto& row : p.solution)
    for (int& c : row) c = cell(rng);
  DeriveClues(p);
  return p;
}

}  // namespace gw::test
