// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "log/ContactStamp.h"
#include "log/Contact.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <QString>
#include <QTime>
#include <QVector>
#include <optional>

// A contact's date and UTC time come from its stamp. The log records hold
// hh:mm only, so a contact without a stamp (a log kept before stamps) is
// dated from the setup field "Дата" and its local time turned into UTC with
// the computer's time zone.
namespace scoring {

// dd.mm.yyyy, d.m.yyyy, dd.mm.yy (20yy) or yyyy-mm-dd, blanks around allowed;
// anything else, or a day the calendar lacks, is none.
std::optional<QDate> parseContestDate(const QString& text);
// The message shown when "Дата" holds something that is not a date.
QString contestDateRefusal(const QString& text);

using logbook::parseContactTime;

struct DatedContact
{
    int row = 0; // grid row, from 1
    QDateTime utc;
    qint64 frequencyHz = 0; // 0: not known
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

// The logged rows and where their times come from.
struct ExportLog
{
    QVector<logbook::Contact> rows; // with their stamps
    QTimeZone localZone = QTimeZone::systemTimeZone(); // of the time cells
};

// Rows without a call (deleted or never completed) are no contacts and are
// skipped. Of the rows without a stamp, the first takes `contestDate` and a
// time earlier than the one before it moves to the next day.
DatedLog datedContacts(const ExportLog& log, const QDate& contestDate);
// Whether some contact has no stamp and so needs "Дата".
bool needsContestDate(const ExportLog& log);

} // namespace scoring
