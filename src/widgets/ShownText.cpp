#include "widgets/ShownText.h"

namespace vellumora {

QString shownText(const QString& text)
{
    return text.size() > kShownLength ? text.left(kShownLength) + QChar(0x2026) : text;
}

} // namespace vellumora
