#include "SourceImages.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <sstream>

namespace gw::collection {
namespace {

// The font's bitmaps are drawn at 109 pixels to the em (136 × 128 a glyph): drawn at that size
// they are copied, not scaled.
constexpr int kEmojiPixels = 109;

QImage CropToOpaque(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) >= 128) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right < 0) return {};
  return image.copy(left, top, right - left + 1, bottom - top + 1);
}

QString EmojiText(const std::string& hexPoints) {
  std::u32string points;
  std::stringstream in(hexPoints);
  std::string one;
  while (std::getline(in, one, '-')) points += char32_t(std::stoul(one, nullptr, 16));
  return QString::fromUcs4(points.data(), qsizetype(points.size()));
}

QImage DrawEmoji(const std::string& hexPoints, const std::string& fontPath, std::string& error) {
  static QString family;
  if (family.isEmpty()) {
    int id = QFontDatabase::addApplicationFont(QString::fromStdString(fontPath));
    family = QFontDatabase::applicationFontFamilies(id).value(0);
    if (family.isEmpty()) {
      error = fontPath + ": the font cannot be loaded";
      return {};
    }
  }
  QImage image(4 * kEmojiPixels, 2 * kEmojiPixels, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  QFont font(family);
  font.setPixelSize(kEmojiPixels);
  p.setFont(font);
  p.drawText(image.rect(), Qt::AlignCenter, EmojiText(hexPoints));
  p.end();
  return image;
}

}  // namespace

bool FetchImage(const Entry& e, const SourceFolders& from, const std::string& pngPath, std::string& error) {
  QImage image;
  if (e.source.rfind("tango:", 0) == 0) {
    std::string path = from.tango + "/" + e.source.substr(6);
    if (!image.load(QString::fromStdString(path))) error = path + ": cannot be read";
  } else {
    image = DrawEmoji(e.source.substr(6), from.emojiFont, error);
  }
  if (image.isNull()) return false;
  image = CropToOpaque(image.convertToFormat(QImage::Format_ARGB32));
  if (image.isNull()) {
    error = e.source + ": nothing opaque was drawn";
    return false;
  }
  // The highest compression: the images are kept in the repository.
  if (!image.save(QString::fromStdString(pngPath), "PNG", 0)) {
    error = pngPath + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace gw::collection
