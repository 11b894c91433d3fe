// SPDX-License-Identifier: GPL-3.0-or-later
// The check that a voice file is wave audio, over any file.
#include "fuzz/FuzzFields.h"
#include "keyer/WaveFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    putFile(QStringLiteral("CQ1.Wav"), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const bool wave = keyer::isWaveAudio(QStringLiteral("CQ1.Wav"));
    FUZZ_CHECK(!wave || (size >= 12 && std::memcmp(data, "RIFF", 4) == 0));
    return 0;
}
