#include "keyer/WaveFile.h"

#include <QFile>
#include <QtEndian>

namespace keyer {

const char* const kNotWaveAudio = "The specified file cannot be played on the specified MCI device. "
                                  "The file may be corrupt, or not in the correct format";

namespace {

constexpr int kChunkHeader = 8;
constexpr quint32 kPcmFormatSize = 16;

// Samples the player decodes itself: integer PCM, floating point, and the
// extensible header that carries either. Compressed wave files are refused.
bool playableFormat(quint16 tag)
{
    return tag == 1 || tag == 3 || tag == 0xFFFE;
}

} // namespace

bool isWaveAudio(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    for (;;) {
        const QByteArray header = file.read(kChunkHeader);
        if (header.size() != kChunkHeader)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const QByteArray id = header.left(4);
        if (id == "data")
            return format; // the format must come before the samples
        if (id == "fmt ") {
            const QByteArray fmt = file.read(kPcmFormatSize);
            if (size < kPcmFormatSize || fmt.size() != int(kPcmFormatSize))
                return false;
            const quint16 tag = qFromLittleEndian<quint16>(fmt.constData());
            const quint16 channels = qFromLittleEndian<quint16>(fmt.constData() + 2);
            if (!playableFormat(tag) || channels == 0)
                return false;
            format = true;
            if (!file.seek(file.pos() - kPcmFormatSize))
                return false;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + qint64(size) + (size & 1)))
            return false;
    }
}

} // namespace keyer
