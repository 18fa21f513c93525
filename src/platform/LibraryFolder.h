#pragma once

#include "storage/WorkProgress.h"

#include <QLocale>
#include <QString>

namespace vellumora::LibraryFolder {

struct Choice {
    // Where item.txt, system/ and SystemFolder/ are kept; empty when there is nowhere.
    QString folder;
    // Why there is nowhere to keep the library, for the user.
    QString problem;
};

// The program's folder when its user may write the library there (a folder of their own: the
// portable folder, an install in the home folder). Otherwise, as for a system-wide install, the
// user's own folder, which gets a copy of the library beside the program the first time (see
// copiedLibrary): only while it is missing or empty, and whole or not at all.
Choice choose(
    const QString& programFolder, const QString& userFolder, const QLocale& locale = QLocale::system());

// What a user's first copy is made from: the starter library in their language installed beside
// the program (starters/<language>/), else the library in the program's folder.
QString copiedLibrary(const QString& programFolder, const QLocale& locale);

// Where the user chose to keep the library instead, in the settings; empty for the usual place.
inline const QString kSection = QStringLiteral("Library");
inline const QString kKey = QStringLiteral("Folder");

// The folder a library goes to when the user picks `chosen` for it.
struct Target {
    // Empty: missing or empty, the library is copied there. Library: one is there already,
    // which the user may take instead. Refused: see problem.
    enum class Kind { Empty, Library, Refused };
    Kind kind = Kind::Refused;
    QString folder;
    QString problem;
};
// The chosen folder when it is missing, empty or holds a library; otherwise a folder "Vellumora"
// in it, on the same terms. Never the library's own folder or a folder inside its files.
Target target(const QString& library, const QString& chosen);

// Copies the library's files (the index, the categories with their recordings, the pictures
// and what was deleted beside them) into `to`, which is missing or empty. The copy is made in a
// hidden folder there, every file checked against its original, and only then moved into
// place: `to` holds the whole library or nothing of it. Links are left behind. Cancelled, it
// leaves `to` as it was, with no reason in *error.
bool copyTo(const QString& from, const QString& to, QString* error, WorkProgress* progress = nullptr);
// Takes the library's files out of the folder; anything else there stays, and so does the folder.
bool removeFrom(const QString& folder, QString* error);

// Whether the permission bits let this user write there. Unlike access(), not even root may
// write where the bits say no: a folder made read-only is one, whoever runs the program.
bool writableByMode(const QString& path);

} // namespace vellumora::LibraryFolder
