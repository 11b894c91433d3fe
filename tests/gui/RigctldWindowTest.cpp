// SPDX-License-Identifier: GPL-3.0-or-later
// The window and a real rigctld serving Hamlib's dummy rig: the rig follows
// the logger, and the logger the rig, without a tug of war.
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/Rigctld.h"

#include "radio/RigSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>

using logbook::Mode;

class RigctldWindowTest : public MainWindowTest
{
protected:
    Rigctld rigctld {freePort()};

    void SetUp() override
    {
        MainWindowTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty())
            GTEST_SKIP() << "rigctld is not installed (Debian: libhamlib-utils)";
        ASSERT_TRUE(rigctld.start());
    }
    void tune(const char* command) { ASSERT_EQ(rigctld.command(QLatin1String(command)), QByteArray("RPRT 0\n")); }
    bool rigOn(const char* hz)
    {
        return QTest::qWaitFor([&] { return rigctld.command(QStringLiteral("f")) == QByteArray(hz) + '\n'; },
                               kRigctldWaitMs);
    }
    bool loggerOn(int band, Mode mode)
    {
        return QTest::qWaitFor([&] { return form1->session().selectedBand() == band && form1->session().mode() == mode; },
                               kRigctldWaitMs);
    }
};

TEST_F(RigctldWindowTest, TheRigFollowsTheLoggerAndTheLoggerTheRig)
{
    writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")},
                                   {setup::ContestVariant, QStringLiteral("Others")}}));
    radio::writeRigSettings({radio::kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(rigctld.port()), 0});
    tune("F 7010000");
    tune("M CW 0");
    startActive();
    ASSERT_TRUE(loggerOn(2, Mode::CW));

    key(Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(rigOn("14010000"));
    EXPECT_EQ(rigctld.command(QStringLiteral("m")).left(3), QByteArray("CW\n"));
    tune("F 7015000"); // by hand
    EXPECT_TRUE(loggerOn(2, Mode::CW));
    EXPECT_TRUE(rigOn("7015000")); // and it stays there

    type(QStringLiteral("14025"));
    key(Qt::Key_Return);
    EXPECT_TRUE(rigOn("14025000"));
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QString());
    tune("M USB 0");
    ASSERT_TRUE(loggerOn(3, Mode::SSB));

    tune("F 10120000");
    tune("M CW 0");
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QLabel>("StatusLine")->text().contains(QStringLiteral("10 120,0")); },
                                kRigctldWaitMs));
    EXPECT_TRUE(loggerOn(3, Mode::SSB));
    EXPECT_TRUE(readFile(QStringLiteral("system.kvl")).isEmpty()); // nothing logged
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}
