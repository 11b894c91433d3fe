// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/Contact.h"

#include <QObject>
#include <QVector>

namespace logbook {

// The log in memory: row r (from 1) holds the contact with serial number r;
// row 0 is none. It starts with room for 2000 rows and grows as the log
// does. Whatever shows it follows its signals.
class ContactLog : public QObject
{
    Q_OBJECT
public:
    static constexpr int InitialRows = 2000;

    explicit ContactLog(QObject* parent = nullptr);

    int rowCount() const { return int(m_rows.size()); }
    // An empty contact past the end and at row 0.
    const Contact& contact(int row) const;
    // Rows 1 to currentRow - 1, where they lie.
    ContactRows logged(int currentRow) const
    {
        return {m_rows.constData() + 1, qBound(0, currentRow - 1, int(m_rows.size()) - 1)};
    }
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    void setContact(int row, const Contact& contact); // its fields and repeat mark
    bool isRepeat(int row) const { return contact(row).repeat; }
    void setRepeat(int row, bool repeat);
    void setMultipliers(int row, int count);
    void setStamp(int row, const std::optional<ContactStamp>& stamp);
    // Keeps at least `spare` empty rows below `row`.
    void ensureRow(int row, int spare = 1);

Q_SIGNALS:
    void cellChanged(int row, int column);
    void marksChanged(int row); // its repeat mark or its multipliers
    void aboutToGrow(int rows, int grownRows);
    void grown();

private:
    QVector<Contact> m_rows;
};

} // namespace logbook
