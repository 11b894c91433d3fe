// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/Contact.h"
#include "scoring/ContestDescription.h"

#include <QString>
#include <QVector>
#include <optional>

// What makes a typed text a call, and when a logged contact repeats another.
namespace scoring {

// A call holds at least one letter; one without a digit (RAEM) is rare enough
// to be asked about once.
enum class CallForm { Call, NoLetter, NoDigit };
CallForm callForm(const QString& call);

// The contest's repeat rule: a station once in its scope (band-mode, or band)
// in a sub-tour; and, where the contest sets a gap, no contact with it again
// in any scope until the gap has passed since the last one.
struct RepeatRule
{
    RepeatScope scope = RepeatScope::BandAndMode;
    RepeatGap gap;
    bool operator==(const RepeatRule& o) const { return scope == o.scope && gap == o.gap; }
    bool operator!=(const RepeatRule& o) const { return !(*this == o); }
};
// Whether a contact at clock time `now` comes too soon after the last one with
// the station at `last`, `othersSince` contacts with other stations made
// between. A time that cannot be read is never too soon.
bool tooSoon(const RepeatGap& gap, const std::optional<QTime>& last, const std::optional<QTime>& now, int othersSince);

// Which logged contacts break the rule: a repeat in the same sub-tour and
// scope, or a contact too soon after the last one with the station.
// `subTours[i]` is record i's sub-tour; where it is not known the contact is
// never taken for a repeat in a scope, nor taken as the first of one. Rows
// without a call are no contacts.
QVector<bool> repeatedContacts(const QVector<logbook::Contact>& rows, const QVector<std::optional<int>>& subTours,
                               const RepeatRule& rule = {});

} // namespace scoring
