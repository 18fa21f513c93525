#include "library/LibraryMove.h"

#include "library/Library.h"

#include <QDir>

namespace vellumora {

LibraryMove::LibraryMove(Platform& platform, Library& library, const QString& chosen)
    : m_platform(platform)
    , m_library(library)
    , m_from(library.folder())
    , m_target(LibraryFolder::target(m_from, chosen))
    , m_here(QDir::toNativeSeparators(m_from))
    , m_there(QDir::toNativeSeparators(m_target.folder))
{
}

LibraryMove::Question LibraryMove::question() const
{
    switch (m_target.kind) {
    case LibraryFolder::Target::Kind::Library:
        return { tr("The folder \"%1\" holds a library already. Use that library from now on? "
                    "Yours stays as it is in \"%2\".")
                     .arg(m_there, m_here),
            MessageButtons::YesNo };
    case LibraryFolder::Target::Kind::Empty:
        return { tr("Move your library to \"%1\"?\n\nYes: it is copied there, checked, and then taken out of "
                    "\"%2\".\nNo: it is copied there, and the one in \"%2\" stays as it is.")
                     .arg(m_there, m_here),
            MessageButtons::YesNoCancel };
    case LibraryFolder::Target::Kind::Refused:
        break;
    }
    return {};
}

Outcome LibraryMove::run(MessageAnswer answer)
{
    using Kind = LibraryFolder::Target::Kind;
    if (m_target.kind == Kind::Refused) {
        return Outcome::refused(m_target.problem, MessageIcon::Information);
    }
    const bool copying = m_target.kind == Kind::Empty;
    // A library taken instead of the user's always leaves theirs as it is.
    const bool keepOld = answer == MessageAnswer::No || !copying;
    if (answer != MessageAnswer::Yes && !(copying && answer == MessageAnswer::No)) {
        return Outcome::nothing();
    }
    if (copying) {
        QString error;
        WorkProgress progress;
        const bool copied = runLong(m_platform, tr("Copying your library..."), progress,
            [&] { return LibraryFolder::copyTo(m_from, m_target.folder, &error, &progress); });
        // Cancelled, the folder is as it was, and the user knows.
        if (!copied && progress.cancelled()) {
            return Outcome::nothing();
        }
        if (!copied) {
            return Outcome::refused(withReason(
                tr("Your library could not be copied to \"%1\", so it stays where it is.").arg(m_there),
                error));
        }
    }
    if (!m_platform.setSetting(LibraryFolder::kSection, LibraryFolder::kKey, m_target.folder)) {
        if (copying) {
            QString ignored;
            LibraryFolder::removeFrom(m_target.folder, &ignored);
        }
        return Outcome::refused(
            tr("Vellumora could not note where your library is, so it stays in \"%1\".").arg(m_here));
    }
    m_platform.useLibraryFolder(m_target.folder);
    Outcome outcome = m_library.moveTo(m_target.folder);
    QString error;
    WorkProgress removing;
    if (copying && !keepOld
        && !runLong(
            m_platform, tr("Taking your library out of its old folder..."), removing,
            [&] { return LibraryFolder::removeFrom(m_from, &error); }, false)) {
        outcome.tell(
            withReason(tr("Your library is now in \"%1\", but some of it could not be taken out of \"%2\".")
                           .arg(m_there, m_here),
                error));
    }
    return outcome;
}

} // namespace vellumora
