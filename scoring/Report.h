// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/Contact.h"
#include "scoring/ContestDescription.h"

#include <QString>
#include <QStringList>
#include <QVector>

class StationSettings;

namespace logbook {
class ContactLog;
}

// The contest report written at every exit: the report log (every contact and
// a totals block) and the summary sheet (the contest's paper form), both code
// page 1251 with CR LF line ends, named after the operator's call sign.
namespace scoring {

struct ReportTotals
{
    int contacts = 0;
    int plusCount = 0;       // points cells holding exactly "1+" (at least 1 under RA)
    qint64 points = 0;       // summed where the claim or the multipliers need it, no number as 0
    int multipliers = 0;     // those the contacts brought, by their marks
    bool countsMultipliers = false;
    qint64 claimedScore = 0; // RA: contacts x "1+" count; Asia: sum of the points; points x multipliers; else 0
};

// Grid rows 1 to currentRow - 1: the logged contacts, in order.
QVector<logbook::Contact> loggedRows(const logbook::ContactLog& contacts, int currentRow);

// The totals contact by contact in log order, so that the claim can be read
// after any of them. By the contest's claim: where the points are summed a
// points cell that is not an integer (the judges' "—") counts 0, so the report
// is always complete. A repeat is listed but not counted. No contest claims
// nothing.
class TotalsTally
{
public:
    explicit TotalsTally(const ContestDescription* contest);
    void add(const logbook::Contact& contact);
    // The totals so far, the claimed score worked out.
    ReportTotals totals() const;

private:
    ClaimKind m_claim;
    bool m_sums; // reading every points cell costs; only a sum needs them
    ReportTotals m_totals;
};

ReportTotals reportTotals(logbook::ContactRows rows, const ContestDescription* contest);

// The band change count reached: the highest number in the rows' band change
// cells; empty when no row has one.
QString bandChangesReached(const QVector<logbook::Contact>& rows);

QString reportLogText(const QVector<logbook::Contact>& rows, const QString& variantText, const QString& modeWord,
                      const QString& callSign, const ReportTotals& totals);
QString summarySheetText(const StationSettings& settings, const ReportTotals& totals, const QString& bandChanges);

struct ReportFileNames
{
    QString log; // call sign + ".log"
    QString sum; // call sign + ".sum"
};
// The call sign with every character a file name cannot hold (/ \ : * ? " < >
// | and control characters) made "_": UA9XX/P gives UA9XX_P.log.
ReportFileNames reportFileNames(const QString& callSign);

struct ReportResult
{
    ReportFileNames names;
    QStringList failures; // one per file not written, naming it and why
};

// Writes both files from the logged rows, the mode word ("ssb" or "cw") and
// the setup fields, each replacing any earlier file of that name and on the
// disk before this returns. Each file is tried on its own and never throws:
// one that cannot be written leaves an earlier file of that name whole.
ReportResult CreateReport(const QVector<logbook::Contact>& rows, const QString& modeWord,
                          const StationSettings& settings, const ContestDescription* contest);

} // namespace scoring
