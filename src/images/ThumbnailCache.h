#pragma once

#include "storage/NativePath.h"

#include <QImage>
#include <QString>

namespace vellumora {

// The shared thumbnail cache of the freedesktop.org Thumbnail Managing Standard: "normal"
// thumbnails of at most 128 x 128 pixels and "large" ones of 256 x 256, stored as PNG under the MD5 of the
// picture's file URI, tagged with the URI and the picture's modification time so a changed picture is made
// again. Pictures that cannot be decoded are remembered under "fail/vellumora".
// Safe to use from several threads at once.
class ThumbnailCache {
public:
    enum class Size { Normal, Large };
    static constexpr int pixels(Size size) { return size == Size::Large ? 256 : 128; }
    // The smallest size whose thumbnails are at least as large as a box shown at this size.
    static constexpr Size covering(const QSize& shown)
    {
        return shown.width() > pixels(Size::Normal) || shown.height() > pixels(Size::Normal) ? Size::Large
                                                                                             : Size::Normal;
    }

    // folder: the cache's root, usually ~/.cache/thumbnails.
    explicit ThumbnailCache(QString folder);

    enum class Status { Missing, Found, KnownFailure };
    struct Entry {
        Status status = Status::Missing;
        QImage image;
    };

    Entry lookup(const NativePath& picturePath, Size size = Size::Normal) const;
    // Both return false when the cache cannot be written; the thumbnail is then made again
    // next time.
    bool store(const NativePath& picturePath, const QImage& thumbnail, Size size = Size::Normal) const;
    bool storeFailure(const NativePath& picturePath) const;

private:
    QString m_folder;
};

} // namespace vellumora
