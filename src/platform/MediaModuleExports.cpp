// The module's entry points: the only symbols it exports.

#include "platform/MediaModule.h"
#include "platform/QtMediaControl.h"
#include "platform/QtSpeech.h"
#include "platform/QtVoiceRecorder.h"

using namespace vellumora;

extern "C" {

Q_DECL_EXPORT int vellumoraMediaVersion()
{
    return media::kModuleVersion;
}

Q_DECL_EXPORT MediaControl* vellumoraCreateMediaControl()
{
    return new QtMediaControl;
}

Q_DECL_EXPORT VoiceRecorder* vellumoraCreateVoiceRecorder()
{
    return new QtVoiceRecorder;
}

Q_DECL_EXPORT Speech* vellumoraCreateSpeech()
{
    return new QtSpeech;
}

} // extern "C"
