#pragma once

#include "keyer/VoicePlayer.h"

#include <QDateTime>
#include <QString>
#include <array>

// The two recorded voice calls of SSB: "CQ1.Wav" on MediaPlayer1 and
// "CQ2.Wav" on MediaPlayer2, looked for in the working directory.
namespace keyer {

class VoiceMessages
{
public:
    VoiceMessages(VoicePlayer& MediaPlayer1, VoicePlayer& MediaPlayer2);

    // Every activation of the main window: each existing file is (re)opened
    // on its player, so a file recorded meanwhile is picked up. A file that is
    // not wave audio throws KvlError, and the players after it stay as they
    // are; the same bad file is reported once, not again until it changes,
    // since the error box itself activates the window again.
    void OpenVoiceFiles();

    // Buttons 1 and 2 in SSB: plays message 1 or 2 if its file exists.
    // Throws KvlError "No MCI device open" when the file appeared after the
    // last activation.
    void play(int message);

    static const std::array<QString, 2>& fileNames();

private:
    struct Reported
    {
        QString name;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Reported& o) const { return name == o.name && size == o.size && modified == o.modified; }
    };

    std::array<VoicePlayer*, 2> m_players;
    std::array<Reported, 2> m_reported;
};

} // namespace keyer
