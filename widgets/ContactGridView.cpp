// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ContactGridView.h"

#include "common/LatinKeys.h"
#include "log/ContactGrid.h"
#include "widgets/UpperCaseValidator.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowParts.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<int, logbook::ContactGrid::Columns> kColumnWidths = {50, 66, 30, 85, 69, 69, 26};
constexpr int kBaseWidth = 399;
constexpr int kPlainExchange = 8; // characters an exchange column is made for
constexpr int kBaseRowHeight = 25;
constexpr int kFieldInset = 4;
const QColor kRepeatColour(255, 80, 80); // red that reads on blue and on yellow
const QColor kMultiplierColour(0, 230, 0); // the received exchange that brought a multiplier

const QString kNormalStyle = QStringLiteral(
    "QTableView { background: blue; color: yellow; selection-background-color: navy; selection-color: yellow; }"
    "QHeaderView::section { background: blue; color: yellow; border: none; font-weight: bold; }");
const QString kEditStyle = QStringLiteral(
    "QTableView { background: yellow; color: black; selection-background-color: #c0c000; selection-color: black; }"
    "QHeaderView::section { background: yellow; color: black; border: none; font-weight: bold; }");

// Cell editor: Latin letters to upper case, the Russian layout's letters
// as their Latin ones, every keystroke committed but the time's: a time half
// typed is no time, so it is taken when the editor closes. A repeat is red;
// the received exchange that brought a multiplier green.
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setValidator(new UpperCaseValidator(editor, 0, UpperCaseValidator::Letters::LatinOnly));
        windowparts::keepTyped(editor, latinkeys::latinText); // first: the cell gets the Latin text
        if (index.column() != logbook::Time) {
            connect(editor, &QLineEdit::textEdited, this, [this, editor] {
                Q_EMIT const_cast<CellDelegate*>(this)->commitData(editor);
            });
        }
        return editor;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const bool multiplier =
            index.column() == logbook::Received && index.data(logbook::ContactGrid::MultipliersRole).toInt() > 0;
        if (index.data(logbook::ContactGrid::RepeatRole).toBool() || multiplier) {
            for (const QPalette::ColorRole role : {QPalette::Text, QPalette::HighlightedText})
                option->palette.setColor(role, multiplier ? kMultiplierColour : kRepeatColour);
        }
    }
};

} // namespace

ContactGridView::ContactGridView(logbook::ContactLog& contacts, QWidget* parent)
    : QTableView(parent), m_grid(*new logbook::ContactGrid(contacts, this))
{
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(&m_grid);
    setItemDelegate(new CellDelegate(this));
    setFont(widgetstyle::sansFont(13, true));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kBaseRowHeight);
    // By the pixel, so that the entry row's bottom meets the grid's bottom.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = horizontalHeader();
    header->setFixedHeight(kBaseRowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(10);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < logbook::ContactGrid::Columns; ++c)
        setColumnWidth(c, kColumnWidths[size_t(c)]);
    // The columns are narrower than the grid; the last one takes the rest, so
    // the heading row has no bare strip at its right end.
    header->setStretchLastSection(true);
    setEditColours(false);
}

void ContactGridView::setEditColours(bool editing)
{
    m_editColours = editing;
    setStyleSheet(editing ? kEditStyle : kNormalStyle);
}

void ContactGridView::editCurrentCell()
{
    setFocus();
    if (!currentIndex().isValid())
        setCurrentIndex(model()->index(0, 0));
    setEditColours(true);
    edit(currentIndex());
}

bool ContactGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A key typed on the grid edits it only while the grid is being edited.
    if (trigger == AnyKeyPressed && !m_editColours)
        return false;
    if (!QTableView::edit(index, trigger, event))
        return false;
    setEditColours(true);
    auto* editor = qobject_cast<QLineEdit*>(indexWidget(index));
    if (editor && trigger != AnyKeyPressed)
        editor->end(false);
    return true;
}

