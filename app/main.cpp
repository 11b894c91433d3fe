#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "common/FolderLock.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "radio/HamlibRig.h"
#include "widgets/MessageBoxDialogs.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVL"));
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
    KvlWindows windows = createWindows({clock, dialogs, portDevice, keyerTime, player1, player2});
    dialogs.setParent(windows.main.get());
    QObject::connect(windows.main.get(), &TForm1::closed, &app, &QCoreApplication::quit);

    windows.main->show();
    return finishKvl(windows, app.exec());
}
