// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

// Wave files built byte by byte, for the voice players and the wave check.
namespace wavebytes {

inline QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray c(id, 4);
    char size[4];
    qToLittleEndian<quint32>(quint32(body.size()), size);
    c.append(size, 4).append(body);
    if (body.size() % 2)
        c.append('\0');
    return c;
}

// 8 kHz mono 8-bit: 16 bytes of format (PCM unless told), then the samples.
inline QByteArray pcmFormat(quint16 tag = 1)
{
    QByteArray f(16, '\0');
    qToLittleEndian<quint16>(tag, f.data());
    qToLittleEndian<quint16>(1, f.data() + 2);    // mono
    qToLittleEndian<quint32>(8000, f.data() + 4); // samples per second
    qToLittleEndian<quint32>(8000, f.data() + 8); // bytes per second
    qToLittleEndian<quint16>(1, f.data() + 12);
    qToLittleEndian<quint16>(8, f.data() + 14);
    return f;
}

inline QByteArray riff(const QByteArray& chunks)
{
    return chunk("RIFF", QByteArray("WAVE") + chunks);
}

// A playable file of `samples` samples of silence (8000 are one second),
// `beforeData` chunks between its format and its samples.
inline QByteArray silence(int samples = 80, const QByteArray& beforeData = chunk("LIST", "INFO"))
{
    return riff(chunk("fmt ", pcmFormat()) + beforeData + chunk("data", QByteArray(samples, '\x80')));
}

} // namespace wavebytes
