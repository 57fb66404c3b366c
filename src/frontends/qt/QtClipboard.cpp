// The desktop's clipboard for 編集 > 問題をコピー and 問題を貼り付け.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "frontends/qt/QtPlatform.h"

namespace gw {

ClipboardContent QtPlatform::ReadClipboard() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || data->formats().isEmpty()) return {};
  // An image copied from a drawing program often carries a file name as text too: the image is
  // what the user copied.
  if (data->hasImage()) return {ClipboardContent::Kind::Image, {}};
  if (data->hasText()) return {ClipboardContent::Kind::Text, data->text().toStdString()};
  return {ClipboardContent::Kind::Other, {}};
}

void QtPlatform::WriteClipboard(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace gw
