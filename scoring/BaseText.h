// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileNames.h"

#include <QString>
#include <optional>

// Base files map a key taken from the call sign to the text the received
// exchange usually begins with: entries KEY=VALUE; in code page 1251, found by
// a plain substring search, so the line layout does not matter.
namespace scoring {

inline const QString kAsiaBaseFileName = QStringLiteral("Asia.kvl");
// The RA file is looked for as "RA.kvl" and loaded as "ra.kvl"; names match
// without regard to case, so both are the same file.
inline const QString kRaBaseTestName = QStringLiteral("RA.kvl");
inline const QString kRaBaseLoadName = QStringLiteral("ra.kvl");

// The base text loaded last. Until a file is loaded it holds a sentence with
// no "=", so no lookup can succeed.
class BaseText
{
public:
    // A real base file is read whole; even one entry for every call sign of
    // the country stays far below this. A larger file is no base (a recording,
    // a disk image): it is refused with a message rather than stall the window.
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;

    const QString& text() const { return m_text; }

    // Replaces the text with the file's content, its lines joined by CR LF,
    // when the file exists; answers whether it did. A file that exists but
    // cannot be read, or is larger than MaxBytes, throws KvlError naming it,
    // and the text stays. The same bad file is reported once, not again until
    // it changes: the RA file is loaded at every activation, and the error box
    // itself activates the window again.
    bool load(const QString& fileName);
    // At window creation: "Asia.kvl", whatever the variant.
    bool loadAsiaBase() { return load(kAsiaBaseFileName); }
    // At every activation of the window, for a contest whose base is RA's.
    bool loadRaBase() { return load(kRaBaseLoadName); }

private:
    bool read(const QString& actual);

    logbook::FileStamp m_reported; // a bad file, as it stood when said
    QString m_text = QStringLiteral("Это поле используется для баз данных.");
};

// The RA key: the first digit of the call and the character after it (a call
// without a digit starts at its first character); none when fewer than two
// characters are left.
std::optional<QString> raKey(const QString& call);

// The value of the first "key=" in the text: what stands between "=" and the
// first ";" among the six characters from "=" on, or empty when there is no
// ";" there. None when "key=" does not occur; the received field then keeps
// its text.
std::optional<QString> searchBase(const QString& baseText, const QString& key);

// The lookups of the call-entered step: the value to put into the received
// field, or none to leave it as it is (no key, no base file, no entry).
std::optional<QString> RABase(const QString& call, const BaseText& base);
std::optional<QString> AsiaBase(const QString& call, const BaseText& base);

} // namespace scoring
