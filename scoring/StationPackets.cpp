// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/StationPackets.h"

#include "scoring/ExportText.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QXmlStreamWriter>
#include <map>

namespace scoring {
namespace {

const QString kApp = QStringLiteral("KVL");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString timeText(const QDateTime& utc)
{
    return utc.toUTC().toString(kTimeFormat);
}

qint64 frequencyOf(qint64 hz, int band)
{
    return hz > 0 ? hz : qint64(logbook::bandLowerEdgeKhz(band)) * 1000;
}

QString tensOfHertz(qint64 hz)
{
    return QString::number(hz / 10);
}

QString megahertzBand(int band)
{
    return QString::number(logbook::bandLowerEdgeKhz(band) / 1000.0);
}

// Phone in the sideband the band is worked in: lower below 10 MHz.
QString modeName(const logbook::BandAndMode& bandMode)
{
    if (bandMode.mode == logbook::Mode::CW)
        return QStringLiteral("CW");
    return logbook::bandLowerEdgeKhz(bandMode.band) < 10000 ? QStringLiteral("LSB") : QStringLiteral("USB");
}

QString truth(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// One packet: the root element and its children, each a line of text.
class Packet
{
public:
    explicit Packet(const QString& root) : m_xml(&m_bytes)
    {
        m_xml.setAutoFormatting(true);
        m_xml.writeStartDocument();
        m_xml.writeStartElement(root);
    }
    Packet& add(const QString& name, const QString& value)
    {
        m_xml.writeTextElement(name, value);
        return *this;
    }
    QXmlStreamWriter& xml() { return m_xml; }
    QByteArray done()
    {
        m_xml.writeEndDocument();
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    QXmlStreamWriter m_xml;
};

void addContactFields(Packet& p, const PacketContact& c, const PacketStation& s)
{
    const ExchangeParts sent = splitExchange(c.sent, c.bandMode.mode);
    const ExchangeParts received = splitExchange(c.received, c.bandMode.mode);
    const QString frequency = tensOfHertz(frequencyOf(c.frequencyHz, c.bandMode.band));
    p.add(QStringLiteral("app"), kApp)
        .add(QStringLiteral("contestname"), s.contestName)
        .add(QStringLiteral("contestnr"), QStringLiteral("1"))
        .add(QStringLiteral("timestamp"), timeText(c.utc))
        .add(QStringLiteral("mycall"), s.call)
        .add(QStringLiteral("band"), megahertzBand(c.bandMode.band))
        .add(QStringLiteral("rxfreq"), frequency)
        .add(QStringLiteral("txfreq"), frequency)
        .add(QStringLiteral("operator"), s.call)
        .add(QStringLiteral("mode"), modeName(c.bandMode))
        .add(QStringLiteral("call"), c.call.trimmed())
        .add(QStringLiteral("stationprefix"), s.call)
        .add(QStringLiteral("snt"), sent.report)
        .add(QStringLiteral("sntnr"), sent.number.isEmpty() ? QStringLiteral("0") : QString::number(sent.number.toInt()))
        .add(QStringLiteral("rcv"), received.report)
        .add(QStringLiteral("rcvnr"), received.number.isEmpty() ? QStringLiteral("0") : QString::number(received.number.toInt()))
        .add(QStringLiteral("exchange1"), received.rest)
        .add(QStringLiteral("misctext"), sent.rest)
        .add(QStringLiteral("comment"), c.repeat ? QStringLiteral("повтор") : QString())
        .add(QStringLiteral("ismultiplier1"), c.multiplier ? QStringLiteral("1") : QStringLiteral("0"))
        .add(QStringLiteral("points"), QString::number(c.repeat ? 0 : c.points))
        .add(QStringLiteral("radionr"), QStringLiteral("1"))
        .add(QStringLiteral("IsOriginal"), truth(true))
        .add(QStringLiteral("StationName"), s.computerName)
        .add(QStringLiteral("ID"), c.id)
        .add(QStringLiteral("IsClaimedQso"), c.repeat ? QStringLiteral("0") : QStringLiteral("1"));
}

QString bandAttribute(int band)
{
    return logbook::bandText(band);
}

QString modeAttribute(logbook::Mode mode)
{
    return mode == logbook::Mode::CW ? QStringLiteral("CW") : QStringLiteral("PH");
}

} // namespace

QString contactId(const QString& logMark, int row)
{
    const QByteArray key = (logMark + QLatin1Char('/') + QString::number(row)).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Md5).toHex());
}

ExchangeParts splitExchange(const QString& exchange, logbook::Mode mode)
{
    static const QRegularExpression rs(QStringLiteral("^[1-5][1-9]"));
    static const QRegularExpression rst(QStringLiteral("^[1-5][1-9][1-9]"));
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    static const QRegularExpression trailingSerial(QStringLiteral("^(.*\\D)(\\d{3,4})$"));
    ExchangeParts parts;
    QString left = exchange.trimmed();
    if (const QRegularExpressionMatch m = (mode == logbook::Mode::CW ? rst : rs).match(left); m.hasMatch()) {
        parts.report = m.captured(0);
        left = left.mid(parts.report.size()).trimmed();
    }
    QStringList words = left.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < words.size(); ++i) {
        if (digits.match(words[i]).hasMatch()) {
            parts.number = words.takeAt(i);
            break;
        }
    }
    if (parts.number.isEmpty() && !words.isEmpty()) {
        if (const QRegularExpressionMatch m = trailingSerial.match(words.last()); m.hasMatch()) {
            words.last() = m.captured(1);
            parts.number = m.captured(2);
        }
    }
    parts.rest = words.join(QLatin1Char(' '));
    return parts;
}

