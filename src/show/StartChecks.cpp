#include "show/StartChecks.h"

#include "settings/MusicFile.h"
#include "settings/ShowOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vellumora::StartChecks {

// The texts keep the context of the launcher, which told them before.
Verdict music(const ShowOptions& options)
{
    if (!options.playMusic()) {
        return {};
    }
    const QString& path = options.musicPath();
    if (path.isEmpty()) {
        return { Outcome::refused(
            QCoreApplication::translate("vellumora::ShowLauncher", "Please Select Music File To Play"),
            MessageIcon::Information) };
    }
    const QFileInfo music(path);
    if (!music.isFile() && !music.isDir()) {
        return { Outcome::refused(QCoreApplication::translate(
                     "vellumora::ShowLauncher", "Music File Is Not Exists Please Select A File")),
            true };
    }
    if (MusicFile::tracks(path).isEmpty()) {
        return { Outcome::refused(QCoreApplication::translate("vellumora::ShowLauncher",
                     "The folder \"%1\" holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another.")
                                      .arg(QDir::toNativeSeparators(path))),
            true };
    }
    return {};
}

Outcome pictures(int count)
{
    return count < 1 ? Outcome::refused(QCoreApplication::translate(
               "vellumora::ShowLauncher", "Please Select Atleast One Image To Display Your Picture"))
                     : Outcome();
}

} // namespace vellumora::StartChecks
