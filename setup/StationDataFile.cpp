// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/StationDataFile.h"

#include "common/Cp1251.h"
#include "common/FileContent.h"
#include "common/FileNames.h"
#include "common/KvlError.h"
#include "setup/RtfReader.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace setup {
namespace {

// The document as the rich-text control writes it: a Cyrillic font, then one
// paragraph per line.
constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
                           "{\\fonttbl{\\f0\\fnil\\fcharset204 Courier New;}}\r\n"
                           "\\viewkind4\\uc1\\pard\\f0\\fs20\r\n";

void appendHex(QByteArray& out, unsigned char byte)
{
    constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

void appendEscaped(QByteArray& out, const QString& line)
{
    for (const QChar ch : line) {
        const char16_t unit = ch.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += char(unit);
        } else if (unit < 0x20 || unit == 0x7F) {
            appendHex(out, static_cast<unsigned char>(unit));
        } else if (unit < 0x80) {
            out += char(unit);
        } else if (const char byte = logbook::cp1251::encodeChar(unit); byte != '?') {
            appendHex(out, static_cast<unsigned char>(byte));
        } else {
            // Beyond the code page: kept as Unicode, with "?" for older readers.
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
        }
    }
}

QStringList plainTextLines(QByteArrayView bytes)
{
    QString text = bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.sliced(3))
                                                    : logbook::cp1251::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    return lines;
}

bool holdsControlCharacter(const QStringList& lines)
{
    for (const QString& line : lines) {
        for (const QChar ch : line) {
            const char16_t unit = ch.unicode();
            if ((unit < 0x20 && unit != u'\t' && unit != u'\r' && unit != u'\n') || unit == 0x7F)
                return true;
        }
    }
    return false;
}

[[noreturn]] void notStationData(const QString& fileName, const QString& why)
{
    throw NotStationData(QStringLiteral("Файл %1 — не файл установок KVL (%2). Он не используется: установки "
                                        "начинаются с пустых полей, а сам файл переименовывается в %1.bad")
                             .arg(fileName, why));
}

} // namespace

QByteArray encodeStationData(const QStringList& lines)
{
    QByteArray out(kHeader);
    out.reserve(out.size() + lines.size() * 16);
    for (const QString& line : lines) {
        appendEscaped(out, line);
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

QStringList decodeStationData(QByteArrayView bytes)
{
    return isRtf(bytes) ? rtfLines(bytes) : plainTextLines(bytes);
}

QStringList readStationData(const QString& fileName)
{
    if (!logbook::fileExists(fileName))
        throw KvlError(QStringLiteral("Cannot open file %1").arg(fileName));
    QByteArray bytes;
    try {
        bytes = logbook::readWholeFile(fileName, kStationDataMaxBytes);
    } catch (const logbook::FileTooLarge& e) {
        notStationData(fileName, e.reason());
    }
    QStringList lines = decodeStationData(bytes);
    if (holdsControlCharacter(lines))
        notStationData(fileName, QStringLiteral("в нём двоичные данные"));
    return lines;
}

QString keepBadStationData(const QString& fileName)
{
    const QString actual = logbook::existingFileName(fileName);
    QString aside = actual + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = actual + QStringLiteral(".bad.%1").arg(n);
    if (!QFile::rename(actual, aside))
        throw KvlError(QStringLiteral("Не удалось переименовать %1 в %2: %3")
                           .arg(fileName, aside, QString::fromLocal8Bit(std::strerror(errno))));
    return aside;
}

void writeStationData(const QString& fileName, const QStringList& lines)
{
    const QByteArray bytes = encodeStationData(lines);
    // What is saved must be read back at the next start.
    if (bytes.size() > kStationDataMaxBytes)
        throw KvlError(QStringLiteral("Cannot create file %1: установки заняли бы больше %2")
                           .arg(fileName, logbook::sizeText(kStationDataMaxBytes)));
    logbook::writeWholeFile(fileName, bytes);
}

} // namespace setup
