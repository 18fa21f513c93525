#pragma once

#include <QString>
#include <QStringList>

namespace vellumora::bench {

// Photo-like test pictures, 4000 x 3000 JPEGs of about 4 MB (colour gradients under a noise
// texture, quality 90), made once and kept in a folder between runs.
class PhotoSet {
public:
    explicit PhotoSet(QString folder);

    // Makes whatever is missing of the first `count` photos, on every core; returns their paths.
    QStringList ensure(int count);

private:
    QString m_folder;
};

} // namespace vellumora::bench
