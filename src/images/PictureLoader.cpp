#include "images/PictureLoader.h"

#include "images/PictureDecoder.h"
#include "platform/ThreadPriority.h"

#include <limits>

namespace vellumora {

PictureLoader::PictureLoader(const QString& thumbnailFolder, QObject* parent)
    : QObject(parent)
    , m_cache(thumbnailFolder)
{
    // One thread per core at the program's own priority: the thumbnails are what the user is
    // waiting for, and they take the process's fair share of a busy machine, no more.
    m_thumbnailPool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    m_showPool.setMaxThreadCount(1);
}

PictureLoader::~PictureLoader()
{
    // The jobs post their answers to this object; none may outlive it.
    stopPreparing();
    for (QThreadPool* pool : { &m_thumbnailPool, &m_showPool }) {
        pool->clear();
        pool->waitForDone();
    }
}

int PictureLoader::threadCount() const
{
    return m_thumbnailPool.maxThreadCount();
}

QImage PictureLoader::makeThumbnail(
    const ThumbnailCache& cache, const NativePath& path, ThumbnailCache::Size size)
{
    const ThumbnailCache::Entry cached = cache.lookup(path, size);
    if (cached.status == ThumbnailCache::Status::Found) {
        return cached.image;
    }
    if (cached.status == ThumbnailCache::Status::KnownFailure) {
        return {};
    }
    const QSize bound(ThumbnailCache::pixels(size), ThumbnailCache::pixels(size));
    // A camera's own preview is a hundredth of the photo's pixels and needs none of its bytes
    // beyond the header; a photo without one is decoded.
    QImage image = PictureDecoder::fromPreview(path, bound);
    if (image.isNull()) {
        image = PictureDecoder::decode(path, bound, PictureDecoder::Fit::Within);
    }
    if (image.isNull()) {
        cache.storeFailure(path);
    } else {
        cache.store(path, image, size);
    }
    return image;
}

void PictureLoader::loadThumbnail(quint64 ticket, const NativePath& path, const QSize& shown, int priority)
{
    const ThumbnailCache::Size size = ThumbnailCache::covering(shown);
    m_thumbnailPool.start(
        [this, ticket, path, size, shown] {
            QImage image = makeThumbnail(m_cache, path, size);
            // Fitted here rather than where it is drawn, so the interface thread only shows it.
            if (!image.isNull() && image.size() != shown) {
                image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
            QMetaObject::invokeMethod(
                this, [this, ticket, image] { emit thumbnailLoaded(ticket, image); }, Qt::QueuedConnection);
        },
        priority);
}

void PictureLoader::loadPicture(
    quint64 ticket, const NativePath& path, const QSize& size, int priority, PictureDecoder::Fit fit)
{
    m_showPool.start(
        [this, ticket, path, size, fit] {
            // The show decodes its next picture seconds before it is due, so on a busy machine
            // that work waits, and the caption that moves every few milliseconds goes first.
            yieldToInterfaceThread();
            QImage image = m_shown ? m_shown->lookup(path, size, fit) : QImage();
            const bool decoded = image.isNull();
            if (decoded) {
                image = PictureDecoder::decode(path, size, fit);
            }
            QMetaObject::invokeMethod(
                this, [this, ticket, image] { emit pictureLoaded(ticket, image); }, Qt::QueuedConnection);
            // Written once the show has its picture, so it never waits on the disk.
            if (decoded && m_shown) {
                m_shown->store(path, size, fit, image);
            }
        },
        priority);
}

void PictureLoader::keepShownPicturesIn(const QString& folder)
{
    m_shown = std::make_unique<ShownPictureCache>(folder);
}

ShownPictureCache::Stats PictureLoader::shownCacheStats() const
{
    return m_shown ? m_shown->stats() : ShownPictureCache::Stats();
}

void PictureLoader::prepareShownPictures(
    const QList<NativePath>& paths, const QSize& size, PictureDecoder::Fit fit)
{
    m_preparing.paths = paths;
    m_preparing.next = 0;
    m_preparing.size = size;
    m_preparing.fit = fit;
    if (!m_preparing.running) {
        prepareNext();
    }
}

void PictureLoader::stopPreparing()
{
    m_preparing.paths.clear();
    m_preparing.next = 0;
}

void PictureLoader::prepareNext()
{
    m_preparing.running = m_shown && m_preparing.next < m_preparing.paths.size();
    if (!m_preparing.running) {
        return;
    }
    const NativePath path = m_preparing.paths.at(m_preparing.next++);
    m_showPool.start(
        [this, path, size = m_preparing.size, fit = m_preparing.fit] {
            yieldToInterfaceThread();
            if (!m_shown->contains(path, size, fit)) {
                m_shown->store(path, size, fit, PictureDecoder::decode(path, size, fit));
            }
            QMetaObject::invokeMethod(
                this, [this] { prepareNext(); }, Qt::QueuedConnection);
        },
        std::numeric_limits<int>::min());
}

} // namespace vellumora
