#include "files/StartFile.h"

#include "Messages.h"
#include "formats/ForeignFiles.h"
#include "formats/PuzzleKinds.h"
#include "files/FileCommands.h"
#include "files/ToolsCommands.h"
#include "system/FileSystem.h"
#include "system/PathSyntax.h"
#include "state/Paths.h"
#include "text/Tr.h"

namespace gw {
namespace {

constexpr const char* kStartTitle = TrNoop("ファイルを開く");

void Tell(App& app, const std::string& text, const std::string& path) {
  Ask(app, text + CR + path, MsgButtons::Ok, MsgIcon::Warning, 1, Tr(kStartTitle));
}

// The puzzle a stored game belongs to: the .gwm or .gwc of the same name beside it, as the
// program writes it or in capitals; empty when there is none.
std::string PuzzleOfStoredGame(const std::string& path) {
  for (const char* ext : {"gwm", "GWM", "gwc", "GWC"}) {
    std::string puzzle = ChangeExt(path, ext);
    if (FileExists(puzzle)) return puzzle;
  }
  return "";
}

bool OpenPicture(App& app, const std::string& path) {
  return OfferProgressSave(app) && OpenPathInMode(app, kModeImage, path);
}

bool OpenImage(App& app, const std::string& path) {
  return OfferProgressSave(app) && ImportImageFile(app, path);
}

}  // namespace

bool OpenStartFile(App& app, const std::string& path) {
  if (!FileExists(path)) {
    Tell(app, Tr("ファイルが存在しません"), path);
    return false;
  }
  // A double click on a player's game opens the puzzle it belongs to, which offers the game.
  if (HasExt(path, ".gwp")) {
    std::string puzzle = PuzzleOfStoredGame(path);
    if (puzzle.empty()) {
      Tell(app, Tr("この途中データの問題ファイル（.gwm か .gwc）が同じフォルダにありません。"), path);
      return false;
    }
    return OpenPuzzleForPlay(app, puzzle);
  }
  if (IsImagePath(path)) return OpenImage(app, path);
  const PuzzleFileKind* kind = PuzzleKindOf(path);
  if (!kind) {
    Tell(app,
         Tr("グリッドウィックでは開けない種類のファイルです。") + CR +
             Tr("開けるのは 問題（.gwm .gwc .xml .non .g）、絵（.gwk .gwa）、途中データ（.gwp）、"
                "画像（.png .jpg .jpeg .bmp .gif）です。"),
         path);
    return false;
  }
  if (kind->picture) return OpenPicture(app, path);
  // A foreign puzzle plays in its own colours, as every way into play opens it.
  return OpenPuzzleForPlay(app, path);
}

}  // namespace gw
