#pragma once
// A puzzle printed through the real printer class, and what its page shows once rendered.
#include <QImage>
#include <QString>

#include "App.h"

namespace gw::test {

// The cell edge of the printed test puzzle, in millimetres.
constexpr double kTestCellMm = 5;

// Puts a 10 × 10 colour puzzle with two hint slots on each side into `app`: cell (1, 1) red,
// cell (10, 10) green, hints in red, row 2 without hints or cells, the colour printer on.
void MakePrintablePuzzle(App& app);

// The resolution RenderPdf renders at.
constexpr double kPageDpi = 300;

// The first page of a PDF at 300 dpi (null when pdftoppm is missing or fails) and its text.
QImage RenderPdf(const QString& pdf);
QString PdfText(const QString& pdf);
bool HavePdfTools();
// The bounding box of the pixels near the colour.
QRect Find(const QImage& page, int r, int g, int b);

// Checks the rendered page of the test puzzle: cells in their colours, thick lines on board
// offsets 0, 5 and 10 and thin ones between, red hint digits.
void ExpectPrintedPuzzle(const QImage& page);

}  // namespace gw::test
