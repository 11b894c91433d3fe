#pragma once

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

// The fixed CONTEST (Cabrillo) and CONTEST_ID (ADIF) name of the setup's
// contest variant: "RUS-ASIA-CHAMP", "RUS-RA-CHAMP", "OTHER" (also for none).
QString exportContestName(const QString& variantText);

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
