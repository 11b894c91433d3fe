// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QEvent>
#include <gtest/gtest.h>

// Window tests need an application object; every test binary gets one and
// draws offscreen unless told otherwise.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    // Qt hands some of its objects (a sound effect's audio sink) to the event
    // loop to delete; the last test leaves no loop to run them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failed;
}
