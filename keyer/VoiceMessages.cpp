#include "keyer/VoiceMessages.h"

#include "common/FileNames.h"

#include <QFileInfo>

namespace keyer {

VoiceMessages::VoiceMessages(VoicePlayer& MediaPlayer1, VoicePlayer& MediaPlayer2)
    : m_players {&MediaPlayer1, &MediaPlayer2}
{
}

const std::array<QString, 2>& VoiceMessages::fileNames()
{
    static const std::array<QString, 2> names = {QStringLiteral("CQ1.Wav"), QStringLiteral("CQ2.Wav")};
    return names;
}

void VoiceMessages::OpenVoiceFiles()
{
    for (size_t i = 0; i < m_players.size(); ++i) {
        const QString name = logbook::existingFileName(fileNames()[i]);
        if (!QFileInfo::exists(name))
            continue;
        const logbook::FileStamp current = logbook::FileStamp::of(name);
        if (current == m_reported[i])
            continue; // already reported as it stands
        try {
            m_players[i]->open(name);
            m_reported[i] = logbook::FileStamp();
        } catch (...) {
            m_reported[i] = current;
            throw;
        }
    }
}

void VoiceMessages::play(int message)
{
    const size_t i = size_t(message - 1);
    if (i >= m_players.size() || !logbook::fileExists(fileNames()[i]))
        return;
    m_players[i]->play();
}

} // namespace keyer
