#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

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

} // namespace vellumora
