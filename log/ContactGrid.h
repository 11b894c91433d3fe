// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/ContactLog.h"

#include <QAbstractTableModel>

namespace logbook {

// The log as a table to show and edit: model row r - 1 is contact row r,
// column i its field i; the headings are the header's.
class ContactGrid : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int Columns = QsoFieldCount;
    // data(): whether the row's contact repeats an earlier one.
    static constexpr int RepeatRole = Qt::UserRole + 1;
    // data(): how many multipliers the row's contact brought.
    static constexpr int MultipliersRole = Qt::UserRole + 2;

    explicit ContactGrid(ContactLog& contacts, QObject* parent = nullptr);

    static int modelRow(int logRow) { return logRow - 1; }
    static int logRow(int modelRow) { return modelRow + 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Keeps no more than the log keeps: the record's capacity, and for the
    // exchanges what the extras file holds beside it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // The operator changed a cell through the grid's editor; `before` is
    // the text it held.
    void cellEdited(int row, int column, const QString& before);

private:
    ContactLog& m_contacts;
};

} // namespace logbook
