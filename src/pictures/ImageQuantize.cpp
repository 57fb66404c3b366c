#include "pictures/ImageQuantize.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <tuple>

#include "formats/ColorSpace.h"

namespace gw {
namespace {

struct Cell {
  Lab lab;
  bool transparent = false;
};

// The background: the colour around the picture, or nothing (a transparent surround), which the
// board shows as white.
struct Background {
  Lab lab;
  bool transparent = false;
};

// With one colour, a cell belongs to the shape when it differs this much from the background: a
// difference anyone sees, so a pale shape is kept and a faint shadow is not.
constexpr double kShapeDistance = 20;
// Colours closer than this count as one when the most common colour of a set is looked for.
constexpr double kSameColor = 6;

bool Transparent(const ImagePixels& im, size_t i) { return !im.alpha.empty() && im.alpha[i] < 128; }

Lab Mean(const std::vector<Lab>& labs) {
  Lab sum;
  for (const Lab& l : labs) sum.L += l.L, sum.a += l.a, sum.b += l.b;
  double n = double(std::max<size_t>(1, labs.size()));
  return {sum.L / n, sum.a / n, sum.b / n};
}

// The average of the pixels each cell covers, in L*a*b*; a cell mostly transparent stays so.
std::vector<Cell> Reduce(const ImagePixels& im, int w, int h) {
  std::vector<Cell> cells(size_t(w) * h);
  std::vector<Lab> labs;
  for (int cy = 0; cy < h; ++cy)
    for (int cx = 0; cx < w; ++cx) {
      int x0 = cx * im.width / w, x1 = std::max(x0 + 1, (cx + 1) * im.width / w);
      int y0 = cy * im.height / h, y1 = std::max(y0 + 1, (cy + 1) * im.height / h);
      labs.clear();
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
          if (size_t i = size_t(y) * im.width + x; !Transparent(im, i)) labs.push_back(ToLab(im.rgb[i]));
      Cell& c = cells[size_t(cy) * w + cx];
      c.transparent = labs.size() * 2 < size_t(x1 - x0) * (y1 - y0);
      if (!labs.empty()) c.lab = Mean(labs);
    }
  return cells;
}

// A colour of a set, with how many of the set lie within kSameColor of it (itself included).
struct Weighted {
  Lab lab;
  int near = 0;
};

// The distinct colours of the set, each weighed by the members near it.
std::vector<Weighted> Neighbourhoods(const std::vector<Lab>& labs) {
  std::map<std::tuple<double, double, double>, int> counts;
  for (const Lab& l : labs) ++counts[{l.L, l.a, l.b}];
  std::vector<std::pair<Lab, int>> values;
  for (const auto& [key, n] : counts) values.push_back({{std::get<0>(key), std::get<1>(key), std::get<2>(key)}, n});
  std::vector<Weighted> out;
  for (const auto& [lab, n] : values) {
    int near = 0;
    for (const auto& [other, m] : values)
      if (LabDistance2(lab, other) <= kSameColor * kSameColor) near += m;
    out.push_back({lab, near});
  }
  return out;
}

// The colour most of the set shares (the first on a tie): a flat area gives its own colour, not
// one pulled aside by the mixed colours along its edges.
Lab Dominant(const std::vector<Lab>& labs) {
  Weighted best;
  for (const Weighted& w : Neighbourhoods(labs))
    if (w.near > best.near) best = w;
  return best.lab;
}

// The surround of the picture: the most common colour along the image's border, or transparent
// when more of the border is transparent than is of that colour.
Background EdgeBackground(const ImagePixels& im) {
  std::vector<Lab> opaque;
  int transparent = 0;
  auto add = [&](int x, int y) {
    size_t i = size_t(y) * im.width + x;
    if (Transparent(im, i)) ++transparent;
    else opaque.push_back(ToLab(im.rgb[i]));
  };
  for (int x = 0; x < im.width; ++x) add(x, 0), add(x, im.height - 1);
  for (int y = 1; y + 1 < im.height; ++y) add(0, y), add(im.width - 1, y);
  Background bg{ToLab(MakeRgb(255, 255, 255)), true};
  if (opaque.empty()) return bg;
  Lab dominant = Dominant(opaque);
  int shared = 0;
  for (const Lab& l : opaque) shared += LabDistance2(l, dominant) <= kSameColor * kSameColor;
  if (shared >= transparent) bg = {dominant, false};
  return bg;
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

std::vector<size_t> OpaqueCells(const std::vector<Cell>& cells) {
  std::vector<size_t> opaque;
  for (size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].transparent) opaque.push_back(i);
  return opaque;
}

// The starting centres after the background: each time the cell colour that weighs most, counting
// the cells near it times the squared distance to the nearest centre so far. A large area unlike
// the others comes before a speck, however dark; the result does not depend on chance.
std::vector<Lab> StartCentres(const std::vector<Cell>& cells, const std::vector<size_t>& opaque,
                              const Lab& background, int k) {
  std::vector<Lab> labs;
  for (size_t i : opaque) labs.push_back(cells[i].lab);
  std::vector<Weighted> candidates = Neighbourhoods(labs);
  std::vector<Lab> centres{background};
  while (int(centres.size()) <= k) {
    double best = 0;
    Lab pick;
    for (const Weighted& w : candidates) {
      double d = LabDistance2(w.lab, centres[Nearest(w.lab, centres)]);
      if (d >= 1.0 && d * w.near > best) best = d * w.near, pick = w.lab;
    }
    if (best == 0) break;  // every cell already sits on a centre: fewer colours are enough
    centres.push_back(pick);
  }
  return centres;
}

// Centre 0 is the background and stays where the edge put it; the others move to the mean of
// their cells.
std::vector<int> KMeans(const std::vector<Cell>& cells, const Lab& background, int k) {
  std::vector<size_t> opaque = OpaqueCells(cells);
  std::vector<Lab> centres = StartCentres(cells, opaque, background, k);
  std::vector<int> label(cells.size(), 0);
  for (int round = 0; round < 30; ++round) {
    bool moved = false;
    for (size_t i : opaque) {
      int n = Nearest(cells[i].lab, centres);
      moved = moved || n != label[i];
      label[i] = n;
    }
    if (!moved && round > 0) break;
    std::vector<std::vector<Lab>> members(centres.size());
    for (size_t i : opaque) members[label[i]].push_back(cells[i].lab);
    for (size_t c = 1; c < centres.size(); ++c)
      if (!members[c].empty()) centres[c] = Mean(members[c]);
  }
  return label;
}

// One colour: the shape against the background. With a transparent surround every opaque cell is
// the shape; otherwise every cell that differs visibly from the background.
std::vector<int> Silhouette(const std::vector<Cell>& cells, const Background& bg) {
  std::vector<int> label(cells.size(), 0);
  for (size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].transparent)
      label[i] = bg.transparent || LabDistance2(cells[i].lab, bg.lab) > kShapeDistance * kShapeDistance;
  return label;
}

// Each colour of the puzzle is the colour most of its cells share.
std::vector<Lab> Colors(const std::vector<Cell>& cells, const std::vector<int>& label, int k) {
  std::vector<std::vector<Lab>> members(k + 1);
  for (size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].transparent) members[label[i]].push_back(cells[i].lab);
  std::vector<Lab> colors(k + 1);
  for (int c = 1; c <= k; ++c)
    if (!members[c].empty()) colors[c] = Dominant(members[c]);
  return colors;
}

