#include "settings/Settings.h"

#include "display/BoardLayout.h"
#include "display/Colors.h"
#include "Messages.h"
#include "settings/Options.h"
#include "system/FileError.h"
#include "system/FileSystem.h"
#include "system/TextFile.h"
#include "text/Tr.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

constexpr int kFirstUserColor = 16;
constexpr int kColorCount = 32;

void SetDefaults(App& app) {
  PuzzleState& p = app.puzzle;
  Rgb* table = app.colors.ColorTable;
  p.MarkStyle = 0;
  p.AutoCheck = 1;
  app.options = Options{};
  table[16] = MakeRgb(255, 128, 128);
  table[17] = MakeRgb(255, 128, 0);
  table[18] = MakeRgb(255, 0, 128);
  for (int i = 19; i < kColorCount; ++i) table[i] = table[kWhiteColor];
}

// Reads one value into `target`; false once the file has ended. A value that is not a number
// (or does not fit) keeps what target held, and the next value is read from the following field.
template <typename T, typename Read>
bool ReadInto(TextReader& in, T& target, Read read) {
  try {
    target = read(in);
  } catch (const FileError& e) {
    return e.number() != kErrPastEnd;
  }
  return true;
}

void ReadFile(App& app, TextReader& in) {
  PuzzleState& p = app.puzzle;
  auto int16 = [](TextReader& r) { return static_cast<int>(r.ReadInt16()); };
  auto int32 = [](TextReader& r) { return static_cast<Rgb>(r.ReadInt32()); };
  if (!ReadInto(in, p.MarkStyle, int16)) return;
  if (!ReadInto(in, p.AutoCheck, int16)) return;
  for (int i = kFirstUserColor; i < kColorCount; ++i)
    if (!ReadInto(in, app.colors.ColorTable[i], int32)) return;
  // The options follow the numbers, one to a line; a file without them leaves them off.
  while (!in.AtEnd()) ReadOptionLine(app.options, in.ReadLine());
}

}  // namespace

void LoadSettings(App& app) {
  PuzzleState& p = app.puzzle;
  for (int i = 0; i < 16; ++i) app.colors.ColorTable[i] = StandardColor(i);
  SetDefaultPalette(p);
  p.CurColor = 1;
  SetDefaults(app);
  if (!FileExists(kSettingsFile)) return;
  try {
    TextReader in = TextReader::Open(kSettingsFile);
    ReadFile(app, in);
  } catch (const FileError&) {
    // A settings file that cannot be opened is as good as none: the defaults stay.
  }
}

bool SaveSettings(App& app) {
  const PuzzleState& p = app.puzzle;
  try {
    TextWriter out(kSettingsFile);
    out.WriteNumber(p.MarkStyle);
    out.WriteNumber(p.AutoCheck);
    for (int i = kFirstUserColor; i < kColorCount; ++i) out.WriteNumber(app.colors.ColorTable[i]);
    for (const std::string& line : OptionLines(app.options)) out.WriteLine(line);
    out.Commit();
    return true;
  } catch (const FileError& e) {
    Ask(app,
        Fill(Tr("設定ファイル {1} に書き込めませんでした。"), {kSettingsFile}) + CR + FileErrorText(e.number()) + CR +
            Tr("変更した設定はこのまま使えますが、次回の起動時には元に戻ります。"),
        MsgButtons::Ok, MsgIcon::Warning);
    return false;
  }
}

}  // namespace gw
