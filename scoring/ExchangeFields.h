// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// The fields of a contest's exchange, as a description names them, one word
// each, in the order they are sent and typed:
//
//   rst          RS in SSB, RST in CW ("59", "599")
//   serial       the contact's number, three digits at least ("001"); four at most received
//   coordinates  the station's coordinates from setup (the championships' rule)
//   locator      a Maidenhead locator of 4 or 6 characters; locator4, locator6
//   zone         a zone number of one or two digits
//   suffix       the letters after the last digit of the previous call worked
//                ("QRP" for the first contact)
//   code:NAME    a code from the list file NAME.list beside the description
//   text         any word
//
// A field received in more than one form lists them with "|": a region's
// station sends its district, the others their locator, "code:vl|locator4".
namespace scoring {

enum class FieldKind { Rst, Serial, Coordinates, Locator, Zone, Suffix, Code, Text };

struct FieldForm
{
    FieldKind kind = FieldKind::Text;
    int length = 0; // a locator's: 4, 6, or 0 for either
    QString list;   // a code's list name
    bool operator==(const FieldForm& o) const { return kind == o.kind && length == o.length && list == o.list; }
};

// One field: the forms it may take, the first being the one it is sent in.
using ExchangeField = std::vector<FieldForm>;
using ExchangeForm = std::vector<ExchangeField>;

// The form from a description's words, or why not (the word and the reason).
struct ExchangeFormRead
{
    ExchangeForm form;
    QString error;
};
ExchangeFormRead readExchangeForm(const QString& words);

// A list's codes, upper case, by list name.
using CodeLists = std::map<QString, QSet<QString>>;

// The received exchange as typed, its fields between blanks, checked field by
// field: the values in upper case, or the reason in Russian naming the field.
// An RS(T) or a zone typed together with the serial after it ("59001",
// "599002", "3001") is taken as both where a serial follows in the form: in
// `mode` SSB an RS of two digits first, in CW an RST of three; a zone leaves
// the serial three digits where it can.
struct ExchangeCheck
{
    QStringList values;
    QString error;
};
ExchangeCheck checkExchange(const ExchangeForm& form, const QString& typed, const CodeLists& lists,
                            logbook::Mode mode);

// The longest received exchange the form takes as typed, blanks between the
// fields, and one more each: the received field's limit.
int receivedLength(const ExchangeForm& form, const CodeLists& lists);

// What the received field opens with: what stays from contact to contact,
// the RS(T) by `mode` and each coordinates, locator, zone or code field from
// the `earlier` exchange of the station (its checked values), else from a
// base file's entry where the field takes it; never a serial, a suffix or
// text. The caret stands where the first field left empty is typed.
struct ExchangePrefill
{
    QString text;
    int caret = 0;
};
ExchangePrefill prefillExchange(const ExchangeForm& form, logbook::Mode mode, const QStringList& earlier,
                                const QString& base, const CodeLists& lists);

// What the station sends, field by field, in the first form of each; a field
// without a value is left out, text among them. The suffix is "QRP" before
// the first contact (and after a call that has none).
struct SentValues
{
    logbook::Mode mode = logbook::Mode::SSB;
    int serial = 1;
    QString coordinates;
    QString locator;
    QString zone;
    QString code;         // the station's own code of the list the form sends
    QString previousCall; // empty before the first contact
};
QString sentExchange(const ExchangeForm& form, const SentValues& values);

// The letters after the last digit of a call, a portable part aside:
// UA3AAA → AAA, UA9XX/P → XX, 9A1A → A; empty where there is none.
QString callSuffix(const QString& call);

} // namespace scoring