// What the editor holds is kept, as every keystroke of the other cells is.
void ContactGridView::closeCellEditor()
{
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    setEditColours(false);
}

void ContactGridView::selectGridRow(int row)
{
    m_entryRow = row;
    selectionModel()->setCurrentIndex(m_grid.index(logbook::ContactGrid::modelRow(row), 0),
                                      QItemSelectionModel::ClearAndSelect);
    keepEntryRowAtBottom();
}

void ContactGridView::keepEntryRowAtBottom()
{
    const int lines = height() - horizontalHeader()->height();
    const int rowsToEntry = logbook::ContactGrid::modelRow(m_entryRow) + 1;
    const int blank = std::max(0, lines - rowsToEntry * m_rowHeight);
    if (blank != m_blank) {
        m_blank = blank;
        updateGeometries();
    }
    if (m_blank > 0)
        scrollToTop();
    else
        scrollTo(m_grid.index(logbook::ContactGrid::modelRow(m_entryRow), 0), QAbstractItemView::PositionAtBottom);
}

// The blank lines lie between the headings and the rows. Moving the rows
// resizes them, which asks again: the margins set here stand.
void ContactGridView::updateGeometries()
{
    if (m_placingHeader)
        return;
    m_placingHeader = true;
    QTableView::updateGeometries();
    QHeaderView* header = horizontalHeader();
    setViewportMargins(0, header->height() + m_blank, 0, 0);
    header->setGeometry(0, 0, viewport()->width(), header->height());
    m_placingHeader = false;
}

void ContactGridView::setTextScale(double scale)
{
    m_scale = scale;
    m_rowHeight = int(std::lround(kBaseRowHeight * scale));
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    horizontalHeader()->setFixedHeight(m_rowHeight);
    horizontalHeader()->setFont(font()); // the headings follow the rows
    fitColumns();
    keepEntryRowAtBottom();
}

void ContactGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitColumns();
    keepEntryRowAtBottom();
}

// The last column takes the rest (it stretches). The exchange columns are as
// wide as the contest's exchanges; all share the width the grid has.
void ContactGridView::fitColumns()
{
    const double factor = double(width()) / (kBaseWidth + exchangeExtra());
    for (int c = 0; c + 1 < logbook::ContactGrid::Columns; ++c) {
        const bool exchange = c == logbook::Sent || c == logbook::Received;
        const double base = kColumnWidths[size_t(c)] * (exchange ? double(m_exchangeChars) / kPlainExchange : 1.0);
        setColumnWidth(c, int(std::lround(base * factor)));
    }
    Q_EMIT columnsFitted();
}

// What both exchange columns take beyond their width for the built-in contests.
double ContactGridView::exchangeExtra() const
{
    return (kColumnWidths[logbook::Sent] + kColumnWidths[logbook::Received]) * double(m_exchangeChars - kPlainExchange)
        / kPlainExchange;
}

int ContactGridView::setExchangeLength(int chars)
{
    const int fitted = qMax(chars, kPlainExchange);
    if (fitted != m_exchangeChars) {
        m_exchangeChars = fitted;
        fitColumns();
    }
    if (m_exchangeChars == kPlainExchange)
        return 0; // the grid as it has always been: the operator sizes the window
    return qMax(0, int(std::lround((kBaseWidth + exchangeExtra()) * m_scale)) - width());
}

QRect ContactGridView::entryCellRect(int column, int baseWidth) const
{
    const int inset = int(std::lround(kFieldInset * m_scale));
    const int width = int(std::lround(double(columnWidth(column)) * baseWidth / kColumnWidths[size_t(column)]));
    return QRect(x() + columnViewportPosition(column) + inset, y() + height() - m_rowHeight, width,
                 m_rowHeight - int(std::lround(3 * m_scale)));
}

bool ContactGridView::ownsFocus() const
{
    const QWidget* focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}
