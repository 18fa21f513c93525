#pragma once

#include <QLabel>

namespace vellumora {

// A label that opens something when clicked, or with Enter or Space when it has the focus, and
// shows the pointing hand while the pointer is over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vellumora
