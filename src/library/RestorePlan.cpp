// Working out what bringing back a backup would change, before anything is written. Past 400
// lines: the planner is one piece of reasoning over the archive and the library, kept whole.

#include "affirmations/CategoryStore.h"
#include "images/PictureStore.h"
#include "library/Backup.h"
#include "storage/LibraryFiles.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>
#include <QStorageInfo>

namespace vellumora {

namespace {

const QString kText = QStringLiteral(".txt");
// A text file of the library larger than this is no list the program wrote.
constexpr qint64 kMaxListBytes = 256LL << 20;

// Where an entry of a backup belongs in a library.
struct Place {
    enum class Kind { Index, Board, Settings, Record, Picture, Category, Recording, Unknown, Unusable };
    Kind kind = Kind::Unknown;
    QString name; // the picture's or the category's
    QString file; // the recording's
};

Place placeOf(const QString& entry)
{
    using Kind = Place::Kind;
    const QStringList parts = entry.split(QLatin1Char('/'));
    if (parts.size() == 1) {
        return { entry == LibraryFiles::kIndexName  ? Kind::Index
                : entry == LibraryFiles::kBoardName ? Kind::Board
                : entry == Backup::kSettingsName    ? Kind::Settings
                                                    : Kind::Unknown,
            {}, {} };
    }
    if (parts.size() == 2 && parts[0] == LibraryFiles::kPictureFolderName) {
        if (parts[1] == LibraryFiles::kRecordName) {
            return { Kind::Record, {}, {} };
        }
        return { PictureStore::isStorableName(parts[1]) ? Kind::Picture : Kind::Unusable, parts[1], {} };
    }
    if (parts.size() == 2 && parts[0] == LibraryFiles::kCategoryFolderName && parts[1].endsWith(kText)) {
        const QString name = parts[1].chopped(kText.size());
        return { CategoryStore::isUsableName(name) ? Kind::Category : Kind::Unusable, name, {} };
    }
    if (parts.size() == 3 && parts[0] == LibraryFiles::kCategoryFolderName
        && parts[1].endsWith(LibraryFiles::kVoiceSuffix)) {
        const QString category = parts[1].chopped(LibraryFiles::kVoiceSuffix.size());
        const QString& file = parts[2];
        const bool usable = CategoryStore::isUsableName(category) && isSafeFileName(file)
            && !file.startsWith(QLatin1Char('.'))
            && Recordings::kSuffixes.contains(file.section(QLatin1Char('.'), -1).toLower());
        return { usable ? Kind::Recording : Kind::Unusable, category, file };
    }
    return { Kind::Unknown, {}, {} };
}

QByteArray hashOf(const NativePath& file)
{
    QFile in;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!openNativeFile(file, in) || !hash.addData(&in)) {
        return {};
    }
    return hash.result();
}

} // namespace

QString RestoreChange::text() const
{
    switch (kind) {
    case Kind::AddCategory:
        return RestorePlan::tr("Add the category \"%1\" with %n affirmations", nullptr, count).arg(name);
    case Kind::AddAffirmations:
        return RestorePlan::tr("Add %n affirmations to \"%1\"", nullptr, count).arg(name);
    case Kind::AddPicture:
        return RestorePlan::tr("Add the picture \"%1\"").arg(name);
    case Kind::AddPictureAs:
        return RestorePlan::tr("Add the picture \"%1\" as \"%2\"").arg(name, storedAs);
    case Kind::SkipPicture:
        return RestorePlan::tr("Skip the picture \"%1\": the library has it already").arg(name);
    }
    return {};
}

QString LeftOutEntry::text() const
{
    switch (why) {
    case LeftOut::Escapes:
        return RestorePlan::tr("\"%1\" points outside the library and is left out.").arg(name);
    case LeftOut::Link:
        return RestorePlan::tr("\"%1\" is a link, not a file, and is left out.").arg(name);
    case LeftOut::Oversized:
        return RestorePlan::tr("\"%1\" is larger than the backup says and is left out.").arg(name);
    case LeftOut::Damaged:
        return RestorePlan::tr("\"%1\" is damaged and is left out.").arg(name);
    case LeftOut::NameNotUtf8:
        return RestorePlan::tr("A file whose name cannot be read is left out.");
    case LeftOut::Unknown:
        return RestorePlan::tr("\"%1\" is no part of a library and is left out.").arg(name);
    case LeftOut::UnusableName:
        return RestorePlan::tr("\"%1\" has a name the library cannot keep and is left out.").arg(name);
    case LeftOut::RecordingKept:
        return RestorePlan::tr("\"%1\" is left out: the library keeps its own recording of that affirmation.")
            .arg(name);
    case LeftOut::RecordingOfNothing:
        return RestorePlan::tr("\"%1\" records no affirmation the backup brings back and is left out.")
            .arg(name);
    case LeftOut::BoardKept:
        return RestorePlan::tr("\"%1\" is left out: the library keeps its own board.").arg(name);
    }
    return {};
}

