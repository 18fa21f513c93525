#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QString>

namespace vellumora {

// A message with the reason for it on a line of its own below.
inline QString withReason(const QString& message, const QString& reason)
{
    return message + QLatin1Char('\n') + reason;
}

// What became of a request to a library: whether the change was made, and the messages the
// user must see, in order. A refused change leaves the rows and the files as they were.
class Outcome {
public:
    struct Notice {
        QString text;
        MessageIcon icon;
    };

    // Done, with nothing to tell.
    Outcome() = default;
    static Outcome refused(const QString& text, MessageIcon icon = MessageIcon::Critical)
    {
        Outcome result;
        result.m_done = false;
        result.m_notices.append({ text, icon });
        return result;
    }
    // Nothing to do and nothing to tell, as when a button is pressed with its field empty.
    static Outcome nothing()
    {
        Outcome result;
        result.m_done = false;
        return result;
    }

    explicit operator bool() const { return m_done; }
    const QList<Notice>& notices() const { return m_notices; }

    // A message that does not change whether the request was done.
    Outcome& tell(const QString& text, MessageIcon icon = MessageIcon::Critical)
    {
        m_notices.append({ text, icon });
        return *this;
    }
    // Adds what a further step told, which does not undo what this request did.
    Outcome& add(const Outcome& step)
    {
        m_notices += step.m_notices;
        return *this;
    }

    // Shows every message; returns whether the request was done.
    bool report(Platform& platform) const
    {
        for (const Notice& notice : m_notices) {
            platform.message(notice.text, notice.icon);
        }
        return m_done;
    }

private:
    bool m_done = true;
    QList<Notice> m_notices;
};

// Whether a data file could be read when it was loaded. One that could not is shown empty, and
// that empty list must never be written over it: every write of the file goes through here.
class ReadGuard {
public:
    explicit ReadGuard(bool read)
        : m_read(read)
    {
    }
    // `refusal` tells the user why a file that was not read is not changed.
    void setRead(bool read, const QString& refusal = {})
    {
        m_read = read;
        m_refusal = refusal;
    }
    bool wasRead() const { return m_read; }
    // Done when the file was read; otherwise refused, telling why.
    Outcome allowsWriting() const { return m_read ? Outcome() : Outcome::refused(m_refusal); }
    // Runs `save`, which sets its error text, when the file was read; a failed save is refused
    // with `failed` and the reason.
    template <typename Save> Outcome write(const QString& failed, const Save& save) const
    {
        if (Outcome ready = allowsWriting(); !ready) {
            return ready;
        }
        QString error;
        return save(&error) ? Outcome() : Outcome::refused(withReason(failed, error));
    }

private:
    bool m_read;
    QString m_refusal;
};

} // namespace vellumora
