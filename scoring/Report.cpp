// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Report.h"

#include "common/Cp1251.h"
#include "common/FileContent.h"
#include "common/FileNames.h"
#include "log/ContactLog.h"
#include "log/Decimal.h"
#include "setup/StationSettings.h"

#include <optional>

namespace scoring {
namespace {

using logbook::QsoField;
using logbook::Contact;

const QString kCrLf = QStringLiteral("\r\n");

QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString contactLine(const Contact& r)
{
    const auto cell = [&r](QsoField f) { return r.fields[size_t(f)]; };
    return cell(QsoField::Time) + spaces(2) + cell(QsoField::BandMode).leftJustified(6) + spaces(2)
        + cell(QsoField::BandChange).leftJustified(2) + spaces(5) + cell(QsoField::Call).leftJustified(12)
        + cell(QsoField::Sent).leftJustified(8) + spaces(2) + cell(QsoField::Received).leftJustified(12)
        + cell(QsoField::Points);
}

QString header(const QString& variantText, const QString& modeWord, const QString& callSign)
{
    const QStringList lines = {
        QString(),
        QStringLiteral("Позывной: ") + callSign,
        variantText + QLatin1Char(' ') + modeWord,
        QString(),
        QStringLiteral("Время   Диап  Перех  Позывной   № Передан   № Принят    Очки   Отметки судей"),
        QString(),
        QStringLiteral("-----   ----  -----  --------   ---------   ---------   ----   -------------"),
        QString(),
    };
    return lines.join(kCrLf) + kCrLf;
}

// The last line has no line end.
QString totalsBlock(const ReportTotals& totals)
{
    const QStringList lines = {
        QString(76, QLatin1Char('-')),
        spaces(33) + QStringLiteral("Очков") + spaces(6) + QStringLiteral("Заявлено") + spaces(4)
            + QString::number(totals.claimedScore),
        spaces(35) + QStringLiteral("на") + spaces(7) + QStringLiteral("Подтвержд"),
        spaces(33) + QStringLiteral("листе") + spaces(6) + QStringLiteral("Штрафных"),
        spaces(44) + QStringLiteral("Итого"),
    };
    return lines.join(kCrLf);
}

// What kept the file from being written; nothing when it is.
std::optional<QString> writeReportFile(const QString& name, const QString& text)
{
    try {
        logbook::writeWholeFile(name, logbook::cp1251::encode(text));
    } catch (const KvlError& e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace

QVector<Contact> loggedRows(const logbook::ContactLog& contacts, int currentRow)
{
    QVector<Contact> rows;
    rows.reserve(qMax(0, currentRow - 1));
    for (int row = 1; row < currentRow; ++row)
        rows.append(contacts.contact(row));
    return rows;
}

TotalsTally::TotalsTally(const ContestDescription* contest)
    : m_claim(contest ? contest->claim : ClaimKind::None)
{
    m_totals.countsMultipliers = contest && !contest->multipliers.empty();
    m_sums = m_claim == ClaimKind::Sum || m_claim == ClaimKind::SumTimesMultipliers || m_totals.countsMultipliers;
}

void TotalsTally::add(const Contact& r)
{
    if (!r.isContact() || r.repeat)
        return;
    ++m_totals.contacts;
    if (r.plusPoint())
        ++m_totals.plusCount;
    if (m_sums)
        m_totals.points += r.points().value_or(0);
    m_totals.multipliers += r.multipliers;
}

ReportTotals TotalsTally::totals() const
{
    ReportTotals totals = m_totals;
    switch (m_claim) {
    case ClaimKind::Plus:
        totals.plusCount = qMax(totals.plusCount, 1);
        totals.claimedScore = qint64(totals.contacts) * totals.plusCount;
        break;
    case ClaimKind::Sum: totals.claimedScore = totals.points; break;
    case ClaimKind::SumTimesMultipliers: totals.claimedScore = totals.points * totals.multipliers; break;
    case ClaimKind::None: break;
    }
    return totals;
}

ReportTotals reportTotals(logbook::ContactRows rows, const ContestDescription* contest)
{
    TotalsTally tally(contest);
    for (const Contact& r : rows)
        tally.add(r);
    return tally.totals();
}

QString bandChangesReached(const QVector<Contact>& rows)
{
    std::optional<qint64> highest;
    for (const Contact& r : rows) {
        const std::optional<qint64> value = r.bandChangeCount();
        if (value && (!highest || *value > *highest))
            highest = value;
    }
    return highest ? QString::number(*highest) : QString();
}

QString reportLogText(const QVector<Contact>& rows, const QString& variantText, const QString& modeWord,
                      const QString& callSign, const ReportTotals& totals)
{
    QString text = header(variantText, modeWord, callSign);
    for (const Contact& r : rows)
        text += contactLine(r) + kCrLf;
    return text + totalsBlock(totals);
}

ReportFileNames reportFileNames(const QString& callSign)
{
    // A portable call (UA9XX/P) must not name a folder: the name takes a safe
    // stem, while the files themselves carry the call as it stands.
    const QString stem = logbook::callFileStem(callSign);
    return {stem + QStringLiteral(".log"), stem + QStringLiteral(".sum")};
}

ReportResult CreateReport(const QVector<Contact>& rows, const QString& modeWord, const StationSettings& settings,
                          const ContestDescription* contest)
{
    const QString variant = settings.contestVariant();
    const QString callSign = settings.callSign();
    const ReportTotals totals = reportTotals(rows, contest);
    ReportResult result {reportFileNames(callSign), {}};
    for (const auto& failure :
         {writeReportFile(result.names.log, reportLogText(rows, variant, modeWord, callSign, totals)),
          writeReportFile(result.names.sum, summarySheetText(settings, totals, bandChangesReached(rows)))}) {
        if (failure)
            result.failures << *failure;
    }
    return result;
}

} // namespace scoring
