#pragma once

#include "platform/Outcome.h"
#include "storage/NativePath.h"

#include <functional>
#include <optional>

namespace vellumora {

// A file a delete took out of the library, and where it went.
struct TrashedFile {
    NativePath original;
    // Empty when there was no file to take, or it could be moved nowhere and stayed.
    NativePath location;
    // Its information file in the desktop's Trash; empty in the folder beside the library.
    NativePath info;

    // Whether there is still something to bring back (the user may have emptied the Trash).
    bool stillThere() const { return location.isEmpty() || nativePathExists(location); }
};

// Where deleted library files go instead of being erased: the desktop's Trash
// ($XDG_DATA_HOME/Trash, laid out as freedesktop.org has it), so the file manager can bring them
// back too; where that Trash cannot take a file (it lies on another file system, or the Trash
// cannot be made), a folder beside the library. Files are moved by their bytes and never
// replace another.
class Trash {
public:
    // homeTrash may be empty: then every file goes to the fallback folder.
    Trash(NativePath homeTrash, NativePath fallbackFolder);
    // Where deletes go without the desktop's Trash, for a library now kept elsewhere.
    void setFallbackFolder(NativePath folder) { m_fallbackFolder = std::move(folder); }

    // Where the file went. When it could be moved nowhere it stays where it was, the location is
    // empty and *error says why.
    TrashedFile discard(const NativePath& file, QString* error) const;
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
