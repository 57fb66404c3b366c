#include "print/PrintJob.h"

#include <cctype>
#include <functional>

#include "Messages.h"
#include "system/FileSystem.h"
#include "system/PathSyntax.h"
#include "state/Document.h"
#include "state/Paths.h"
#include "text/Tr.h"

namespace gw {
namespace {

// One document from begin to end; false when it could not begin or not be sent.
bool PrintDocument(App& app, const PageGeometry& page, const std::function<bool(Printer&)>& begin) {
  Printer& printer = app.ui.GetPrinter();
  app.ui.SetPointer(Pointer::Busy);
  bool done = begin(printer);
  if (done) {
    PrintPuzzle(app, printer, page);
    done = printer.End();
  }
  app.ui.SetPointer(Pointer::Normal);
  return done;
}

bool EndsWithPdf(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return ext == ".pdf";
}

// The file the user names, with ".pdf" added when missing; empty after Cancel, an empty name, or
// a refusal to replace an existing file.
std::string AskPdfName(App& app) {
  InputResult r = app.ui.InputBox(Tr("保存するPDFファイルの名前を入力してください。"), Tr("PDFファイルに保存"),
                                  ChangeExt(app.document.CurFileName, "pdf"));
  std::string name = r.cancelled ? "" : r.text;
  if (name.find_first_not_of(' ') == std::string::npos) return "";
  if (!EndsWithPdf(name)) name += ".pdf";
  if (FileExists(name) &&
      Ask(app, Fill(Tr("「{1}」は既にあります。"), {name}) + CR + Tr("上書きしますか？"), MsgButtons::YesNo,
          MsgIcon::Question, 2) != MsgResult::Yes)
    return "";
  return name;
}

bool SavePdfInstead(App& app, const PageGeometry& page, const std::string& why) {
  std::string offer = Tr("印刷できませんでした。") + CR + why + CR + Tr("代わりにPDFファイルとして保存しますか？");
  if (Ask(app, offer, MsgButtons::YesNo, MsgIcon::Warning) != MsgResult::Yes) return false;
  std::string name = AskPdfName(app);
  if (name.empty()) return false;
  if (!PrintDocument(app, page, [&](Printer& p) { return p.BeginPdf(name); })) {
    Ask(app, app.ui.GetPrinter().LastError(), MsgButtons::Ok, MsgIcon::Warning);
    return false;
  }
  // A name typed without a folder lands in the folder the program works in, which the player
  // may not know: the whole path says where to find it.
  std::string where = AbsoluteFolder(CurrentDirectory(), name);
  Msg(app, Fill(Tr("PDFファイル「{1}」に保存しました。"), {name}) + CR + Fill(Tr("保存先: {1}"), {where}));
  return true;
}

}  // namespace

bool PrintOrSavePdf(App& app, const PageGeometry& page) {
  if (PrintDocument(app, page, [](Printer& p) { return p.Begin(); })) return true;
  return SavePdfInstead(app, page, app.ui.GetPrinter().LastError());
}

}  // namespace gw
