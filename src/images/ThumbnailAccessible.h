#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace vellumora {

// Makes each box of a thumbnail strip an accessible item, named after its picture, so a screen
// reader can walk the strip. Installed once as an accessibility factory.
QAccessibleInterface* thumbnailStripAccessible(const QString& className, QObject* object);

} // namespace vellumora