QByteArray contactInfoPacket(const PacketContact& contact, const PacketStation& station)
{
    Packet p(QStringLiteral("contactinfo"));
    addContactFields(p, contact, station);
    return p.done();
}

QByteArray contactReplacePacket(const PacketContact& contact, const QString& oldCall, const QDateTime& oldUtc,
                                const PacketStation& station)
{
    Packet p(QStringLiteral("contactreplace"));
    addContactFields(p, contact, station);
    p.add(QStringLiteral("oldcall"), oldCall.trimmed()).add(QStringLiteral("oldtimestamp"), timeText(oldUtc));
    return p.done();
}

QByteArray contactDeletePacket(const PacketContact& contact, const PacketStation& station)
{
    return Packet(QStringLiteral("contactdelete"))
        .add(QStringLiteral("app"), kApp)
        .add(QStringLiteral("timestamp"), timeText(contact.utc))
        .add(QStringLiteral("call"), contact.call.trimmed())
        .add(QStringLiteral("contestnr"), QStringLiteral("1"))
        .add(QStringLiteral("StationName"), station.computerName)
        .add(QStringLiteral("ID"), contact.id)
        .done();
}

QByteArray radioInfoPacket(const RadioState& radio, const PacketStation& station)
{
    const QString frequency = tensOfHertz(frequencyOf(radio.frequencyHz, radio.bandMode.band));
    return Packet(QStringLiteral("RadioInfo"))
        .add(QStringLiteral("app"), kApp)
        .add(QStringLiteral("StationName"), station.computerName)
        .add(QStringLiteral("RadioNr"), QStringLiteral("1"))
        .add(QStringLiteral("Freq"), frequency)
        .add(QStringLiteral("TXFreq"), frequency)
        .add(QStringLiteral("Mode"), modeName(radio.bandMode))
        .add(QStringLiteral("OpCall"), station.call)
        .add(QStringLiteral("FocusRadioNr"), QStringLiteral("1"))
        .add(QStringLiteral("ActiveRadioNr"), QStringLiteral("1"))
        .add(QStringLiteral("IsSplit"), truth(false))
        .add(QStringLiteral("RadioName"), radio.radioName)
        .add(QStringLiteral("IsConnected"), truth(!radio.radioName.isEmpty() && radio.frequencyHz > 0))
        .done();
}

