// SPDX-License-Identifier: GPL-3.0-or-later
// The calls scan over any log file and any entry state, in memory and
// through the log file as the window runs it.
#include "fuzz/FuzzFields.h"
#include "log/Contact.h"
#include "log/RecordFile.h"
#include "scoring/CallsScan.h"

#include <cstdio>

using namespace scoring;

namespace {

void checkResult(const CallsScanInput& input, const CallsScanResult& r)
{
    // A line stops growing once it reaches its stop, after at most one more call.
    constexpr int longestLine = CallsScanResult::LineStop + logbook::Contact::Capacity[logbook::Call];
    FUZZ_CHECK(r.subTourLine.size() < longestLine && r.logLine.size() < longestLine);
    FUZZ_CHECK(r.dupeCall.size() <= CallsScanResult::ShortCapacity);
    FUZZ_CHECK(r.rememberedExchange.size() <= CallsScanResult::ShortCapacity);
    FUZZ_CHECK(r.dupeCall.isEmpty() == r.dupeWarning.isEmpty());
    if (input.typed.isEmpty())
        FUZZ_CHECK(r.subTourLine.isEmpty() && r.logLine.isEmpty() && r.dupeCall.isEmpty());
    if (!input.callsLineShown)
        FUZZ_CHECK(r.logLine.isEmpty() && r.rememberedExchange.isEmpty());
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
    CallsScanInput input;
    input.typed = in.text();
    input.subTourStart = in.number();
    input.currentRow = in.number();
    input.modeCaption = in.text();
    input.currentBandMode = in.text();
    input.callsLineShown = in.number() & 1;
    const qint32 firstIndex = in.number();
    const QByteArray records = in.rest();

    checkResult(input, scanCallRecords(input, records, firstIndex));

    putFile(QStringLiteral("system.kvl"), records);
    const CallsScanResult fromFile = StringOfCalls(input, logbook::RecordFile(QStringLiteral("system.kvl"), logbook::Contact::Size));
    FUZZ_CHECK(!fromFile.error);
    checkResult(input, fromFile);
    return 0;
}
