#include "mainwnd/Help.h"

#include "Messages.h"
#include "state/PuzzleState.h"

namespace gw {
namespace {

std::string Line(const std::string& text) { return text + CR; }

std::string PlayHelp() {
  return Line("") +
         Line("パレットクリックで現在選択されている色を変更") +
         Line("・左クリック→現在選択されている色を塗る or 消す") +
         Line("・右クリック→空マスマークが付く or 消す") +
         Line("　どちらもドラッグすると連続で塗ったり消したりできます") +
         Line("") +
         "　ヒントの数字をチェックできますが、カスタマイズで自動チェックにしましょう。"
         "完全ではありません。けっこうおばかですが、リアルタイムチェックなので、割りと便利です。" +
         Line("もちろん自分でもチェックできます。") +
         Line("") +
         "　黄色など、ヒントの数字が見づらい時には、カスタマイズで色を変更しましょう。"
         "プレイモードでの色のカスタマイズは一時的な物で、ディスクには書き込みません。" +
         Line("完成したら、元の色に戻して「感動」しましょう。");
}

std::string NumberHelp() {
  return Line("") +
         Line("基本的な入力方法は、") +
         Line("　　１．数字をすべて入力する。") +
         Line("　　２．カスタマイズでカラーパレットを作成する。") +
         Line("　　３．マウスの右クリックで数字の色を変更する。") +
         Line("この順序が一番スムーズに入力できます。") +
         Line("") +
         "※数字は２桁で自動リターンします。"
         "１桁のときは自分でリターンしてください。";
}

std::string ImageHelp() {
  return Line("") +
         Line("まず、カスタマイズでカラーパレットを作成します。") +
         Line("パレットクリックで現在選択されている色を変更") +
         Line("・左クリック→現在選択されている色を塗る or 消す") +
         Line("") +
         "「雑誌」などに応募するときは、でき上がったら、必ず自動で解かせましょう。" +
         Line("別解がある場合があります。これは問題ミスとされています。");
}

}  // namespace

HelpText BuildHelp(int mode) {
  HelpText help;
  std::string body;
  switch (mode) {
    case kModeNumber:
      help.title = "「２：数字入力（問題入力）編」";
      body = NumberHelp();
      break;
    case kModeImage:
      help.title = "「３：画像入力（問題作成）編」";
      body = ImageHelp();
      break;
    default:
      help.title = "「１：プレイモード編」";
      body = PlayHelp();
      break;
  }
  help.text = "グリッドウィック（カラー対応版）" + Line(help.title) + body;
  return help;
}

}  // namespace gw
