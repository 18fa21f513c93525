#pragma once

#include "widgets/RowList.h"

namespace vellumora {

// A report-style list with a tick box on every row and one captioned column, showing a list
// of rows with ticks. A click on a tick box, or Space, asks for that row's tick to change and
// leaves the selection alone; whether it changes is the model's to say. Rows are never edited
// in place: their texts name files or change through the buttons.
class TickList : public RowList {
    Q_OBJECT
public:
    TickList(const char* name, QAbstractItemModel& rows, QWidget* parent = nullptr);

    // -1 when no row is selected.
    int selectedRow() const;
    // Selects the row (-1: none) without telling of it.
    void selectRow(int row);

signals:
    void tickClicked(int row);
    // The selection moved; during a click it moves on the press, before clickedAnywhere.
    void selectionMoved(int row, bool duringClick);
    // Any click in the list, on a row, a tick box or below the rows, once the list has dealt with it.
    void clickedAnywhere();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int tickBoxAt(const QPoint& position) const;

    int m_pressedBox = -1;
    bool m_clicking = false;
    bool m_selecting = false;
};

} // namespace vellumora
