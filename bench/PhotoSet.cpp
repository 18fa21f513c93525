#include "PhotoSet.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QtConcurrent/QtConcurrentMap>
#include <cstdio>

namespace vellumora::bench {

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
// Noise amplitude that puts a quality-90 JPEG of this size near 4 MB.
constexpr int kNoise = 40;

bool makePhoto(const QString& path, quint32 seed)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    const int hue = int(seed % 160);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const quint32 n = random.generate();
            const auto channel = [](int base, quint32 noise) {
                return qBound(0, base + int(noise & 0xFF) * kNoise / 256 - kNoise / 2, 255);
            };
            line[x] = qRgb(channel(30 + hue + x * 60 / kWidth, n), channel(30 + y * 200 / kHeight, n >> 8),
                channel(30 + (x + y) * 200 / (kWidth + kHeight), n >> 16));
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

PhotoSet::PhotoSet(QString folder)
    : m_folder(std::move(folder))
{
}

QStringList PhotoSet::ensure(int count)
{
    QDir().mkpath(m_folder);
    QStringList paths;
    QList<int> missing;
    for (int i = 1; i <= count; ++i) {
        paths.append(QDir(m_folder).filePath(QStringLiteral("photo-%1.jpg").arg(i, 4, 10, QLatin1Char('0'))));
        if (!QFile::exists(paths.last())) {
            missing.append(i);
        }
    }
    if (!missing.isEmpty()) {
        std::printf("making %lld photos in %s (once; they are kept for later runs)\n",
            qlonglong(missing.size()), qPrintable(m_folder));
        std::fflush(stdout);
        QtConcurrent::blockingMap(missing, [&paths](int i) { makePhoto(paths.at(i - 1), quint32(i)); });
    }
    return paths;
}

} // namespace vellumora::bench
