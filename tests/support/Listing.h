#pragma once

#include <QString>
#include <QStringList>

namespace vellumora {

class RowModel;

// The rows' texts joined by "|", a ticked one followed by "+" when ticks are asked for.
QString rowTexts(const RowModel& model, bool ticks = false);

// Whether there are as many messages as beginnings, and each message starts with its own.
bool beginEach(const QStringList& messages, const QStringList& beginnings);

} // namespace vellumora
