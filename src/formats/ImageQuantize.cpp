#include "formats/ImageQuantize.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "formats/ColorSpace.h"

namespace gw {
namespace {

struct Cell {
  Lab lab;
  bool transparent = false;
};

bool Transparent(const ImagePixels& im, size_t i) { return !im.alpha.empty() && im.alpha[i] < 128; }

// The average of the pixels each cell covers, in L*a*b*; a cell mostly transparent stays so.
std::vector<Cell> Reduce(const ImagePixels& im, int w, int h) {
  std::vector<Cell> cells(size_t(w) * h);
  for (int cy = 0; cy < h; ++cy)
    for (int cx = 0; cx < w; ++cx) {
      int x0 = cx * im.width / w, x1 = std::max(x0 + 1, (cx + 1) * im.width / w);
      int y0 = cy * im.height / h, y1 = std::max(y0 + 1, (cy + 1) * im.height / h);
      Lab sum;
      int opaque = 0, all = 0;
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, ++all) {
          size_t i = size_t(y) * im.width + x;
          if (Transparent(im, i)) continue;
          Lab l = ToLab(im.rgb[i]);
          sum.L += l.L, sum.a += l.a, sum.b += l.b;
          ++opaque;
        }
      Cell& c = cells[size_t(cy) * w + cx];
      c.transparent = opaque * 2 < all;
      if (opaque > 0) c.lab = {sum.L / opaque, sum.a / opaque, sum.b / opaque};
    }
  return cells;
}

// The most frequent colour along the image's border, by coarse buckets, averaged within its bucket.
Lab EdgeColor(const ImagePixels& im) {
  std::map<int, std::pair<int, Lab>> buckets;
  auto add = [&](int x, int y) {
    size_t i = size_t(y) * im.width + x;
    if (Transparent(im, i)) return;
    Rgb c = im.rgb[i];
    int key = (RedOf(c) >> 4) << 8 | (GreenOf(c) >> 4) << 4 | (BlueOf(c) >> 4);
    auto& [count, sum] = buckets[key];
    Lab l = ToLab(c);
    ++count;
    sum.L += l.L, sum.a += l.a, sum.b += l.b;
  };
  for (int x = 0; x < im.width; ++x) add(x, 0), add(x, im.height - 1);
  for (int y = 1; y + 1 < im.height; ++y) add(0, y), add(im.width - 1, y);
  if (buckets.empty()) return ToLab(MakeRgb(255, 255, 255));
  auto best = std::max_element(buckets.begin(), buckets.end(),
                               [](const auto& a, const auto& b) { return a.second.first < b.second.first; });
  const auto& [count, sum] = best->second;
  return {sum.L / count, sum.a / count, sum.b / count};
}

int Nearest(const Lab& l, const std::vector<Lab>& centres) {
  int best = 0;
  double bestDist = std::numeric_limits<double>::max();
  for (size_t k = 0; k < centres.size(); ++k) {
    double d = LabDistance2(l, centres[k]);
    if (d < bestDist) bestDist = d, best = int(k);
  }
  return best;
}

// Centre 0 is the background and stays where the edge put it; the others start at the cells
// farthest from every centre so far (so the result does not depend on chance) and move to the
// mean of their cells.
std::vector<int> KMeans(const std::vector<Cell>& cells, const Lab& background, int k) {
  std::vector<Lab> centres{background};
  std::vector<size_t> opaque;
  for (size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].transparent) opaque.push_back(i);
  while (int(centres.size()) <= k) {
    double far = 0;
    size_t pick = 0;
    for (size_t i : opaque) {
      double d = LabDistance2(cells[i].lab, centres[Nearest(cells[i].lab, centres)]);
      if (d > far) far = d, pick = i;
    }
    if (far < 1.0) break;  // every cell already sits on a centre: fewer colours are enough
    centres.push_back(cells[pick].lab);
  }
  std::vector<int> label(cells.size(), 0);
  for (int round = 0; round < 30; ++round) {
    bool moved = false;
    for (size_t i : opaque) {
      int n = Nearest(cells[i].lab, centres);
      moved = moved || n != label[i];
      label[i] = n;
    }
    if (!moved && round > 0) break;
    std::vector<Lab> sum(centres.size());
    std::vector<int> count(centres.size(), 0);
    for (size_t i : opaque) {
      Lab& s = sum[label[i]];
      s.L += cells[i].lab.L, s.a += cells[i].lab.a, s.b += cells[i].lab.b;
      ++count[label[i]];
    }
    for (size_t c = 1; c < centres.size(); ++c)
      if (count[c] > 0) centres[c] = {sum[c].L / count[c], sum[c].a / count[c], sum[c].b / count[c]};
  }
  return label;
}

std::vector<Lab> Means(const std::vector<Cell>& cells, const std::vector<int>& label, int k) {
  std::vector<Lab> sum(k + 1);
  std::vector<int> count(k + 1, 0);
  for (size_t i = 0; i < cells.size(); ++i) {
    if (cells[i].transparent) continue;
    Lab& s = sum[label[i]];
    s.L += cells[i].lab.L, s.a += cells[i].lab.a, s.b += cells[i].lab.b;
    ++count[label[i]];
  }
  for (int c = 0; c <= k; ++c)
    if (count[c] > 0) sum[c] = {sum[c].L / count[c], sum[c].a / count[c], sum[c].b / count[c]};
  return sum;
}

}  // namespace

void BoardSizeFor(const ImagePixels& image, int longSide, int& width, int& height) {
  longSide = std::clamp(longSide, 1, kMaxFormatSize);
  if (image.width >= image.height) {
    width = longSide;
    height = std::max(1, int(std::lround(double(longSide) * image.height / std::max(1, image.width))));
  } else {
    height = longSide;
    width = std::max(1, int(std::lround(double(longSide) * image.width / std::max(1, image.height))));
  }
}

PuzzleData QuantizeImage(const ImagePixels& image, const QuantizeRequest& request) {
  PuzzleData p;
  if (image.width < 1 || image.height < 1) return p;
  BoardSizeFor(image, request.longSide, p.width, p.height);
  int k = std::clamp(request.colors, 1, 9);
  std::vector<Cell> cells = Reduce(image, p.width, p.height);
  Lab background = EdgeColor(image);
  std::vector<int> label = KMeans(cells, background, k);
  std::vector<Lab> means = Means(cells, label, k);
  means[0] = background;
  p.colors.push_back({"background", FromLab(background), '.'});
  for (int c = 1; c <= k; ++c) p.colors.push_back({"c" + std::to_string(c), FromLab(means[c]), 0});
  p.solution.assign(p.height, std::vector<int>(p.width, 0));
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.solution[y][x] = label[size_t(y) * p.width + x];
  DropUnusedColors(p);
  DeriveClues(p);
  return p;
}

}  // namespace gw
