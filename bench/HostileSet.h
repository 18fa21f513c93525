#pragma once

#include <QList>
#include <QString>

namespace vellumora::bench {

// Pictures that cost far more to decode than their size on disk suggests, beside the largest
// ordinary photos, made once with libjpeg and kept in a folder between runs.
struct HostilePicture {
    QString name; // what it is, for the report
    QString path;
    bool hostile = false; // false: an ordinary photo, which must still decode
};

class HostileSet {
public:
    explicit HostileSet(QString folder);

    QList<HostilePicture> ensure();

private:
    QString m_folder;
};

} // namespace vellumora::bench
