#pragma once

#include "platform/LibraryFolder.h"
#include "platform/Outcome.h"

#include <QCoreApplication>

namespace vellumora {

class Library;

// Moving the library to a folder the user chose. The window asks for the folder and puts the
// move's question; the move copies, notes where the library is now, reads it there and takes the
// old one out, the long steps on a thread of their own with their progress shown and Cancel
// offered while copying.
class LibraryMove {
    Q_DECLARE_TR_FUNCTIONS(vellumora::LibraryMove)
public:
    LibraryMove(Platform& platform, Library& library, const QString& chosen);

    // Refused (with the reason), a library already there to use instead, or a folder to copy into.
    const LibraryFolder::Target& target() const { return m_target; }

    // What the user is asked before anything is done; no text when there is nothing to ask.
    struct Question {
        QString text;
        MessageButtons buttons = MessageButtons::Ok;
    };
    Question question() const;

    // With the answer to the question: the library in the target folder, or refused with the
    // reason and left where it was; cancelled, or not wanted, nothing changed and nothing is told.
    Outcome run(MessageAnswer answer);

private:
    Platform& m_platform;
    Library& m_library;
    QString m_from;
    LibraryFolder::Target m_target;
    // Both folders as the user's messages name them.
    QString m_here;
    QString m_there;
};

} // namespace vellumora
