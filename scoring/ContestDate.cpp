// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ContestDate.h"

#include <QRegularExpression>

namespace scoring {
namespace {

using logbook::QsoField;
using logbook::Contact;

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

} // namespace

std::optional<QDate> parseContestDate(const QString& text)
{
    static const QRegularExpression dotted(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QString trimmed = text.trimmed();
    if (const QRegularExpressionMatch m = iso.match(trimmed); m.hasMatch())
        return validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const QRegularExpressionMatch m = dotted.match(trimmed); m.hasMatch()) {
        const QString year = m.captured(3);
        return validDate(year.size() == 2 ? 2000 + year.toInt() : year.toInt(), m.captured(2).toInt(),
                         m.captured(1).toInt());
    }
    return std::nullopt;
}

QString contestDateRefusal(const QString& text)
{
    return QStringLiteral("Файлы Cabrillo и ADIF не записаны: в поле \"Дата\" стоит \"%1\", а не дата "
                          "(пишется дд.мм.гггг, д.м.гггг, дд.мм.гг или гггг-мм-дд)")
        .arg(text.trimmed());
}

bool needsContestDate(const ExportLog& log)
{
    for (int i = 0; i < log.rows.size(); ++i) {
        if (log.rows[i].isContact() && !log.rows[i].stamp)
            return true;
    }
    return false;
}

DatedLog datedContacts(const ExportLog& log, const QDate& contestDate)
{
    DatedLog dated;
    QDate date = contestDate;
    std::optional<QTime> previous; // of the last row without a stamp
    for (int i = 0; i < log.rows.size(); ++i) {
        const Contact& r = log.rows[i];
        if (!r.isContact())
            continue;
        const std::optional<logbook::ContactStamp> stamp = log.rows[i].stamp;
        const std::optional<QTime> time = r.time();
        const std::optional<logbook::BandAndMode> bandMode = r.bandMode();
        if (!time || !bandMode) {
            dated.unreadableRows.append(i + 1);
            continue;
        }
        if (!stamp && previous && *time < *previous)
            date = date.addDays(1);
        if (!stamp)
            previous = time;
        const QDateTime utc = stamp ? stamp->utc() : QDateTime(date, *time, log.localZone).toUTC();
        dated.contacts.append({i + 1, utc, stamp ? stamp->frequencyHz : 0, *bandMode, r.fields[QsoField::Call],
                               r.fields[QsoField::Sent], r.fields[QsoField::Received]});
    }
    return dated;
}

} // namespace scoring
