#pragma once

#include "storage/DataFile.h"

#include <QImage>

namespace vellumora {

// The picture as a PNG file whose pixels are stored, not compressed: written in the time it takes
// to copy them, where compressing a screen's worth of photo costs ten times as long and saves
// only a third of its size. Any PNG reader reads it; 24 bits a pixel, no transparency. The file
// goes to the sink a piece at a time, so no copy of the whole is ever held.
void storedPng(const QImage& picture, const DataSink& sink);

} // namespace vellumora
