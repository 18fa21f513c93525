#pragma once

#include <QStringList>

namespace vellumora::MusicFile {

// Whether the file may be music: its kind, told from its name and first bytes, is sound or film,
// or cannot be told (then only the player can say). A picture, a text or a document is not.
bool mayBeMusic(const QString& path);

// What a music path plays: the file itself, or a folder's MP3, WAV, OGG, FLAC and WMA files in
// name order. Empty for a folder without them, or a path with nothing behind it.
QStringList tracks(const QString& path);

} // namespace vellumora::MusicFile
