#include "session/WallpaperStore.h"

#include <algorithm>

namespace vellumora {

bool runningDesktopIs(std::initializer_list<const char*> names)
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    return std::any_of(names.begin(), names.end(),
        [&](const char* name) { return desktops.contains(QLatin1String(name), Qt::CaseInsensitive); });
}

} // namespace vellumora
