#pragma once

#include <QTreeWidget>

namespace vellumora {

// A report-style list with a tick box on every row and one captioned column. A click on a
// tick box ticks or unticks that row and leaves the selection alone; itemChanged then tells
// of it (the program sets its own ticks with the signals blocked). Rows are never edited in
// place: their texts name files or change through the buttons.
// A row keeps its whole text and shows it shortened (see shownText).
class TickList : public QTreeWidget {
    Q_OBJECT
public:
    TickList(const char* name, const QString& column, QWidget* parent = nullptr);

    // Adds a row with the list's signals blocked.
    void appendRow(const QString& text, bool ticked);
    bool isTicked(int row) const;
    QString rowText(int row) const;
    static QString textOf(const QTreeWidgetItem* item);
    // Sets the row's text with the list's signals blocked.
    void setText(QTreeWidgetItem* item, const QString& text);

signals:
    // Any click in the list, on a row, a tick box or below the rows, once the list has dealt with it.
    void clickedAnywhere();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTreeWidgetItem* tickBoxAt(const QPoint& position) const;

    QTreeWidgetItem* m_pressedBox = nullptr;
};

} // namespace vellumora
