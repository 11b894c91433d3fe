// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/MasterMatch.h"

#include <QHash>

namespace scoring {

WorkedCalls workedCalls(const logbook::ContactLog& contacts, int currentRow, const QString& currentBandMode,
                        int subTourStart, const RepeatRule& rule, const std::optional<QTime>& now)
{
    const std::optional<logbook::BandAndMode> current = logbook::parseBandModeWord(currentBandMode);
    const auto inScope = [&](int row) {
        const QString bandMode = contacts.cell(row, logbook::BandMode);
        const std::optional<logbook::BandAndMode> worked = logbook::parseBandModeWord(bandMode);
        return bandMode == currentBandMode || (worked && current && sameRepeatScope(rule.scope, *worked, *current));
    };
    WorkedCalls worked;
    QHash<QString, std::pair<int, int>> lastWith; // call: its last row, and the contacts made before it
    int made = 0;
    for (int row = 1; row < currentRow; ++row) {
        const QString call = contacts.cell(row, logbook::Call);
        if (call.isEmpty())
            continue;
        worked.logged.insert(call);
        if (row - 1 >= subTourStart && inScope(row))
            worked.repeats.insert(call);
        lastWith[call] = {row, made++};
    }
    if (rule.gap.any()) {
        for (auto last = lastWith.cbegin(); last != lastWith.cend(); ++last) {
            const auto [row, madeBefore] = last.value();
            if (tooSoon(rule.gap, contacts.contact(row).time(), now, made - madeBefore - 1))
                worked.repeats.insert(last.key());
        }
    }
    return worked;
}

namespace {

MasterCall marked(QByteArrayView call, const WorkedCalls& worked, bool correction)
{
    MasterCall entry {QString::fromLatin1(call), MasterMark::None, correction};
    if (worked.repeats.contains(entry.call))
        entry.mark = MasterMark::Repeat;
    else if (worked.logged.contains(entry.call))
        entry.mark = MasterMark::Logged;
    return entry;
}

} // namespace

std::vector<MasterCall> matchMaster(const MasterIndex& index, const QString& typed, const WorkedCalls& worked,
                                    int limit)
{
    std::vector<MasterCall> line;
    if (typed.size() < kMasterLineFrom)
        return line;
    const QByteArray call = typed.toLatin1();
    for (int id : index.containing(call, limit))
        line.push_back(marked(index.call(id), worked, false));
    if (call.size() < kCorrectionsFrom || index.contains(call))
        return line;
    for (int id : index.oneAway(call, limit)) {
        if (!index.call(id).contains(call)) // listed above already
            line.push_back(marked(index.call(id), worked, true));
    }
    return line;
}

} // namespace scoring
