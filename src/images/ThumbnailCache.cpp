#include "images/ThumbnailCache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QUrl>

namespace vellumora {

namespace {

const QString kUriKey = QStringLiteral("Thumb::URI");
const QString kMTimeKey = QStringLiteral("Thumb::MTime");
const QString kSizeKey = QStringLiteral("Thumb::Size");

QString cacheName(const QString& uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex())
        + QStringLiteral(".png");
}

QString sizeFolder(ThumbnailCache::Size size)
{
    return size == ThumbnailCache::Size::Large ? QStringLiteral("/large/") : QStringLiteral("/normal/");
}
const QString kFailureFolder = QStringLiteral("/fail/vellumora/");

struct Source {
    QString uri;
    QString mtime;
    QString size;
    QString cacheName; // the file name of its thumbnail, made once per lookup
};

std::optional<Source> describe(const NativePath& picturePath)
{
    const std::optional<NativeFileInfo> info = nativeFileInfo(picturePath);
    if (!info) {
        return std::nullopt;
    }
    const QString uri = QString::fromLatin1(picturePath.fileUri());
    return Source { uri, QString::number(info->modified), QString::number(info->size), cacheName(uri) };
}

// Reads one of our small PNGs with its text; anything larger than its size of thumbnail is not
// ours to trust. (Keys with "::" only survive through the image, not the reader's own text.)
QImage readThumbnail(const QString& path, int largest = ThumbnailCache::pixels(ThumbnailCache::Size::Normal))
{
    QImageReader reader(path, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > largest || size.height() > largest) {
        return {};
    }
    return reader.read();
}

bool matches(const QImage& image, const Source& source)
{
    // Size is optional in the format, but when present it must agree too.
    const QString size = image.text(kSizeKey);
    return image.text(kUriKey) == source.uri && image.text(kMTimeKey) == source.mtime
        && (size.isEmpty() || size == source.size);
}

bool writePng(const QString& path, QImage image, const Source& source)
{
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    image.setText(kUriKey, source.uri);
    image.setText(kMTimeKey, source.mtime);
    image.setText(kSizeKey, source.size);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QImageWriter writer(&file, "png");
    // Light compression: a fifth of the default's time for files a fifth larger.
    writer.setQuality(80);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

ThumbnailCache::ThumbnailCache(QString folder)
    : m_folder(std::move(folder))
{
}

ThumbnailCache::Entry ThumbnailCache::lookup(const NativePath& picturePath, Size size) const
{
    const std::optional<Source> source = describe(picturePath);
    if (!source) {
        return {};
    }
    const QImage image = readThumbnail(m_folder + sizeFolder(size) + source->cacheName, pixels(size));
    if (!image.isNull() && matches(image, *source)) {
        return { Status::Found, image };
    }
    const QImage failure = readThumbnail(m_folder + kFailureFolder + source->cacheName);
    if (!failure.isNull() && matches(failure, *source)) {
        return { Status::KnownFailure, {} };
    }
    return {};
}

bool ThumbnailCache::store(const NativePath& picturePath, const QImage& thumbnail, Size size) const
{
    const std::optional<Source> source = describe(picturePath);
    return source && !thumbnail.isNull()
        && writePng(m_folder + sizeFolder(size) + source->cacheName, thumbnail, *source);
}

bool ThumbnailCache::storeFailure(const NativePath& picturePath) const
{
    const std::optional<Source> source = describe(picturePath);
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    return source && writePng(m_folder + kFailureFolder + source->cacheName, mark, *source);
}

} // namespace vellumora
