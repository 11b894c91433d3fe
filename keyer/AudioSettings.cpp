// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/AudioSettings.h"

#include <QStringList>

namespace keyer {
namespace {

const QString kInputKey = QStringLiteral("Audio/input");
const QString kContestKey = QStringLiteral("Audio/contest");
const QString kMarginKey = QStringLiteral("Audio/margin");
constexpr int kLargestMargin = 1024 * 1024; // a terabyte

} // namespace

AudioSettingsRead readAudioSettings(const QString& fileName)
{
    AudioSettingsRead read;
    const logbook::IniSettings file(fileName);
    if (!file.readable()) {
        read.problem = file.unreadableText(QStringLiteral("Звук пишется со входа по умолчанию, контест не записывается"));
        return read;
    }
    QStringList problems;
    AudioSettings& s = read.settings;
    s.input = file.text(kInputKey).trimmed();
    const QString contest = file.text(kContestKey).trimmed();
    if (const std::optional<int> n = logbook::iniWholeNumber(contest, 0, 1, 0))
        s.recordContest = *n == 1;
    else
        problems << QStringLiteral("%1, [Audio] contest: «%2» — не 0 и не 1; контест не записывается")
                        .arg(file.displayName(), contest);
    const QString margin = file.text(kMarginKey).trimmed();
    if (const std::optional<int> n = logbook::iniWholeNumber(margin, 1, kLargestMargin, kDefaultMarginMegabytes))
        s.marginMegabytes = *n;
    else
        problems << QStringLiteral("%1, [Audio] margin: «%2» — не число мегабайт; взято %3")
                        .arg(file.displayName(), margin)
                        .arg(kDefaultMarginMegabytes);
    read.problem = problems.join(QLatin1Char('\n'));
    return read;
}

void writeAudioSettings(const AudioSettings& settings, const QString& fileName)
{
    logbook::IniSettings file(fileName);
    file.setValue(kInputKey, settings.input);
    file.setValue(kContestKey, settings.recordContest ? 1 : 0);
    file.setValue(kMarginKey, settings.marginMegabytes);
    file.save();
}

} // namespace keyer
