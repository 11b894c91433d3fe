#pragma once

#include "log/BandTable.h"
#include "log/QsoRecord.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVector>
#include <optional>

// The log records hold hh:mm only; the contest date comes from the setup
// field "Дата" and every contact is dated from it.
namespace scoring {

// dd.mm.yyyy, d.m.yyyy, dd.mm.yy (20yy) or yyyy-mm-dd, blanks around allowed;
// anything else, or a day the calendar lacks, is none.
std::optional<QDate> parseContestDate(const QString& text);
// The message shown when "Дата" holds something that is not a date.
QString contestDateRefusal(const QString& text);

// A contact's time cell: h:mm or hh:mm, 24-hour.
std::optional<QTime> parseContactTime(const QString& cell);

struct DatedContact
{
    int row = 0; // grid row, from 1
    QDate date;
    QTime time;
    logbook::BandAndMode bandMode {};
    QString call;
    QString sent;
    QString received;
};

struct DatedLog
{
    QVector<DatedContact> contacts;
    QVector<int> unreadableRows; // grid rows whose time or band and mode cannot be read
};

// Empty (deleted) rows are skipped. The first contact takes `contestDate`;
// a time earlier than the one before it moves to the next day.
DatedLog datedContacts(const QVector<logbook::QsoRecord>& rows, const QDate& contestDate);

} // namespace scoring
