#pragma once
// The penguin sample (20 x 20) in play mode on the real image surface, as the play benchmarks use it.
#include <filesystem>

#include "App.h"
#include "display/Draw.h"
#include "frontends/qt/QtPlatform.h"
#include "settings/Settings.h"
#include "state/PuzzleFiles.h"
#include "state/PuzzleState.h"

namespace gw {

inline const std::string kPenguin =
    (std::filesystem::path(GW_SOURCE_DIR) / "samples" / "penguin.gwm").string();

struct Game {
  QtPlatform ui;
  App app{ui};

  Game() {
    LoadSettings(app);
    ImageSurface& image = ui.Image(SurfaceId::Main);
    image.Resize(QSize(1280, 973));
    image.SetOuterSize({19200, 15360});
    app.puzzle.Mode = kModePlay;
    ReadHintPuzzle(app, kPenguin);
    PaintBoard(app);
  }
  double X(int col) const { return app.puzzle.XHintCount + col + 0.5; }
  double Y(int row) const { return app.puzzle.YHintCount + row + 0.5; }
};

}  // namespace gw
