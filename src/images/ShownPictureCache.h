#pragma once

#include "images/PictureDecoder.h"
#include "storage/NativePath.h"

#include <QImage>
#include <QMutex>
#include <QString>
#include <atomic>

namespace vellumora {

// The show's pictures at the size and fit it draws them: a photo of many megapixels takes tens
// of milliseconds to decode at every showing, its copy one. A copy is named after its picture's
// path, file size and modification time, so a changed picture misses and its old copy ages out.
// Copies of JPEG photos are JPEG; of any other picture, PNG. Once the copies pass the limit,
// those used longest ago go. Nothing in the folder but the cache's
// own copies is ever read or deleted. Safe to use from several threads at once.
class ShownPictureCache {
public:
    static constexpr qint64 kDefaultLimitBytes = 200ll << 20;

    struct Stats {
        quint64 hits = 0;
        quint64 misses = 0;
    };

    explicit ShownPictureCache(QString folder, qint64 limitBytes = kDefaultLimitBytes);

    // The copy, or null when there is none that is current and whole; counted as a hit or a miss.
    QImage lookup(const NativePath& picture, const QSize& size, PictureDecoder::Fit fit);
    // Whether there is a current copy, without reading it or counting.
    bool contains(const NativePath& picture, const QSize& size, PictureDecoder::Fit fit) const;
    // False when it could not be written, or is null (the picture cannot be decoded): the
    // picture is then decoded again next time.
    bool store(const NativePath& picture, const QSize& size, PictureDecoder::Fit fit, const QImage& image);

    Stats stats() const { return { m_hits.load(), m_misses.load() }; }

private:
    void keepUnderLimit(qint64 addedBytes);

    QString m_folder;
    qint64 m_limit;
    std::atomic<quint64> m_hits { 0 };
    std::atomic<quint64> m_misses { 0 };
    QMutex m_totalMutex;
    // The bytes of the copies: listed at the first store, then kept up as copies come and go, so
    // a store lists the folder only when it takes the copies past the limit. -1 until listed.
    qint64 m_total = -1;
};

} // namespace vellumora
