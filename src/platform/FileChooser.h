#pragma once

#include "platform/Platform.h"

namespace vellumora {

// The main window's one open-file dialog, shared by the picture and the music chooser: it
// opens on the path last chosen in it, whichever chooser that was.
class FileChooser {
public:
    explicit FileChooser(Platform& platform);

    // filter: "label|pattern|label|pattern|..."; filterIndex counts from 1.
    // Returns the chosen path, or an empty string when the user cancelled.
    QString chooseFile(const QString& title, const QString& filter, int filterIndex);

    static QList<FileFilter> parseFilter(const QString& filter);

private:
    Platform& m_platform;
    QString m_fileName;
};

} // namespace vellumora
