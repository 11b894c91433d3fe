// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>
#include <vector>

// A short log of each shipped contest, worked out by hand from its published
// rules (and from the assumptions its description states where the rules are
// silent): what is taken and refused, what is sent, the points, the
// multipliers and the claimed score.

enum class Refusal { None, Exchange, Repeat, TooSoon, NotAllowed }; // NotAllowed: band, mode or the sub-tour's mode
// One contact: its UTC time (a time earlier than the one before is the next
// day), Alt+T before it, band, mode, call, the received exchange as typed,
// the exchange sent (nullptr: not checked), the points cell (nullptr if
// refused) and why it is refused.
struct ShippedQso
{
    const char* utc;
    bool newSubTour;
    int band;
    const char* mode;
    const char* call;
    const char* received;
    const char* sent;
    const char* points;
    Refusal refusal;
};
// The station's own group, code and zone, "QTH Локатор" and coordinates.
struct ShippedContestLog
{
    const char* file;
    const char* group;
    const char* code;
    const char* zone;
    const char* locator;
    const char* coordinates;
    const char* date; // the contest day in UTC
    std::vector<ShippedQso> qsos;
    int multipliers;
    qint64 claimedScore; // 0 where the judges score
};

inline const std::vector<ShippedContestLog> kShippedContestLogs = {
    // Кубок Находки: sub-tours from setup (the rules give no times), 80 m 10 SSB / 15 CW,
    // 160 m 20 / 30 as the description assumes; a station once per band and mode in a
    // sub-tour, and again only 5 minutes on or after a contact with another station.
    {"nakhodka-cup.contest", "", "", "", "PN62PT", "", "2026-02-21",
     {
         {"09:00", false, 80, "SSB", "UA0AA", "59001", "59 001", "10", Refusal::None},
         {"09:02", false, 80, "CW", "UA0AA", "599002", nullptr, nullptr, Refusal::TooSoon}, // 2 min, none between
         {"09:03", false, 80, "SSB", "RA0BB", "59 010", "59 002", "10", Refusal::None},
         {"09:04", false, 80, "CW", "UA0AA", "599003", "599 003", "15", Refusal::None}, // RA0BB between
         {"09:10", false, 80, "SSB", "RA0BB", "59011", nullptr, nullptr, Refusal::Repeat}, // gap kept, same scope
         {"09:11", false, 160, "CW", "RA0BB", "599012", "599 004", "30", Refusal::None},
         {"09:12", false, 40, "SSB", "RA0CC", "59013", nullptr, nullptr, Refusal::NotAllowed},
         {"09:13", false, 160, "SSB", "RA0CC", "59", nullptr, nullptr, Refusal::Exchange}, // no serial
         {"09:30", true, 80, "SSB", "UA0AA", "59020", "59 005", "10", Refusal::None}, // serial runs on
         {"09:31", false, 80, "SSB", "RA0BB", "59021", "59 006", "10", Refusal::None},
     },
     0, 85}, // 10 + 10 + 15 + 30 + 10 + 10, no multipliers

    // Wake-Up! QRP Sprint: 40 and 20 m CW, periods of 30 minutes from 06:00; the sent
    // suffix is the last logged call's; the judges score the kilometres.
    {"wake-up-qrp.contest", "", "", "", "KO85AB", "", "2026-03-07",
     {
         {"06:02", false, 40, "CW", "UA3AAA", "579 001 QRP", "599 001 QRP", "—", Refusal::None},
         {"06:05", false, 40, "CW", "RW3BB", "599 004 AAA", "599 002 AAA", "—", Refusal::None},
         {"06:07", false, 40, "CW", "UA3AAA", "579 005 BB", nullptr, nullptr, Refusal::Repeat},
         {"06:09", false, 20, "CW", "UA3AAA", "589 006 BB", "599 003 BB", "—", Refusal::None}, // other band
         {"06:12", false, 80, "CW", "R3CC", "599 007 AAA", nullptr, nullptr, Refusal::NotAllowed},
         {"06:31", false, 40, "CW", "UA3AAA", "579 010 ABC", "599 004 AAA", "—", Refusal::None}, // period 2
         {"06:35", false, 40, "CW", "RA3DD/P", "599 011", nullptr, nullptr, Refusal::Exchange}, // no suffix
         {"06:36", false, 40, "CW", "RA3DD/P", "599 011 AAA", "599 005 AAA", "—", Refusal::None},
         {"07:02", false, 20, "CW", "RW3BB", "599 015 DD", "599 006 DD", "—", Refusal::None}, // RA3DD/P → DD
     },
     5, 0}, // UA3AAA on 40 and 20, RW3BB on 40 and 20, RA3DD/P on 40; km × 5 is the judges'

    // Владимирский тест as a Vladimir-region station: serial + district; tours of 30
    // minutes from 16:00; 1 point a contact; districts and locator fields once per band
    // and mode; points × multipliers.
    {"vladimir-test.contest", "vl", "VL07", "", "LO06AD", "", "2026-04-03",
     {
         {"16:01", false, 80, "CW", "UA3AAA", "005 KO85", "001 VL07", "1", Refusal::None},
         {"16:03", false, 80, "CW", "RV3VA", "012 VL01", "002 VL07", "1", Refusal::None},
         {"16:04", false, 80, "SSB", "UA3AAA", "007 KO85", "003 VL07", "1", Refusal::None}, // other mode
         {"16:06", false, 80, "CW", "UA3AAA", "009 KO85", nullptr, nullptr, Refusal::Repeat},
         {"16:08", false, 160, "CW", "RA3ZZ", "004 VL00", nullptr, nullptr, Refusal::Exchange}, // no such district
         {"16:10", false, 160, "CW", "RA3ZZ", "004", nullptr, nullptr, Refusal::Exchange},      // field missing
         {"16:11", false, 160, "CW", "RA3ZZ", "004 LO16", "004 VL07", "1", Refusal::None},
         {"16:31", false, 80, "CW", "UA3AAA", "030 KO85", "005 VL07", "1", Refusal::None}, // tour 2
         {"16:33", false, 40, "CW", "R3XX", "031 KO85", nullptr, nullptr, Refusal::NotAllowed},
         {"16:35", false, 160, "CW", "RV3VA", "033 VL01", "006 VL07", "1", Refusal::None},
     },
     5, 30}, // KO 80 CW, VL01 80 CW, KO 80 SSB, LO 160 CW, VL01 160 CW = 5; 6 points × 5

    // Владимирский тест as a station elsewhere: serial + the first four characters of
    // its locator.
    {"vladimir-test.contest", "", "", "", "KO85AB", "", "2026-04-03",
     {
         {"17:02", false, 80, "SSB", "RV3VA", "101 VL01", "001 KO85", "1", Refusal::None},
         {"17:04", false, 80, "SSB", "RA3VB", "088 VL13", "002 KO85", "1", Refusal::None},
         {"17:05", false, 80, "SSB", "RV3VA", "102 VL01", nullptr, nullptr, Refusal::Repeat},
         {"17:06", false, 80, "CW", "RV3VA", "103 VL01", "003 KO85", "1", Refusal::None},
         {"17:08", false, 80, "CW", "UA3AAA", "050 KO85", "004 KO85", "1", Refusal::None},
         {"17:10", false, 80, "CW", "UA3XYZ", "051 KO85 599", nullptr, nullptr, Refusal::Exchange}, // extra field
         {"17:31", false, 80, "SSB", "RV3VA", "110 VL01", "005 KO85", "1", Refusal::None}, // tour 4
         {"17:33", false, 160, "SSB", "UA3XYZ", "052 KO91", "006 KO85", "1", Refusal::None},
     },
     5, 30}, // VL01 80 SSB, VL13 80 SSB, VL01 80 CW, KO 80 CW, KO 160 SSB = 5; 6 points × 5

    // Чемпионат ЦФО: an SSB tour from 16:00 and a CW tour from 18:00, serials running on;
    // 160-80-40, a station once per band in a tour, 1 point, big squares once per band
    // (the description's assumptions).
    {"cfo-championship.contest", "", "", "", "KO85AB", "", "2026-04-25",
     {
         {"16:02", false, 80, "SSB", "UA3AAA", "59 001 KO73", "59 001 KO85", "1", Refusal::None},
         {"16:04", false, 80, "SSB", "RA3BB", "59 010 KO82", "59 002 KO85", "1", Refusal::None},
         {"16:05", false, 80, "SSB", "UA3AAA", "59 003 KO73", nullptr, nullptr, Refusal::Repeat},
         {"16:06", false, 40, "SSB", "UA3AAA", "59 004 KO73", "59 003 KO85", "1", Refusal::None},
         {"16:08", false, 80, "CW", "RA3CC", "599 005 KO74", nullptr, nullptr, Refusal::NotAllowed}, // SSB tour
         {"16:12", false, 80, "SSB", "RA3CC", "59 005", nullptr, nullptr, Refusal::Exchange}, // no locator
         {"18:01", false, 80, "CW", "UA3AAA", "599 020 KO73", "599 004 KO85", "1", Refusal::None}, // CW tour
         {"18:03", false, 80, "SSB", "RA3BB", "59 030 KO82", nullptr, nullptr, Refusal::NotAllowed},
         {"18:05", false, 160, "CW", "RA3BB", "599 030 KO82", "599 005 KO85", "1", Refusal::None},
     },
     4, 20}, // KO73 on 80 and 40, KO82 on 80 and 160 = 4; 5 points × 4

    // Чемпионат России на КВ (телеграф): a night tour from 17:00 and a day tour from
    // 05:00 the next morning (the times from 05:00 on fall on 2026-02-15), numbered from
    // 001 in each; zone + serial typed glued; 1 point, zones once per band (assumed).
    {"russian-hf-cw.contest", "", "", "3", "KO85AB", "", "2026-02-14",
     {
         {"17:01", false, 80, "CW", "UA3AAA", "3001", "3 001", "1", Refusal::None},
         {"17:03", false, 80, "CW", "UA9BB", "9 015", "3 002", "1", Refusal::None},
         {"17:04", false, 80, "CW", "UA3AAA", "3004", nullptr, nullptr, Refusal::Repeat},
         {"17:06", false, 40, "CW", "UA3AAA", "3005", "3 003", "1", Refusal::None},
         {"17:08", false, 80, "SSB", "RA4CC", "4012", nullptr, nullptr, Refusal::NotAllowed},
         {"17:10", false, 80, "CW", "RA4CC", "X 012", nullptr, nullptr, Refusal::Exchange}, // no zone
         {"17:12", false, 80, "CW", "RA4CC", "4012", "3 004", "1", Refusal::None},
         {"05:02", false, 20, "CW", "UA3AAA", "3001", "3 001", "1", Refusal::None}, // day tour: from 001 again
         {"05:04", false, 20, "CW", "UA3AAA", "3002", nullptr, nullptr, Refusal::Repeat},
         {"05:06", false, 15, "CW", "UA9BB", "9003", "3 002", "1", Refusal::None},
         {"05:08", false, 80, "CW", "UA9BB", "9004", "3 003", "1", Refusal::None}, // zone 9 on 80 counted
     },
     6, 42}, // zones 3, 9, 4 on 80, 3 on 40, 3 on 20, 9 on 15 = 6; 7 points × 6
};
