#include "storage/QuotedFields.h"

namespace vellumora {

namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// A field with a double quote written bare reads back whole only if nothing in it would be taken
// for an opening quote, a separator or a blank to be skipped.
bool readsBackBare(const QString& text)
{
    return !text.isEmpty() && text.front() != kQuote && !isBlank(text.front()) && !isBlank(text.back())
        && !text.contains(kComma) && std::none_of(text.cbegin(), text.cend(), isLineEnd);
}

} // namespace

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QList<QStringView> textLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineEnd(text[end])) {
            ++end;
        }
        const QStringView line = text.mid(start, end - start);
        if (!std::all_of(line.cbegin(), line.cend(), isBlank)) {
            lines.append(line);
        }
        // CR LF ends one line, not two; the blank line between would be passed over anyway.
        start = end + 1;
    }
    return lines;
}

QList<QuotedField> splitFields(QStringView line)
{
    QList<QuotedField> fields;
    const qsizetype end = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < end && isBlank(line[i])) {
            ++i;
        }
        QuotedField field;
        if (i < end && line[i] == kQuote) {
            const qsizetype close = line.indexOf(kQuote, i + 1);
            field.quoted = true;
            field.closed = close >= 0;
            field.text = line.mid(i + 1, (field.closed ? close : end) - i - 1).toString();
            i = field.closed ? close + 1 : end;
            while (i < end && line[i] != kComma) {
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (i < end && line[i] != kComma) {
                ++i;
            }
            qsizetype stop = i;
            while (stop > start && isBlank(line[stop - 1])) {
                --stop;
            }
            field.text = line.mid(start, stop - start).toString();
        }
        fields.append(std::move(field));
        if (i >= end) {
            return fields;
        }
        ++i; // the comma
    }
}

QString quoteField(const QString& text)
{
    if (!text.contains(kQuote)) {
        return kQuote + text + kQuote;
    }
    if (readsBackBare(text)) {
        return text;
    }
    return kQuote + withoutDoubleQuotes(text) + kQuote;
}

QString withoutDoubleQuotes(QString text)
{
    bool opening = true;
    for (QChar& c : text) {
        if (c == kQuote) {
            c = opening ? QChar(0x201C) : QChar(0x201D);
            opening = !opening;
        }
    }
    return text;
}

} // namespace vellumora
