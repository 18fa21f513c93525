#pragma once

#include <QString>

namespace vellumora::MusicFile {

// Whether the file may be music: its kind, told from its name and first bytes, is sound or film,
// or cannot be told (then only the player can say). A picture, a text or a document is not.
bool mayBeMusic(const QString& path);

} // namespace vellumora::MusicFile
