#pragma once

#include <QString>

namespace vellumora::SyncFiles {

// What a file in a library folder is to a library kept in step between computers.
enum class Kind {
    // One of the library's own files.
    Ordinary,
    // A file a sync tool, an editor or this program writes on the way to another: hidden part
    // files, temporary files, lock files, editor backups. Never read as a category or picture.
    Temporary,
    // A second version a sync tool kept beside a file when two computers changed it at once.
    // Never read; the user is told, so they can merge it by hand.
    Conflict,
};

Kind classify(const QString& fileName);

} // namespace vellumora::SyncFiles
