#include "library/Backup.h"

namespace vellumora {

namespace {

QString escaped(const QString& text, bool key)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            out += QLatin1String("\\\\");
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (key && (c == QLatin1Char('=') || c == QLatin1Char(']'))) {
            out += QLatin1Char('\\') + c;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QByteArray Backup::encodeSettings(const QList<SettingValue>& values)
{
    QString text;
    QString section;
    bool first = true;
    for (const SettingValue& value : values) {
        if (first || value.section != section) {
            section = value.section;
            text += QLatin1Char('[') + escaped(section, true) + QStringLiteral("]\r\n");
            first = false;
        }
        text += escaped(value.key, true) + QLatin1Char('=') + escaped(value.value, false)
            + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QList<SettingValue> Backup::decodeSettings(const QByteArray& bytes)
{
    QList<SettingValue> values;
    QString section;
    // The lines are views into the text, which must outlive them.
    const QString text = decodeText(bytes).text;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        // Unescapes up to the first bare '=' (a key) or the line's end.
        QString parts[2];
        int part = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == QLatin1Char('\\') && i + 1 < line.size()) {
                const QChar next = line[++i];
                parts[part] += next == QLatin1Char('n') ? QChar(u'\n')
                    : next == QLatin1Char('r')          ? QChar(u'\r')
                                                        : next;
            } else if (c == QLatin1Char('=') && part == 0) {
                part = 1;
            } else {
                parts[part] += c;
            }
        }
        if (part == 0 && parts[0].startsWith(QLatin1Char('[')) && parts[0].endsWith(QLatin1Char(']'))) {
            section = parts[0].mid(1).chopped(1);
        } else if (part == 1 && !section.isEmpty() && !parts[0].isEmpty()) {
            values.append({ section, parts[0], parts[1] });
        }
    }
    return values;
}

} // namespace vellumora
