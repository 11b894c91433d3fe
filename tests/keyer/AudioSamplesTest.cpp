// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/AudioCapture.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

using keyer::SampleKind;

namespace {

template <class T>
QByteArray frames(std::initializer_list<T> values)
{
    QByteArray bytes;
    for (T v : values) {
        char at[sizeof(T)];
        std::memcpy(at, &v, sizeof v); // this machine is little-endian, as the sound is
        bytes.append(at, sizeof at);
    }
    return bytes;
}

QList<int> samplesOf(const QByteArray& mono)
{
    QList<int> out;
    for (int i = 0; i + 1 < mono.size(); i += 2)
        out << qFromLittleEndian<qint16>(mono.constData() + i);
    return out;
}

} // namespace

// Whatever the input gives, a recording holds 16-bit samples of one channel.
TEST(AudioSamples, AnyFormatBecomesOneChannelOfSixteenBits)
{
    struct Case
    {
        const char* what;
        QByteArray frames;
        int channels;
        SampleKind kind;
        QList<int> samples;
    };
    const Case cases[] = {
        {"stereo: the mean", frames<qint16>({1000, 3000, -4000, 0}), 2, SampleKind::Int16, {2000, -2000}},
        {"8-bit: centred on 128", frames<quint8>({128, 255, 0}), 1, SampleKind::UInt8, {0, 32511, -32767}},
        {"32-bit", frames<qint32>({1 << 30, -(1 << 30)}), 1, SampleKind::Int32, {16384, -16384}},
        {"float, clipped past full scale", frames<float>({0.5f, 2.0f, -3.0f}), 1, SampleKind::Float, {16384, 32767, -32767}},
        {"a frame's first bytes only: none", frames<qint16>({7}).left(1), 1, SampleKind::Int16, {}},
        {"three channels", frames<float>({0.3f, 0.3f, 0.3f}), 3, SampleKind::Float, {9830}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(samplesOf(keyer::monoSixteenBit(c.frames, c.channels, c.kind)), c.samples) << c.what;
}
