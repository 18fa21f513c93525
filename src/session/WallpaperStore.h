#pragma once

#include "session/SessionServices.h"

#include <QDeadlineTimer>
#include <functional>
#include <initializer_list>

namespace vellumora {

// One place a desktop keeps its picture, and the way to put one there. A store answers within
// the deadline it is given; what it puts on, it reads back before it says so.
class WallpaperStore : public QObject {
    Q_OBJECT
public:
    // How a request ended: an empty error when it was done. A store that did not answer in time
    // says so, and the next way may be tried.
    struct Reply {
        QString error;
        bool silent = false;
    };
    using Replied = std::function<void(const Reply&)>;

    using QObject::QObject;

    virtual DesktopPicture::Way way() const = 0;
    // Whether it answers now; asked quickly, since the answer decides which way is taken.
    virtual bool answers(const QDeadlineTimer& deadline) = 0;
    // Adds what it holds now, each value under a key that begins with its prefix.
    virtual void read(DesktopPictureState& state, const QDeadlineTimer& deadline) = 0;
    virtual QString prefix() const = 0;
    // Why giving back fails while the store does not answer.
    virtual QString notAnsweringToGiveBack() const = 0;
    virtual void set(
        const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied)
        = 0;
    // Writes back the values of its own keys, the prefix taken off.
    virtual void restore(const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied)
        = 0;
};

// Whether XDG_CURRENT_DESKTOP names one of these desktops ("ubuntu:GNOME" names GNOME).
bool runningDesktopIs(std::initializer_list<const char*> names);

} // namespace vellumora
