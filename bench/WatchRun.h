#pragma once

#include "Figures.h"

#include <QStringList>

namespace vellumora::bench {

// From a change another program makes in the library's folder to the main window showing it,
// the settling of the burst included: a category file saved as an editor saves it (a new file
// renamed over the old), and a photo copied into the picture store.
void measureOutsideChanges(Figures& figures, const QStringList& photos);

} // namespace vellumora::bench
