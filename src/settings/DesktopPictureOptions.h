#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

namespace vellumora {

class Platform;

// How often the program puts a new picture on the desktop by itself.
enum class DesktopChange { Never, Hourly, Daily, WithReminder };
// What is put on the desktop: a photo with an affirmation, or the whole board.
enum class DesktopContent { PictureWithAffirmation, Board };

// The settings file's section "Desktop": how often the desktop picture changes, whether the lock
// screen follows, and what was put on last, so that the next change goes on from there even in
// another run of the program.
class DesktopPictureOptions : public QObject {
    Q_OBJECT
public:
    explicit DesktopPictureOptions(Platform& platform, QObject* parent = nullptr);

    void load();
    // Each returns false when the store refused a value.
    bool save(DesktopChange change, bool lockScreen,
        DesktopContent content = DesktopContent::PictureWithAffirmation);
    bool saveLast(const QString& picture, const QString& affirmation, const QDateTime& when);

    DesktopChange change() const { return m_change; }
    bool lockScreen() const { return m_lockScreen; }
    DesktopContent content() const { return m_content; }
    const QString& lastPicture() const { return m_lastPicture; }
    const QString& lastAffirmation() const { return m_lastAffirmation; }
    // Invalid until the program first changed the picture.
    const QDateTime& lastChanged() const { return m_lastChanged; }

signals:
    void changed();

private:
    Platform& m_platform;
    DesktopChange m_change = DesktopChange::Never;
    bool m_lockScreen = false;
    DesktopContent m_content = DesktopContent::PictureWithAffirmation;
    QString m_lastPicture;
    QString m_lastAffirmation;
    QDateTime m_lastChanged;
};

} // namespace vellumora
