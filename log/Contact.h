// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "log/ContactStamp.h"

#include <QByteArray>
#include <QString>
#include <QTime>
#include <QVector>
#include <array>
#include <optional>

namespace logbook {

// One logged contact: field i is column i of the contact grid.
enum QsoField { Time, BandMode, BandChange, Call, Sent, Received, Points, QsoFieldCount };

// A contact's time cell: h:mm or hh:mm, 24-hour.
std::optional<QTime> parseContactTime(const QString& cell);

// One logged contact as the log holds it. Every field keeps the text the
// record holds, as typed or as edited in the grid, whatever it says; the
// readings beside them say what that text means, or nothing where it means
// nothing.
struct Contact
{
    static constexpr int Size = 59;
    static constexpr std::array<int, QsoFieldCount> Capacity = {5, 8, 3, 11, 11, 11, 3};
    // The sent and received exchanges are held whole up to this length:
    // contests exchange more than the record's 11 characters. What the record
    // cannot hold the extras file keeps beside it.
    static constexpr int LongExchange = 40;

    std::array<QString, QsoFieldCount> fields;
    // Not in the record: the repeat rule's mark, worked out from the log. A
    // repeat stays in the log and the files but counts no points and on no band.
    bool repeat = false;
    // Not in the record: how many multipliers the contact brought, worked out
    // from the log by the contest's rule, as the repeat mark is.
    int multipliers = 0;
    // Not in the record either: what the stamp file keeps beside it, if it
    // agrees with the time field.
    std::optional<ContactStamp> stamp;

    const QString& text(QsoField field) const { return fields[size_t(field)]; }
    std::optional<QTime> time() const { return parseContactTime(text(Time)); }
    std::optional<BandAndMode> bandMode() const { return parseBandModeWord(text(BandMode)); }
    std::optional<qint64> bandChangeCount() const;
    const QString& call() const { return text(Call); }
    const QString& sent() const { return text(Sent); }
    const QString& received() const { return text(Received); }
    std::optional<qint64> points() const; // none for "1+" and any other text
    bool plusPoint() const { return text(Points) == QStringLiteral("1+"); }

    // The most of a field's text a contact holds: the record's capacity, the
    // long length for the exchanges.
    static int textLimit(int field);
    // What the record keeps of `text` in `field`: cut, in code page 1251.
    static QString recordText(QsoField field, const QString& text);
    bool recordHolds(QsoField field) const { return recordText(field, text(field)) == text(field); }

    // The record's bytes: the fields only.
    QByteArray encode() const;
    static Contact decode(const char* data); // reads exactly Size bytes
    bool operator==(const Contact& other) const { return fields == other.fields; }
    // A row without a call (deleted, or never completed) is no contact.
    bool isContact() const { return !call().trimmed().isEmpty(); }
};

// Consecutive contacts seen where they lie, without a copy: a log's logged
// rows, or a vector of contacts. Valid while what it looks at is unchanged.
class ContactRows
{
public:
    ContactRows(const QVector<Contact>& rows) : m_first(rows.constData()), m_count(int(rows.size())) {}
    ContactRows(const Contact* first, int count) : m_first(first), m_count(count) {}
    int size() const { return m_count; }
    const Contact& operator[](int i) const { return m_first[i]; }
    const Contact* begin() const { return m_first; }
    const Contact* end() const { return m_first + m_count; }

private:
    const Contact* m_first;
    int m_count;
};

} // namespace logbook
