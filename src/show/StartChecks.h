#pragma once

#include "platform/Outcome.h"

namespace vellumora {

class ShowOptions;

// What keeps a show from starting. Music is checked before the options are saved, pictures
// after: a start refused for want of pictures has still saved them.
namespace StartChecks {

struct Verdict {
    Outcome outcome; // done when nothing stands in the way
    bool musicPanelWanted = false; // the user must see the music they chose
};

// Music is wanted but there is nothing to play: no path, nothing at it, or a folder without music.
Verdict music(const ShowOptions& options);
Outcome pictures(int count);

} // namespace StartChecks

} // namespace vellumora
