#include "desktoppicture/DesktopChanger.h"

#include "board/Board.h"
#include "desktoppicture/DesktopComposer.h"
#include "desktoppicture/StoredPng.h"
#include "images/PictureDecoder.h"
#include "library/Library.h"
#include "platform/Platform.h"
#include "show/ShowArithmetic.h"
#include "storage/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>

namespace vellumora {

namespace {

const QString kBeforeFile = QStringLiteral("before.json");
// The pictures the program makes for each screen, two names in turn.

// The next of count in turn after last (none: the first), or one at random other than last.
int nextOf(int count, int last, bool random, QRandomGenerator& generator)
{
    if (!random || count < 2) {
        return (last + 1) % count;
    }
    int index = last;
    while (index == last) {
        index = show::randomPicture(count, generator.generateDouble()) - 1;
    }
    return index;
}

} // namespace

struct DesktopChanger::Choice {
    QString pictureName;
    QString affirmation;
    QHash<QSize, QImage> photos; // by screen size
    NativePath path;
};

DesktopChanger::DesktopChanger(
    Platform& platform, Library& library, QRandomGenerator& random, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_library(library)
    , m_random(random)
{
}

DesktopChanger::~DesktopChanger() = default;

QList<DesktopScreen> DesktopChanger::screensNow()
{
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    QList<DesktopScreen> result;
    for (const QScreen* screen : screens) {
        result.append(
            { screen->name(), (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize() });
    }
    return result;
}

QString DesktopChanger::folder() const
{
    return m_platform.userLibraryFolder() + QStringLiteral("/desktop");
}

QString DesktopChanger::beforeFile() const
{
    return folder() + QLatin1Char('/') + kBeforeFile;
}

bool DesktopChanger::holdsDesktop() const
{
    return QFileInfo::exists(beforeFile());
}

Outcome DesktopChanger::libraryReady(bool affirmationGiven) const
{
    if (m_library.desktop().content() == DesktopContent::Board) {
        if (m_library.pictures().count() == 0 && m_library.tickedAffirmations().isEmpty()) {
            return Outcome::refused(Board::emptyText());
        }
        return {};
    }
    if (m_library.pictures().count() == 0) {
        return Outcome::refused(tr("There are no pictures in your library to put on the desktop."));
    }
    if (!affirmationGiven && m_library.tickedAffirmations().isEmpty()) {
        return Outcome::refused(tr("No affirmation is ticked: tick one to write it on the desktop picture."));
    }
    return {};
}

Outcome DesktopChanger::ready()
{
    if (Outcome library = libraryReady(false); !library) {
        return library;
    }
    if (!QDir().mkpath(folder()) || !QFileInfo(folder()).isWritable()) {
        return Outcome::refused(
            tr("The desktop picture cannot be saved in %1: the folder cannot be written.").arg(folder()));
    }
    if (m_platform.desktopPicture().way() == DesktopPicture::Way::None) {
        return Outcome::refused(
            tr("No desktop service answered: Vellumora cannot set this desktop's picture."));
    }
    return {};
}

Outcome DesktopChanger::choose(Choice& choice, const QString& affirmation)
{
    if (Outcome library = libraryReady(!affirmation.isEmpty()); !library) {
        return library;
    }
    PictureLibrary& pictures = m_library.pictures();
    const QList<NativePath> paths = pictures.paths();
    const bool random = m_library.options().display().order == Order::Random;
    choice.affirmation = affirmation;
    if (choice.affirmation.isEmpty()) {
        const QStringList ticked = m_library.tickedAffirmations();
        choice.affirmation = ticked.at(nextOf(int(ticked.size()),
            int(ticked.indexOf(m_library.desktop().lastAffirmation())), random, m_random));
    }
    QStringList names;
    for (int row = 0; row < paths.size(); ++row) {
        names.append(pictures.index(row).data().toString());
    }
    int index = int(names.indexOf(m_library.desktop().lastPicture()));
    const QList<DesktopScreen> screens = m_screens();
    const QSize first = screens.value(0).size;
    // A picture that cannot be decoded is passed over for the next.
    for (int tries = 0; tries < paths.size(); ++tries) {
        index = nextOf(int(paths.size()), index, random, m_random);
        if (paths.at(index).isEmpty()) {
            continue;
        }
        const QImage photo = PictureDecoder::decode(
            paths.at(index), first.isEmpty() ? QSize(1920, 1080) : first, PictureDecoder::Fit::Cover);
        if (!photo.isNull()) {
            choice.pictureName = names.at(index);
            choice.path = paths.at(index);
            choice.photos.insert(photo.size(), photo);
            return {};
        }
    }
    return Outcome::refused(tr("None of the pictures in your library can be read."));
}

Outcome DesktopChanger::writePictures(Choice& choice, const QList<DesktopScreen>& screens, QStringList& files)
{
    if (!QDir().mkpath(folder())) {
        return Outcome::refused(
            tr("The desktop picture cannot be saved in %1: the folder cannot be made.").arg(folder()));
    }
    const FontChoice font = m_library.options().affirmationFont().value_or(ShowOptions::designFont());
    for (int i = 0; i < screens.size(); ++i) {
        const QSize size = screens.at(i).size;
        if (!choice.photos.contains(size)) {
            choice.photos.insert(size, PictureDecoder::decode(choice.path, size, PictureDecoder::Fit::Cover));
        }
        const bool lastOfItsSize = std::none_of(screens.begin() + i + 1, screens.end(),
            [&](const DesktopScreen& later) { return later.size == size; });
        QImage photo = lastOfItsSize ? choice.photos.take(size) : choice.photos.value(size);
        if (photo.isNull()) {
            return Outcome::refused(tr("The picture %1 cannot be read.").arg(choice.pictureName));
        }
        const QImage picture = DesktopComposer::compose(std::move(photo), choice.affirmation, font).picture;
        if (Outcome written = writeScreen(i, picture, files); !written) {
            return written;
        }
    }
    forgetGoneScreens(int(screens.size()));
    return {};
}

Outcome DesktopChanger::keepDesktop()
{
    if (holdsDesktop()) {
        return {};
    }
    QJsonObject values;
    const DesktopPictureState state = m_platform.desktopPicture().current();
    for (auto it = state.begin(); it != state.end(); ++it) {
        values.insert(it.key(), it.value());
    }
    QString error;
    if (!writeDataFile(beforeFile(), QJsonDocument(values).toJson(), &error)) {
        return Outcome::refused(
            tr("Your desktop picture settings cannot be kept, so the picture is left as it is: %1")
                .arg(error));
    }
    return {};
}

void DesktopChanger::putOn(DesktopPicture::Waiting waiting, Finished finished, const QString& affirmation)
{
    if (m_busy) {
        finished(Result::Refused, Outcome::nothing());
        return;
    }
    Choice choice;
    const QList<DesktopScreen> screens = m_screens();
    QStringList files;
    Outcome outcome;
    if (m_library.desktop().content() == DesktopContent::Board) {
        // The board does not take turns: the turn of the pictures and affirmations stays where it was.
        choice.pictureName = m_library.desktop().lastPicture();
        choice.affirmation = m_library.desktop().lastAffirmation();
        outcome = libraryReady(true);
        if (outcome) {
            outcome = writeBoards(screens, files);
        }
    } else {
        outcome = choose(choice, affirmation);
        if (outcome) {
            outcome = writePictures(choice, screens, files);
        }
    }
    if (!outcome) {
        finished(Result::Refused, outcome);
        return;
    }
    DesktopPicture& desktop = m_platform.desktopPicture();
    if (desktop.way() == DesktopPicture::Way::None) {
        finished(Result::SavedOnly,
            Outcome().tell(
                tr("No desktop service answered, so the desktop picture is not set. It is saved in %1.")
                    .arg(folder()),
                MessageIcon::Information));
        return;
    }
    if (const Outcome kept = keepDesktop(); !kept) {
        finished(Result::Refused, kept);
        return;
    }
    QStringList names;
    for (const DesktopScreen& screen : screens) {
        names.append(screen.name);
    }
    m_busy = true;
    QPointer<DesktopChanger> self(this);
    desktop.set({ files, names, m_library.desktop().lockScreen(), waiting },
        [self, choice, finished](const DesktopPicture::Answer& answer) {
            if (!self) {
                return;
            }
            self->m_busy = false;
            // A service that did not answer on the way is told of first.
            const bool note = !answer.note.isEmpty() && answer.note != answer.error;
            if (!answer.error.isEmpty()) {
                const QString error = tr("The desktop picture could not be set: %1").arg(answer.error);
                finished(Result::Refused,
                    note ? Outcome::refused(answer.note, MessageIcon::Information).tell(error)
                         : Outcome::refused(error));
                return;
            }
            Outcome told;
            if (note) {
                told.tell(answer.note, MessageIcon::Information);
            }
            self->m_library.desktop().saveLast(
                choice.pictureName, choice.affirmation, self->m_platform.now());
            finished(Result::Set, told);
        });
}

void DesktopChanger::giveBack(Finished finished)
{
    QFile file(beforeFile());
    if (!file.open(QIODevice::ReadOnly)) {
        finished(Result::Refused,
            Outcome::refused(
                tr("Vellumora has not changed your desktop picture: there is nothing to give back."),
                MessageIcon::Information));
        return;
    }
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parsed);
    file.close();
    // Giving back nothing and calling it done would lose what the user had for good.
    if (parsed.error != QJsonParseError::NoError || !document.isObject()) {
        finished(Result::Refused,
            Outcome::refused(
                tr("The desktop picture settings kept in %1 cannot be read, so nothing is given back.")
                    .arg(beforeFile())));
        return;
    }
    const QJsonObject values = document.object();
    DesktopPictureState state;
    for (auto it = values.begin(); it != values.end(); ++it) {
        state.insert(it.key(), it.value().toString());
    }
    QPointer<DesktopChanger> self(this);
    m_platform.desktopPicture().restore(state, [self, finished](const DesktopPicture::Answer& answer) {
        if (!self) {
            return;
        }
        if (!answer.error.isEmpty()) {
            finished(Result::Refused,
                Outcome::refused(tr("Your desktop picture could not be given back: %1").arg(answer.error)));
            return;
        }
        // Kept until it is back: a failed attempt can be made again. The pictures the program
        // made go with it, as nothing shows them any more.
        QFile::remove(self->beforeFile());
        const QDir folder(self->folder());
        for (const QString& name : folder.entryList({ kPictureFiles }, QDir::Files)) {
            QFile::remove(folder.filePath(name));
        }
        finished(Result::Set, Outcome());
    });
}

bool DesktopChanger::timed() const
{
    const DesktopChange change = m_library.desktop().change();
    return change == DesktopChange::Hourly || change == DesktopChange::Daily;
}

void DesktopChanger::reschedule()
{
    const DesktopChange change = m_library.desktop().change();
    if (!timed()) {
        if (m_alarm) {
            m_alarm->cancel();
        }
        return;
    }
    if (!m_alarm) {
        m_alarm = m_platform.createAlarm();
        connect(m_alarm.get(), &Alarm::clockChanged, this, &DesktopChanger::reschedule);
        connect(m_alarm.get(), &Alarm::rang, this, [this] {
            m_lastTry = m_platform.now();
            putOn(DesktopPicture::Waiting::Nobody, [this](Result result, const Outcome& outcome) {
                reschedule();
                emit changedByItself(result, outcome);
            });
        });
    }
    const qint64 period = change == DesktopChange::Hourly ? 3600 : 24 * 3600;
    QDateTime due = m_platform.now();
    for (const QDateTime& last : { m_library.desktop().lastChanged(), m_lastTry }) {
        if (last.isValid()) {
            due = std::max(due, last.addSecs(period));
        }
    }
    m_alarm->ringAt(due);
}

} // namespace vellumora
