// SPDX-License-Identifier: GPL-3.0-or-later
// The station data file as read at start-up: RTF, or plain text when it is not.
#include "fuzz/FuzzFields.h"
#include "setup/StationDataFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = setup::decodeStationData(bytes);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    // Whatever was read is saved at the next close of the setup dialog and
    // must come back as it was.
    const QStringList again = setup::decodeStationData(setup::encodeStationData(lines));
    if (again != lines) {
        for (qsizetype i = 0; i < qMax(lines.size(), again.size()); ++i)
            std::fprintf(stderr, "line %lld: read %s, saved and read %s\n", qlonglong(i),
                         lines.value(i).toUtf8().toPercentEncoding().constData(),
                         again.value(i).toUtf8().toPercentEncoding().constData());
    }
    FUZZ_CHECK(again == lines);
    return 0;
}
