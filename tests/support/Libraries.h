#pragma once

#include "library/Library.h"
#include "support/ApplicationFolder.h"
#include "support/FakePlatform.h"
#include "support/FileSizeLimit.h"

#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <optional>

namespace vellumora {

// A library on a temporary application folder with a Trash of its own, driven by steps as a user
// takes them.
struct Libraries {
    NativePath path(const QByteArray& relative) const;
    // Writes "name=bytes" files; "name=/" makes a folder.
    bool write(const QByteArrayList& files) const;
    // Each "name=bytes" file as it is now ("<missing>" for none, "/" for a folder).
    QByteArrayList read(const QByteArrayList& files) const;
    // Every file of the library, and of the places deleted files go, by its bytes.
    QMap<QByteArray, QByteArray> snapshot() const;
    // The rows the model shows, joined by "|", a ticked one followed by "+" when ticks are asked for.
    static QString shown(const QList<Row>& rows, bool ticks = false);
    // Where the program keeps the recording of an affirmation of that category.
    static QByteArray recording(
        const QString& text, const char* suffix = "ogg", const char* category = "Health")
    {
        return QByteArray("system/") + category + ".voice/" + Recordings::stem(text) + '.' + suffix;
    }
    // The affirmations shown, a ticked one followed by "+", one with a recording by "~" and, when
    // asked, the selected one by " *".
    QString shownRecorded(bool selection = false) const;
    // Whether the user was told as many messages as there are beginnings, each starting with its own.
    bool toldBeginning(const QStringList& beginnings) const;
    QString fieldText() const { return field.isEmpty() ? QString() : field.last().at(0).toString(); }

    // "load", "create Joy", "choose 1" (a category), "tick 1", "drop" (the chosen category), "add
    // text", "edit text", "pick 0" (an affirmation), "mark 0", "remove" (the picked one), "delete
    // 0" (a picture), "undo", "full" and "room" (writes fail from here, and work again), "empty
    // trash", "no trash" (a file stands where the Trash would be made, so deletes go to the
    // folder beside the library), "import name=bytes" and "unrecord" (the picked affirmation's
    // recording), "bulk name=text" and "bulknew name=text" (a text file of affirmations into the
    // chosen category or a new one), "link name=target" and "unlink name" (in the library folder). Returns
    // whether it was done; what the user is told gathers in `told`.
    bool take(const QString& step);

    std::unique_ptr<TemporaryFolder> dir = newApplicationFolder();
    FakePlatform platform { dir->path() };
    // Holds the desktop's Trash.
    QTemporaryDir& home = platform.trash;
    std::unique_ptr<Library> library = Library::open(dir->path(), platform);
    AffirmationList& affirmations = library->affirmations();
    CategoryIndex& categories = library->categories();
    PictureLibrary& pictures = library->pictures();
    DeleteHistory& history = library->deletes();
    QSignalSpy field { &affirmations, &AffirmationList::fieldTextSet };
    std::optional<FileSizeLimit> limit;
    QStringList told;
};

} // namespace vellumora
