// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Transmitter.h"

#include "radio/RigPoller.h"
#include "tests/support/DeviceFakes.h"

#include <gtest/gtest.h>

using keyer::KeyerKind;
using keyer::VoicePtt;

// A keyer device's own PTT keys the voice calls only with that keyer chosen
// for CW; otherwise the calls key nothing, and the trouble says why. A keyer
// device counts as a keyer without any keying port.
TEST(TransmitterTest, AKeyersOwnPttNeedsThatKeyerChosen)
{
    const struct
    {
        KeyerKind kind;
        VoicePtt ptt;
        const char* trouble; // "": none about the PTT
        bool portSet;
    } cases[] = {
        {KeyerKind::Dtr, VoicePtt::WinKeyer, "PTT для голоса через WinKeyer", false},
        {KeyerKind::Dtr, VoicePtt::CwDaemon, "PTT для голоса через cwdaemon", false},
        {KeyerKind::CwDaemon, VoicePtt::CwDaemon, "", true},
        {KeyerKind::Dtr, VoicePtt::Rts, "", false},
    };
    for (const auto& c : cases) {
        keyer::VirtualKeyerTime time;
        FakePortDevice port(time);
        FakeVoicePlayer player1, player2;
        radio::RigPoller rig;
        session::Transmitter transmitter(port, time, player1, player2);
        QStringList troubles;
        const auto told = [&](const QString& text) { troubles << text; };
        keyer::KeyerSettings settings;
        settings.kind = c.kind;
        settings.voicePtt = c.ptt;
        transmitter.open({settings, QString()}, QStringLiteral("None"), rig, told, told);
        const QStringList said = troubles.filter(QStringLiteral("PTT для голоса"));
        EXPECT_EQ(said.size(), *c.trouble ? 1 : 0) << troubles.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(said.isEmpty() || said.first().startsWith(QString::fromUtf8(c.trouble))) << said.value(0).toStdString();
        EXPECT_EQ(transmitter.portSet(), c.portSet) << int(c.kind);
        transmitter.close();
    }
}
