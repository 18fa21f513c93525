#include "board/BoardFile.h"

#include "storage/TextEncoding.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vellumora {

namespace {

struct Named {
    BoardSize size;
    const char* name;
    QSize pixels;
};
// Portrait; the paper at 300 dots per inch.
constexpr Named kSizes[] = {
    { BoardSize::Screen, "screen", {} },
    { BoardSize::PhoneTall, "phone", { 1170, 2532 } },
    { BoardSize::PhoneWide, "1080x2400", { 1080, 2400 } },
    { BoardSize::A4, "A4", { 2480, 3508 } },
    { BoardSize::A3, "A3", { 3508, 4961 } },
    { BoardSize::Letter, "Letter", { 2550, 3300 } },
};
// A side longer than this makes a picture no decoder of ours reads back.
constexpr int kLongestSide = 20000;

QString tr(const char* text)
{
    return QCoreApplication::translate("vellumora::BoardChoices", text);
}

} // namespace

QSize BoardPage::pixels(const QSize& screen) const
{
    if (size == BoardSize::Screen) {
        return screen;
    }
    if (size == BoardSize::Typed) {
        return typed;
    }
    for (const Named& named : kSizes) {
        if (named.size == size) {
            return landscape ? named.pixels.transposed() : named.pixels;
        }
    }
    return screen;
}

std::optional<BoardPage> BoardPage::fromName(const QString& name)
{
    for (const Named& named : kSizes) {
        if (name.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) {
            return BoardPage { named.size, {}, false };
        }
    }
    static const QRegularExpression typed(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = typed.match(name);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 16 || size.height() < 16 || size.width() > kLongestSide
        || size.height() > kLongestSide) {
        return std::nullopt;
    }
    return BoardPage { BoardSize::Typed, size, false };
}

std::optional<BoardChoices> BoardChoices::read(const QByteArray& bytes, QString* error)
{
    const auto fail = [&](int line, const QString& why) -> std::optional<BoardChoices> {
        if (error) {
            *error = tr("Line %1: %2").arg(line).arg(why);
        }
        return std::nullopt;
    };
    const std::optional<QString> text = fromUtf8(bytes);
    if (!text || text->contains(QChar(0))) {
        return fail(1, tr("this is not a text file."));
    }
    BoardChoices choices;
    const QStringList lines = text->split(QLatin1Char('\n'));
    for (qsizetype at = 0; at < lines.size(); ++at) {
        QString line = lines[at];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        const int number = int(at) + 1;
        if (line.isEmpty() && at == lines.size() - 1) {
            break;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (equals < 0) {
            choices.unknownLines.append(line.toUtf8());
        } else if (key == QLatin1String("Title")) {
            choices.title = value;
        } else if (key == QLatin1String("Background")) {
            choices.background = QColor::fromString(value);
            if (!choices.background.isValid() || !value.startsWith(QLatin1Char('#'))) {
                return fail(number, tr("\"%1\" is not a colour such as #f6f1e7.").arg(value));
            }
        } else if (key == QLatin1String("Margin")) {
            bool whole = false;
            choices.marginPercent = value.toInt(&whole);
            if (!whole || choices.marginPercent < 0 || choices.marginPercent > kMaxMarginPercent) {
                return fail(
                    number, tr("the margin must be a whole number from 0 to %1.").arg(kMaxMarginPercent));
            }
        } else if (key == QLatin1String("Size")) {
            const std::optional<BoardPage> page = BoardPage::fromName(value);
            if (!page) {
                return fail(number, tr("\"%1\" is not a size the board is made at.").arg(value));
            }
            choices.page = { page->size, page->typed, choices.page.landscape };
        } else if (key == QLatin1String("Orientation")) {
            if (value != QLatin1String("Portrait") && value != QLatin1String("Landscape")) {
                return fail(number, tr("the orientation must be Portrait or Landscape."));
            }
            choices.page.landscape = value == QLatin1String("Landscape");
        } else if (key == QLatin1String("Picture")) {
            choices.order.append(value);
        } else if (key == QLatin1String("Left out")) {
            choices.leftOut.append(value);
        } else {
            choices.unknownLines.append(line.toUtf8());
        }
    }
    return choices;
}

QByteArray BoardChoices::written() const
{
    QString sizeName;
    for (const Named& named : kSizes) {
        if (named.size == page.size) {
            sizeName = QLatin1String(named.name);
        }
    }
    if (page.size == BoardSize::Typed) {
        sizeName = QStringLiteral("%1x%2").arg(page.typed.width()).arg(page.typed.height());
    }
    QStringList lines {
        QStringLiteral("Title=") + title,
        QStringLiteral("Background=") + background.name(),
        QStringLiteral("Margin=%1").arg(marginPercent),
        QStringLiteral("Size=") + sizeName,
        QStringLiteral("Orientation=")
            + (page.landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait")),
    };
    for (const QString& name : order) {
        lines.append(QStringLiteral("Picture=") + name);
    }
    for (const QString& name : leftOut) {
        lines.append(QStringLiteral("Left out=") + name);
    }
    QByteArray bytes;
    for (const QString& line : std::as_const(lines)) {
        bytes += line.toUtf8() + "\r\n";
    }
    for (const QByteArray& line : unknownLines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace vellumora
