#include "widgets/ShownText.h"

namespace vellumora {

QString shownText(const QString& text)
{
    const QString shown = text.size() > kShownLength ? text.left(kShownLength) + QChar(0x2026) : text;
    // The windows lay text out left to right. A sentence that begins in Arabic or Hebrew is
    // embedded right to left (RLE ... PDF), so its end, its full stop and any Latin words or
    // numbers in it fall where its reader expects them.
    return text.isRightToLeft() ? QChar(0x202B) + shown + QChar(0x202C) : shown;
}

} // namespace vellumora
