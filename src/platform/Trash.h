#pragma once

#include "platform/NativePath.h"
#include "platform/Outcome.h"

#include <functional>
#include <optional>

namespace vellumora {

// A file a delete took out of the library, and where it went.
struct TrashedFile {
    NativePath original;
    // Empty when there was no file to take.
    NativePath location;
    // Its information file in the desktop's Trash; empty in the folder beside the library.
    NativePath info;
};

// Where deleted library files go instead of being erased: the desktop's Trash (the
// freedesktop.org Trash specification, $XDG_DATA_HOME/Trash), so the file manager can bring them
// back too; where that Trash cannot take a file (it lies on another file system, or the Trash
// cannot be made), a folder beside the library. Files are moved by their bytes and never
// replace another.
class Trash {
public:
    // homeTrash may be empty: then every file goes to the fallback folder.
    Trash(NativePath homeTrash, NativePath fallbackFolder);

    // Nothing, with the reason in *error, when the file could be moved nowhere.
    std::optional<TrashedFile> discard(const NativePath& file, QString* error = nullptr) const;
    // Whether the file is still there to be brought back (the user may have emptied the Trash).
    bool holds(const TrashedFile& trashed) const;
    // Moves the file back to `target` and then runs `keep`, which writes the list that names it;
    // when either fails, the file stays in the Trash and the refusal is returned.
    Outcome restore(
        const TrashedFile& trashed, const NativePath& target, const std::function<Outcome()>& keep) const;

private:
    std::optional<TrashedFile> discardToHomeTrash(const NativePath& file) const;

    NativePath m_homeTrash;
    NativePath m_fallbackFolder;
};

} // namespace vellumora
