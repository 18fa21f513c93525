#pragma once

#include "widgets/RowList.h"

namespace vellumora {

// A report-style list with a tick box on every row and one captioned column, showing a list
// of rows with ticks. A click on a tick box, or Space, asks the model (through the item
// delegate and setData) for that row's tick to change and leaves the selection alone. Rows are
// never edited in place: their texts name files or change through the buttons.
class TickList : public RowList {
    Q_OBJECT
public:
    TickList(const char* name, QAbstractItemModel& rows, QWidget* parent = nullptr);

    // -1 when no row is selected.
    int selectedRow() const;
    // Selects the row (-1: none) without telling of it.
    void selectRow(int row);

signals:
    // The selection moved; during a click it moves on the press, before clickedAnywhere.
    void selectionMoved(int row, bool duringClick);
    // A click on a row that did not start on its tick box.
    void rowClicked(int row);
    // Any click in the list, on a row, a tick box or below the rows, once the list has dealt with it.
    void clickedAnywhere();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_pressedRow = -1;
    bool m_clicking = false;
    bool m_selecting = false;
};

} // namespace vellumora
