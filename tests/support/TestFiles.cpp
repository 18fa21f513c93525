#include "support/TestFiles.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QWidget>
#include <cstdio>

namespace vellumora {

namespace {

void appendUint16(QByteArray& bytes, int value)
{
    bytes.append(char((value >> 8) & 0xFF));
    bytes.append(char(value & 0xFF));
}

void appendSegment(QByteArray& bytes, int marker, const QByteArray& payload)
{
    bytes.append(char(0xFF));
    bytes.append(char(marker));
    appendUint16(bytes, int(payload.size()) + 2);
    bytes.append(payload);
}

} // namespace

bool writeSolidPicture(const QString& path, const QColor& colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, nullptr, 95);
}

QByteArray jpegBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(64, 48, QImage::Format_RGB32).save(&buffer, "JPEG");
    return bytes;
}

QByteArray jpegSkeleton(int width, int height, bool progressive, int components, int scans, int lumaSampling,
    int componentsPerScan)
{
    QByteArray bytes("\xFF\xD8", 2);
    appendSegment(bytes, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    QByteArray frame;
    frame.append(char(8));
    appendUint16(frame, height);
    appendUint16(frame, width);
    frame.append(char(components));
    for (int c = 0; c < components; ++c) {
        frame.append(char(c + 1)).append(char(c == 0 ? lumaSampling : 0x11)).append(char(0));
    }
    appendSegment(bytes, progressive ? 0xC2 : 0xC0, frame);
    for (int s = 0; s < scans; ++s) {
        QByteArray scan(1, char(componentsPerScan));
        for (int c = 0; c < componentsPerScan; ++c) {
            scan.append(char(c + 1)).append(char(0));
        }
        scan.append(QByteArray("\x00\x00\x00", 3));
        appendSegment(bytes, 0xDA, scan);
        bytes.append(QByteArray(4, '\0'));
    }
    bytes.append("\xFF\xD9", 2);
    return bytes;
}

// Opened by their bytes with stdio; QFile reads and writes through the handle.
bool writeBytes(const NativePath& path, const QByteArray& bytes)
{
    QFile file;
    std::FILE* handle = std::fopen(path.bytes().constData(), "wb");
    return handle && file.open(handle, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
        && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray readBytes(const NativePath& path)
{
    QFile file;
    std::FILE* handle = std::fopen(path.bytes().constData(), "rb");
    return handle && file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? file.readAll()
                                                                                          : "<missing>";
}

QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8() + "\r\n";
    }
    return bytes;
}

QMap<QString, QByteArray> filesBelow(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readBytes(NativePath(path)));
    }
    return files;
}

QByteArray recordOf(const QStringList& names)
{
    return crlfLines(QStringList(names).replaceInStrings(QRegularExpression("^|$"), "\""));
}

bool nearColour(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

bool drawnBetween(QWidget* widget, int top, int bottom)
{
    const QImage drawn = widget->grab(QRect(0, top, widget->width(), bottom - top)).toImage();
    const QRgb background = widget->palette().color(widget->backgroundRole()).rgb();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

} // namespace vellumora
