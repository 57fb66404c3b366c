#include "mainwnd/Help.h"

#include "Messages.h"
#include "text/Tr.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

// Each paragraph is one text of the catalogue, its lines parted by CR inside it, so that a
// translation can rewrap and reword it whole; the blank lines between paragraphs stay here.
std::string Line(const std::string& text) { return text + CR; }

std::string PlayHelp() {
  return Line("") +
         Line(Tr("パレットクリックで現在選択されている色を変更\r"
                 "・左クリック→現在選択されている色を塗る or 消す\r"
                 "・右クリック→空マスマークが付く or 消す\r"
                 "　どちらもドラッグすると連続で塗ったり消したりできます")) +
         Line("") +
         Line(Tr("　ヒントの数字をチェックできますが、カスタマイズで自動チェックにしましょう。"
                 "完全ではありません。けっこうおばかですが、リアルタイムチェックなので、割りと便利です。"
                 "もちろん自分でもチェックできます。")) +
         Line("") +
         Line(Tr("　黄色など、ヒントの数字が見づらい時には、カスタマイズで色を変更しましょう。"
                 "プレイモードでの色のカスタマイズは一時的な物で、ディスクには書き込みません。"
                 "完成したら、元の色に戻して「感動」しましょう。"));
}

std::string NumberHelp() {
  return Line("") +
         Line(Tr("基本的な入力方法は、\r"
                 "　　１．数字をすべて入力する。\r"
                 "　　２．カスタマイズでカラーパレットを作成する。\r"
                 "　　３．マウスの右クリックで数字の色を変更する。\r"
                 "この順序が一番スムーズに入力できます。")) +
         Line("") +
         Tr("※数字は２桁で自動リターンします。"
            "１桁のときは自分でリターンしてください。");
}

std::string ImageHelp() {
  return Line("") +
         Line(Tr("まず、カスタマイズでカラーパレットを作成します。\r"
                 "パレットクリックで現在選択されている色を変更\r"
                 "・左クリック→現在選択されている色を塗る or 消す")) +
         Line("") +
         Line(Tr("「雑誌」などに応募するときは、でき上がったら、必ず自動で解かせましょう。"
                 "別解がある場合があります。これは問題ミスとされています。"));
}

}  // namespace

HelpText BuildHelp(int mode) {
  HelpText help;
  std::string body;
  switch (mode) {
    case kModeNumber:
      help.title = Tr("「２：数字入力（問題入力）編」");
      body = NumberHelp();
      break;
    case kModeImage:
      help.title = Tr("「３：画像入力（問題作成）編」");
      body = ImageHelp();
      break;
    default:
      help.title = Tr("「１：プレイモード編」");
      body = PlayHelp();
      break;
  }
  help.text = Tr("グリッドウィック（カラー対応版）") + Line(help.title) + body;
  return help;
}

}  // namespace gw
