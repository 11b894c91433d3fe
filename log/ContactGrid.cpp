#include "log/ContactGrid.h"

namespace logbook {
namespace {

QsoRecord headings()
{
    QsoRecord r;
    r.fields = {QStringLiteral("Время"), QStringLiteral("   Диап"), QStringLiteral(" №"),
                QStringLiteral("Позывной"), QStringLiteral("Передан"), QStringLiteral(" Принят"),
                QStringLiteral("Pts")};
    return r;
}

} // namespace

ContactGrid::ContactGrid(QObject* parent)
    : QAbstractTableModel(parent), m_rows(InitialRows)
{
    m_rows[0] = headings();
}

QString ContactGrid::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= Columns)
        return {};
    return m_rows[row].fields[size_t(column)];
}

void ContactGrid::setCell(int row, int column, const QString& text)
{
    if (row < 0 || column < 0 || column >= Columns)
        return;
    ensureRow(row, 0);
    m_rows[row].fields[size_t(column)] = text;
    if (row > 0) {
        const QModelIndex i = index(modelRow(row), column);
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }
}

QsoRecord ContactGrid::record(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row] : QsoRecord {};
}

void ContactGrid::setRecord(int row, const QsoRecord& record)
{
    for (int c = 0; c < Columns; ++c)
        setCell(row, c, record.fields[size_t(c)]);
    setRepeat(row, record.repeat);
}

void ContactGrid::setRepeat(int row, bool repeat)
{
    if (row < 1 || row >= m_rows.size() || m_rows[row].repeat == repeat)
        return;
    m_rows[row].repeat = repeat;
    Q_EMIT dataChanged(index(modelRow(row), 0), index(modelRow(row), Columns - 1), {RepeatRole});
}

void ContactGrid::ensureRow(int row, int spare)
{
    const int needed = row + spare + 1;
    if (needed <= m_rows.size())
        return;
    const int grown = qMax(needed, int(m_rows.size()) + InitialRows / 2);
    beginInsertRows({}, modelRow(int(m_rows.size())), modelRow(grown - 1));
    m_rows.resize(grown);
    endInsertRows();
}

int ContactGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size()) - 1;
}

int ContactGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ContactGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == RepeatRole)
        return isRepeat(gridRow(index.row()));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return cell(gridRow(index.row()), index.column());
}

QVariant ContactGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return cell(0, section);
}

Qt::ItemFlags ContactGrid::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool ContactGrid::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int row = gridRow(index.row());
    // No more than the record keeps: the report and the files show the record.
    const QString text = value.toString().left(QsoRecord::Capacity[size_t(index.column())]);
    const QString before = cell(row, index.column());
    if (text == before)
        return true;
    setCell(row, index.column(), text);
    Q_EMIT cellEdited(row, index.column(), before);
    return true;
}

} // namespace logbook
