#pragma once

#include "log/QsoRecord.h"

#include <QAbstractTableModel>
#include <QVector>

namespace logbook {

// The in-memory log: grid row r (from 1) holds the contact with serial number
// r, column i its QSO field i. Row 0 is the heading row, shown as the view's
// header. The grid starts with 2000 rows and grows as the log does.
class ContactGrid : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int Columns = QsoFieldCount;
    // data(): whether the row's contact repeats an earlier one.
    static constexpr int RepeatRole = Qt::UserRole + 1;
    static constexpr int InitialRows = 2000;

    explicit ContactGrid(QObject* parent = nullptr);

    int gridRowCount() const { return int(m_rows.size()); }
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    QsoRecord record(int row) const;
    void setRecord(int row, const QsoRecord& record); // its repeat mark too
    bool isRepeat(int row) const { return row >= 0 && row < m_rows.size() && m_rows[row].repeat; } // asked at every paint
    void setRepeat(int row, bool repeat);
    // Keeps at least `spare` empty rows below `row`.
    void ensureRow(int row, int spare = 1);

    static int modelRow(int gridRow) { return gridRow - 1; }
    static int gridRow(int modelRow) { return modelRow + 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // The operator changed a cell through the grid's editor; `before` is
    // the text it held.
    void cellEdited(int row, int column, const QString& before);

private:
    QVector<QsoRecord> m_rows;
};

} // namespace logbook
