#pragma once

class Clock;
class Dialogs;
namespace keyer {
class KeyerTime;
class PortDevice;
class VoicePlayer;
} // namespace keyer

// Everything outside the program that the main window touches, passed in so
// that tests can stand in for each: the clock, the message boxes, the keying
// port's device, the keyer's time, and the two voice players.
struct MainWindowServices
{
    Clock& clock;
    Dialogs& dialogs;
    keyer::PortDevice& portDevice;
    keyer::KeyerTime& keyerTime;
    keyer::VoicePlayer& player1;
    keyer::VoicePlayer& player2;
};
