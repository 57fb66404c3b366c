#pragma once
// The dialog "新しい問題を作る": size, number of colours, difficulty and seed of a generated puzzle.
#include <string>

#include "App.h"
#include "analysis/Analysis.h"
#include "formats/PuzzleData.h"
#include "text/Tr.h"

namespace gw {

inline constexpr const char* kNewPuzzleCaption = TrNoop("新しい問題を作る");
inline constexpr int kNewPuzzleMinSide = 5;
inline constexpr int kNewPuzzleMaxSide = 50;
inline constexpr int kNewPuzzleMaxColors = 4;

struct NewPuzzle : Dialog {
  DialogKind Kind() const override { return DialogKind::NewPuzzle; }

  int width = 10;   // kNewPuzzleMinSide..kNewPuzzleMaxSide
  int height = 10;  // the same
  int colors = 1;   // 1..4
  analysis::Difficulty difficulty = analysis::Difficulty::kLine;
  std::string seed;  // digits; empty for a seed of the clock
  PuzzleData result;
  bool accepted = false;
};

// The number of the seed text, or one from the clock when it is empty or not a number.
unsigned NewPuzzleSeed(const std::string& text);
// Generates; a failure is told and the dialog stays open.
void NewPuzzleOk(App& app, NewPuzzle& dlg);
void NewPuzzleCancel(App& app, NewPuzzle& dlg);

}  // namespace gw