QString RestorePlan::refusalText() const
{
    switch (m_refusal) {
    case RestoreRefusal::None:
    case RestoreRefusal::Cancelled:
        return {};
    case RestoreRefusal::Unreadable:
        return withReason(
            tr("The backup \"%1\" could not be opened, so nothing was brought back.").arg(m_archive),
            m_reason);
    case RestoreRefusal::Damaged:
        return withReason(
            tr("The backup \"%1\" is damaged, so nothing was brought back.").arg(m_archive), m_reason);
    case RestoreRefusal::TooManyEntries:
        return tr("The backup \"%1\" holds more than %L2 files, more than any library, so nothing was "
                  "brought back.")
            .arg(m_archive)
            .arg(kMaxArchiveEntries);
    case RestoreRefusal::NoRoom:
        return tr(
            "The backup needs more room than the library's disk has free, so nothing was brought back.");
    case RestoreRefusal::NotABackup:
        return tr("\"%1\" holds no Vellumora library, so nothing was brought back.").arg(m_archive);
    case RestoreRefusal::LibraryUnreadable:
        return withReason(
            tr("A list of the library could not be read, so nothing was brought back."), m_reason);
    }
    return {};
}

// Works out a plan: what the archive holds, then what the library lacks of it.
class RestorePlanner {
public:
    RestorePlanner(RestorePlan& plan, const QString& folder, WorkProgress* progress)
        : m_plan(plan)
        , m_progress(progress)
        , m_store(folder)
        , m_pictureStore(folder)
        , m_folder(folder)
    {
    }

    bool refuse(RestoreRefusal refusal, const QString& reason = {})
    {
        m_plan.m_refusal = refusal;
        m_plan.m_reason = reason;
        return false;
    }

    bool read(const QString& archive, const RestoreLimits& limits, const QString& folder)
    {
        // Sizes and count first, skipping the data: nothing is read in bulk from an archive too
        // large for the disk.
        ArchiveScan scan = readArchive(
            archive, [](const ArchiveEntry&, const EntryData&) {}, limits.maxEntries, m_progress);
        scan.problems.clear();
        if (!checked(scan)) {
            return false;
        }
        m_plan.m_entries = scan.entries;
        if (m_progress) {
            m_progress->start(scan.entries, scan.totalSize);
        }
        const qint64 free
            = limits.freeSpace ? limits.freeSpace(folder) : QStorageInfo(folder).bytesAvailable();
        if (scan.totalSize > free) {
            return refuse(RestoreRefusal::NoRoom);
        }
        QSet<QString> seen;
        scan = readArchive(
            archive,
            [&](const ArchiveEntry& entry, const EntryData& data) {
                const Place place = placeOf(entry.name);
                if (place.kind == Place::Kind::Unknown || seen.contains(entry.name)) {
                    m_plan.m_leftOut.append({ LeftOut::Unknown, entry.name });
                    return;
                }
                if (place.kind == Place::Kind::Unusable) {
                    m_plan.m_leftOut.append({ LeftOut::UnusableName, entry.name });
                    return;
                }
                seen.insert(entry.name);
                m_plan.m_sizes.insert(entry.name, entry.size);
                take(entry, place, data);
            },
            limits.maxEntries, m_progress);
        if (!checked(scan)) {
            return false;
        }
        if (!m_index && !m_record && m_categoryFiles.isEmpty() && m_pictures.isEmpty()) {
            return refuse(RestoreRefusal::NotABackup);
        }
        return true;
    }

