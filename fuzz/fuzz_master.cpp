// SPDX-License-Identifier: GPL-3.0-or-later
// The master call file over any text, and its matches for any typed call.
#include "common/KvlError.h"
#include "fuzz/FuzzFields.h"
#include "scoring/MasterFile.h"
#include "scoring/MasterMatch.h"

#include <cstdio>

using namespace scoring;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFields in(data, size);
    const QByteArray typed = in.bytes();
    const QByteArray file = in.rest();
    putFile(kMasterFileName, file);
    MasterIndex index({});
    try {
        index = readMasterFile(kMasterFileName);
    } catch (const KvlError&) {
        FUZZ_CHECK(file.contains('\0'));
        return 0;
    }
    for (int i = 0; i < index.size(); ++i) {
        const QByteArrayView call = index.call(i);
        FUZZ_CHECK(!call.isEmpty() && call.size() <= kMasterCallMax && index.contains(call));
        FUZZ_CHECK(QByteArray(call.data(), call.size()).toUpper() == call);
    }
    for (int id : index.containing(typed, 1000))
        FUZZ_CHECK(QByteArray(index.call(id).data(), index.call(id).size()).contains(typed));
    for (int id : index.oneAway(typed, 1000))
        FUZZ_CHECK(oneEditApart(typed, index.call(id)));
    for (const MasterCall& c : matchMaster(index, QString::fromLatin1(typed), {}, 1000))
        FUZZ_CHECK(c.correction || c.call.toLatin1().contains(typed));
    return 0;
}
