#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

namespace vellumora {

// Writes a picture of one colour; the format follows the file name's extension.
bool writeSolidPicture(const QString& path, const QColor& colour, int width = 160, int height = 120);

// The markers of a JPEG that claims the given size, up to and including `scans` scans with
// a few bytes of entropy data each: enough for a header reader, nothing to decode.
QByteArray jpegSkeleton(int width, int height, bool progressive, int components, int scans);

bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace vellumora
