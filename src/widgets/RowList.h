#pragma once

#include <QTreeView>

namespace vellumora {

// A list of rows as the program shows them: no tree, one row chosen at a time, never edited in
// place. It asks for the size the window's design gives it (its minimum) and takes more only
// when the window grows for other reasons.
class RowList : public QTreeView {
    Q_OBJECT
public:
    explicit RowList(QAbstractItemModel& rows, QWidget* parent = nullptr);

    QSize sizeHint() const override { return minimumSize(); }

    // Drawn in the empty list, saying how to fill it; none when empty.
    void setPlaceholderText(const QString& text);
    QString placeholderText() const { return m_placeholder; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_placeholder;
};

} // namespace vellumora
