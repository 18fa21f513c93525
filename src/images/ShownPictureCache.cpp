#include "images/ShownPictureCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace vellumora {

namespace {

QString extension(bool png)
{
    return png ? QStringLiteral(".png") : QStringLiteral(".jpg");
}

// The name of a picture's copy, without its extension: what makes the copy current, hashed.
std::optional<QString> copyName(const NativePath& picture, const QSize& size, PictureDecoder::Fit fit)
{
    const std::optional<NativeFileInfo> info = nativeFileInfo(picture);
    if (!info) {
        return std::nullopt;
    }
    QByteArray path = picture.bytes();
    if (!path.startsWith('/')) {
        path = QFile::encodeName(QDir::currentPath()) + '/' + path;
    }
    const QByteArray key = path + '\n' + QByteArray::number(info->size) + '\n'
        + QByteArray::number(info->modifiedMs) + '\n' + QByteArray::number(size.width()) + 'x'
        + QByteArray::number(size.height()) + '\n' + QByteArray::number(int(fit));
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex());
}

bool isCopyName(const QString& fileName)
{
    static const QRegularExpression kPattern(QStringLiteral("^[0-9a-f]{40}\\.(jpg|png)$"));
    return kPattern.match(fileName).hasMatch();
}

// Whether a copy has the size decode gives for this fit, which for the fits that keep the aspect
// ratio depends on the picture's own.
bool fits(const QSize& copy, const QSize& size, PictureDecoder::Fit fit)
{
    const bool within = !copy.isEmpty() && copy.width() <= size.width() && copy.height() <= size.height();
    switch (fit) {
    case PictureDecoder::Fit::Stretch:
    case PictureDecoder::Fit::Cover:
        return copy == size;
    case PictureDecoder::Fit::Contain:
        return within && (copy.width() == size.width() || copy.height() == size.height());
    case PictureDecoder::Fit::Within:
        break;
    }
    return within;
}

// A copy cut short would decode with grey rows at its foot rather than fail, so its end is
// looked for first.
QImage readCopy(const QByteArray& bytes, bool png, const QSize& size, PictureDecoder::Fit fit)
{
    const bool whole = png ? bytes.endsWith(QByteArrayLiteral("IEND\xAE\x42\x60\x82"))
                           : bytes.endsWith(QByteArrayLiteral("\xFF\xD9"));
    if (!whole) {
        return {};
    }
    QImage image = QImage::fromData(bytes, png ? "png" : "jpeg");
    if (image.isNull() || !fits(image.size(), size, fit)) {
        return {};
    }
    // As decode gives it, which is the quicker to draw.
    if (image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    return image;
}

bool isJpeg(const NativePath& picture)
{
    QFile file;
    return openNativeFile(picture, file) && file.read(3) == QByteArrayLiteral("\xFF\xD8\xFF");
}

} // namespace

ShownPictureCache::ShownPictureCache(QString folder, qint64 limitBytes)
    : m_folder(std::move(folder))
    , m_limit(limitBytes)
{
}

QImage ShownPictureCache::lookup(const NativePath& picture, const QSize& size, PictureDecoder::Fit fit)
{
    if (const std::optional<QString> name = copyName(picture, size, fit)) {
        for (const bool png : { false, true }) {
            QFile file(m_folder + QLatin1Char('/') + *name + extension(png));
            if (!file.open(QIODevice::ReadOnly)) {
                continue;
            }
            const QImage image = readCopy(file.readAll(), png, size, fit);
            if (!image.isNull()) {
                // Its time says when it was last shown, so the copies shown longest ago go first.
                file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
                ++m_hits;
                return image;
            }
        }
    }
    ++m_misses;
    return {};
}

bool ShownPictureCache::contains(const NativePath& picture, const QSize& size, PictureDecoder::Fit fit) const
{
    const std::optional<QString> name = copyName(picture, size, fit);
    const QString path = name ? m_folder + QLatin1Char('/') + *name : QString();
    return name && (QFile::exists(path + extension(false)) || QFile::exists(path + extension(true)));
}

bool ShownPictureCache::store(
    const NativePath& picture, const QSize& size, PictureDecoder::Fit fit, const QImage& image)
{
    const std::optional<QString> name = copyName(picture, size, fit);
    if (!name || image.isNull() || !makeNativeFolder(m_folder)) {
        return false;
    }
    // A photo has been through JPEG already, and at a high quality loses nothing more one can
    // see. Anything else keeps every pixel: a drawing or a page of text would blur at its edges,
    // and alpha, which no JPEG has, would turn black.
    const bool png = !isJpeg(picture);
    const QString path = m_folder + QLatin1Char('/') + *name + extension(png);
    const qint64 replaced = QFileInfo(path).size();
    // Written beside it and renamed into place: another thread, or another copy of the program,
    // reads the old copy or the new one, never half of one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QImageWriter writer(&file, png ? "png" : "jpeg");
    if (!png) {
        writer.setQuality(92);
    }
    if (!writer.write(image) || !file.commit()) {
        return false;
    }
    keepUnderLimit(QFileInfo(path).size() - replaced);
    return true;
}

void ShownPictureCache::keepUnderLimit(qint64 addedBytes)
{
    QMutexLocker lock(&m_totalMutex);
    if (m_total >= 0 && m_total + addedBytes <= m_limit) {
        m_total += addedBytes;
        return;
    }
    std::vector<std::pair<qint64, QFileInfo>> copies;
    qint64 total = 0;
    const QDir folder(m_folder);
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::NoSort)) {
        if (isCopyName(info.fileName())) {
            copies.emplace_back(info.lastModified().toMSecsSinceEpoch(), info);
            total += info.size();
        }
    }
    if (total > m_limit) {
        // Down to well under the limit, so that the next listing is many stores away.
        std::sort(
            copies.begin(), copies.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [used, copy] : copies) {
            if (total <= m_limit / 10 * 9) {
                break;
            }
            if (QFile::remove(copy.filePath())) {
                total -= copy.size();
            }
        }
    }
    m_total = total;
}

} // namespace vellumora