QByteArray appInfoPacket(const PacketStation& station)
{
    return Packet(QStringLiteral("AppInfo"))
        .add(QStringLiteral("app"), kApp)
        .add(QStringLiteral("dbname"), station.logName)
        .add(QStringLiteral("contestnr"), QStringLiteral("1"))
        .add(QStringLiteral("contestname"), station.contestName)
        .add(QStringLiteral("StationName"), station.computerName)
        .done();
}

bool ScoreState::operator==(const ScoreState& o) const
{
    const auto sameLine = [](const ScoreLine& a, const ScoreLine& b) {
        return a.bandMode.band == b.bandMode.band && a.bandMode.mode == b.bandMode.mode && a.contacts == b.contacts
               && a.points == b.points && a.multipliers == b.multipliers;
    };
    return std::equal(lines.begin(), lines.end(), o.lines.begin(), o.lines.end(), sameLine)
           && totals.claimedScore == o.totals.claimedScore && totals.contacts == o.totals.contacts
           && power == o.power && assisted == o.assisted;
}

ScoreState scoreState(logbook::ContactRows rows, const ContestDescription* contest)
{
    ScoreState score;
    std::map<std::pair<int, int>, ScoreLine> lines;
    for (const logbook::Contact& contact : rows) {
        const std::optional<logbook::BandAndMode> bandMode = contact.bandMode();
        if (!contact.isContact() || contact.repeat || !bandMode)
            continue;
        ScoreLine& line = lines[{bandMode->band, int(bandMode->mode)}];
        line.bandMode = *bandMode;
        ++line.contacts;
        line.points += contact.plusPoint() ? 1 : contact.points().value_or(0);
        line.multipliers += contact.multipliers;
    }
    score.totals = reportTotals(rows, contest);
    score.totals.points = 0; // summed here whatever the contest claims by
    for (const auto& [key, line] : lines) {
        score.lines.append(line);
        score.totals.points += line.points;
    }
    return score;
}

QByteArray scorePacket(const ScoreState& score, const PacketStation& station, const QDateTime& utc)
{
    Packet p(QStringLiteral("dynamicresults"));
    QXmlStreamWriter& xml = p.xml();
    p.add(QStringLiteral("contest"), station.contestName)
        .add(QStringLiteral("call"), station.call)
        .add(QStringLiteral("ops"), station.call);
    xml.writeStartElement(QStringLiteral("class"));
    if (!score.power.isEmpty())
        xml.writeAttribute(QStringLiteral("power"), score.power);
    xml.writeAttribute(QStringLiteral("assisted"), score.assisted ? QStringLiteral("ASSISTED") : QStringLiteral("NON-ASSISTED"));
    xml.writeAttribute(QStringLiteral("transmitter"), QStringLiteral("ONE"));
    xml.writeAttribute(QStringLiteral("ops"), QStringLiteral("SINGLE-OP"));
    xml.writeEndElement();
    p.add(QStringLiteral("soft"), programName()).add(QStringLiteral("version"), programVersion());
    xml.writeStartElement(QStringLiteral("breakdown"));
    const auto count = [&xml](const QString& what, const QString& band, const QString& mode, qint64 value) {
        xml.writeStartElement(what);
        xml.writeAttribute(QStringLiteral("band"), band);
        xml.writeAttribute(QStringLiteral("mode"), mode);
        xml.writeCharacters(QString::number(value));
        xml.writeEndElement();
    };
    const QString total = QStringLiteral("total");
    const QString all = QStringLiteral("ALL");
    count(QStringLiteral("qso"), total, all, score.totals.contacts);
    count(QStringLiteral("point"), total, all, score.totals.points);
    count(QStringLiteral("mult"), total, all, score.totals.multipliers);
    for (const ScoreLine& line : score.lines) {
        const QString band = bandAttribute(line.bandMode.band);
        const QString mode = modeAttribute(line.bandMode.mode);
        count(QStringLiteral("qso"), band, mode, line.contacts);
        count(QStringLiteral("point"), band, mode, line.points);
        count(QStringLiteral("mult"), band, mode, line.multipliers);
    }
    xml.writeEndElement();
    return p.add(QStringLiteral("score"), QString::number(score.totals.claimedScore))
        .add(QStringLiteral("timestamp"), timeText(utc))
        .done();
}

} // namespace scoring
