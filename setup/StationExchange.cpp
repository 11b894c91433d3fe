// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/StationExchange.h"

#include <QRegularExpression>

namespace setup {
namespace {

const QString kSection = QStringLiteral("Exchange");

QString key(const QString& contestId, const char* name)
{
    return kSection + QLatin1Char('/') + contestId + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

StationExchange cleanExchange(const StationExchange& exchange)
{
    static const QRegularExpression zone(QStringLiteral("^[0-9]{1,2}$"));
    const QString z = exchange.zone.trimmed();
    return {exchange.group.trimmed(), exchange.code.trimmed().toUpper(), zone.match(z).hasMatch() ? z : QString()};
}

StationExchanges readStationExchanges(const QString& fileName)
{
    logbook::IniSettings file(fileName);
    StationExchanges exchanges;
    for (const QString& id : file.groups(kSection)) {
        const StationExchange read = cleanExchange(
            {file.text(key(id, "group")), file.text(key(id, "code")), file.text(key(id, "zone"))});
        if (!read.empty())
            exchanges[id] = read;
    }
    return exchanges;
}

void writeStationExchange(const QString& contestId, const StationExchange& exchange, const QString& fileName)
{
    const StationExchange clean = cleanExchange(exchange);
    logbook::IniSettings file(fileName);
    if (clean.empty()) {
        file.remove(kSection + QLatin1Char('/') + contestId);
    } else {
        file.setValue(key(contestId, "group"), clean.group);
        file.setValue(key(contestId, "code"), clean.code);
        file.setValue(key(contestId, "zone"), clean.zone);
    }
    file.save();
}

} // namespace setup
