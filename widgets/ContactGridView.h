#pragma once

#include <QTableView>

namespace logbook {
class ContactGrid;
}

// The contact grid on screen: blue with yellow text, yellow with black text
// while the operator edits cells. Every change typed into a cell reaches the
// model at once, so the row is written as it is edited.
class ContactGridView : public QTableView
{
    Q_OBJECT
public:
    ContactGridView(logbook::ContactGrid& grid, QWidget* parent);

    using QTableView::edit;

    void setEditColours(bool editing);
    bool editColours() const { return m_editColours; }
    void editCurrentCell();
    void closeCellEditor();
    // Selects a grid row; from the entry line on, that row becomes the lowest visible line.
    void selectGridRow(int row, int entryLine);
    bool ownsFocus() const;

protected:
    // A click, Alt+E or F2 opens the cell with its text kept, the cursor at
    // its end; a key typed on a closed cell opens it with that key, which
    // takes the place of the text, as in a spreadsheet.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    logbook::ContactGrid& m_grid;
    bool m_editColours = false;
};
