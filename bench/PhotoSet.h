#pragma once

#include <QString>
#include <QStringList>

namespace vellumora::bench {

// Photo-like test pictures, 4000 x 3000 JPEGs of about 4 MB (colour gradients under a noise
// texture, quality 90), made once and kept in a folder between runs; 1000 x 750 ones, in a
// folder beside it, when the disk has too little room for the large ones.
class PhotoSet {
public:
    explicit PhotoSet(QString folder);

    // Makes whatever is missing of the first `count` photos, on every core; returns their paths.
    QStringList ensure(int count);

private:
    static QString photoPath(const QString& folder, int i);

    QString m_folder;
};

} // namespace vellumora::bench