    bool plan()
    {
        QString error;
        std::optional<QList<Row>> index
            = m_store.indexExists() ? m_store.readIndex(&error) : std::optional<QList<Row>>(QList<Row> {});
        if (!index) {
            return refuse(RestoreRefusal::LibraryUnreadable, error);
        }
        if (!m_store.indexExists()) {
            for (const QString& name : m_store.listCategoryNames()) {
                index->append({ name, false });
            }
        }
        const std::optional<QStringList> record = m_pictureStore.readRecord(&error);
        if (!record) {
            return refuse(RestoreRefusal::LibraryUnreadable, error);
        }
        bool empty = record->isEmpty();
        QStringList known = m_store.listCategoryNames();
        for (const Row& row : *index) {
            known.append(row.text);
        }
        for (const QString& name : known) {
            const std::optional<QList<Row>> rows
                = m_store.readRows(m_store.categoryPath(name), nullptr, &error);
            if (!rows) {
                return refuse(RestoreRefusal::LibraryUnreadable, error);
            }
            empty = empty && rows->isEmpty();
        }
        m_plan.m_exact = empty;
        if (!planCategories(*index) || !planPictures(*record)) {
            return false;
        }
        if (empty) {
            planExactly();
        }
        // The board's choices come back with it, but never over the ones the library has made.
        if (m_board) {
            const NativePath board(m_folder + QLatin1Char('/') + LibraryFiles::kBoardName);
            if (empty || !QFileInfo::exists(board.toString())) {
                m_plan.m_lists.append({ {}, *m_board, board, true });
            } else {
                m_plan.m_leftOut.append({ LeftOut::BoardKept, LibraryFiles::kBoardName });
            }
        }
        return true;
    }

private:
    struct ArchivedPicture {
        QString entry;
        QByteArray hash;
        qint64 size = 0;
    };

    bool checked(const ArchiveScan& scan)
    {
        switch (scan.fault) {
        case ArchiveFault::Unreadable:
            return refuse(RestoreRefusal::Unreadable, scan.reason);
        case ArchiveFault::Damaged:
            return refuse(RestoreRefusal::Damaged, scan.reason);
        case ArchiveFault::TooManyEntries:
            return refuse(RestoreRefusal::TooManyEntries);
        case ArchiveFault::Cancelled:
            return refuse(RestoreRefusal::Cancelled);
        case ArchiveFault::None:
            break;
        }
        for (const EntryProblem& problem : scan.problems) {
            const LeftOut why = problem.fault == EntryFault::Escapes ? LeftOut::Escapes
                : problem.fault == EntryFault::Link                  ? LeftOut::Link
                : problem.fault == EntryFault::Oversized             ? LeftOut::Oversized
                : problem.fault == EntryFault::Damaged               ? LeftOut::Damaged
                                                                     : LeftOut::NameNotUtf8;
            m_plan.m_leftOut.append({ why, problem.name });
        }
        return true;
    }

    void take(const ArchiveEntry& entry, const Place& place, const EntryData& data)
    {
        using Kind = Place::Kind;
        if (place.kind == Kind::Picture || place.kind == Kind::Recording) {
            QCryptographicHash hash(QCryptographicHash::Sha256);
            if (!data([&](const QByteArray& piece) {
                    hash.addData(piece);
                    return true;
                })) {
                return;
            }
            if (place.kind == Kind::Picture) {
                m_pictures.insert(place.name, { entry.name, hash.result(), entry.size });
                m_pictureOrder.append(place.name);
            } else {
                m_recordings[place.name].insert(place.file, entry.name);
            }
            return;
        }
        if (entry.size > kMaxListBytes) {
            m_plan.m_leftOut.append({ LeftOut::Oversized, entry.name });
            return;
        }
        QByteArray bytes;
        if (!data([&](const QByteArray& piece) {
                bytes += piece;
                return true;
            })) {
            return;
        }
        switch (place.kind) {
        case Kind::Index:
            m_index = bytes;
            break;
        case Kind::Settings:
            m_plan.m_settings = Backup::decodeSettings(bytes);
            m_plan.m_settings.removeIf(
                [](const SettingValue& value) { return value.section == Backup::kMachineSection; });
            break;
        case Kind::Record:
            m_record = bytes;
            break;
        case Kind::Board:
            m_board = bytes;
            break;
        default:
            m_categoryFiles.insert(place.name, bytes);
            m_categoryOrder.append(place.name);
            break;
        }
    }

