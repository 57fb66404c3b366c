#pragma once
// The dialog "画像から問題を作る": an image reduced to a board of a chosen size and number of
// colours, with a preview of the cells and the engine's verdict on the puzzle they give.
#include <string>

#include "App.h"
#include "formats/PuzzleData.h"
#include "platform/ImagePixels.h"
#include "text/Tr.h"

namespace gw {

inline constexpr const char* kImportImageCaption = TrNoop("画像から問題を作る");
inline constexpr int kImportMinSide = 5;
// Pictures past 20 cells a side open for play only: the picture files hold 20.
inline constexpr int kImportMaxSide = 50;

struct ImportImage : Dialog {
  DialogKind Kind() const override { return DialogKind::ImportImage; }

  ImagePixels image;
  std::string fileName;
  int longSide = 15;  // cells along the image's longer side, kImportMinSide..kImportMaxSide
  int colors = 3;     // 1..9, the background not counted
  PuzzleData preview; // the picture the settings give, with its colours
  std::string verdict;
  bool accepted = false;
};

// Quantises with the current settings and rates the puzzle.
void ImportImageLoad(App& app, ImportImage& dlg);
void ImportImageSetSize(App& app, ImportImage& dlg, int longSide);
void ImportImageSetColors(App& app, ImportImage& dlg, int colors);
void ImportImageOk(App& app, ImportImage& dlg);
void ImportImageCancel(App& app, ImportImage& dlg);

// The engine's verdict on a puzzle as the dialogs show it.
std::string VerdictText(const PuzzleData& p);

}  // namespace gw
