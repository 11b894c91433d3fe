// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "scoring/Report.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// The XML datagrams that contest loggers send to the station's other tools
// (recorders, score boards, a second logbook), in the shapes those tools
// read: "contactinfo", "contactreplace", "contactdelete", "RadioInfo",
// "AppInfo", and the score boards' "dynamicresults". Frequencies go in tens
// of hertz, bands in megahertz, times as "yyyy-MM-dd HH:mm:ss" UTC.
namespace scoring {

// What every packet says of the station that sends it.
struct PacketStation
{
    QString computerName;
    QString call;        // the station's call sign
    QString contestName; // as the Cabrillo file names it
    QString logName;     // the log file's path
};

struct PacketContact
{
    QString id; // contactId's
    QDateTime utc;
    logbook::BandAndMode bandMode {0, logbook::Mode::SSB};
    qint64 frequencyHz = 0; // 0: not known, the band's lower edge is given
    QString call;
    QString sent;
    QString received;
    qint64 points = 0;
    bool multiplier = false;
    bool repeat = false; // kept in the log, claimed by no one
};

// 32 hex digits, the same for the same log and row at every run.
QString contactId(const QString& logMark, int row);

// An exchange as the packets carry it: the RS(T) it begins with (two digits
// in SSB, three in CW), the serial (a number standing alone, or the last
// three or four digits after the rest), and what is left.
struct ExchangeParts
{
    QString report;
    QString number;
    QString rest;
};
ExchangeParts splitExchange(const QString& exchange, logbook::Mode mode);

QByteArray contactInfoPacket(const PacketContact& contact, const PacketStation& station);
// The contact after an edit, and its call and time before it.
QByteArray contactReplacePacket(const PacketContact& contact, const QString& oldCall, const QDateTime& oldUtc,
                                const PacketStation& station);
QByteArray contactDeletePacket(const PacketContact& contact, const PacketStation& station);

struct RadioState
{
    qint64 frequencyHz = 0; // 0: no rig heard, the band's lower edge is given
    logbook::BandAndMode bandMode {0, logbook::Mode::SSB};
    QString radioName; // empty: no rig followed
    bool operator==(const RadioState& o) const
    {
        return frequencyHz == o.frequencyHz && bandMode.band == o.bandMode.band && bandMode.mode == o.bandMode.mode
               && radioName == o.radioName;
    }
};
QByteArray radioInfoPacket(const RadioState& radio, const PacketStation& station);
QByteArray appInfoPacket(const PacketStation& station);

// One band and mode of the score.
struct ScoreLine
{
    logbook::BandAndMode bandMode;
    int contacts = 0;
    qint64 points = 0;
    int multipliers = 0;
};
struct ScoreState
{
    QVector<ScoreLine> lines; // only those worked
    ReportTotals totals;
    QString power;            // Cabrillo's HIGH, LOW, QRP; empty: not said
    bool assisted = false;
    bool operator==(const ScoreState& o) const;
};
// The score's lines by band and mode from the logged rows; a repeat counts nowhere.
ScoreState scoreState(logbook::ContactRows rows, const ContestDescription* contest);
QByteArray scorePacket(const ScoreState& score, const PacketStation& station, const QDateTime& utc);

} // namespace scoring
