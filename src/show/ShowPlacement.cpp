#include "show/ShowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <algorithm>

namespace vellumora::ShowPlacement {

namespace {

const QScreen* screenNamed(const QString& name)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto found = std::find_if(
        screens.cbegin(), screens.cend(), [&name](const QScreen* screen) { return screen->name() == name; });
    return found == screens.cend() ? nullptr : *found;
}

} // namespace

const QScreen* startScreen(const ShowOptions& options, const QScreen* mainScreen)
{
    const ShowPlace& place = options.showPlace();
    if (place.put && options.display().placement == Placement::WhereIPutIt) {
        if (const QScreen* put = screenNamed(place.screen)) {
            return put;
        }
    }
    return mainScreen ? mainScreen : QGuiApplication::primaryScreen();
}

QPoint keptPlace(const ShowPlace& place, const QSize& windowSize)
{
    const QScreen* kept = place.put ? screenNamed(place.screen) : nullptr;
    if (!kept) {
        QRect centred(QPoint(), windowSize);
        centred.moveCenter(QGuiApplication::primaryScreen()->geometry().center());
        return centred.topLeft();
    }
    const QRect area = kept->geometry();
    const QPoint wanted = area.topLeft() + place.topLeft;
    return { std::clamp(
                 wanted.x(), area.left(), std::max(area.left(), area.right() + 1 - windowSize.width())),
        std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() + 1 - windowSize.height())) };
}

std::optional<ShowPlace> placeAt(const QPoint& topLeft, const QScreen* fallback)
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft + QPoint(1, 1));
    if (!screen) {
        screen = fallback;
    }
    if (!screen) {
        return std::nullopt;
    }
    return ShowPlace { true, screen->name(), topLeft - screen->geometry().topLeft() };
}

} // namespace vellumora::ShowPlacement
