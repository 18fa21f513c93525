#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace vellumora::bench {

// Photo-like test pictures of one size (colour gradients under a noise texture, quality 90: about
// 4 MB at 4000 x 3000), made once and kept in a folder between runs; a quarter of the size each
// way, in a folder beside it, when the disk has too little room for them.
class PhotoSet {
public:
    PhotoSet(QString folder, QSize size);

    // Makes whatever is missing of the first `count` photos, on every core; returns their paths.
    QStringList ensure(int count);
    // The same photos as a camera writes them, each with a 160 x 120 preview in its EXIF data,
    // made once in a folder of their own; returns their paths.
    static QStringList withPreviews(const QStringList& photos, const QString& folder);

private:
    static QString photoPath(const QString& folder, int i);

    QString m_folder;
    QSize m_size;
};

} // namespace vellumora::bench
