#pragma once

#include "storage/NativePath.h"
#include "storage/WorkProgress.h"

namespace vellumora::FileTree {

// Files and folders below a path, by the bytes of their names (a library kept on Windows names
// them in Windows-1252). Links are never followed.

// Copies the plain files and folders below `from` to `to`, each file checked against its
// original; false, with the reason in *error, at the first that fails or once cancelled.
bool copy(const NativePath& from, const NativePath& to, WorkProgress& progress, QString* error);
// The plain files below a path, and their bytes, as copy counts them.
void measure(const NativePath& path, int& files, qint64& bytes);
// Removes a file, or a folder with everything below it; true when nothing is left.
bool remove(const NativePath& path);

} // namespace vellumora::FileTree
