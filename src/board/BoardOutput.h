#pragma once

#include "board/Board.h"

#include <QImage>
#include <QPageSize>

namespace vellumora::BoardOutput {

// The board with each picture decoded at the size it takes.
QImage picture(const BoardSheet& sheet);

// The paper a page of so many pixels at 300 dots per inch is printed on: a standard size where it
// is one, and the page's orientation.
QPageSize paperOf(const QSize& pixels);
constexpr int kDotsPerInch = 300;

// Writes the board to a picture (".png", ".jpg", ".jpeg") or a PDF (".pdf"), whole or not at
// all: a failure leaves no file behind and tells why.
Outcome save(const BoardSheet& sheet, const QString& path);

} // namespace vellumora::BoardOutput
