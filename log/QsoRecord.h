#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>
#include <array>
#include <optional>

namespace logbook {

// One logged contact: field i is column i of the contact grid.
enum QsoField { Time, BandMode, BandChange, Call, Sent, Received, Points, QsoFieldCount };

struct QsoRecord
{
    static constexpr int Size = 59;
    static constexpr std::array<int, QsoFieldCount> Capacity = {5, 8, 3, 11, 11, 11, 3};

    std::array<QString, QsoFieldCount> fields;
    // Not stored: the repeat rule's mark, worked out from the log. A repeat
    // stays in the log and the files but counts no points and on no band.
    bool repeat = false;

    QByteArray encode() const;
    static QsoRecord decode(const char* data); // reads exactly Size bytes
    bool operator==(const QsoRecord& other) const { return fields == other.fields; }
    // A row without a call (deleted, or never completed) is no contact.
    bool isContact() const { return !fields[Call].trimmed().isEmpty(); }
};

// A contact's time cell: h:mm or hh:mm, 24-hour.
std::optional<QTime> parseContactTime(const QString& cell);

} // namespace logbook
