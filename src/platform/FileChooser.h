#pragma once

#include "platform/Platform.h"

namespace vellumora {

// An open-file dialog that remembers what was chosen in it: it opens on the path it is told, or
// else on the path last chosen in it, or else on its start folder. The pictures and the music
// each have their own, so neither opens on the other's files.
class FileChooser {
public:
    explicit FileChooser(Platform& platform, QString startFolder = {});

    // filter: "label|pattern|label|pattern|..."; filterIndex counts from 1.
    // Returns the chosen path, or an empty string when the user cancelled.
    QString chooseFile(
        const QString& title, const QString& filter, int filterIndex, const QString& opensOn = {});
    // The same, several files at once; the last of them is remembered.
    QStringList chooseFiles(const QString& title, const QString& filter, int filterIndex);

    static QList<FileFilter> parseFilter(const QString& filter);

private:
    Platform& m_platform;
    QString m_startFolder;
    QString m_fileName;
};

} // namespace vellumora
