// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/StatusFigures.h"

#include "keyer/KeyerDevice.h"
#include "scoring/ContestDate.h"
#include "scoring/Report.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace session {

int minutesBetween(int earlier, int later)
{
    return ((later - earlier) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
}

void SubTourStarts::reset(int storedStart, const Stamps& stamps)
{
    m_starts = {{0, 1}};
    m_exact = true;
    bool stamped = false;
    for (int i = 0; i < stamps.size(); ++i) {
        const std::optional<logbook::ContactStamp>& s = stamps[i];
        if (s && s->subTour > m_starts.rbegin()->second) {
            m_starts[i] = s->subTour;
            m_exact = s->subTourExact;
        }
        stamped = stamped || s;
    }
    if (!stamped)
        m_exact = storedStart <= 0; // the starts before the stored one are unknown
    if (storedStart > 0)
        add(storedStart);
}

void SubTourStarts::add(int start)
{
    m_starts.erase(m_starts.upper_bound(start), m_starts.end());
    if (start >= 0 && !m_starts.count(start))
        m_starts[start] = number(start);
}

int SubTourStarts::number(int start) const
{
    const auto at = m_starts.lower_bound(start);
    if (at != m_starts.end() && at->first == start)
        return at->second;
    return at == m_starts.begin() ? 1 : std::prev(at)->second + 1;
}

std::optional<int> SubTourStarts::numberAt(int index) const
{
    const auto firstKnown = std::next(m_starts.begin());
    if (!m_exact && firstKnown != m_starts.end() && index < firstKnown->first)
        return std::nullopt;
    return std::prev(m_starts.upper_bound(qMax(0, index)))->second;
}

// Walks back from the newest contact only as far as the hour reaches, so a
// long log costs no more than a short one.
ContactRates contactRates(logbook::ContactRows rows, const QDateTime& now)
{
    ContactRates rates;
    const qint64 nowMinute = now.toSecsSinceEpoch() / 60;
    int newer = minuteOfDay(now.time());
    qint64 age = 0; // minutes from the contact to now
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        const std::optional<logbook::ContactStamp>& stamp = rows[i].stamp;
        const std::optional<QTime> time = stamp ? stamp->localTime() : rows[i].time();
        if (!time)
            continue;
        age = stamp ? qMax<qint64>(0, nowMinute - stamp->utcSeconds / 60)
                    : age + minutesBetween(minuteOfDay(*time), newer);
        newer = minuteOfDay(*time);
        if (age >= 60)
            break;
        ++rates.lastHour;
        if (age < 10)
            ++rates.lastTenMinutes;
    }
    return rates;
}

StatusFigures statusFigures(logbook::ContactRows rows, const scoring::ContestDescription* contest,
                            const SubTourStarts& starts, int subTourStart, const QDateTime& now)
{
    const int start = qMax(0, subTourStart);
    const scoring::ReportTotals totals = scoring::reportTotals(rows, contest);
    const ContactRates rates = contactRates(rows, now);
    StatusFigures figures;
    figures.contacts = totals.contacts;
    figures.score = totals.claimedScore;
    figures.points = totals.points;
    if (totals.countsMultipliers)
        figures.multipliers = totals.multipliers;
    figures.judgesPoints = contest && contest->points == scoring::PointsKind::None;
    figures.multiplied = contest && contest->claim == scoring::ClaimKind::SumTimesMultipliers;
    figures.subTour = starts.number(start);
    figures.subTourExact = starts.exact();
    figures.subTourContacts = int(std::count_if(rows.begin() + qMin(start, int(rows.size())), rows.end(),
                                                [](const logbook::Contact& r) { return r.isContact() && !r.repeat; }));
    if (start < rows.size())
        figures.subTourSince = rows[start].fields[logbook::Time];
    figures.lastTenMinutes = rates.lastTenMinutes;
    figures.lastHour = rates.lastHour;
    return figures;
}

std::optional<int> wordsPerMinute(int dashTime)
{
    const int wpm = keyer::wordsPerMinute(dashTime);
    return wpm > 0 ? std::optional<int>(wpm) : std::nullopt;
}

// ", следующий в 12:00", with the seconds only where the time has them.
static QString nextSubTourText(const std::optional<QTime>& next)
{
    if (!next)
        return {};
    return QStringLiteral(", следующий в ") + next->toString(next->second() ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));
}

// "Очки 48", "Очки 12 × 4 = 48", or what the judges leave to count.
static QString scoreText(const StatusFigures& figures)
{
    if (figures.judgesPoints)
        return figures.multipliers ? QStringLiteral("Очки у судей, множителей %1").arg(*figures.multipliers)
                                   : QStringLiteral("Очки у судей");
    if (!figures.multipliers)
        return QStringLiteral("Очки %1").arg(figures.score);
    if (!figures.multiplied)
        return QStringLiteral("Очки %1, множителей %2").arg(figures.score).arg(*figures.multipliers);
    return QStringLiteral("Очки %1 × %2 = %3").arg(figures.points).arg(*figures.multipliers).arg(figures.score);
}

QString statusLineText(const StatusFigures& figures, std::optional<int> dashTime)
{
    QString subTour = QStringLiteral("Тур %1%2").arg(figures.subTourExact ? QString() : QStringLiteral("≥"))
                          .arg(figures.subTour);
    if (!figures.subTourSince.isEmpty())
        subTour += QStringLiteral(" (с %1)").arg(figures.subTourSince);
    QStringList parts = {
        QStringLiteral("QSO %1").arg(figures.contacts),
        subTour + QStringLiteral(": %1").arg(figures.subTourContacts) + nextSubTourText(figures.nextSubTour),
        scoreText(figures),
        QStringLiteral("Темп %1/ч, за час %2").arg(figures.lastTenMinutes * 6).arg(figures.lastHour),
    };
    if (dashTime) {
        const std::optional<int> wpm = wordsPerMinute(*dashTime);
        parts << (wpm ? QStringLiteral("%1 WPM").arg(*wpm) : QStringLiteral("WPM —"));
    }
    return parts.join(QStringLiteral(" | "));
}

} // namespace session
