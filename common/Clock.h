// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

// The local clock, behind an interface so that tests can set the time. One
// reading gives both what the operator's clock shows and the UTC instant:
// a contact's hh:mm and its full time must never come from two readings.
// The date tells the sub-tours of one day from those of the next.
class Clock
{
public:
    virtual ~Clock() = default;
    // The local date and time, carrying the zone's offset from UTC.
    virtual QDateTime current() const = 0;
    QTime now() const { return current().time(); }
};

class SystemClock : public Clock
{
public:
    QDateTime current() const override { return QDateTime::currentDateTime(); }
};

namespace logbook {

// The clock label's text, 24-hour with seconds: "19:05:07".
inline QString clockText(const QTime& t) { return t.toString(QStringLiteral("hh:mm:ss")); }
// The time stamped on a contact: "09:05".
inline QString contactTime(const QTime& t) { return t.toString(QStringLiteral("hh:mm")); }

} // namespace logbook
