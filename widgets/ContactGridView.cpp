#include "widgets/ContactGridView.h"

#include "common/LatinKeys.h"
#include "log/ContactGrid.h"
#include "widgets/UpperCaseValidator.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowParts.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <array>

namespace {

constexpr std::array<int, logbook::ContactGrid::Columns> kColumnWidths = {50, 66, 30, 85, 69, 69, 26};

const QString kNormalStyle = QStringLiteral(
    "QTableView { background: blue; color: yellow; selection-background-color: navy; selection-color: yellow; }"
    "QHeaderView::section { background: blue; color: yellow; border: none; font-weight: bold; }");
const QString kEditStyle = QStringLiteral(
    "QTableView { background: yellow; color: black; selection-background-color: #c0c000; selection-color: black; }"
    "QHeaderView::section { background: yellow; color: black; border: none; font-weight: bold; }");

// Cell editor: Latin letters to upper case, the Russian layout's letters
// as their Latin ones, every keystroke committed.
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setValidator(new UpperCaseValidator(editor, 0, UpperCaseValidator::Letters::LatinOnly));
        windowparts::keepTyped(editor, latinkeys::latinText); // first: the cell gets the Latin text
        connect(editor, &QLineEdit::textEdited, this, [this, editor] {
            Q_EMIT const_cast<CellDelegate*>(this)->commitData(editor);
        });
        return editor;
    }
};

} // namespace

ContactGridView::ContactGridView(logbook::ContactGrid& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(&grid);
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
    verticalHeader()->setDefaultSectionSize(25);
    QHeaderView* header = horizontalHeader();
    header->setFixedHeight(25);
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
    if (!QTableView::edit(index, trigger, event))
        return false;
    setEditColours(true);
    auto* editor = qobject_cast<QLineEdit*>(indexWidget(index));
    if (editor && trigger != AnyKeyPressed)
        editor->end(false);
    return true;
}

void ContactGridView::closeCellEditor()
{
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    setEditColours(false);
}

void ContactGridView::selectGridRow(int row, int entryLine)
{
    const QModelIndex index = m_grid.index(logbook::ContactGrid::modelRow(row), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (row >= entryLine)
        scrollTo(index, QAbstractItemView::PositionAtBottom);
    else
        scrollToTop();
}

bool ContactGridView::ownsFocus() const
{
    const QWidget* focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}
