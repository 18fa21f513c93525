#pragma once

#include "storage/NativePath.h"

#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QString>
#include <QStringList>

class QWidget;

namespace vellumora {

// Writes a picture of one colour; the format follows the file name's extension.
bool writeSolidPicture(const QString& path, const QColor& colour, int width = 160, int height = 120);
// A small JPEG, as its bytes.
QByteArray jpegBytes();

// The markers of a JPEG that claims the given size, up to and including `scans` scans with
// a few bytes of entropy data each: enough for a header reader, nothing to decode. The first
// component has the given sampling factors (0x22 for 4:2:0), the others 0x11; each scan holds
// `componentsPerScan` components.
QByteArray jpegSkeleton(int width, int height, bool progressive, int components, int scans,
    int lumaSampling = 0x11, int componentsPerScan = 1);

// Both reach files by the bytes of their names, so names in any encoding can be tried.
bool writeBytes(const NativePath& path, const QByteArray& bytes);
// The file's bytes, or "<missing>" when it cannot be read.
QByteArray readBytes(const NativePath& path);
// The lines, each followed by CR LF, as the program's data files hold them.
QByteArray crlfLines(const QStringList& lines);

// Every file below the folder, hidden ones too, by its path there, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString& folder);

// A picture record listing these names.
QByteArray recordOf(const QStringList& names);
// Colours that differ by less than a JPEG's rounding in every channel.
bool nearColour(const QColor& a, const QColor& b);
// Something is drawn in this band of the widget, from top to bottom: a pixel other than its
// background colour.
bool drawnBetween(QWidget* widget, int top, int bottom);

} // namespace vellumora
