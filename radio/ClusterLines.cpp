// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/ClusterLines.h"

#include "common/Cp1251.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <utility>

namespace radio {
namespace {

// Telnet's command bytes (RFC 854).
constexpr unsigned char kIac = 255;
constexpr unsigned char kWill = 251; // WILL, WONT, DO and DONT: 251..254, each with an option byte
constexpr unsigned char kSb = 250;
constexpr unsigned char kSe = 240;

const char* const kKoi8Name = "KOI8-R";

QString koi8Text(const QByteArray& bytes)
{
    QStringDecoder decoder(kKoi8Name);
    return decoder.isValid() ? QString(decoder(bytes)) : QString();
}

int lowerCyrillic(const QString& text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) {
        return (c >= QChar(0x0430) && c <= QChar(0x044F)) || c == QChar(0x0451);
    }));
}

} // namespace

TelnetLines::TelnetLines(int lineLimit)
    : m_limit(std::max(1, lineLimit))
{
}

QList<QByteArray> TelnetLines::feed(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        switch (m_state) {
        case State::Data:
            if (b == kIac)
                m_state = State::Command;
            else
                take(c, lines);
            break;
        case State::Command:
            m_state = b == kIac ? State::Data : b >= kWill ? State::Option : b == kSb ? State::Sub : State::Data;
            if (b == kIac)
                take(c, lines); // IAC IAC: the byte 255 itself
            break;
        case State::Option:
            m_state = State::Data;
            break;
        case State::Sub:
            if (b == kIac)
                m_state = State::SubCommand;
            break;
        case State::SubCommand:
            m_state = b == kSe ? State::Data : State::Sub;
            break;
        }
    }
    return lines;
}

void TelnetLines::take(char byte, QList<QByteArray>& lines)
{
    if (byte == '\n') {
        if (!m_dropping)
            lines << std::exchange(m_line, QByteArray());
        m_dropping = false;
    } else if (byte == '\r' || byte == '\0' || m_dropping) {
        return;
    } else if (m_line.size() >= m_limit) {
        lines << std::exchange(m_line, QByteArray());
        m_dropping = true;
    } else {
        m_line += byte;
    }
}

QByteArray TelnetLines::takePending()
{
    return std::exchange(m_line, QByteArray());
}

NodeEncoding encodingOf(const QByteArray& line)
{
    if (std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return NodeEncoding::Ascii;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(line);
    if (!utf8.hasError())
        return NodeEncoding::Utf8;
    return lowerCyrillic(koi8Text(line)) > lowerCyrillic(logbook::cp1251::decode(line)) ? NodeEncoding::Koi8r
                                                                                          : NodeEncoding::Cp1251;
}

QString decodeClusterText(const QByteArray& line)
{
    switch (encodingOf(line)) {
    case NodeEncoding::Ascii:
        return QString::fromLatin1(line);
    case NodeEncoding::Utf8:
        return QString::fromUtf8(line);
    case NodeEncoding::Koi8r:
        return koi8Text(line);
    case NodeEncoding::Cp1251:
        break;
    }
    return logbook::cp1251::decode(line);
}

QByteArray encodeClusterText(const QString& text, NodeEncoding encoding)
{
    if (encoding == NodeEncoding::Utf8)
        return text.toUtf8();
    if (encoding == NodeEncoding::Koi8r) {
        QStringEncoder encoder(kKoi8Name);
        if (encoder.isValid())
            return encoder(text);
    }
    return logbook::cp1251::encode(text);
}

std::optional<Spot> parseSpotLine(const QString& line)
{
    // "DX de SPOTTER:" (the colon may touch the frequency), the frequency in
    // kHz, the call, then the rest.
    static const QRegularExpression head(
        QStringLiteral(R"(^\s*DX\s+de\s+([^\s:]+)(?::\s*|\s+)(\d+(?:\.\d*)?)\s+(\S+)(.*)$)"),
        QRegularExpression::CaseInsensitiveOption);
    // The rest: the comment, then the time, maybe followed by a locator or a country.
    static const QRegularExpression tail(QStringLiteral(R"(^(.*)\s(\d\d)(\d\d)Z(?:\s+\S+)?\s*$)"));
    static const QRegularExpression call(QStringLiteral(R"(^(?=.*[A-Z])(?=.*\d)[A-Z0-9/]+$)"));

    const QRegularExpressionMatch m = head.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double kHz = m.captured(2).toDouble(&ok);
    if (!ok || kHz < 100.0 || kHz > 300e6)
        return std::nullopt;
    Spot spot;
    spot.frequencyHz = qRound64(kHz * 1000.0);
    spot.call = m.captured(3).toUpper();
    if (!call.match(spot.call).hasMatch())
        return std::nullopt;
    spot.spotter = m.captured(1);
    const QString rest = m.captured(4);
    const QRegularExpressionMatch t = tail.match(rest);
    if (t.hasMatch()) {
        const int hour = t.captured(2).toInt();
        const int minute = t.captured(3).toInt();
        if (QTime::isValid(hour, minute, 0))
            spot.utc = QTime(hour, minute);
        spot.comment = t.captured(1).trimmed();
    } else {
        spot.comment = rest.trimmed();
    }
    return spot;
}

std::chrono::milliseconds retryDelay(int failures, const ClusterTiming& timing)
{
    std::chrono::milliseconds delay = timing.firstRetry;
    for (int i = 1; i < failures && delay.count() > 0 && delay < timing.longestRetry; ++i)
        delay *= 2;
    return std::min(delay, timing.longestRetry);
}

} // namespace radio
