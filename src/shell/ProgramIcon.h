#pragma once

#include <QIcon>

namespace vellumora {

// The program's own icon, in every size the windows and the desktop ask for.
QIcon programIcon();

} // namespace vellumora
