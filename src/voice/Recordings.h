#pragma once

#include "platform/Outcome.h"
#include "platform/Trash.h"
#include "storage/NativePath.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vellumora {

// An affirmation as the show and the voice find it: its text and the category it is kept in.
struct Affirmation {
    QString category;
    QString text;
};

// The affirmations' recordings, kept beside the category files without touching them: a folder
// per category ("Joy.voice" beside "Joy.txt": a category name never holds a dot) with one file
// per affirmation, named from its text. Two affirmations of one category with the same text share
// one recording. Only plain files in a plain folder count: a link there is never followed, and no
// name read from anywhere forms a path, so nothing outside the folder is ever played.
class Recordings {
public:
    // The kinds a recording may be, the recorder's own and those the user may import.
    static inline const QStringList kSuffixes { QStringLiteral("ogg"), QStringLiteral("oga"),
        QStringLiteral("opus"), QStringLiteral("wav"), QStringLiteral("mp3"), QStringLiteral("flac") };

    // categoryFile gives a category's file, empty for a name that cannot form a path; deleted
    // recordings go to the Trash.
    Recordings(std::function<NativePath(const QString&)> categoryFile, const Trash& trash);

    // Empty for a category whose name cannot form a path.
    NativePath folder(const QString& category) const;
    // The file name without its suffix: the sentence's first words, readable in a file manager,
    // and a hash of the whole text, so that no two sentences meet in one file.
    static QByteArray stem(const QString& text);

    std::optional<NativePath> find(const QString& category, const QString& text) const;
    bool has(const QString& category, const QString& text) const { return find(category, text).has_value(); }
    // The stems of the category's recordings, read with one look at its folder.
    QSet<QByteArray> stems(const QString& category) const;

    // Where a recording of this kind is written until it is whole: a hidden file in the folder,
    // made if need be, which is never taken for a recording. Empty, with the reason, when the
    // folder cannot be made.
    NativePath partFor(
        const QString& category, const QString& text, const QString& suffix, QString* error) const;
    // Puts a whole part in the place of the affirmation's recording; the one it replaces goes to
    // the Trash. A refused part is removed.
    Outcome keep(const NativePath& part, const QString& category, const QString& text) const;
    // A copy of the user's file becomes the recording.
    Outcome import(const QString& source, const QString& category, const QString& text) const;

    // The recording goes to the Trash; nothing is taken when there is none.
    TrashedFile discard(const QString& category, const QString& text, QString* error) const;
    // A category's whole folder goes to the Trash.
    TrashedFile discardFolder(const QString& category, QString* error) const;
    // Brings a discarded recording back, for the category under the name it has now.
    Outcome restore(const TrashedFile& trashed, const QString& category, const QString& text) const;
    Outcome restoreFolder(const TrashedFile& trashed, const QString& category) const;
    // The recording of `from` becomes that of `to`, or a copy of it while another affirmation
    // keeps the old text. A recording `to` already has stays. Nothing to tell when there is none.
    Outcome follow(const QString& category, const QString& from, const QString& to, bool copy) const;

private:
    Outcome restore(const TrashedFile& trashed, const NativePath& target) const;
    NativePath fileFor(const NativePath& folder, const QString& text, const QString& suffix) const;

    std::function<NativePath(const QString&)> m_categoryFile;
    const Trash& m_trash;
};

} // namespace vellumora
