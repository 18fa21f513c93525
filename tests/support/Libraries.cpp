#include "support/Libraries.h"

#include "affirmations/AffirmationImport.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace vellumora {

NativePath Libraries::path(const QByteArray& relative) const
{
    return NativePath(dir->path()).child(relative);
}

bool Libraries::write(const QByteArrayList& files) const
{
    for (const QByteArray& file : files) {
        const QByteArray name = file.left(file.indexOf('='));
        const QByteArray bytes = file.mid(name.size() + 1);
        if (!(bytes == "/" ? QDir().mkpath(path(name).toString()) : writeBytes(path(name), bytes))) {
            return false;
        }
    }
    return true;
}

QByteArrayList Libraries::read(const QByteArrayList& files) const
{
    QByteArrayList now;
    for (const QByteArray& file : files) {
        const QByteArray name = file.left(file.indexOf('='));
        now << name + '=' + (QFileInfo(path(name).toString()).isDir() ? "/" : readBytes(path(name)));
    }
    return now;
}

QMap<QByteArray, QByteArray> Libraries::snapshot() const
{
    QMap<QByteArray, QByteArray> files;
    const NativePath trash(platform.trashFolder());
    for (const NativePath& folder : { NativePath(dir->path()), path("system"), path("SystemFolder"),
             path("deleted"), trash.child("files"), trash.child("info") }) {
        for (const QByteArray& name : nativeFileNames(folder)) {
            files.insert(folder.child(name).bytes(), readBytes(folder.child(name)));
        }
        // The recordings' folders, where they are and in the Trash.
        for (const QString& sub :
            QDir(folder.toString()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
            const NativePath inner = folder.child(sub.toUtf8());
            for (const QByteArray& name : nativeFileNames(inner)) {
                files.insert(inner.child(name).bytes(), readBytes(inner.child(name)));
            }
        }
    }
    return files;
}

QString Libraries::shown(const QList<Row>& rows, bool ticks)
{
    QStringList texts;
    for (const Row& row : rows) {
        texts << row.text + (ticks && row.ticked ? "+" : "");
    }
    return texts.join('|');
}

QString Libraries::shownRecorded(bool selection) const
{
    QStringList texts;
    for (int row = 0; row < affirmations.rows().size(); ++row) {
        const Row& shownRow = affirmations.rows().at(row);
        texts << shownRow.text + (shownRow.ticked ? "+" : "") + (affirmations.hasRecording(row) ? "~" : "")
                + (selection && row == affirmations.selected() ? " *" : "");
    }
    return texts.join('|');
}

bool Libraries::toldBeginning(const QStringList& beginnings) const
{
    return std::equal(told.cbegin(), told.cend(), beginnings.cbegin(), beginnings.cend(),
        [](const QString& text, const QString& beginning) { return text.startsWith(beginning); });
}

bool Libraries::take(const QString& step)
{
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
    Outcome outcome = Outcome::nothing();
    if (verb == "load") {
        outcome = categories.load();
        outcome.add(pictures.load());
    } else if (verb == "create") {
        outcome = categories.create(rest);
    } else if (verb == "choose") {
        outcome = categories.choose(rest.toInt());
    } else if (verb == "tick" || verb == "mark") {
        // As a tick box asks: for the other tick, a refusal told through the model.
        RowModel& list = verb == "tick" ? static_cast<RowModel&>(categories) : affirmations;
        const QModelIndex index = list.index(rest.toInt());
        const auto refusal = QObject::connect(
            &list, &RowModel::tickRefused, [&outcome](const Outcome& why) { outcome = why; });
        if (list.setData(index,
                index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                Qt::CheckStateRole)) {
            outcome = {};
        }
        QObject::disconnect(refusal);
    } else if (verb == "drop") {
        outcome = categories.removeSelected();
    } else if (verb == "add") {
        outcome = affirmations.pressAdd(rest);
    } else if (verb == "edit") {
        outcome = affirmations.editSelected(rest);
    } else if (verb == "pick") {
        affirmations.choose(rest.toInt());
    } else if (verb == "remove") {
        outcome = affirmations.removeSelected();
    } else if (verb == "delete") {
        outcome = pictures.remove(rest.toInt());
    } else if (verb == "import") {
        // A file of the user's, "name=bytes", becomes the picked affirmation's recording.
        const QString source = home.filePath(rest.section('=', 0, 0));
        writeBytes(NativePath(source), rest.section('=', 1).toUtf8());
        const Row& picked = affirmations.rows().value(affirmations.selected());
        outcome = library->recordings().import(source, affirmations.category(), picked.text);
    } else if (verb == "bulk" || verb == "bulknew") {
        // "bulk name=text": a text file of the user's imported into the chosen category, or a new one.
        const QString source = home.filePath(rest.section('=', 0, 0));
        writeBytes(NativePath(source), rest.section('=', 1).toUtf8());
        QByteArray bytes;
        outcome = AffirmationImport::readFile(source, bytes);
        if (outcome) {
            outcome = AffirmationImport::add(source, bytes,
                verb == "bulk" ? AffirmationImport::Into::ChosenCategory
                               : AffirmationImport::Into::NewCategory,
                categories, affirmations);
        }
    } else if (verb == "unrecord") {
        outcome = affirmations.removeRecording();
    } else if (verb == "link") {
        // "link name=target": a link in the library folder.
        outcome = QFile::link(rest.section('=', 1), path(rest.section('=', 0, 0).toUtf8()).toString())
            ? Outcome()
            : Outcome::refused("no link");
    } else if (verb == "unlink") {
        outcome = removeNativeFile(path(rest.toUtf8())) ? Outcome() : Outcome::refused("not removed");
    } else if (verb == "undo") {
        outcome = history.undo();
    } else if (verb == "full") {
        limit.emplace(8);
    } else if (verb == "room") {
        limit.reset();
    } else if (verb == "no") {
        writeBytes(NativePath(platform.trashFolder()), "no trash here");
    } else if (verb == "empty") {
        QDir(home.filePath("Trash")).removeRecursively();
        QDir(dir->filePath("deleted")).removeRecursively();
    } else {
        QTest::qFail(qPrintable("unknown step " + step), __FILE__, __LINE__);
    }
    for (const Outcome::Notice& notice : outcome.notices()) {
        told.append(notice.text);
    }
    // As when the panel is shown again: files may have gone meanwhile.
    affirmations.refreshRecordings();
    return bool(outcome);
}

} // namespace vellumora