    // The archive's recordings of these affirmations, which the library holds after the restore,
    // for the category they belong to there; the library's own recording of one is kept. Each
    // recording planned or passed over is taken from the list of those still to account for.
    void planRecordings(const QString& from, const QString& to, const QList<Row>& rows)
    {
        QHash<QString, QString>& files = m_unplanned[from];
        const NativePath folder = m_store.recordings().folder(to);
        if (files.isEmpty() || folder.isEmpty()) {
            return;
        }
        for (const Row& row : rows) {
            const QByteArray stem = Recordings::stem(row.text);
            const bool own = m_store.recordings().has(to, row.text);
            for (const QString& suffix : Recordings::kSuffixes) {
                const QString file = QString::fromUtf8(stem) + QLatin1Char('.') + suffix;
                const QString entry = files.take(file);
                if (entry.isEmpty()) {
                    continue;
                }
                if (own) {
                    m_plan.m_leftOut.append({ LeftOut::RecordingKept, entry });
                } else {
                    addFolder(folder);
                    m_plan.m_fromArchive.append({ entry, {}, folder.child(file.toUtf8()), false });
                    break;
                }
            }
        }
    }

    // Recordings of no affirmation the restore brings back.
    void leaveOutOtherRecordings()
    {
        for (const QHash<QString, QString>& files : std::as_const(m_unplanned)) {
            for (const QString& entry : files) {
                m_plan.m_leftOut.append({ LeftOut::RecordingOfNothing, entry });
            }
        }
    }

    void addFolder(const NativePath& folder)
    {
        if (!m_plan.m_folders.contains(folder)) {
            m_plan.m_folders.append(folder);
        }
    }

    bool planCategories(const QList<Row>& current)
    {
        m_unplanned = m_recordings;
        QList<Row> backup;
        if (m_index) {
            backup = CategoryStore::decodeRows(*m_index);
        } else {
            for (const QString& name : std::as_const(m_categoryOrder)) {
                backup.append({ name, false });
            }
        }
        QList<Row> index = current;
        QSet<QString> done;
        for (const Row& category : std::as_const(backup)) {
            if (!CategoryStore::isUsableName(category.text) || done.contains(category.text.toCaseFolded())) {
                continue;
            }
            done.insert(category.text.toCaseFolded());
            const QList<Row> rows = CategoryStore::decodeRows(m_categoryFiles.value(category.text));
            auto match = std::find_if(index.cbegin(), index.cend(),
                [&](const Row& row) { return row.text.compare(category.text, Qt::CaseInsensitive) == 0; });
            QString target = match != index.cend()
                ? match->text
                : m_store.findCategoryFile(category.text).value_or(QString());
            if (target.isEmpty()) {
                m_plan.m_changes.append(
                    { RestoreChange::Kind::AddCategory, category.text, {}, int(rows.size()) });
                m_plan.m_files.append(
                    { {}, m_categoryFiles.value(category.text), m_store.categoryPath(category.text), false });
                index.append(category);
                planRecordings(category.text, category.text, rows);
                continue;
            }
            if (match == index.cend()) {
                index.append({ target, category.ticked });
            }
            TextEncoding encoding = TextEncoding::Utf8;
            QString error;
            const NativePath path = m_store.categoryPath(target);
            const std::optional<QList<Row>> have = m_store.readRows(path, &encoding, &error);
            if (!have) {
                return refuse(RestoreRefusal::LibraryUnreadable, error);
            }
            QSet<QString> texts;
            for (const Row& row : *have) {
                texts.insert(row.text);
            }
            QList<Row> added;
            for (const Row& row : rows) {
                if (!texts.contains(row.text)) {
                    texts.insert(row.text);
                    added.append(row);
                }
            }
            if (!added.isEmpty()) {
                m_plan.m_changes.append(
                    { RestoreChange::Kind::AddAffirmations, target, {}, int(added.size()) });
                m_plan.m_files.append({ {}, CategoryStore::encodeRows(*have + added, encoding), path, true });
            }
            // Those the library had already come back with their recordings too.
            planRecordings(category.text, target, rows);
        }
        leaveOutOtherRecordings();
        if (index != current || !m_store.indexExists()) {
            TextEncoding encoding = TextEncoding::Utf8;
            const std::optional<QByteArray> bytes = readNativeFile(m_store.indexPath());
            if (bytes) {
                encoding = decodeText(*bytes).encoding;
            }
            m_plan.m_lists.append(
                { {}, CategoryStore::encodeRows(index, encoding), m_store.indexPath(), true });
        }
        return true;
    }

    // The first picture of the library with these bytes; its hash is worked out only for files
    // of the same size.
    bool libraryHas(const ArchivedPicture& picture, const QStringList& names)
    {
        for (const QString& name : names) {
            const NativePath path = m_pictureStore.pathOf(name);
            const std::optional<NativeFileInfo> info = nativeFileInfo(path);
            if (!info || info->size != picture.size) {
                continue;
            }
            if (!m_hashes.contains(name)) {
                m_hashes.insert(name, hashOf(path));
            }
            if (m_hashes.value(name) == picture.hash) {
                return true;
            }
        }
        return false;
    }

