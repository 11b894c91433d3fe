// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/ContestRecorder.h"
#include "radio/RigPoller.h"
#include "radio/UdpSender.h"
#include "scoring/ContestCatalogue.h"

#include <QStringList>

class Clock;
class Dialogs;
namespace keyer {
class KeyerTime;
class PortDevice;
class PortEnumerator;
class VoicePlayer;
} // namespace keyer

// Everything outside the program that the main window touches, passed in so
// that tests can stand in for each: the clock, the message boxes, the keying
// port's device, the keyer's time, the two voice players; and, where a test
// stands in for them, the serial ports present, the rig, the network and
// the disk the contest is recorded on.
struct MainWindowServices
{
    Clock& clock;
    Dialogs& dialogs;
    keyer::PortDevice& portDevice;
    keyer::KeyerTime& keyerTime;
    keyer::VoicePlayer& player1;
    keyer::VoicePlayer& player2;
    // The serial ports present; none given: the machine's own.
    const keyer::PortEnumerator* ports = nullptr;
    // How the rig of kvl.ini is reached; none given: through Hamlib.
    radio::RigPoller::ConnectionFactory rigConnection = {};
    radio::RigTiming rigTiming = {};
    // Where the station's datagrams go out; none given: the network.
    radio::UdpSender::SinkFactory udpSink = {};
    // Where the contest's recording goes; none given: the disk.
    keyer::AudioStorage audioStorage = {};
    // Where the contest descriptions are read, a later folder's file taking an
    // earlier one's place: the program's own, then the working folder's.
    QStringList contestFolders = {scoring::kBuiltInContests, QStringLiteral("contests")};
    // The operator's manual that "Help" opens; none given: none shipped.
    QString manualFile = {};
};
