// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDescription.h"
#include "setup/ExportOptions.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <utility>

// What the Cabrillo and ADIF files share: plain ASCII text, the contest's
// name and the program's name and version.
namespace scoring {

// Russian letters transliterated as in Russian passports (Ж ZH, Х KH, Ц TS,
// Щ SHCH, Ю IU, Я IA, Ь dropped), a capital before a small letter as "Zh";
// quotes and dashes as " and -, № as N, blanks and printable ASCII kept,
// control characters as blanks, anything else "?". Contest robots and ADI
// readers take ASCII only.
QString asciiText(const QString& text);

// The CONTEST (Cabrillo) and CONTEST_ID (ADIF) name: the one set in setup,
// else the chosen contest's own ("RUS-RA-CHAMP"), "OTHER" for none.
QString exportContestName(const ContestDescription* contest, const setup::ExportOptions& options = {});

// ADIF's FREQ, in MHz to the hertz without trailing zeros past the kHz: "14.025".
QString megahertz(qint64 hz);

// "0905" for 09:05, as both formats write a time.
QString hhmm(const QTime& time);

// A contact's date as text in `format`, formatted again only when the date
// changes: a log has a few dates, and formatting one is slow.
class DateText
{
public:
    explicit DateText(QString format) : m_format(std::move(format)) {}
    const QString& of(const QDate& date)
    {
        if (date != m_date) {
            m_date = date;
            m_text = date.toString(m_format);
        }
        return m_text;
    }

private:
    QString m_format;
    QDate m_date;
    QString m_text;
};

QString programName();    // "KVL"
QString programVersion(); // the build's version, "3.01"

} // namespace scoring
