// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace logbook {
class ContactGrid;
class ContactLog;
}

// The contact grid on screen: blue with yellow text, yellow with black text
// while the operator edits cells. Every change typed into a cell reaches the
// model at once, so the row is written as it is edited.
class ContactGridView : public QTableView
{
    Q_OBJECT
public:
    // Shows `contacts` through a grid model of its own.
    ContactGridView(logbook::ContactLog& contacts, QWidget* parent);
    logbook::ContactGrid& grid() { return m_grid; }

    using QTableView::edit;

    void setEditColours(bool editing);
    bool editColours() const { return m_editColours; }
    void editCurrentCell();
    void closeCellEditor();
    // Selects the row being entered and keeps it on the bottom line, with
    // blank lines above it while the log is shorter than the grid.
    void selectGridRow(int row);
    bool ownsFocus() const;
    // Rows and headings follow the text size; the columns share the width.
    void setTextScale(double scale);
    // Where a field over the bottom line's cell goes, in the parent's
    // coordinates: `baseWidth` is its width in a column of normal width.
    QRect entryCellRect(int column, int baseWidth) const;
    int blankHeight() const { return m_blank; }
    // The exchange columns take the width of `chars` characters (at least as
    // many as the built-in contests' exchanges have). Returns the width the
    // grid lacks for its columns at their size, 0 when it has room.
    int setExchangeLength(int chars);

Q_SIGNALS:
    // The columns were fitted anew: what lies over the bottom line's cells
    // follows them. A hidden grid is fitted only when it shows, after the
    // window has laid out its controls.
    void columnsFitted();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

protected:
    // A click, Alt+E or F2 opens the cell with its text kept, the cursor at
    // its end; a key typed on a closed cell opens it with that key, which
    // takes the place of the text, as in a spreadsheet.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void fitColumns();
    double exchangeExtra() const;
    void keepEntryRowAtBottom();

    logbook::ContactGrid& m_grid;
    bool m_editColours = false;
    double m_scale = 1.0;
    int m_rowHeight = 25;
    int m_entryRow = 1;
    int m_blank = 0; // above the first row, so that the entry row is the bottom line
    bool m_placingHeader = false;
    int m_exchangeChars = 8;
};
