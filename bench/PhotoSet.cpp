#include "PhotoSet.h"

#include "ExifWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStorageInfo>
#include <QtConcurrent/QtConcurrentMap>
#include <cstdio>

namespace vellumora::bench {

namespace {

// Noise amplitude that puts a quality-90 JPEG of 4000 x 3000 near 4 MB.
constexpr int kNoise = 40;
constexpr double kBytesPerPixel = 4'300'000 / 12e6;
// Left free on the disk for everything else.
constexpr qint64 kSpareBytes = 4ll << 30;

bool makePhoto(const QString& path, quint32 seed, const QSize& size)
{
    const int width = size.width();
    const int height = size.height();
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    const int hue = int(seed % 160);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 n = random.generate();
            const auto channel = [](int base, quint32 noise) {
                return qBound(0, base + int(noise & 0xFF) * kNoise / 256 - kNoise / 2, 255);
            };
            line[x] = qRgb(channel(30 + hue + x * 60 / width, n), channel(30 + y * 200 / height, n >> 8),
                channel(30 + (x + y) * 200 / (width + height), n >> 16));
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    return writer.write(image) && file.commit();
}

} // namespace

PhotoSet::PhotoSet(QString folder, QSize size)
    : m_folder(std::move(folder))
    , m_size(size)
{
}

QStringList PhotoSet::ensure(int count)
{
    const auto missingIn = [count](const QString& folder) {
        QList<int> missing;
        for (int i = 1; i <= count; ++i) {
            if (!QFile::exists(photoPath(folder, i))) {
                missing.append(i);
            }
        }
        return missing;
    };
    QDir().mkpath(m_folder);
    QString folder = m_folder;
    QSize size = m_size;
    QList<int> missing = missingIn(folder);
    const double photoBytes = kBytesPerPixel * size.width() * size.height();
    if (missing.size() * photoBytes > QStorageInfo(folder).bytesAvailable() - kSpareBytes) {
        // A sixteenth of the pixels and of the bytes, in a folder of their own.
        folder = m_folder + QStringLiteral("-small");
        size /= 4;
        QDir().mkpath(folder);
        missing = missingIn(folder);
        std::printf("too little disk for %lld photos of %d x %d: %d x %d ones instead\n",
            qlonglong(missing.size()), m_size.width(), m_size.height(), size.width(), size.height());
    }
    if (!missing.isEmpty()) {
        std::printf("making %lld photos in %s (once; they are kept for later runs)\n",
            qlonglong(missing.size()), qPrintable(folder));
        std::fflush(stdout);
        QtConcurrent::blockingMap(
            missing, [&folder, size](int i) { makePhoto(photoPath(folder, i), quint32(i), size); });
    }
    QStringList paths;
    for (int i = 1; i <= count; ++i) {
        paths.append(photoPath(folder, i));
    }
    return paths;
}

QStringList PhotoSet::withPreviews(const QStringList& photos, const QString& folder)
{
    QDir().mkpath(folder);
    QStringList paths;
    QList<int> missing;
    for (int i = 0; i < photos.size(); ++i) {
        paths.append(QDir(folder).filePath(QFileInfo(photos.at(i)).fileName()));
        if (!QFile::exists(paths.constLast())) {
            missing.append(i);
        }
    }
    if (!missing.isEmpty()) {
        std::printf(
            "adding previews to %lld photos in %s (once)\n", qlonglong(missing.size()), qPrintable(folder));
        std::fflush(stdout);
    }
    QtConcurrent::blockingMap(missing, [&](int i) {
        QFile original(photos.at(i));
        if (!original.open(QIODevice::ReadOnly)) {
            return;
        }
        const QByteArray bytes = original.readAll();
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "jpeg");
        reader.setScaledSize(reader.size() / 8);
        const QImage preview
            = reader.read().scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QSaveFile file(paths.at(i));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(withExif(bytes, jpegBytes(preview)));
            file.commit();
        }
    });
    return paths;
}

QString PhotoSet::photoPath(const QString& folder, int i)
{
    return QDir(folder).filePath(QStringLiteral("photo-%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
}

} // namespace vellumora::bench
