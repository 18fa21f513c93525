#pragma once

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

// Whether the permission bits let this user write there. Unlike access(), not even root may
// write where the bits say no: a folder made read-only is one, whoever runs the program.
bool writableByMode(const QString& path);

} // namespace vellumora::LibraryFolder
