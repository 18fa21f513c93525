#pragma once

#include <QWidget>

namespace vellumora {

// The reminder where the desktop shows no notifications: a small borderless window near the
// bottom right corner of the primary screen, gone after a while or when clicked.
class ReminderPopup : public QWidget {
    Q_OBJECT
public:
    ReminderPopup(const QString& affirmation, int shownMs, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vellumora
