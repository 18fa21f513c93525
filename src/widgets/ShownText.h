#pragma once

#include <QString>

namespace vellumora {

// Text as the windows draw it: at most kShownLength characters, then an ellipsis. Laying out a
// line of a megabyte would hold up the window for a second at every paint; what is stored stays
// whole. Text that begins right to left is drawn right to left.
constexpr int kShownLength = 1000;
QString shownText(const QString& text);

} // namespace vellumora
