// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/Contact.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace logbook {

// What a contact holds beyond its 59-byte record, in a slot of the extras
// file at the record's index: today the sent and received exchanges the
// record cuts. A slot is a format byte, the payload's length, the payload
// (UTF-8 lines "key=value"), zero bytes, and a checksum over all before it,
// so that a torn or never-written slot reads as none. Later data comes as new
// keys in the same format; the lines of keys this version does not know are
// kept as they were and written back.
struct ContactExtras
{
    static constexpr int Size = 256;

    QString sent;          // only where the record cannot hold it whole
    QString received;      // the same
    QByteArray otherLines; // keys of a later version, each line with its '\n'

    // The exchanges of `contact` its record cannot hold; no other lines.
    static ContactExtras of(const Contact& contact);
    bool isEmpty() const { return sent.isEmpty() && received.isEmpty() && otherLines.isEmpty(); }
    // The long text of an exchange field where the record still holds its
    // beginning; otherwise the record was changed without the slot (an older
    // program, a torn write) and its own text stands.
    QString longText(QsoField field, const QString& recordText) const;

    // Values are cut to Contact::LongExchange and to what the slot holds;
    // other lines that no longer fit are left out.
    QByteArray encode() const;
    static std::optional<ContactExtras> decode(const char* data); // reads exactly Size bytes
};

} // namespace logbook
