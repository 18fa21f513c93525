#include "library/BackupJobs.h"

#include "library/Library.h"

namespace vellumora {

Outcome BackupJob::run(Platform& platform, const Library& library, const QString& target)
{
    WorkProgress progress;
    const QList<SettingValue> settings = platform.allSettings();
    const QString folder = library.folder();
    Outcome outcome = runLong(platform, tr("Backing up your library..."), progress,
        [&] { return Backup::write(folder, settings, target, &progress); });
    if (outcome) {
        outcome.tell(tr("The library was backed up in \"%1\".").arg(target), MessageIcon::Information);
    }
    return outcome;
}

RestoreJob::RestoreJob(Platform& platform, Library& library)
    : m_platform(platform)
    , m_library(library)
{
}

Outcome RestoreJob::read(const QString& archive)
{
    WorkProgress reading;
    const QString folder = m_library.folder();
    m_plan = runLong(m_platform, tr("Reading the backup..."), reading,
        [&] { return RestorePlan::make(archive, folder, {}, &reading); });
    switch (m_plan->refusal()) {
    case RestoreRefusal::None:
        return {};
    case RestoreRefusal::Cancelled:
        return Outcome::nothing();
    default:
        return Outcome::refused(m_plan->refusalText());
    }
}

Outcome RestoreJob::bringBack(bool withSettings)
{
    Outcome outcome;
    {
        const Library::Hold hold(m_library);
        WorkProgress writing;
        outcome = runLong(m_platform, tr("Bringing back the backup..."), writing,
            [&] { return m_plan->apply(m_platform, false, &writing); });
        if (outcome && withSettings) {
            outcome.add(m_plan->applySettings(m_platform));
        }
        // What was written shows even when the restore was cut short.
        outcome.add(m_library.load());
    }
    if (outcome) {
        QStringList leftOut;
        for (const LeftOutEntry& entry : m_plan->leftOut()) {
            leftOut.append(entry.text());
        }
        outcome.tell(leftOut.isEmpty() ? tr("The backup was brought back.")
                                       : tr("The backup was brought back, all but what was left out:\n%1")
                                             .arg(leftOut.join(QLatin1Char('\n'))),
            MessageIcon::Information);
    }
    return outcome;
}

} // namespace vellumora
