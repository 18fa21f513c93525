#include "session/BusDesktopPicture.h"

#include "session/GnomeWallpaper.h"
#include "session/PlasmaWallpaper.h"
#include "session/XfceWallpaper.h"

#include <QFileInfo>
#include <QPointer>

namespace vellumora {

BusDesktopPicture::BusDesktopPicture(QDBusConnection bus, QObject* parent)
    : BusDesktopPicture(std::move(bus), Limits(), parent)
{
}

BusDesktopPicture::BusDesktopPicture(QDBusConnection bus, Limits limits, QObject* parent)
    : DesktopPicture(parent)
    , m_limits(limits)
{
    m_stores.push_back(std::make_unique<PortalWallpaper>(bus, limits.portal));
    m_stores.push_back(std::make_unique<GnomeWallpaper>());
    m_stores.push_back(std::make_unique<PlasmaWallpaper>(bus));
    m_stores.push_back(std::make_unique<XfceWallpaper>(bus));
}

BusDesktopPicture::~BusDesktopPicture() = default;

std::vector<WallpaperStore*> BusDesktopPicture::ways() const
{
    const auto store
        = [this](Way way) { return std::ranges::find(m_stores, way, &WallpaperStore::way)->get(); };
    WallpaperStore* own = nullptr;
    if (GnomeWallpaper::keepsThisDesktop()) {
        own = store(Way::Gnome);
    } else if (PlasmaWallpaper::keepsThisDesktop()) {
        own = store(Way::Plasma);
    } else if (XfceWallpaper::keepsThisDesktop()) {
        own = store(Way::Xfce);
    }
    // A program outside a sandbox sets the picture itself: a portal may ask first, or hand the
    // picture to another desktop's backend that tells of success and changes nothing.
    if (PortalWallpaper::sandboxed()) {
        return own ? std::vector { store(Way::Portal), own } : std::vector { store(Way::Portal) };
    }
    return { own ? own : store(Way::Portal) };
}

DesktopPicture::Way BusDesktopPicture::way()
{
    const QDeadlineTimer deadline(m_limits.nobodyMs);
    for (WallpaperStore* store : ways()) {
        if (store->answers(deadline)) {
            return store->way();
        }
    }
    return Way::None;
}

DesktopPictureState BusDesktopPicture::current()
{
    const QDeadlineTimer deadline(m_limits.nobodyMs);
    DesktopPictureState state;
    for (WallpaperStore* store : ways()) {
        if (store->answers(deadline)) {
            store->read(state, deadline);
        }
    }
    return state;
}

void BusDesktopPicture::set(const Pictures& pictures, Done done)
{
    if (pictures.files.isEmpty()) {
        done({ tr("No picture was given for the desktop.") });
        return;
    }
    for (const QString& file : pictures.files) {
        if (!QFileInfo(file).isFile()) {
            done({ tr("The picture %1 does not exist.").arg(file) });
            return;
        }
    }
    const QDeadlineTimer deadline = pictures.waiting == Waiting::Nobody
        ? QDeadlineTimer(m_limits.nobodyMs)
        : QDeadlineTimer(QDeadlineTimer::Forever);
    trySet(pictures, ways(), deadline, {}, std::move(done));
}

void BusDesktopPicture::trySet(const Pictures& pictures, std::vector<WallpaperStore*> left,
    QDeadlineTimer deadline, QString note, Done done)
{
    while (!left.empty()) {
        WallpaperStore* store = left.front();
        left.erase(left.begin());
        // A way that kept a person waiting before may answer a person now; nobody waits for it twice.
        if ((pictures.waiting == Waiting::Nobody && m_silent.contains(store->way()))
            || !store->answers(deadline)) {
            continue;
        }
        QPointer<BusDesktopPicture> self(this);
        store->set(pictures, deadline,
            [self, store, pictures, left, deadline, note, done](const WallpaperStore::Reply& reply) mutable {
                if (!self) {
                    return;
                }
                if (reply.silent) {
                    // Told once: later, nobody waits for it, and a person is told by its error.
                    if (!left.empty() && !self->m_silent.contains(store->way())) {
                        note = reply.error;
                    }
                    self->m_silent.insert(store->way());
                    if (!left.empty()) {
                        self->trySet(pictures, std::move(left), deadline, note, std::move(done));
                        return;
                    }
                }
                done({ reply.error, note });
            });
        return;
    }
    done({ tr("None of the desktop's services for its picture answers."), note });
}

void BusDesktopPicture::restore(const DesktopPictureState& state, Done done)
{
    std::vector<std::pair<WallpaperStore*, DesktopPictureState>> each;
    QStringList unknown = state.keys();
    for (const auto& store : m_stores) {
        DesktopPictureState values;
        for (auto it = state.begin(); it != state.end(); ++it) {
            if (it.key().startsWith(store->prefix())) {
                values.insert(it.key().mid(store->prefix().size()), it.value());
                unknown.removeOne(it.key());
            }
        }
        if (!values.isEmpty()) {
            each.emplace_back(store.get(), values);
        }
    }
    QStringList errors;
    for (const QString& key : unknown) {
        errors.append(tr("The desktop keeps no picture setting %1.").arg(key));
    }
    restoreEach(std::move(each), errors, std::move(done));
}

void BusDesktopPicture::restoreEach(
    std::vector<std::pair<WallpaperStore*, DesktopPictureState>> left, QStringList errors, Done done)
{
    if (left.empty()) {
        done({ errors.join(QLatin1Char(' ')) });
        return;
    }
    const auto [store, values] = left.front();
    left.erase(left.begin());
    const QDeadlineTimer deadline(m_limits.nobodyMs);
    if (!store->answers(deadline)) {
        errors.append(store->notAnsweringToGiveBack());
        restoreEach(std::move(left), errors, std::move(done));
        return;
    }
    QPointer<BusDesktopPicture> self(this);
    store->restore(values, deadline, [self, left, errors, done](const WallpaperStore::Reply& reply) mutable {
        if (!self) {
            return;
        }
        if (!reply.error.isEmpty()) {
            errors.append(reply.error);
        }
        self->restoreEach(std::move(left), errors, std::move(done));
    });
}

} // namespace vellumora
