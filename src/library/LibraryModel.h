#pragma once
// What the library window shows: the rows left by the filter in the order of the sort column, each
// column's text, and the thumbnail of a puzzle as cell colours.
#include <string>
#include <vector>

#include "library/Library.h"

namespace gw {

enum LibraryColumn {
  kColPicture, kColTitle, kColAuthor, kColSize, kColColors, kColRating, kColUnique, kColState,
  kColBest, kColSolved, kColLast, kColFile, kColumnCount
};

// 0 in a field means no filter on it.
struct LibraryFilter {
  int state = 0;   // 1 not started, 2 in progress, 3 solved
  int size = 0;    // 1 up to 10 x 10, 2 up to 20 x 20, 3 up to 40 x 40, 4 larger
  int colors = 0;  // 1 monochrome, 2 in colour
  int rating = 0;  // 1 line, 2 probe, 3 search, 4 not rated (several solutions, unknown, not read)
  std::string text;  // part of the title or the author, ASCII letters in any case
};

struct LibraryListing {
  LibraryFilter filter;
  int sortColumn = kColTitle;
  bool descending = false;
  std::vector<int> rows;  // indices into Library::Entries()
};

std::string ColumnTitle(int column);
// The choices of each filter, index = the filter's value, in Japanese (Tr where they are shown).
const std::vector<std::string>& FilterChoices(const std::string& filter);

void UpdateRows(const Library& library, LibraryListing& view);
std::string CellText(const LibraryEntry& e, int column);
// "m:ss", or "h:mm:ss" from an hour on.
std::string DurationText(double seconds);

// The picture of a solved puzzle; a blank grid of its size otherwise (cells all -1).
struct Thumbnail {
  int width = 0;
  int height = 0;
  std::vector<Rgb> cells;  // row by row; -1 for a blank cell, else the colour (white background)
};
Thumbnail ThumbnailOf(const LibraryEntry& e);

}  // namespace gw
