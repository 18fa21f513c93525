#include "show/ShowArithmetic.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <cmath>

namespace vellumora::show {

int roundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode is to nearest, ties to even
}

int randomPicture(int count, double r)
{
    return std::clamp(int(std::floor(count * r + 1)), 1, std::max(1, count));
}

int randomAffirmation(int lastIndex, double r)
{
    return std::clamp(roundHalfEven(r * lastIndex), 0, std::max(0, lastIndex));
}

int nextPicture(int index, int count)
{
    return index >= count ? 1 : index + 1;
}

int nextAffirmation(int index, int lastIndex)
{
    return index >= lastIndex ? 0 : index + 1;
}

QPoint randomPlace(QSize screenTwips, QSize windowTwips, double rTop, double rLeft)
{
    const int top = roundHalfEven((screenTwips.height() - windowTwips.height()) * rTop);
    const int left = roundHalfEven((screenTwips.width() - windowTwips.width()) * rLeft);
    return QPoint(left, top);
}

QPointF centrePlace(QSize screenTwips, QSize windowTwips)
{
    return QPointF((screenTwips.width() - windowTwips.width()) / 2.0,
        (screenTwips.height() - windowTwips.height()) / 2.0);
}

void Glide::tick(int labelWidth, int windowWidth)
{
    if (rightward && left <= windowWidth) {
        left += kStep;
    } else if (!rightward && left + labelWidth >= 0) {
        left -= kStep;
    } else {
        rightward = !rightward;
    }
}

double Glide::at(double steps, int labelWidth, int windowWidth)
{
    const qint64 whole = qint64(std::floor(steps));
    for (; taken < whole; ++taken) {
        tick(labelWidth, windowWidth);
    }
    if (whole < taken) {
        return left;
    }
    Glide next = *this;
    next.tick(labelWidth, windowWidth);
    return left + (next.left - left) * (steps - double(whole));
}

QString musicStatus(const QString& path, qint64 positionMs, qint64 lengthMs)
{
    // The name follows the last separator of either kind; the extension starts at the last dot
    // after it.
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        name.truncate(dot);
    }
    // Until the player knows the file's length there are no seconds to tell.
    if (lengthMs <= 0) {
        return QCoreApplication::translate("vellumora::show", "Playing %1").arg(name);
    }
    const QLocale locale;
    //: %1 is the music's name, %2 the seconds played, %3 its length in seconds.
    return QCoreApplication::translate(
        "vellumora::show", "Playing %1\r\nRemaining Time:-%2 Seconds Of %3 Seconds")
        .arg(name, locale.toString(roundHalfEven(positionMs / 1000.0)),
            locale.toString(roundHalfEven(lengthMs / 1000.0)));
}

} // namespace vellumora::show
