#include "keyer/KeyerSettings.h"

#include "keyer/CwDaemonDevice.h"
#include "keyer/MorseTable.h"
#include "keyer/WinKeyerDevice.h"

#include <array>
#include <utility>

namespace keyer {
namespace {

const QString kTypeKey = QStringLiteral("Keyer/type");
const QString kWinKeyerKey = QStringLiteral("Keyer/winkeyer");
const QString kCwDaemonKey = QStringLiteral("Keyer/cwdaemon");

const std::array<std::pair<KeyerKind, QLatin1String>, 4> kTypes = {{
    {KeyerKind::Dtr, QLatin1String("dtr")},
    {KeyerKind::WinKeyer, QLatin1String("winkeyer")},
    {KeyerKind::CwDaemon, QLatin1String("cwdaemon")},
    {KeyerKind::Cat, QLatin1String("cat")},
}};

} // namespace

QByteArray deviceText(const QString& text, bool shortZero)
{
    QByteArray out;
    for (QChar c : text) {
        if (shortZero && c == QLatin1Char('0'))
            c = QLatin1Char('T');
        if (morseCode(c))
            out += char(c.unicode());
    }
    return out;
}

int wordsPerMinute(int dashTime)
{
    const int dot = dashTime / 3;
    return dot > 0 ? qRound(1200.0 / dot) : 0;
}

KeyerSettingsRead readKeyerSettings(const QString& fileName)
{
    KeyerSettingsRead read;
    const logbook::IniSettings file(fileName);
    const QString type = file.text(kTypeKey).trimmed().toLower();
    bool known = type.isEmpty();
    for (const auto& [kind, name] : kTypes) {
        if (type == name) {
            read.settings.kind = kind;
            known = true;
        }
    }
    if (!known)
        read.problem = QStringLiteral("%1, [Keyer] type: '%2' — не dtr, winkeyer, cwdaemon или cat. Манипуляция DTR/RTS")
                           .arg(file.displayName(), type);
    read.settings.winKeyerPort = file.text(kWinKeyerKey).trimmed();
    const QString address = file.text(kCwDaemonKey).trimmed();
    if (!address.isEmpty())
        read.settings.cwDaemonAddress = address;
    return read;
}

void writeKeyerSettings(const KeyerSettings& settings, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    for (const auto& [kind, name] : kTypes) {
        if (kind == settings.kind)
            file.setValue(kTypeKey, QString(name));
    }
    file.setValue(kWinKeyerKey, settings.winKeyerPort);
    file.setValue(kCwDaemonKey, settings.cwDaemonAddress);
    file.save();
}

std::unique_ptr<KeyerDevice> makeKeyerDevice(const KeyerSettings& settings)
{
    switch (settings.kind) {
    case KeyerKind::WinKeyer:
        return std::make_unique<WinKeyerDevice>(settings.winKeyerPort);
    case KeyerKind::CwDaemon:
        return std::make_unique<CwDaemonDevice>(settings.cwDaemonAddress);
    case KeyerKind::Dtr:
    case KeyerKind::Cat:
        break;
    }
    return nullptr;
}

} // namespace keyer
