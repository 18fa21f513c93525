#pragma once

#include "images/PictureDecoder.h"
#include "images/ThumbnailCache.h"
#include "storage/NativePath.h"

#include <QImage>
#include <QObject>
#include <QThreadPool>

namespace vellumora {

// Decodes pictures off the user-interface thread: thumbnails on a pool with one thread per core,
// the show's pictures on a thread of their own that gives way to any other work. Each request
// carries a ticket of the caller's choosing; the answer comes back on the loader's thread with
// the same ticket, a null image when the picture cannot be decoded. Requests with a higher
// priority are started first. Destroying the loader waits for the running decodes.
class PictureLoader : public QObject {
    Q_OBJECT
public:
    // thumbnailFolder: the root of the shared thumbnail cache.
    explicit PictureLoader(const QString& thumbnailFolder, QObject* parent = nullptr);
    ~PictureLoader() override;

    // The picture's thumbnail stretched to the size shown, from the smallest of the cache's
    // sizes that covers it: taken from the cache while current, else made and stored there.
    void loadThumbnail(quint64 ticket, const NativePath& path, const QSize& shown, int priority = 0);
    // The picture stretched to exactly the given size.
    void loadPicture(quint64 ticket, const NativePath& path, const QSize& size, int priority = 0,
        PictureDecoder::Fit fit = PictureDecoder::Fit::Stretch);

    // Threads decoding thumbnails.
    int threadCount() const;

    static QImage makeThumbnail(const ThumbnailCache& cache, const NativePath& path,
        ThumbnailCache::Size size = ThumbnailCache::Size::Normal);

signals:
    void thumbnailLoaded(quint64 ticket, const QImage& image);
    void pictureLoaded(quint64 ticket, const QImage& image);

private:
    ThumbnailCache m_cache;
    QThreadPool m_thumbnailPool;
    QThreadPool m_showPool;
};

} // namespace vellumora
