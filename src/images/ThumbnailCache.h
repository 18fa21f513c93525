#pragma once

#include "platform/NativePath.h"

#include <QImage>
#include <QString>

namespace vellumora {

// The shared thumbnail cache of the freedesktop.org Thumbnail Managing Standard: "normal"
// thumbnails of at most 128 x 128 pixels, stored as PNG under the MD5 of the picture's file
// URI, tagged with the URI and the picture's modification time so a changed picture is made
// again. Pictures that cannot be decoded are remembered under "fail/vellumora".
// Safe to use from several threads at once.
class ThumbnailCache {
public:
    static constexpr int kNormalSize = 128;

    // folder: the cache's root, usually ~/.cache/thumbnails.
    explicit ThumbnailCache(QString folder);

    enum class Status { Missing, Found, KnownFailure };
    struct Entry {
        Status status = Status::Missing;
        QImage image;
    };

    Entry lookup(const NativePath& picturePath) const;
    // Both return false when the cache cannot be written; the thumbnail is then made again
    // next time.
    bool store(const NativePath& picturePath, const QImage& thumbnail) const;
    bool storeFailure(const NativePath& picturePath) const;

    QString normalPath(const NativePath& picturePath) const;
    QString failurePath(const NativePath& picturePath) const;

private:
    QString m_folder;
};

} // namespace vellumora
