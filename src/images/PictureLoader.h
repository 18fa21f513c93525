#pragma once

#include "images/PictureDecoder.h"
#include "images/ShownPictureCache.h"
#include "images/ThumbnailCache.h"
#include "storage/NativePath.h"

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <memory>

namespace vellumora {

// Decodes pictures off the user-interface thread: thumbnails on a pool with one thread per core,
// the show's pictures on a thread of their own that gives way to any other work. Each request
// carries a ticket of the caller's choosing; the answer comes back on the loader's thread with
// the same ticket, a null image when the picture cannot be decoded. Requests with a higher
// priority are started first. Destroying the loader waits for the running decodes, not for
// those queued.
class PictureLoader : public QObject {
    Q_OBJECT
public:
    // thumbnailFolder: the root of the shared thumbnail cache.
    explicit PictureLoader(const QString& thumbnailFolder, QObject* parent = nullptr);
    ~PictureLoader() override;

    // The picture's thumbnail stretched to the size shown, from the smallest of the cache's
    // sizes that covers it: taken from the cache while current, else made and stored there.
    void loadThumbnail(quint64 ticket, const NativePath& path, const QSize& shown, int priority = 0);
    // The picture stretched to exactly the given size; from its copy at that size when there is
    // one, else decoded and, once answered, kept as that copy.
    void loadPicture(quint64 ticket, const NativePath& path, const QSize& size, int priority = 0,
        PictureDecoder::Fit fit = PictureDecoder::Fit::Stretch);

    // Where loadPicture keeps its copies; without it every picture is decoded from its file.
    // Called before the first loadPicture.
    void keepShownPicturesIn(const QString& folder);
    ShownPictureCache::Stats shownCacheStats() const;
    // Makes the copies of these pictures that are missing, one at a time behind everything
    // else the show asks for, until done or stopped; a later call takes over from an earlier.
    void prepareShownPictures(const QList<NativePath>& paths, const QSize& size, PictureDecoder::Fit fit);
    void stopPreparing();

    // Threads decoding thumbnails.
    int threadCount() const;

    static QImage makeThumbnail(const ThumbnailCache& cache, const NativePath& path,
        ThumbnailCache::Size size = ThumbnailCache::Size::Normal);

signals:
    void thumbnailLoaded(quint64 ticket, const QImage& image);
    void pictureLoaded(quint64 ticket, const QImage& image);

private:
    void prepareNext();

    ThumbnailCache m_cache;
    std::unique_ptr<ShownPictureCache> m_shown;
    // Those still to prepare, one at a time so that stopping leaves nothing queued.
    struct Preparing {
        QList<NativePath> paths;
        qsizetype next = 0;
        QSize size;
        PictureDecoder::Fit fit = PictureDecoder::Fit::Stretch;
        bool running = false;
    } m_preparing;
    QThreadPool m_thumbnailPool;
    QThreadPool m_showPool;
};

} // namespace vellumora
