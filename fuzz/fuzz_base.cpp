// SPDX-License-Identifier: GPL-3.0-or-later
// Base files and the lookups of the call-entered step over any text and call.
#include "fuzz/FuzzFields.h"
#include "scoring/BaseText.h"

#include <cstdio>

using namespace scoring;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    // The RA lookup asks only whether the file is there; its text is the one
    // loaded. Written once: replacing a file costs more than the whole check.
    putFile(kRaBaseTestName, QByteArray());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFields in(data, size);
    const QString call = in.text();
    const QByteArray file = in.rest();

    putFile(kAsiaBaseFileName, file);
    BaseText base;
    FUZZ_CHECK(base.load(kAsiaBaseFileName));

    const std::optional<QString> direct = searchBase(base.text(), call);
    if (direct)
        FUZZ_CHECK(direct->size() <= 4 && !direct->contains(QLatin1Char(';')));
    const std::optional<QString> asia = AsiaBase(call, base);
    FUZZ_CHECK(call.isEmpty() ? !asia : asia == direct);

    const std::optional<QString> key = raKey(call);
    if (key)
        FUZZ_CHECK(key->size() == 2 && call.contains(*key));
    const std::optional<QString> ra = RABase(call, base);
    FUZZ_CHECK(!key ? !ra : ra == searchBase(base.text(), *key));
    return 0;
}
