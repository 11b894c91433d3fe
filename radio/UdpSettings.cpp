// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/UdpSettings.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace radio {
namespace {

const QString kDestinationsKey = QStringLiteral("Udp/destinations");
const QString kLogMarkKey = QStringLiteral("Udp/log");

std::optional<UdpDestination> parseDestination(const QString& entry)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\[[0-9A-Fa-f:.]+\]|[A-Za-z0-9._-]+)(?::(\d{1,5}))?$)"));
    const QRegularExpressionMatch m = form.match(entry);
    if (!m.hasMatch())
        return std::nullopt;
    QString host = m.captured(1);
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    const int port = m.captured(2).isEmpty() ? kDefaultUdpPort : m.captured(2).toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return UdpDestination {host, port};
}

} // namespace

QString UdpDestination::text() const
{
    const QString shown = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return QStringLiteral("%1:%2").arg(shown).arg(port);
}

UdpDestinationsRead parseUdpDestinations(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    UdpDestinationsRead read;
    for (const QString& entry : text.split(separators, Qt::SkipEmptyParts)) {
        if (const std::optional<UdpDestination> destination = parseDestination(entry)) {
            if (!read.destinations.contains(*destination))
                read.destinations << *destination;
        } else {
            read.refused << entry;
        }
    }
    return read;
}

QString udpDestinationsText(const QList<UdpDestination>& destinations)
{
    QStringList texts;
    for (const UdpDestination& destination : destinations)
        texts << destination.text();
    return texts.join(QLatin1Char(','));
}

UdpSettingsRead readUdpSettings(const QString& fileName)
{
    UdpSettingsRead read;
    const logbook::IniSettings file(fileName);
    if (!file.readable()) {
        read.problem = file.unreadableText(QStringLiteral("Связи и трансивер по сети (UDP) не передаются"));
        return read;
    }
    // QSettings reads "a:1,b:2" as a list: text() joins it again.
    const UdpDestinationsRead parsed = parseUdpDestinations(file.text(kDestinationsKey));
    read.settings.destinations = parsed.destinations;
    if (!parsed.refused.isEmpty())
        read.problem = QStringLiteral("%1, [Udp] destinations: «%2» — не адрес:порт; пропущено")
                           .arg(QFileInfo(fileName).fileName(), parsed.refused.join(QStringLiteral("», «")));
    return read;
}

void writeUdpSettings(const UdpSettings& settings, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    if (settings.destinations.isEmpty())
        file.remove(kDestinationsKey);
    else
        file.setValue(kDestinationsKey, udpDestinationsText(settings.destinations).split(QLatin1Char(',')));
    file.save();
}

QString readUdpLogMark(const QString& fileName)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{8,64}$"));
    const QString mark = logbook::IniSettings(fileName).text(kLogMarkKey).trimmed().toLower();
    return hex.match(mark).hasMatch() ? mark : QString();
}

void writeUdpLogMark(const QString& mark, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kLogMarkKey, mark);
    file.save();
}

} // namespace radio
