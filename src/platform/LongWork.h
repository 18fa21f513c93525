#pragma once

#include "storage/WorkProgress.h"

#include <QString>
#include <functional>

class QWidget;

namespace vellumora::LongWork {

// How long work runs before its progress dialog shows: quick work shows none at all.
inline constexpr int kShowAfterMs = 500;

// Runs the work on a thread of its own. Until the dialog shows, the windows go on painting and
// keep the user's input for later; then the dialog is modal. Should the program be told to end
// meanwhile, the work is cancelled and waited for.
void run(QWidget* parent, const QString& what, WorkProgress& progress, const std::function<void()>& work,
    bool cancellable, int showAfterMs = kShowAfterMs);

// Whether long work runs: what reaches the program from outside meanwhile (a drop, a later
// start, a reminder's button) waits or is turned away, as the user's input does.
bool running();

} // namespace vellumora::LongWork
