#pragma once

#include "log/Contact.h"

#include <QString>
#include <QVector>
#include <optional>

// What makes a typed text a call, and when a logged contact repeats another.
namespace scoring {

// A call holds at least one letter; one without a digit (RAEM) is rare enough
// to be asked about once.
enum class CallForm { Call, NoLetter, NoDigit };
CallForm callForm(const QString& call);

// Which logged contacts repeat an earlier one: the same call on the same
// band-mode word in the same sub-tour. `subTours[i]` is record i's sub-tour;
// where it is not known the contact is never taken for a repeat, nor taken as
// the first of one. Rows without a call are no contacts.
QVector<bool> repeatedContacts(const QVector<logbook::Contact>& rows, const QVector<std::optional<int>>& subTours);

} // namespace scoring
