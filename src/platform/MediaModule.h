#pragma once

#include <QString>
#include <memory>

namespace vellumora {

class MediaControl;
class Speech;
class VoiceRecorder;

// Sound and speech come from a module beside the program, opened when the program first plays,
// records or speaks: Qt Multimedia, Qt's speech and the sound server's libraries with their codecs
// would otherwise be loaded into every start, the background's too. Where the module cannot be
// opened, each service says so where it would have failed, and the program goes on without it.
namespace media {

// Raised whenever what the module's entry points take or return changes: a module from another
// build is refused rather than called.
constexpr int kModuleVersion = 1;

// The folder the module is opened from: the program's own unless set, before the first service is
// made, by a tool run from the build tree (the tests, the benchmark).
void openModuleFrom(const QString& applicationFolder);

std::unique_ptr<MediaControl> createMediaControl();
std::unique_ptr<VoiceRecorder> createVoiceRecorder();
std::unique_ptr<Speech> createSpeech();

} // namespace media

} // namespace vellumora
