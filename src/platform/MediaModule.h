#pragma once

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

std::unique_ptr<MediaControl> createMediaControl();
std::unique_ptr<VoiceRecorder> createVoiceRecorder();
std::unique_ptr<Speech> createSpeech();

} // namespace media

} // namespace vellumora
