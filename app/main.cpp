// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "common/FolderLock.h"
#include "common/QtTranslation.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "radio/HamlibRig.h"
#include "widgets/MessageBoxDialogs.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace {

// The descriptions shipped with the program: installed beside it under
// share/kvl/contests, or, for a program run from its build folder, the
// source tree's.
QString shippedContests()
{
    const QDir installed(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kvl/contests"));
    return installed.exists() ? installed.absolutePath() : QStringLiteral(KVL_SOURCE_CONTESTS);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVL"));
    QTranslator qtRussian;
    installQtTranslation(app, qtRussian, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QApplication::setQuitOnLastWindowClosed(false);
    radio::settleNumericLocaleForHamlib(); // before any rig is opened

    MessageBoxDialogs dialogs;
    FolderLock lock; // held to the end
    if (const std::optional<QString> refusal = lock.take()) {
        std::fputs(qPrintable(*refusal + QLatin1Char('\n')), stderr);
        dialogs.showError(*refusal);
        return 1;
    }
    SystemClock clock;
    keyer::SerialPortDevice portDevice;
    keyer::RealKeyerTime keyerTime;
    keyer::SoundVoicePlayer player1;
    keyer::SoundVoicePlayer player2;
    MainWindowServices services {clock, dialogs, portDevice, keyerTime, player1, player2};
    services.contestFolders = {scoring::kBuiltInContests, shippedContests(), QStringLiteral("contests")};
    KvlWindows windows = createWindows(services);
    dialogs.setParent(windows.main.get());
    QObject::connect(windows.main.get(), &TForm1::closed, &app, &QCoreApplication::quit);

    windows.main->show();
    return finishKvl(windows, app.exec());
}
