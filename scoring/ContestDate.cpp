#include "scoring/ContestDate.h"

#include <QRegularExpression>
#include <algorithm>

namespace scoring {
namespace {

using logbook::QsoField;
using logbook::QsoRecord;

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

bool isEmptyRow(const QsoRecord& r)
{
    return std::all_of(r.fields.begin(), r.fields.end(), [](const QString& f) { return f.isEmpty(); });
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

std::optional<QTime> parseContactTime(const QString& cell)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = pattern.match(cell.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt());
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

DatedLog datedContacts(const QVector<QsoRecord>& rows, const QDate& contestDate)
{
    DatedLog log;
    QDate date = contestDate;
    std::optional<QTime> previous;
    for (int i = 0; i < rows.size(); ++i) {
        const QsoRecord& r = rows[i];
        if (isEmptyRow(r))
            continue;
        const std::optional<QTime> time = parseContactTime(r.fields[QsoField::Time]);
        const std::optional<logbook::BandAndMode> bandMode = logbook::parseBandModeWord(r.fields[QsoField::BandMode]);
        if (!time || !bandMode) {
            log.unreadableRows.append(i + 1);
            continue;
        }
        if (previous && *time < *previous)
            date = date.addDays(1);
        previous = time;
        log.contacts.append({i + 1, date, *time, *bandMode, r.fields[QsoField::Call], r.fields[QsoField::Sent],
                             r.fields[QsoField::Received]});
    }
    return log;
}

} // namespace scoring
