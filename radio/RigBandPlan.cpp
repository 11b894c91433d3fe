// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/RigBandPlan.h"

#include "radio/RigModes.h"

#include <QRegularExpression>

namespace radio {
namespace {

using logbook::Mode;

const QString kGroup = QStringLiteral("RigFrequencies/");
constexpr int kLowestTypedKhz = 1800;
constexpr int kHighestTypedKhz = 30000;
constexpr int kLowestSidebandUpperBand = 3; // 20 m

// Per band, 160 m to 10 m, in kHz.
constexpr int kStartCw[logbook::kBandCount] = {1810, 3510, 7010, 14010, 21010, 28010};
constexpr int kStartSsb[logbook::kBandCount] = {1850, 3650, 7100, 14200, 21200, 28500};

} // namespace

QString rigModeFor(int band, Mode mode)
{
    if (mode == Mode::CW)
        return QStringLiteral("CW");
    return band < kLowestSidebandUpperBand ? QStringLiteral("LSB") : QStringLiteral("USB");
}

qint64 startFrequencyHz(int band, Mode mode)
{
    const int* table = mode == Mode::CW ? kStartCw : kStartSsb;
    return qint64(table[band]) * 1000;
}

std::optional<RigTune> typedFrequency(const QString& text)
{
    static const QRegularExpression khz(QStringLiteral("^\\d+([.,]\\d*)?$"));
    if (!khz.match(text).hasMatch())
        return std::nullopt;
    QString number = text;
    const double value = number.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (value < kLowestTypedKhz || value > kHighestTypedKhz)
        return std::nullopt;
    RigTune tune;
    tune.frequencyHz = qint64(value * 1000 + 0.5);
    tune.band = logbook::contestBandOfFrequency(tune.frequencyHz);
    return tune;
}

void BandFrequencies::load(const QString& fileName)
{
    const logbook::IniSettings file(fileName);
    for (int band = 0; band < logbook::kBandCount; ++band) {
        for (Mode mode : {Mode::SSB, Mode::CW}) {
            const qint64 hz = file.text(kGroup + logbook::bandModeWord(band, mode)).toLongLong();
            m_hz[slot(band, mode)] = logbook::contestBandOfFrequency(hz) == band ? hz : 0;
        }
    }
    m_changed = false;
}

void BandFrequencies::save(const QString& fileName)
{
    if (!m_changed)
        return;
    logbook::IniSettings file(fileName);
    for (int band = 0; band < logbook::kBandCount; ++band) {
        for (Mode mode : {Mode::SSB, Mode::CW}) {
            if (const qint64 hz = m_hz[slot(band, mode)])
                file.setValue(kGroup + logbook::bandModeWord(band, mode), hz);
        }
    }
    file.save();
    m_changed = false;
}

void BandFrequencies::note(qint64 frequencyHz, const QString& rigMode)
{
    const std::optional<int> band = logbook::contestBandOfFrequency(frequencyHz);
    const std::optional<Mode> mode = logModeOfRigMode(rigMode);
    if (!band || !mode || m_hz[slot(*band, *mode)] == frequencyHz)
        return;
    m_hz[slot(*band, *mode)] = frequencyHz;
    m_changed = true;
}

RigTune BandFrequencies::tuneFor(int band, Mode mode) const
{
    const qint64 last = m_hz[slot(band, mode)];
    return {last ? last : startFrequencyHz(band, mode), rigModeFor(band, mode), band};
}

} // namespace radio
