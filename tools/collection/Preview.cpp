#include "Preview.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace gw::collection {
namespace {

QColor ToQColor(Rgb c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

// The cells with a faint grid, the background in its own colour, top left at (x, y).
void DrawSolved(QPainter& painter, const PuzzleData& p, int x, int y, int cell) {
  for (int row = 0; row < p.height; ++row)
    for (int col = 0; col < p.width; ++col)
      painter.fillRect(x + col * cell, y + row * cell, cell, cell, ToQColor(p.colors[p.solution[row][col]].rgb));
  if (cell < 4) return;
  painter.setPen(QColor(0, 0, 0, 40));
  for (int col = 0; col <= p.width; ++col) painter.drawLine(x + col * cell, y, x + col * cell, y + p.height * cell);
  for (int row = 0; row <= p.height; ++row) painter.drawLine(x, y + row * cell, x + p.width * cell, y + row * cell);
}

}  // namespace

bool WriteSolvedPng(const PuzzleData& p, int cellPixels, const std::string& path) {
  QImage image(p.width * cellPixels + 1, p.height * cellPixels + 1, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  DrawSolved(painter, p, 0, 0, cellPixels);
  painter.end();
  return image.save(QString::fromStdString(path), "PNG");
}

bool WriteContactSheet(const std::vector<PuzzleData>& puzzles, int perRow, const std::string& path) {
  if (puzzles.empty()) return false;
  constexpr int kFrame = 128, kGap = 8;
  int rows = (int(puzzles.size()) + perRow - 1) / perRow;
  QImage image(perRow * (kFrame + kGap) + kGap, rows * (kFrame + kGap) + kGap, QImage::Format_RGB32);
  image.fill(QColor(200, 200, 200));
  QPainter painter(&image);
  for (size_t i = 0; i < puzzles.size(); ++i) {
    const PuzzleData& p = puzzles[i];
    int cell = std::max(1, kFrame / std::max(p.width, p.height));
    int x = kGap + int(i % perRow) * (kFrame + kGap) + (kFrame - cell * p.width) / 2;
    int y = kGap + int(i / perRow) * (kFrame + kGap) + (kFrame - cell * p.height) / 2;
    DrawSolved(painter, p, x, y, cell);
  }
  painter.end();
  return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace gw::collection
