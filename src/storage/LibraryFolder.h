#pragma once

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
// user's own folder, which gets a copy of the library beside the program the first time: only
// while it is missing or empty, and whole or not at all.
Choice choose(const QString& programFolder, const QString& userFolder);

// Whether the permission bits let this user write there. Unlike access(), not even root may
// write where the bits say no: a folder made read-only is one, whoever runs the program.
bool writableByMode(const QString& path);

} // namespace vellumora::LibraryFolder
