#include "images/ThumbnailAccessible.h"

#include "images/ThumbnailStrip.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>

namespace vellumora {

namespace {

// One thumbnail box: not a widget, so it answers for itself.
class ThumbnailItem : public QAccessibleInterface {
public:
    ThumbnailItem(ThumbnailStrip* strip, int number)
        : m_strip(strip)
        , m_number(number)
    {
    }

    bool isValid() const override { return m_strip && m_number <= m_strip->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_strip ? m_strip->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_strip); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override { return {}; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid()) {
            return {};
        }
        QString name = QFileInfo(m_strip->picturePath(m_number).toString()).fileName();
        if (name.isEmpty()) {
            name = ThumbnailStrip::tr("Picture %1").arg(QLocale().toString(m_number));
        }
        return m_strip->unreadable(m_number) ? ThumbnailStrip::tr("%1, cannot be read").arg(name) : name;
    }

    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect box = ThumbnailStrip::thumbnailRect(m_number);
        return QRect(m_strip->mapToGlobal(box.topLeft()), box.size());
    }

private:
    QPointer<ThumbnailStrip> m_strip;
    int m_number;
};

class StripAccessible : public QAccessibleWidget {
public:
    explicit StripAccessible(ThumbnailStrip* strip)
        : QAccessibleWidget(strip, QAccessible::List)
    {
    }

    int childCount() const override { return strip()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        // Registered once per box, so a screen reader sees the same item each time it asks.
        while (m_items.size() <= index) {
            auto* item = new ThumbnailItem(strip(), int(m_items.size()) + 1);
            QAccessible::registerAccessibleInterface(item);
            m_items.append(item);
        }
        return m_items.at(index);
    }

    int indexOfChild(const QAccessibleInterface* item) const override
    {
        return int(m_items.indexOf(const_cast<QAccessibleInterface*>(item)));
    }

private:
    ThumbnailStrip* strip() const { return static_cast<ThumbnailStrip*>(widget()); }

    mutable QList<QAccessibleInterface*> m_items;
};

} // namespace

QAccessibleInterface* thumbnailStripAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("vellumora::ThumbnailStrip") && object && object->isWidgetType()) {
        return new StripAccessible(static_cast<ThumbnailStrip*>(object));
    }
    return nullptr;
}

} // namespace vellumora
