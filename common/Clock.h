#pragma once

#include <QString>
#include <QTime>

// The local clock, behind an interface so that tests can set the time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QTime now() const override { return QTime::currentTime(); }
};

namespace logbook {

// The clock label's text, 24-hour with seconds: "19:05:07".
inline QString clockText(const QTime& t) { return t.toString(QStringLiteral("hh:mm:ss")); }
// The time stamped on a contact: "09:05".
inline QString contactTime(const QTime& t) { return t.toString(QStringLiteral("hh:mm")); }

} // namespace logbook
