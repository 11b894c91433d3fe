// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/WaveFile.h"

#include "common/FileContent.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <limits>

namespace keyer {

QString notWaveAudio(const QString& fileName)
{
    return QStringLiteral("Файл %1 не проигрывается: он повреждён или это не звук WAV").arg(fileName);
}

namespace {

constexpr int kChunkHeader = 8;
constexpr quint32 kPcmFormatSize = 16;

// Samples the player decodes itself: integer PCM, floating point, and the
// extensible header that carries either. Compressed wave files are refused.
bool playableFormat(quint16 tag)
{
    return tag == 1 || tag == 3 || tag == 0xFFFE;
}

struct WaveHeader
{
    quint32 bytesPerSecond = 0;
    qint64 dataBytes = 0; // as far as the file holds them
};

// None for a file that is no wave audio; throws KvlError for one that cannot
// be read at all.
std::optional<WaveHeader> readWaveHeader(const QString& fileName)
{
    QFile file(fileName);
    logbook::openRegular(file, QIODevice::ReadOnly);
    if (file.size() > kWaveMaxBytes)
        throw logbook::FileTooLarge(fileName, kWaveMaxBytes);
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveHeader> format;
    for (;;) {
        const QByteArray header = file.read(kChunkHeader);
        if (header.size() != kChunkHeader)
            return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const QByteArray id = header.left(4);
        if (id == "data") { // the format must come before the samples
            if (format)
                format->dataBytes = std::min<qint64>(size, file.size() - file.pos());
            return format;
        }
        if (id == "fmt ") {
            const QByteArray fmt = file.read(kPcmFormatSize);
            if (size < kPcmFormatSize || fmt.size() != int(kPcmFormatSize))
                return std::nullopt;
            const quint16 tag = qFromLittleEndian<quint16>(fmt.constData());
            const quint16 channels = qFromLittleEndian<quint16>(fmt.constData() + 2);
            if (!playableFormat(tag) || channels == 0)
                return std::nullopt;
            format = WaveHeader {qFromLittleEndian<quint32>(fmt.constData() + 8), 0};
            if (!file.seek(file.pos() - kPcmFormatSize))
                return std::nullopt;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + qint64(size) + (size & 1)))
            return std::nullopt;
    }
}

} // namespace

std::optional<QString> waveProblem(const QString& fileName)
{
    try {
        if (!readWaveHeader(fileName))
            return notWaveAudio(fileName);
    } catch (const KvlError& e) {
        return e.message();
    }
    return std::nullopt;
}

std::optional<int> waveLengthMs(const QString& fileName)
{
    std::optional<WaveHeader> header;
    try {
        header = readWaveHeader(fileName);
    } catch (const KvlError&) {
    }
    if (!header)
        return std::nullopt;
    if (header->bytesPerSecond == 0)
        return 0;
    return int(std::min<qint64>(header->dataBytes * 1000 / header->bytesPerSecond, std::numeric_limits<int>::max()));
}

} // namespace keyer
