#include "images/PictureLibrary.h"

#include "images/PictureDecoder.h"
#include "storage/DataFile.h"
#include "storage/SyncFiles.h"

#include <QFileInfo>
#include <algorithm>

namespace vellumora {

PictureLibrary::PictureLibrary(QString applicationFolder, NativePath homeTrash, QObject* parent)
    : QAbstractListModel(parent)
    , m_store(std::move(applicationFolder), std::move(homeTrash))
{
}

int PictureLibrary::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PictureLibrary::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || role != Qt::DisplayRole) {
        return {};
    }
    return m_names.at(index.row());
}

QVariant PictureLibrary::headerData(int section, Qt::Orientation orientation, int role) const
{
    return section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole ? QVariant(tr("Text"))
                                                                                    : QVariant();
}

QList<NativePath> PictureLibrary::paths() const
{
    QList<NativePath> result;
    result.reserve(count());
    for (const QString& name : m_names) {
        result.append(m_store.pathOf(name));
    }
    return result;
}

QHash<QByteArray, NativeFileInfo> PictureLibrary::look() const
{
    QHash<QByteArray, NativeFileInfo> files;
    const NativePath folder = m_store.folder();
    for (const QByteArray& name : nativeFileNames(folder)) {
        if (name == LibraryFiles::kRecordName.toLatin1()
            || SyncFiles::classify(decodeBytes(name).text) != SyncFiles::Kind::Ordinary) {
            continue;
        }
        if (const std::optional<NativeFileInfo> info = nativeFileInfo(folder.child(name))) {
            files.insert(name, *info);
        }
    }
    return files;
}

bool PictureLibrary::reread(Outcome& outcome)
{
    const QHash<QByteArray, NativeFileInfo> now = look();
    const NativePath folder = m_store.folder();
    QString error;
    const std::optional<QStringList> record = m_store.readRecord(&error);
    if (!record) {
        outcome.tell(withReason(tr("The picture list was changed by another program but cannot be read, "
                                   "so it is shown as it was."),
            error));
        return false;
    }
    m_record.setRead(true);
    QStringList next;
    QList<NativePath> rewritten;
    for (const QString& name : *record) {
        const QByteArray file = m_store.pathOf(name).bytes().mid(folder.bytes().size() + 1);
        const bool went = m_files.contains(file) && !now.contains(file);
        if (went) {
            continue;
        }
        next.append(name);
        if (m_files.contains(file) && now.contains(file)
            && (m_files[file].size != now[file].size || m_files[file].modified != now[file].modified)) {
            rewritten.append(folder.child(file));
        }
    }
    QList<QByteArray> came;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!m_files.contains(it.key())) {
            came.append(it.key());
        }
    }
    std::sort(came.begin(), came.end());
    m_files = now;
    for (const QByteArray& file : std::as_const(came)) {
        const QString name = decodeBytes(file).text;
        if (next.contains(name) || !PictureStore::isStorableName(name)
            || m_store.pathOf(name) != folder.child(file)) {
            continue;
        }
        if (PictureDecoder::inspect(folder.child(file)) == PictureDecoder::Verdict::Decodable) {
            next.append(name);
        } else {
            // Perhaps not whole yet: it is looked at again at the next change.
            m_files.remove(file);
        }
    }
    if (next != *record) {
        if (const Outcome written = writeRecord(next); !written) {
            outcome.add(written);
        }
    }
    if (!rewritten.isEmpty()) {
        emit picturesRewritten(rewritten);
    }
    if (next == m_names) {
        return false;
    }
    beginResetModel();
    m_names = next;
    endResetModel();
    return true;
}

Outcome PictureLibrary::load()
{
    m_files = look();
    QString error;
    const std::optional<QStringList> names = m_store.readRecord(&error);
    m_record.setRead(names.has_value(),
        tr("The picture list could not be read when the program started, so it cannot be changed now."));
    beginResetModel();
    m_names = names.value_or(QStringList());
    endResetModel();
    if (!names) {
        return Outcome::refused(
            withReason(tr("The picture list could not be read, so the library is shown empty and the "
                          "picture list is left as it is."),
                error));
    }
    return {};
}

Outcome PictureLibrary::changeable() const
{
    return m_record.allowsWriting();
}

Outcome PictureLibrary::writeRecord(const QStringList& names)
{
    return m_record.write(tr("The picture list could not be saved, so the library stays as it was."),
        [&](QString* error) { return m_store.writeRecord(names, error); });
}

std::optional<QString> PictureLibrary::freeName(const QString& chosenPath, const QStringList& alsoTaken) const
{
    const QString name = PictureStore::storedName(chosenPath);
    QString stored = name;
    // Two phones both name their first photo IMG_0001.jpg; the same photo added twice is refused.
    for (int number = 2; m_names.contains(stored) || alsoTaken.contains(stored); ++number) {
        if (sameFileContent(chosenPath, m_store.pathOf(stored))) {
            return std::nullopt;
        }
        stored = numberedName(name, number);
    }
    return stored;
}

Outcome PictureLibrary::add(const QString& chosenPath)
{
    if (Outcome ready = changeable(); !ready) {
        return ready;
    }
    WorkProgress progress;
    const StoredPictures stored = store({ chosenPath }, progress);
    if (!stored.refused.isEmpty()) {
        return Outcome::refused(stored.refused.constFirst().reason);
    }
    return list(stored);
}

