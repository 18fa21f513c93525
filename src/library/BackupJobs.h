#pragma once

#include "library/Backup.h"

#include <QCoreApplication>
#include <optional>

namespace vellumora {

class Library;

// Backing up the library into one archive the user named, on a thread of its own with its
// progress shown and Cancel offered.
class BackupJob {
    Q_DECLARE_TR_FUNCTIONS(vellumora::BackupJob)
public:
    // Done, telling where the backup is; cancelled, no archive is left and nothing is told.
    static Outcome run(Platform& platform, const Library& library, const QString& target);
};

// Bringing back a backup: the archive read into a plan the window shows, then, once the user
// agrees, the plan written and the library read again. Both steps run on a thread of their own.
class RestoreJob {
    Q_DECLARE_TR_FUNCTIONS(vellumora::RestoreJob)
public:
    RestoreJob(Platform& platform, Library& library);

    // Done when there is a plan to show; refused with the reason when the archive cannot be
    // brought back, and with nothing to tell when the user cancelled.
    Outcome read(const QString& archive);
    // Only after read() was done.
    const RestorePlan& plan() const { return *m_plan; }

    // Writes the plan, and the settings too when asked; what was written shows in the library
    // even when the work was cut short. Done, it tells what was left out.
    Outcome bringBack(bool withSettings);

private:
    Platform& m_platform;
    Library& m_library;
    std::optional<RestorePlan> m_plan;
};

} // namespace vellumora
