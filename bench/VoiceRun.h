#pragma once

namespace vellumora::bench {

struct Figures;
// On a sound server of the run's own: the time from an affirmation's turn to its first sound,
// played from its recording and read aloud, and the CPU of the process while a voice speaks over
// music. Before anything else of Qt Multimedia: it keeps the server it first finds.
void measureVoice(Figures& figures);

} // namespace vellumora::bench