QString PictureLibrary::storeOne(const QString& chosenPath, const QStringList& taken, QString* name) const
{
    const QString chosenName = PictureStore::storedName(chosenPath);
    const std::optional<QString> free = freeName(chosenPath, taken);
    if (!free) {
        return tr("This Picture is Already available Please Select Another Picture ");
    }
    if (!PictureStore::isStorableName(*free)) {
        return tr("A picture named \"%1\" cannot be kept in the library. Please rename the file and add it "
                  "again.")
            .arg(chosenName);
    }
    QSize size;
    switch (PictureDecoder::inspect(NativePath(chosenPath), &size)) {
    case PictureDecoder::Verdict::NotAPicture:
        return tr("\"%1\" is not a picture Vellumora can read, so it was not added.").arg(chosenName);
    case PictureDecoder::Verdict::TooLarge:
        return tr("\"%1\" is too large for Vellumora to show (%2 x %3 pixels), so it was not added.")
            .arg(chosenName)
            .arg(size.width())
            .arg(size.height());
    case PictureDecoder::Verdict::Decodable:
    case PictureDecoder::Verdict::NoFile:
        break;
    }
    QString error;
    if (!m_store.copyIn(chosenPath, *free, &error)) {
        return withReason(tr("The picture could not be copied into the library."), error);
    }
    *name = *free;
    return {};
}

PictureLibrary::StoredPictures PictureLibrary::store(
    const QStringList& chosenPaths, WorkProgress& progress) const
{
    qint64 bytes = 0;
    for (const QString& path : chosenPaths) {
        bytes += QFileInfo(path).size();
    }
    progress.start(int(chosenPaths.size()), bytes);
    StoredPictures stored;
    const auto cancelled = [&] {
        for (const QString& name : std::as_const(stored.names)) {
            m_store.remove(name);
        }
        return StoredPictures { {}, {}, true };
    };
    for (const QString& path : chosenPaths) {
        if (progress.cancelled()) {
            return cancelled();
        }
        QString name;
        if (const QString reason = storeOne(path, stored.names, &name); !reason.isEmpty()) {
            stored.refused.append({ path, reason });
        } else {
            stored.names.append(name);
        }
        progress.addBytes(QFileInfo(path).size());
        progress.fileDone();
    }
    return progress.cancelled() ? cancelled() : stored;
}

Outcome PictureLibrary::list(const StoredPictures& stored)
{
    if (stored.names.isEmpty()) {
        return Outcome::nothing();
    }
    if (Outcome written = writeRecord(m_names + stored.names); !written) {
        for (const QString& name : stored.names) {
            m_store.remove(name);
        }
        return written;
    }
    beginInsertRows({}, count(), count() + int(stored.names.size()) - 1);
    m_names += stored.names;
    endInsertRows();
    return {};
}

Outcome PictureLibrary::remove(int row)
{
    if (row < 0 || row >= count()) {
        return Outcome::nothing();
    }
    QStringList remaining = m_names;
    remaining.removeAt(row);
    // The record is written first: if it cannot be, the picture is still whole on disk.
    if (Outcome written = writeRecord(remaining); !written) {
        return written;
    }
    Outcome outcome;
    const QString name = m_names.at(row);
    QString error;
    const TrashedFile trashed = m_store.trash().discard(m_store.pathOf(name), &error);
    if (!error.isEmpty()) {
        outcome.tell(withReason(
            tr("The picture \"%1\" could not be moved to the Trash, so its file stays in the library "
               "folder.")
                .arg(name),
            error));
    }
    beginRemoveRows({}, row, row);
    m_names.removeAt(row);
    endRemoveRows();
    emit pictureDeleted({ name, row, trashed });
    return outcome;
}

Outcome PictureLibrary::restore(const DeletedPicture& deleted)
{
    if (Outcome ready = changeable(); !ready) {
        return ready;
    }
    // The name goes back as it was, unless the library or the store took it again meanwhile.
    const bool bringsFile = !deleted.file.location.isEmpty();
    QString name = deleted.name;
    NativePath target = deleted.file.original;
    for (int number = 2; m_names.contains(name) || (bringsFile && nativePathExists(target)); ++number) {
        name = numberedName(deleted.name, number);
        target = m_store.pathOf(name);
        if (bringsFile && target.isEmpty()) {
            return Outcome::refused(
                tr("The picture \"%1\" cannot be brought back under another name.").arg(deleted.name));
        }
    }
    const int place = std::min(deleted.place, count());
    QStringList next = m_names;
    next.insert(place, name);
    const Outcome restored = m_store.trash().restore(deleted.file, target, [&] { return writeRecord(next); });
    if (restored) {
        beginInsertRows({}, place, place);
        m_names.insert(place, name);
        endInsertRows();
    }
    return restored;
}

Outcome PictureLibrary::addMany(Platform& platform, const QStringList& chosenPaths)
{
    // A picture file added by hand meanwhile must not be listed by the watch before the batch.
    holdChanges(true);
    WorkProgress progress;
    const StoredPictures stored
        = runLong(platform, tr("Adding pictures..."), progress, [&] { return store(chosenPaths, progress); });
    Outcome outcome = list(stored);
    holdChanges(false);
    // Never so long a message that its OK button is off the screen.
    constexpr int kLongest = 15;
    QStringList refused;
    for (const Refusal& refusal : stored.refused.mid(0, kLongest)) {
        const QString name = QFileInfo(refusal.path).fileName();
        // Most reasons name the file already.
        refused.append(refusal.reason.contains(QLatin1Char('"') + name + QLatin1Char('"'))
                ? refusal.reason
                //: One line of a list: a picture's file name, then why it was not added.
                : tr("%1: %2").arg(name, refusal.reason));
    }
    if (stored.refused.size() > kLongest) {
        refused.append(tr("... and %n more.", nullptr, int(stored.refused.size()) - kLongest));
    }
    if (!refused.isEmpty()) {
        outcome.tell(withReason(tr("These pictures could not be added:"), refused.join(QLatin1Char('\n'))));
    }
    return outcome;
}

} // namespace vellumora
