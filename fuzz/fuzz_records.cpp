// SPDX-License-Identifier: GPL-3.0-or-later
// The state and log files as read at start-up, whatever they hold.
#include "common/KvlError.h"
#include "fuzz/FuzzFields.h"
#include "log/ContactLog.h"
#include "log/Logbook.h"
#include "log/Contact.h"
#include "log/StateRecord.h"

#include <cstdio>

using namespace logbook;

namespace {

void checkRecordDecoders(const QByteArray& bytes)
{
    QByteArray state = bytes.left(StateRecord::Size);
    state.resize(StateRecord::Size, '\0');
    const StateRecord s = StateRecord::decode(state.constData());
    FUZZ_CHECK(StateRecord::decode(s.encode().constData()) == s);
    for (qsizetype at = 0; at + Contact::Size <= bytes.size(); at += Contact::Size) {
        const Contact r = Contact::decode(bytes.constData() + at);
        for (int f = 0; f < QsoFieldCount; ++f)
            FUZZ_CHECK(r.fields[size_t(f)].size() <= Contact::Capacity[size_t(f)]);
        FUZZ_CHECK(Contact::decode(r.encode().constData()) == r);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFields in(data, size);
    const qint32 presence = in.number(); // bit 0: cfg.kvl is there, bit 1: system.kvl
    const QByteArray stateBytes = in.bytes();
    const QByteArray logBytes = in.rest();
    checkRecordDecoders(stateBytes);
    checkRecordDecoders(logBytes);

    QFile::remove(QStringLiteral("cfg.kvl"));
    QFile::remove(QStringLiteral("system.kvl"));
    if (presence & 1)
        putFile(QStringLiteral("cfg.kvl"), stateBytes);
    if (presence & 2)
        putFile(QStringLiteral("system.kvl"), logBytes);

    ContactLog grid;
    Logbook book(grid);
    FUZZ_CHECK(book.readState() == bool(presence & 1));
    book.readLog();
    FUZZ_CHECK(book.currentRow() >= 1 && book.currentRow() <= book.logFile().recordCount() + 1 + Logbook::UntrustedGap);
    FUZZ_CHECK(QFile::exists(QStringLiteral("cfg.kvl")) && QFile::exists(QStringLiteral("system.kvl")));
    // Every row below the current one shows its record, or stays empty past
    // the end of the log.
    const qsizetype stored = (presence & 2) ? logBytes.size() / Contact::Size : 0;
    for (int row = 1; row < book.currentRow(); ++row) {
        const Contact expected = row <= stored
            ? Contact::decode(logBytes.constData() + qsizetype(row - 1) * Contact::Size)
            : Contact {};
        FUZZ_CHECK(grid.contact(row) == expected);
    }
    return 0;
}
