#pragma once

#include "common/FileNames.h"
#include "keyer/VoicePlayer.h"

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

    std::array<VoicePlayer*, 2> m_players;
    std::array<logbook::FileStamp, 2> m_reported; // bad files, as they stood when said
};

} // namespace keyer
