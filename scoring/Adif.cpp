#include "Adif.h"

#include "ExportText.h"
#include "StationSettings.h"

#include <QStringList>

namespace scoring {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kAdifVersion = QStringLiteral("3.1.0");

QString header(const QDateTime& createdUtc)
{
    // Text before the first field must not start with "<".
    return QStringLiteral("ADIF export from ") + programName() + QLatin1Char(' ') + programVersion() + kCrLf
        + adifField(QStringLiteral("ADIF_VER"), kAdifVersion) + kCrLf
        + adifField(QStringLiteral("PROGRAMID"), programName()) + kCrLf
        + adifField(QStringLiteral("PROGRAMVERSION"), programVersion()) + kCrLf
        + adifField(QStringLiteral("CREATED_TIMESTAMP"), createdUtc.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss")))
        + kCrLf + QStringLiteral("<EOH>") + kCrLf;
}

QString record(const DatedContact& c, const QString& stationCall, const QString& contestId)
{
    const QStringList fields = {
        adifField(QStringLiteral("CALL"), c.call.trimmed()),
        adifField(QStringLiteral("QSO_DATE"), c.date.toString(QStringLiteral("yyyyMMdd"))),
        adifField(QStringLiteral("TIME_ON"), c.time.toString(QStringLiteral("HHmm"))),
        adifField(QStringLiteral("BAND"), logbook::adifBandName(c.bandMode.band)),
        adifField(QStringLiteral("MODE"), logbook::modeText(c.bandMode.mode)),
        adifField(QStringLiteral("STX_STRING"), c.sent.trimmed()),
        adifField(QStringLiteral("SRX_STRING"), c.received.trimmed()),
        adifField(QStringLiteral("STATION_CALLSIGN"), stationCall),
        adifField(QStringLiteral("CONTEST_ID"), contestId),
        QStringLiteral("<EOR>"),
    };
    QString line;
    for (const QString& f : fields) {
        if (!f.isEmpty())
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + f;
    }
    return line + kCrLf;
}

} // namespace

QString adifField(const QString& name, const QString& value)
{
    const QString ascii = asciiText(value);
    if (ascii.isEmpty())
        return QString();
    return QLatin1Char('<') + name + QLatin1Char(':') + QString::number(ascii.size()) + QLatin1Char('>') + ascii;
}

QString adifText(const QVector<DatedContact>& contacts, const StationSettings& settings, const QDateTime& createdUtc)
{
    QString text = header(createdUtc);
    const QString stationCall = settings.callSign().trimmed();
    const QString contestId = exportContestName(settings.contestVariant());
    for (const DatedContact& c : contacts)
        text += record(c, stationCall, contestId);
    return text;
}

} // namespace scoring
