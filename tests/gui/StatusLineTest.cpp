// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/KeyerWindowFixture.h"

#include <QLabel>

// The figures themselves are tested on the session; here only that the window
// shows them when they move.
TEST_F(KeyerWindowTest, StatusLineShowsContactsAndSpeedAtOnce)
{
    startKeyer(station(QStringLiteral("Com1"), {{setup::kFMacroLines[0], QStringLiteral("TT")}}), Mode::CW);
    const auto* line = control<QLabel>("StatusLine");
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    for (const char* name : {"Panel8", "Label25", "Edit4", "LabelF1", "LabelF12"})
        EXPECT_FALSE(line->geometry().intersects(control(name)->geometry())) << name;

    logContact(QStringLiteral("RA3A"), QStringLiteral("59"));
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("QSO 1 | Тур 1 (с 09:05): 1 | "))) << qPrintable(line->text());
    EXPECT_TRUE(line->text().endsWith(QStringLiteral(" | 24 WPM"))) << qPrintable(line->text());

    QString shownInside;
    duringMessage(60, [&] {
        for (int i = 0; i < 6; ++i)
            key(Qt::Key_PageDown);
        shownInside = line->text();
        time.release();
    });
    key(Qt::Key_F1);
    EXPECT_TRUE(insideMessage);
    EXPECT_TRUE(shownInside.endsWith(QStringLiteral(" | 20 WPM"))) << qPrintable(shownInside);
}
