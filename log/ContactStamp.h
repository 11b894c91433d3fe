// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/RecordFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QTime>
#include <QVector>
#include <optional>

namespace logbook {

// What a contact's 59-byte record has no room for: the full instant to the
// second, the zone's offset the operator's clock had then (so the stamp's
// local hh:mm can be checked against the record's time cell), the rig's
// frequency (0 when no rig was followed) and the sub-tour's number.
struct ContactStamp
{
    static constexpr int Size = 28;

    qint64 utcSeconds = 0; // since 1970-01-01 00:00 UTC
    qint64 frequencyHz = 0;
    qint32 utcOffset = 0; // seconds the local clock was ahead of UTC
    qint32 subTour = 1;
    bool subTourExact = true; // false: the sub-tour is at least this one

    static ContactStamp at(const QDateTime& reading, qint64 frequencyHz, int subTour, bool subTourExact);

    QDateTime utc() const;
    QTime localTime() const; // to the second
    // Whether the record's time cell reads this stamp's local hh:mm.
    bool matches(const QString& timeCell) const;
    // The nearest instant whose local clock reads `hhmm` (seconds 00 to 59 all read it).
    ContactStamp movedTo(const QTime& hhmm) const;

    QByteArray encode() const;
    // None for a slot never written, a cleared one or a torn one.
    static std::optional<ContactStamp> decode(const char* data);
    bool operator==(const ContactStamp& o) const;
};

// The stamp file "system.kvx": stamp i beside record i of the log. A slot is
// cleared with zero bytes; a torn or missing slot is simply no stamp, and the
// contact falls back to its time cell.
class StampFile
{
public:
    StampFile();

    // The stamps of rows 1 .. count, at index row - 1.
    QVector<std::optional<ContactStamp>> read(int count) const;
    const RecordFile& file() const { return m_file; }
    // A slot's bytes: the stamp, or zero bytes for none.
    static QByteArray slot(const std::optional<ContactStamp>& stamp);
    void createIfMissing() const;
    void remove() const { m_file.remove(); }

private:
    RecordFile m_file;
};

} // namespace logbook
