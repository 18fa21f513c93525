#pragma once

#include "storage/NativePath.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace vellumora {

// The one way data files are written: the new content goes to a temporary file beside the
// target and replaces it only when everything was written, so a failure leaves the old file
// whole. On failure the error text is put in *error for the caller's message.
bool writeDataFile(const NativePath& path, const QByteArray& content, QString* error = nullptr);

// The same, the content handed over piece by piece: a file larger than is worth holding whole.
// The producer stops when a piece is refused.
using DataSink = std::function<bool(const QByteArray& piece)>;
using DataProducer = std::function<void(const DataSink& sink)>;
bool writeDataFile(const NativePath& path, const DataProducer& produce, QString* error = nullptr);

// Copies a file the same way: the target is replaced only by a complete copy.
bool copyDataFile(const QString& source, const NativePath& target, QString* error = nullptr);

// Whether both files hold the same bytes; false when either cannot be read.
bool sameFileContent(const QString& first, const NativePath& second);

} // namespace vellumora
