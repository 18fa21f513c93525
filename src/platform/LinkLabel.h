#pragma once

#include <QLabel>

namespace vellumora {

// A label that opens something when clicked and shows the pointing hand while the pointer is over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vellumora
