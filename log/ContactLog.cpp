// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ContactLog.h"

namespace logbook {

ContactLog::ContactLog(QObject* parent)
    : QObject(parent), m_rows(InitialRows)
{
}

const Contact& ContactLog::contact(int row) const
{
    static const Contact none;
    return row > 0 && row < m_rows.size() ? m_rows[row] : none;
}

QString ContactLog::cell(int row, int column) const
{
    return column >= 0 && column < QsoFieldCount ? contact(row).fields[size_t(column)] : QString();
}

void ContactLog::setCell(int row, int column, const QString& text)
{
    if (row < 1 || column < 0 || column >= QsoFieldCount)
        return;
    ensureRow(row, 0);
    m_rows[row].fields[size_t(column)] = text;
    Q_EMIT cellChanged(row, column);
}

void ContactLog::setContact(int row, const Contact& contact)
{
    for (int c = 0; c < QsoFieldCount; ++c)
        setCell(row, c, contact.fields[size_t(c)]);
    setRepeat(row, contact.repeat);
    setMultipliers(row, contact.multipliers);
}

void ContactLog::setRepeat(int row, bool repeat)
{
    if (row < 1 || row >= m_rows.size() || m_rows[row].repeat == repeat)
        return;
    m_rows[row].repeat = repeat;
    Q_EMIT marksChanged(row);
}

void ContactLog::setMultipliers(int row, int count)
{
    if (row < 1 || row >= m_rows.size() || m_rows[row].multipliers == count)
        return;
    m_rows[row].multipliers = count;
    Q_EMIT marksChanged(row);
}

void ContactLog::setStamp(int row, const std::optional<ContactStamp>& stamp)
{
    if (row < 1)
        return;
    ensureRow(row, 0);
    m_rows[row].stamp = stamp;
}

void ContactLog::ensureRow(int row, int spare)
{
    const int needed = row + spare + 1;
    if (needed <= m_rows.size())
        return;
    const int grown = qMax(needed, int(m_rows.size()) + InitialRows / 2);
    Q_EMIT aboutToGrow(int(m_rows.size()), grown);
    m_rows.resize(grown);
    Q_EMIT this->grown();
}

} // namespace logbook
