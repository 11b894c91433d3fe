// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Adif.h"

#include "scoring/ExportText.h"
#include "setup/StationSettings.h"

namespace scoring {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kAdifVersion = QStringLiteral("3.1.0");

void appendField(QString& out, QLatin1String name, const QString& value)
{
    const QString ascii = asciiText(value);
    if (ascii.isEmpty())
        return;
    // Appended piece by piece: 90,000 fields for a 10,000-contact log.
    out += QLatin1Char('<');
    out += name;
    out += QLatin1Char(':');
    out += QString::number(ascii.size());
    out += QLatin1Char('>');
    out += ascii;
    out += QLatin1Char(' ');
}

QString header(const QDateTime& createdUtc)
{
    // Text before the first field must not start with "<".
    QString out = QStringLiteral("ADIF export from ") + programName() + QLatin1Char(' ') + programVersion() + kCrLf;
    appendField(out, QLatin1String("ADIF_VER"), kAdifVersion);
    appendField(out, QLatin1String("PROGRAMID"), programName());
    appendField(out, QLatin1String("PROGRAMVERSION"), programVersion());
    appendField(out, QLatin1String("CREATED_TIMESTAMP"),
                createdUtc.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss")));
    return out + QStringLiteral("<EOH>") + kCrLf;
}

} // namespace

QString adifText(const QVector<DatedContact>& contacts, const StationSettings& settings,
                 const QString& contestId, const QDateTime& createdUtc)
{
    QString out = header(createdUtc);
    out.reserve(out.size() + contacts.size() * 200);
    const QString stationCall = settings.callSign().trimmed();
    DateText dateText(QStringLiteral("yyyyMMdd"));
    for (const DatedContact& c : contacts) {
        appendField(out, QLatin1String("CALL"), c.call.trimmed());
        appendField(out, QLatin1String("QSO_DATE"), dateText.of(c.utc.date()));
        appendField(out, QLatin1String("TIME_ON"), hhmm(c.utc.time()));
        appendField(out, QLatin1String("BAND"), logbook::adifBandName(c.bandMode.band));
        if (c.frequencyHz > 0)
            appendField(out, QLatin1String("FREQ"), megahertz(c.frequencyHz));
        appendField(out, QLatin1String("MODE"), logbook::modeText(c.bandMode.mode));
        appendField(out, QLatin1String("STX_STRING"), c.sent.trimmed());
        appendField(out, QLatin1String("SRX_STRING"), c.received.trimmed());
        appendField(out, QLatin1String("STATION_CALLSIGN"), stationCall);
        appendField(out, QLatin1String("CONTEST_ID"), contestId);
        out += QLatin1String("<EOR>\r\n");
    }
    return out;
}

} // namespace scoring