double Distance(const Lab& x, const Lab& y) { return std::sqrt(LabDistance2(x, y)); }

// The colour as the board shows it: through its RGB value, which the gamut may have clipped.
Lab Shown(const Lab& l) { return ToLab(FromLab(l)); }

// `from` moved straight away from `anchor` to just past kDistinctColors from it, or straight
// lighter or darker when they are one colour (or the gamut clips the straight move short).
std::optional<Lab> MovedApart(const Lab& from, const Lab& anchor) {
  constexpr double kReach = kDistinctColors + 0.5;
  std::vector<Lab> directions;
  double d = Distance(from, anchor);
  if (d > 1e-6) directions.push_back({(from.L - anchor.L) / d, (from.a - anchor.a) / d, (from.b - anchor.b) / d});
  directions.push_back({anchor.L < 50 ? 1.0 : -1.0, 0, 0});
  directions.push_back({anchor.L < 50 ? -1.0 : 1.0, 0, 0});
  for (const Lab& dir : directions) {
    Lab moved{anchor.L + dir.L * kReach, anchor.a + dir.a * kReach, anchor.b + dir.b * kReach};
    if (Distance(Shown(moved), Shown(anchor)) >= kDistinctColors) return moved;
  }
  return std::nullopt;
}

// Every two colours of the puzzle, the background (colour 0) among them, at least
// kDistinctColors apart as the board shows them. The closest pair goes first: the colour of fewer
// cells (never the background) moves away from the other, and is merged into it where it cannot
// move or the moves go round in circles.
void KeepColorsApart(std::vector<Lab>& colors, std::vector<int>& label, const Lab& background) {
  const int k = int(colors.size()) - 1;
  colors[0] = background;
  std::vector<int> cells(colors.size(), 0);
  for (int l : label) ++cells[l];
  cells[0] = std::numeric_limits<int>::max();
  auto closest = [&](int& a, int& b) {
    double best = std::numeric_limits<double>::max();
    for (int x = 0; x <= k; ++x)
      for (int y = x + 1; y <= k; ++y)
        if (cells[x] > 0 && cells[y] > 0) {
          double d = Distance(Shown(colors[x]), Shown(colors[y]));
          if (d < best) best = d, a = x, b = y;
        }
    return best;
  };
  for (int round = 0; round < 4 * (k + 1) * (k + 1); ++round) {
    int a = 0, b = 0;
    if (closest(a, b) >= kDistinctColors) return;
    int mover = cells[a] < cells[b] ? a : b, stays = mover == a ? b : a;
    std::optional<Lab> moved = round < 2 * (k + 1) * (k + 1) ? MovedApart(colors[mover], colors[stays]) : std::nullopt;
    if (moved) {
      colors[mover] = *moved;
      continue;
    }
    for (int& l : label)
      if (l == mover) l = stays;
    if (stays != 0) cells[stays] += cells[mover];
    cells[mover] = 0;
  }
}

