// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/KeyerSettings.h"

#include "keyer/CwDaemonDevice.h"
#include "keyer/MorseTable.h"
#include "keyer/WinKeyerDevice.h"

#include <QStringList>
#include <array>
#include <utility>

namespace keyer {
namespace {

const QString kTypeKey = QStringLiteral("Keyer/type");
const QString kWinKeyerKey = QStringLiteral("Keyer/winkeyer");
const QString kCwDaemonKey = QStringLiteral("Keyer/cwdaemon");
const QString kVoicePttKey = QStringLiteral("Keyer/voiceptt");

const std::array<std::pair<KeyerKind, QLatin1String>, 4> kTypes = {{
    {KeyerKind::Dtr, QLatin1String("dtr")},
    {KeyerKind::WinKeyer, QLatin1String("winkeyer")},
    {KeyerKind::CwDaemon, QLatin1String("cwdaemon")},
    {KeyerKind::Cat, QLatin1String("cat")},
}};

const std::array<std::pair<VoicePtt, QLatin1String>, 6> kVoicePtts = {{
    {VoicePtt::None, QLatin1String("none")},
    {VoicePtt::CatMic, QLatin1String("cat-mic")},
    {VoicePtt::CatData, QLatin1String("cat-data")},
    {VoicePtt::Rts, QLatin1String("rts")},
    {VoicePtt::WinKeyer, QLatin1String("winkeyer")},
    {VoicePtt::CwDaemon, QLatin1String("cwdaemon")},
}};

// The entry of `key` among `names`; an empty entry is the first name. False
// for a name not among them.
template <class Kind, size_t N>
bool readChoice(const logbook::IniSettings& file, const QString& key,
                const std::array<std::pair<Kind, QLatin1String>, N>& names, Kind& kind)
{
    const QString text = file.text(key).trimmed().toLower();
    if (text.isEmpty())
        return true;
    for (const auto& [k, name] : names) {
        if (text == name) {
            kind = k;
            return true;
        }
    }
    return false;
}

template <class Kind, size_t N>
void writeChoice(logbook::IniSettings& file, const QString& key,
                 const std::array<std::pair<Kind, QLatin1String>, N>& names, Kind kind)
{
    for (const auto& [k, name] : names) {
        if (k == kind)
            file.setValue(key, QString(name));
    }
}

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

int deviceAllowanceMs(const QByteArray& text, int dashTime, int txDelayMs)
{
    constexpr int kMarginMs = 2000;
    return morseMillis(text, wordsPerMinute(dashTime)) + txDelayMs + kMarginMs;
}

KeyerSettingsRead readKeyerSettings(const QString& fileName)
{
    KeyerSettingsRead read;
    const logbook::IniSettings file(fileName);
    QStringList problems;
    if (!readChoice(file, kTypeKey, kTypes, read.settings.kind))
        problems << QStringLiteral("%1, [Keyer] type: '%2' — не dtr, winkeyer, cwdaemon или cat. Манипуляция DTR/RTS")
                        .arg(file.displayName(), file.text(kTypeKey).trimmed());
    if (!readChoice(file, kVoicePttKey, kVoicePtts, read.settings.voicePtt))
        problems << QStringLiteral("%1, [Keyer] voiceptt: '%2' — не none, cat-mic, cat-data, rts, winkeyer или "
                                   "cwdaemon. PTT для голоса нет")
                        .arg(file.displayName(), file.text(kVoicePttKey).trimmed());
    read.problem = problems.join(QStringLiteral("; "));
    read.settings.winKeyerPort = file.text(kWinKeyerKey).trimmed();
    const QString address = file.text(kCwDaemonKey).trimmed();
    if (!address.isEmpty())
        read.settings.cwDaemonAddress = address;
    return read;
}

void writeKeyerSettings(const KeyerSettings& settings, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    writeChoice(file, kTypeKey, kTypes, settings.kind);
    writeChoice(file, kVoicePttKey, kVoicePtts, settings.voicePtt);
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
