#pragma once

#include "platform/Outcome.h"
#include "session/SessionServices.h"

#include <QDateTime>
#include <QObject>
#include <QSize>
#include <functional>
#include <memory>

class QRandomGenerator;

namespace vellumora {

class Library;
class Platform;

// A screen as the desktop picture is made for it: its name and its size in device pixels.
struct DesktopScreen {
    QString name;
    QSize size;
    bool operator==(const DesktopScreen&) const = default;
};

// Puts the vision board on the desktop: for each screen, one of the library's pictures with an
// affirmation on it, saved in the program's own folder and set as the desktop picture. Before
// the first change it keeps what the desktop held, and gives that back on request. It also
// changes the picture by itself every hour or every day, as the user chose.
class DesktopChanger : public QObject {
    Q_OBJECT
public:
    // What became of a change: set, only saved (no desktop answered), or refused.
    enum class Result { Set, SavedOnly, Refused };
    using Finished = std::function<void(Result, const Outcome&)>;

    DesktopChanger(Platform& platform, Library& library, QRandomGenerator& random, QObject* parent = nullptr);
    ~DesktopChanger() override;

    // The window system's screens, the primary one first.
    static QList<DesktopScreen> screensNow();
    void setScreens(std::function<QList<DesktopScreen>()> screens) { m_screens = std::move(screens); }

    // Where the pictures and what the desktop held are kept.
    QString folder() const;
    // Why a change cannot be made now (no picture, no ticked affirmation, no desktop answering);
    // done when it can.
    Outcome ready();
    // Makes the pictures, with the given affirmation or the next one, and puts them on. With no
    // desktop answering they are saved all the same and the outcome says where. With nobody at
    // the screen, no question of the desktop's is waited for.
    void putOn(DesktopPicture::Waiting waiting, Finished finished, const QString& affirmation = {});
    // Writes back what the desktop held before the first change.
    void giveBack(Finished finished);
    // Whether there is something to give back.
    bool holdsDesktop() const;
    // The alarm goes to the next timed change; nothing while the picture changes only by hand or
    // with the reminders. Only the program's own changer keeps time, and only once asked.
    void reschedule();
    // Whether the picture changes by the clock.
    bool timed() const;

signals:
    // A timed change was made or failed.
    void changedByItself(vellumora::DesktopChanger::Result result, const vellumora::Outcome& outcome);

private:
    struct Choice;
    // Whether there is a picture, and an affirmation unless one is given; nothing is decoded.
    Outcome libraryReady(bool affirmationGiven) const;
    // The picture and the affirmation to put on next; refused when there is none.
    Outcome choose(Choice& choice, const QString& affirmation);
    // The photos are drawn on where they lie, and are gone from the choice after.
    Outcome writePictures(Choice& choice, const QList<DesktopScreen>& screens, QStringList& files);
    // The pictures written for the screens, two names for each in turn.
    static inline const QString kPictureFiles = QStringLiteral("screen*-?.png");
    // The board laid out for each screen.
    Outcome writeBoards(const QList<DesktopScreen>& screens, QStringList& files);
    // One screen's picture, under the name of the two it did not have last.
    Outcome writeScreen(int screen, const QImage& picture, QStringList& files);
    // Screens no longer there leave no pictures behind.
    void forgetGoneScreens(int screens);
    Outcome keepDesktop();
    QString beforeFile() const;

    Platform& m_platform;
    Library& m_library;
    QRandomGenerator& m_random;
    std::unique_ptr<Alarm> m_alarm;
    std::function<QList<DesktopScreen>()> m_screens = &DesktopChanger::screensNow;
    bool m_busy = false;
    // A timed change that failed is tried again a period later, not at once.
    QDateTime m_lastTry;
};

} // namespace vellumora