    bool planPictures(const QStringList& current)
    {
        const QStringList names = m_record ? PictureStore::decodeRecord(*m_record) : m_pictureOrder;
        QStringList record = current;
        QSet<QByteArray> added;
        for (const QString& name : names) {
            if (!m_pictures.contains(name)) {
                continue;
            }
            const ArchivedPicture& picture = m_pictures[name];
            if (added.contains(picture.hash) || libraryHas(picture, current)) {
                m_plan.m_changes.append({ RestoreChange::Kind::SkipPicture, name, {}, 0 });
                continue;
            }
            QString stored = name;
            for (int number = 2; record.contains(stored) || nativePathExists(m_pictureStore.pathOf(stored));
                 ++number) {
                stored = numberedName(name, number);
            }
            const NativePath target = m_pictureStore.pathOf(stored);
            if (target.isEmpty() || !PictureStore::isStorableName(stored)) {
                m_plan.m_leftOut.append({ LeftOut::UnusableName, picture.entry });
                continue;
            }
            added.insert(picture.hash);
            m_plan.m_changes.append(
                { stored == name ? RestoreChange::Kind::AddPicture : RestoreChange::Kind::AddPictureAs, name,
                    stored });
            m_plan.m_fromArchive.append({ picture.entry, {}, target, false });
            record.append(stored);
        }
        if (record != current) {
            TextEncoding encoding = TextEncoding::Utf8;
            PictureStore::decodeRecord(
                readNativeFile(m_pictureStore.recordPath()).value_or(QByteArray()), &encoding);
            m_plan.m_lists.append(
                { {}, PictureStore::encodeRecord(record, encoding), m_pictureStore.recordPath(), true });
        }
        return true;
    }

    // Into an empty library every file comes back as it was kept.
    void planExactly()
    {
        m_plan.m_fromArchive.clear();
        m_plan.m_files.clear();
        m_plan.m_lists.clear();
        m_plan.m_folders.clear();
        m_plan.m_leftOut.removeIf([](const LeftOutEntry& entry) {
            return entry.why == LeftOut::RecordingKept || entry.why == LeftOut::RecordingOfNothing;
        });
        for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it) {
            m_plan.m_fromArchive.append({ it->entry, {}, m_pictureStore.pathOf(it.key()), true });
        }
        for (auto category = m_recordings.cbegin(); category != m_recordings.cend(); ++category) {
            const NativePath folder = m_store.recordings().folder(category.key());
            addFolder(folder);
            for (auto file = category->cbegin(); file != category->cend(); ++file) {
                m_plan.m_fromArchive.append({ file.value(), {}, folder.child(file.key().toUtf8()), false });
            }
        }
        for (auto it = m_categoryFiles.cbegin(); it != m_categoryFiles.cend(); ++it) {
            m_plan.m_files.append({ {}, it.value(), m_store.categoryPath(it.key()), true });
        }
        if (m_index) {
            m_plan.m_lists.append({ {}, *m_index, m_store.indexPath(), true });
        }
        if (m_record) {
            m_plan.m_lists.append({ {}, *m_record, m_pictureStore.recordPath(), true });
        }
    }

    RestorePlan& m_plan;
    WorkProgress* m_progress = nullptr;
    CategoryStore m_store;
    PictureStore m_pictureStore;
    std::optional<QByteArray> m_index;
    std::optional<QByteArray> m_record;
    std::optional<QByteArray> m_board;
    QString m_folder;
    QHash<QString, QByteArray> m_categoryFiles;
    QStringList m_categoryOrder;
    QHash<QString, ArchivedPicture> m_pictures;
    QStringList m_pictureOrder;
    // By category, the recordings' file names and their entries.
    QHash<QString, QHash<QString, QString>> m_recordings;
    // Those a merge has not yet planned or passed over.
    QHash<QString, QHash<QString, QString>> m_unplanned;
    QHash<QString, QByteArray> m_hashes;
};

RestorePlan RestorePlan::make(
    const QString& archive, const QString& libraryFolder, const RestoreLimits& limits, WorkProgress* progress)
{
    RestorePlan plan;
    plan.m_archive = archive;
    plan.m_folder = NativePath(libraryFolder);
    RestorePlanner planner(plan, libraryFolder, progress);
    if (planner.read(archive, limits, libraryFolder)) {
        planner.plan();
    }
    return plan;
}

} // namespace vellumora
