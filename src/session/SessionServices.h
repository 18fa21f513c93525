#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace vellumora {

// Rings once at a moment of the wall clock: on time after the computer slept, and at once when
// that moment has passed. The clock being set says so instead, and the alarm must be set again.
class Alarm : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void ringAt(const QDateTime& moment) = 0;
    virtual void cancel() = 0;

signals:
    void rang();
    void clockChanged();
};

struct NotificationAction {
    QString key; // "default" is the notification's own click
    QString label;
    bool operator==(const NotificationAction&) const = default;
};

// The desktop's notifications: one of the program's at a time, each replacing the one before.
class Notifications : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows the text for about timeoutMs under the program's name and icon; the actions only
    // where the desktop offers them. With no one to show it, says so through undelivered.
    virtual void show(const QString& text, const QList<NotificationAction>& actions, int timeoutMs) = 0;

signals:
    void actionInvoked(const QString& key);
    void undelivered(const QString& text);
};

// What a desktop held for its picture before the program first changed it: each stored value as
// text, keyed by where it is kept ("gsettings:org.gnome.desktop.background/picture-uri",
// "xfconf:/backdrop/screen0/monitorHDMI-1/workspace0/last-image", "plasma:0"). A key whose
// value is empty was not set, and giving back unsets it.
using DesktopPictureState = QMap<QString, QString>;

// The desktop's picture, set where the running desktop keeps it: GNOME's settings (and those of
// the desktops built on them), Plasma's shell or Xfce's settings service; in a sandbox, or on a
// desktop whose store is not known, through the desktop portal.
class DesktopPicture : public QObject {
    Q_OBJECT
public:
    enum class Way { None, Portal, Gnome, Plasma, Xfce };
    // Who waits for the answer. A person may answer a question the desktop asks first; with
    // nobody at the screen (a timed change, the command line) no question is waited for.
    enum class Waiting { Person, Nobody };

    // One picture for each screen, the files in the order of the screens' names.
    struct Pictures {
        QStringList files;
        QStringList screens; // the screens' names, as the window system gives them
        bool lockScreen = false; // the lock screen too, where the desktop has one of its own
        Waiting waiting = Waiting::Person;
    };

    // What became of a request: done when error is empty. The note tells of a service that did
    // not answer on the way, once in a run, whichever way the request went after.
    struct Answer {
        QString error;
        QString note = {};
    };
    using Done = std::function<void(const Answer&)>;

    using QObject::QObject;

    // The way a picture would be put on now: the first that answers.
    virtual Way way() = 0;
    // Every value the program may change, as it is now, in the store of the running desktop.
    virtual DesktopPictureState current() = 0;
    // Puts the pictures on, and reads them back where the desktop keeps them; done is called
    // once, perhaps later.
    virtual void set(const Pictures& pictures, Done done) = 0;
    // Writes every value back as it was; done is called once.
    virtual void restore(const DesktopPictureState& state, Done done) = 0;
};

} // namespace vellumora
