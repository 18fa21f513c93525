#pragma once

#include "images/ThumbnailCache.h"
#include "platform/NativePath.h"

#include <QImage>
#include <QObject>
#include <QThreadPool>

namespace vellumora {

// Decodes pictures off the user-interface thread, on a pool with one thread per core. Each
// request carries a ticket of the caller's choosing; the answer comes back on the loader's
// thread with the same ticket, a null image when the picture cannot be decoded. Requests with
// a higher priority are started first. Destroying the loader waits for the running decodes.
class PictureLoader : public QObject {
    Q_OBJECT
public:
    // thumbnailFolder: the root of the shared thumbnail cache.
    explicit PictureLoader(const QString& thumbnailFolder, QObject* parent = nullptr);
    ~PictureLoader() override;

    // A thumbnail of at most 128 x 128 pixels (256 x 256 for a large one), taken from the cache
    // while it is current.
    void loadThumbnail(quint64 ticket, const NativePath& path,
        ThumbnailCache::Size size = ThumbnailCache::Size::Normal, int priority = 0);
    // The picture stretched to exactly the given size.
    void loadPicture(quint64 ticket, const NativePath& path, const QSize& size, int priority = 0);

    int threadCount() const;

    static QImage makeThumbnail(const ThumbnailCache& cache, const NativePath& path,
        ThumbnailCache::Size size = ThumbnailCache::Size::Normal);

signals:
    void thumbnailLoaded(quint64 ticket, const QImage& image);
    void pictureLoaded(quint64 ticket, const QImage& image);

private:
    ThumbnailCache m_cache;
    QThreadPool m_pool;
};

} // namespace vellumora
