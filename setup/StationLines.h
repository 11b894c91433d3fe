// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Line numbers of the station data file "Mydata.kvl", from 0: each setup
// field owns one line; the other lines are carried through unchanged.
namespace setup {

constexpr int kTemplateLineCount = 105;

enum StationLine : int {
    Surname = 0,
    FirstName = 1,
    Patronymic = 2,
    BirthYear = 3,
    CallSign = 4,
    SportsRank = 5,
    EmailPhone = 6,
    HomeAddress = 7,
    Transceiver = 8,
    Antenna160 = 9, // 9 to 14: 160, 80, 40, 20, 15, 10 m
    Coordinates = 15,
    Computer = 16,
    StationCategory = 17,
    ContestDate = 18,
    Port = 19,
    ContestVariant = 20,
    Locator = 21,
    RegionName = 22,
    RegionCode = 23,
    RadioClub = 24,
    TxDelay = 54,
    SubTourTimes = 82,
    EnterMacro = 83,
    SpaceBarMacro = 84,
};

// Keyer texts and button captions of the twelve function keys, F1 to F12.
constexpr std::array<int, 12> kFMacroLines = {25, 26, 27, 28, 29, 30, 31, 32, 33, 48, 49, 50};
constexpr std::array<int, 12> kFCaptionLines = {35, 36, 37, 38, 39, 40, 41, 46, 47, 55, 56, 57};
constexpr std::array<int, 12> kCtrlMacroLines = {58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69};
constexpr std::array<int, 12> kCtrlCaptionLines = {70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81};

constexpr int kCoordinatesLength = 7; // the main window's cut of line 15

} // namespace setup
