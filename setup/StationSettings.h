// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Version.h"
#include "log/SubTourTimes.h"
#include "setup/StationLines.h"

#include <QString>
#include <vector>

// The station settings as their readers see them: the lines of the station
// data file, read at every use so that an edit takes effect at once.
class StationSettings
{
public:
    virtual ~StationSettings() = default;
    // The shown text of the field that owns `line` (empty for unbound lines).
    virtual QString field(int line) const = 0;

    QString callSign() const { return field(setup::CallSign); }
    QString contestVariant() const { return field(setup::ContestVariant); }
    QString port() const { return field(setup::Port); }
    QString txDelay() const { return field(setup::TxDelay); }
    QString subTourTimes() const { return field(setup::SubTourTimes); }
    QString fMacro(int key) const { return field(setup::kFMacroLines.at(size_t(key))); }
    QString fCaption(int key) const { return field(setup::kFCaptionLines.at(size_t(key))); }
    QString ctrlMacro(int key) const { return field(setup::kCtrlMacroLines.at(size_t(key))); }
    QString ctrlCaption(int key) const { return field(setup::kCtrlCaptionLines.at(size_t(key))); }
    QString enterMacro() const { return field(setup::EnterMacro); }
    QString spaceBarMacro() const { return field(setup::SpaceBarMacro); }

    // The sub-tour times as times: parsed again only once their text changed,
    // not at every clock tick that asks.
    const std::vector<QTime>& subTourTimeList() const
    {
        const QString text = subTourTimes();
        if (!m_timesParsed || text != m_timesText) {
            m_times = logbook::parseSubTourTimes(text).times;
            m_timesText = text;
            m_timesParsed = true;
        }
        return m_times;
    }

private:
    mutable QString m_timesText;
    mutable std::vector<QTime> m_times;
    mutable bool m_timesParsed = false;
};

namespace setup {

// "KVL Версия <version> : " + variant + " - " + mode caption + ". " + call sign.
inline QString windowCaption(const QString& variant, const QString& modeCaption, const QString& callSign)
{
    return QStringLiteral("KVL Версия ") + QLatin1String(kvl::kVersion) + QStringLiteral(" : ") + variant + QStringLiteral(" - ") + modeCaption
        + QStringLiteral(". ") + callSign;
}

} // namespace setup
