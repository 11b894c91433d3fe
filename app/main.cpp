#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "radio/HamlibRig.h"
#include "widgets/MessageBoxDialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVL"));
    QApplication::setQuitOnLastWindowClosed(false);
    radio::settleNumericLocaleForHamlib(); // before any rig is opened

    SystemClock clock;
    MessageBoxDialogs dialogs;
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
