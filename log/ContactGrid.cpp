// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ContactGrid.h"

#include <array>

namespace logbook {

ContactGrid::ContactGrid(ContactLog& contacts, QObject* parent)
    : QAbstractTableModel(parent), m_contacts(contacts)
{
    connect(&contacts, &ContactLog::cellChanged, this, [this](int row, int column) {
        const QModelIndex i = index(modelRow(row), column);
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    });
    connect(&contacts, &ContactLog::marksChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(modelRow(row), 0), index(modelRow(row), Columns - 1), {RepeatRole, MultipliersRole});
    });
    connect(&contacts, &ContactLog::aboutToGrow, this,
            [this](int rows, int grownRows) { beginInsertRows({}, modelRow(rows), modelRow(grownRows - 1)); });
    connect(&contacts, &ContactLog::grown, this, [this] { endInsertRows(); });
}

int ContactGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_contacts.rowCount() - 1;
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
        return m_contacts.isRepeat(logRow(index.row()));
    if (role == MultipliersRole)
        return m_contacts.contact(logRow(index.row())).multipliers;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return m_contacts.cell(logRow(index.row()), index.column());
}

QVariant ContactGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const std::array<QString, Columns> headings = {
        QStringLiteral("Время"),   QStringLiteral("   Диап"), QStringLiteral(" №"),  QStringLiteral("Позывной"),
        QStringLiteral("Передан"), QStringLiteral(" Принят"), QStringLiteral("Pts")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
        return {};
    return headings[size_t(section)];
}

Qt::ItemFlags ContactGrid::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool ContactGrid::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int row = logRow(index.row());
    const QString text = value.toString().left(Contact::textLimit(index.column()));
    const QString before = m_contacts.cell(row, index.column());
    if (text == before)
        return true;
    m_contacts.setCell(row, index.column(), text);
    Q_EMIT cellEdited(row, index.column(), before);
    return true;
}

} // namespace logbook
