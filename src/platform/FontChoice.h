#pragma once

#include <QColor>
#include <QFont>

namespace vellumora {

// What the font dialog gives: face, size, bold, italic, strikeout, underline, and a colour.
struct FontChoice {
    QFont font;
    QColor colour;
    bool operator==(const FontChoice&) const = default;
};

} // namespace vellumora
