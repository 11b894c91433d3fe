// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QTime>
#include <chrono>
#include <optional>

// What a DX cluster node sends, taken apart without any socket: telnet bytes
// into lines, a line's bytes into text, a spot line into a spot.
namespace radio {

// Splits the node's bytes into lines, leaving out telnet commands, CR and
// NUL. Bytes may be split anywhere between feeds. A line longer than the
// limit is delivered once, cut to the limit, and the rest of it, up to the
// next LF, is dropped: whatever the node sends, at most one line is kept.
class TelnetLines
{
public:
    explicit TelnetLines(int lineLimit = 1024);

    // The lines these bytes complete, without their LF.
    QList<QByteArray> feed(const QByteArray& bytes);
    // The line begun and not ended yet (a login prompt has no line end).
    QByteArray pending() const { return m_line; }
    // Hands over the line begun, which then starts afresh.
    QByteArray takePending();

private:
    enum class State { Data, Command, Option, Sub, SubCommand };
    void take(char byte, QList<QByteArray>& lines);

    int m_limit;
    State m_state = State::Data;
    QByteArray m_line;
    bool m_dropping = false; // the rest of a cut line, up to its LF
};

// How a node writes its text.
enum class NodeEncoding { Ascii, Utf8, Cp1251, Koi8r };

// UTF-8 when the bytes are valid UTF-8 and not all ASCII; otherwise CP1251 or
// KOI8-R, whichever reads as more lower-case Cyrillic letters (Russian text
// read in the other one comes out mostly in capitals).
NodeEncoding encodingOf(const QByteArray& line);
QString decodeClusterText(const QByteArray& line);
// Text for the node in its encoding; ASCII and unknown mean CP1251.
QByteArray encodeClusterText(const QString& text, NodeEncoding encoding);

struct Spot
{
    qint64 frequencyHz = 0;
    QString call;    // upper case
    QString spotter; // as the node names it, without the colon
    QString comment;
    std::optional<QTime> utc;
};

// "DX de SP5XYZ-#:  14025.0  UA1AA  comment  1234Z KO85" and the like; nothing
// for any other line, or a frequency outside 100 kHz .. 300 GHz.
std::optional<Spot> parseSpotLine(const QString& line);

struct ClusterTiming
{
    std::chrono::milliseconds firstRetry {2000};
    std::chrono::milliseconds longestRetry {60000};
    // A node that neither takes nor refuses the connection by then counts as lost.
    std::chrono::milliseconds connectTimeout {20000};
};

// The wait before the next attempt after `failures` failed ones in a row:
// firstRetry after the first, doubled after each more, at most longestRetry.
std::chrono::milliseconds retryDelay(int failures, const ClusterTiming& timing);

} // namespace radio

Q_DECLARE_METATYPE(radio::Spot)
