// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

// A master call file such as the contest community shares: `count` distinct
// calls of many countries, a few portable, in no particular order.
inline QStringList benchMasterCalls(int count, quint32 seed = 7)
{
    static const char* const prefixes[] = {"UA", "RA", "RW", "RK", "RV", "RZ", "R", "UB", "RN", "UI", "DL", "DK",
                                           "DJ", "G", "M", "F", "I", "EA", "OK", "OM", "SP", "SM", "OH", "LY",
                                           "YL", "ES", "UR", "UT", "EW", "K", "W", "N", "AA", "VE", "JA", "BY",
                                           "HA", "YO", "LZ", "S5", "9A", "E7", "YU", "PA", "ON", "OE", "HB9", "4X"};
    QRandomGenerator random(seed);
    QSet<QString> seen;
    QStringList calls;
    while (calls.size() < count) {
        QString call = QString::fromLatin1(prefixes[random.bounded(int(std::size(prefixes)))]);
        if (!call.back().isDigit())
            call += QChar(u'0' + random.bounded(10));
        const int suffix = 1 + random.bounded(3);
        for (int i = 0; i < suffix; ++i)
            call += QChar(u'A' + random.bounded(26));
        if (random.bounded(40) == 0)
            call += QStringLiteral("/P");
        if (!seen.contains(call)) {
            seen.insert(call);
            calls << call;
        }
    }
    return calls;
}

inline QByteArray benchMasterFile(const QStringList& calls)
{
    return "# bench master file\r\n" + calls.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}
