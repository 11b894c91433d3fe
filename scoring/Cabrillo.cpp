// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Cabrillo.h"

#include "scoring/ExportText.h"
#include "setup/StationSettings.h"

#include <QRegularExpression>

namespace scoring {
namespace {

constexpr int kAddressLines = 6; // Cabrillo's limit of ADDRESS: lines

const QString kCrLf = QStringLiteral("\r\n");

// One space-free token per field, so that every QSO: line has the same
// columns; an empty field is "-".
QString token(const QString& text)
{
    QString t = asciiText(text);
    t.removeIf([](QChar c) { return c == u' '; }); // asciiText leaves no other blanks
    return t.isEmpty() ? QStringLiteral("-") : t;
}

QString categoryMode(const QVector<DatedContact>& contacts)
{
    bool ssb = false;
    bool cw = false;
    for (const DatedContact& c : contacts)
        (c.bandMode.mode == logbook::Mode::CW ? cw : ssb) = true;
    return ssb && cw ? QStringLiteral("MIXED") : cw ? QStringLiteral("CW") : ssb ? QStringLiteral("SSB") : QString();
}

// The word of "E-mail/тел." that holds an "@", if any: the field often holds a telephone too.
QString emailAddress(const QString& field)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    for (const QString& word : field.split(separators, Qt::SkipEmptyParts)) {
        if (word.contains(QLatin1Char('@')))
            return word;
    }
    return QString();
}

QString fullName(const StationSettings& s)
{
    QStringList parts;
    for (const int line : {setup::Surname, setup::FirstName, setup::Patronymic}) {
        if (const QString part = s.field(line).trimmed(); !part.isEmpty())
            parts << part;
    }
    return parts.join(QLatin1Char(' '));
}

// One line for each part between commas; past the sixth, the rest shares the last line.
QStringList addressLines(const QString& address)
{
    QStringList lines;
    for (const QString& part : address.split(QLatin1Char(','))) {
        const QString line = part.simplified();
        if (line.isEmpty())
            continue;
        if (lines.size() < kAddressLines)
            lines << line;
        else
            lines.last() += QStringLiteral(", ") + line;
    }
    return lines;
}

// "ALL", or the one band worked: "20M".
QString categoryBand(const QVector<DatedContact>& contacts)
{
    for (const DatedContact& c : contacts) {
        if (c.bandMode.band != contacts.first().bandMode.band)
            return QStringLiteral("ALL");
    }
    return contacts.isEmpty() ? QStringLiteral("ALL") : logbook::bandText(contacts.first().bandMode.band) + u'M';
}

void addTag(QStringList& lines, const char* tag, const QString& value)
{
    if (!value.isEmpty())
        lines << QString::fromLatin1(tag) + QStringLiteral(": ") + value;
}

QStringList headerLines(const QVector<DatedContact>& contacts, const StationSettings& s,
                        const setup::ExportOptions& options, const QString& contestName, const ReportTotals& totals)
{
    QStringList lines = {QStringLiteral("START-OF-LOG: 3.0")};
    addTag(lines, "CALLSIGN", asciiText(s.callSign()).trimmed());
    addTag(lines, "CONTEST", contestName);
    addTag(lines, "CATEGORY-OPERATOR", QStringLiteral("SINGLE-OP"));
    addTag(lines, "CATEGORY-BAND", categoryBand(contacts));
    addTag(lines, "CATEGORY-MODE", categoryMode(contacts));
    addTag(lines, "CATEGORY-TRANSMITTER", QStringLiteral("ONE"));
    addTag(lines, "CATEGORY-ASSISTED", options.assisted ? QStringLiteral("ASSISTED") : QStringLiteral("NON-ASSISTED"));
    addTag(lines, "CATEGORY-POWER", options.power);
    addTag(lines, "CLAIMED-SCORE", QString::number(totals.claimedScore));
    addTag(lines, "NAME", asciiText(fullName(s)));
    for (const QString& line : addressLines(asciiText(s.field(setup::HomeAddress))))
        addTag(lines, "ADDRESS", line);
    addTag(lines, "EMAIL", asciiText(emailAddress(s.field(setup::EmailPhone))));
    if (const QString locator = s.field(setup::Locator).trimmed(); isGridLocator(locator))
        addTag(lines, "GRID-LOCATOR", locator);
    addTag(lines, "CLUB", asciiText(s.field(setup::RadioClub).trimmed()));
    addTag(lines, "CREATED-BY", programName() + QLatin1Char(' ') + programVersion());
    return lines;
}

// An exchange's fields, `count` tokens: a field missing is "-", words past
// the last field join it, so that every line has the same columns.
QString exchangeTokens(const QString& exchange, int count)
{
    if (count <= 0)
        return token(exchange);
    QStringList words = asciiText(exchange).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (words.size() > count)
        words[count - 1] += words.takeAt(count);
    while (words.size() < count)
        words << QStringLiteral("-");
    return words.join(QLatin1Char(' '));
}

// Appended piece by piece: a big log has 10,000 of them.
// The rig's frequency in whole kHz where it is known, else the band's edge.
void appendQsoLine(QString& out, const DatedContact& c, const QString& dateText, const QString& ownCall,
                   const ExchangeColumns& columns)
{
    const QLatin1Char space(' ');
    out += QLatin1String("QSO: ");
    out += QString::number(c.frequencyHz > 0 ? c.frequencyHz / 1000 : logbook::bandLowerEdgeKhz(c.bandMode.band));
    out += c.bandMode.mode == logbook::Mode::CW ? QLatin1String(" CW ") : QLatin1String(" PH ");
    out += dateText;
    out += space;
    out += hhmm(c.utc.time());
    for (const QString& field : {ownCall, exchangeTokens(c.sent, columns.sent), token(c.call),
                                 exchangeTokens(c.received, columns.received)}) {
        out += space;
        out += field;
    }
    out += kCrLf;
}

} // namespace

bool isGridLocator(const QString& text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-R]{2}[0-9]{2}([A-X]{2})?")),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(text).hasMatch();
}

QString cabrilloText(const QVector<DatedContact>& contacts, const StationSettings& settings,
                     const setup::ExportOptions& options, const QString& contestName, const ReportTotals& totals,
                     const ExchangeColumns& columns)
{
    QString out = headerLines(contacts, settings, options, contestName, totals).join(kCrLf) + kCrLf;
    out.reserve(out.size() + contacts.size() * 64);
    const QString ownCall = token(settings.callSign());
    DateText dateText(QStringLiteral("yyyy-MM-dd"));
    for (const DatedContact& c : contacts)
        appendQsoLine(out, c, dateText.of(c.utc.date()), ownCall, columns);
    return out + QLatin1String("END-OF-LOG:\r\n");
}

} // namespace scoring