// Numbers the colours from the one most unlike the background, whatever order the clustering
// found them in, so that the strongest colour of the picture is colour 1.
void NumberByContrast(std::vector<Lab>& colors, std::vector<int>& label, const Lab& background) {
  std::vector<int> order(colors.size());
  for (size_t c = 0; c < order.size(); ++c) order[c] = int(c);
  std::stable_sort(order.begin() + 1, order.end(), [&](int x, int y) {
    return LabDistance2(colors[x], background) > LabDistance2(colors[y], background);
  });
  std::vector<int> newNumber(colors.size());
  std::vector<Lab> sorted(colors.size());
  for (size_t n = 0; n < order.size(); ++n) newNumber[order[n]] = int(n), sorted[n] = colors[order[n]];
  for (int& l : label) l = newNumber[l];
  colors = sorted;
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
  Background bg = EdgeBackground(image);
  std::vector<int> label = k == 1 ? Silhouette(cells, bg) : KMeans(cells, bg.lab, k);
  std::vector<Lab> colors = Colors(cells, label, k);
  KeepColorsApart(colors, label, bg.lab);
  NumberByContrast(colors, label, bg.lab);
  p.colors.push_back({"background", FromLab(bg.lab), '.'});
  for (int c = 1; c <= k; ++c) p.colors.push_back({"c" + std::to_string(c), FromLab(colors[c]), 0});
  p.solution.assign(p.height, std::vector<int>(p.width, 0));
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.solution[y][x] = label[size_t(y) * p.width + x];
  DropUnusedColors(p);
  DeriveClues(p);
  return p;
}

}  // namespace gw
