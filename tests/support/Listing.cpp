#include "support/Listing.h"

#include "affirmations/RowModel.h"

namespace vellumora {

QString rowTexts(const RowModel& model, bool ticks)
{
    QStringList result;
    for (const Row& row : model.rows()) {
        result.append(row.text + (ticks && row.ticked ? "+" : QString()));
    }
    return result.join(QLatin1Char('|'));
}

bool beginEach(const QStringList& messages, const QStringList& beginnings)
{
    if (messages.size() != beginnings.size()) {
        return false;
    }
    for (qsizetype i = 0; i < messages.size(); ++i) {
        if (!messages[i].startsWith(beginnings[i])) {
            return false;
        }
    }
    return true;
}

} // namespace vellumora
