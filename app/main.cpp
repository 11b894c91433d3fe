#include "Clock.h"
#include "SoundVoicePlayer.h"
#include "MessageBoxDialogs.h"
#include "RealKeyerTime.h"
#include "SerialPortDevice.h"
#include "TForm1.h"
#include "Unit2.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVL"));
    QApplication::setQuitOnLastWindowClosed(false);

    SystemClock clock;
    MessageBoxDialogs dialogs;
    keyer::SerialPortDevice portDevice;
    keyer::RealKeyerTime keyerTime;
    keyer::SoundVoicePlayer player1;
    keyer::SoundVoicePlayer player2;
    TForm1 form1({clock, dialogs, portDevice, keyerTime, player1, player2});
    dialogs.setParent(&form1);
    TForm2 form2(dialogs, [&form1](TForm2& settings) { form1.settingsChanged(settings); }, &form1);
    form1.attachSetupDialog(&form2); // also when the dialog could not load its file
    QObject::connect(&form1, &TForm1::closed, &app, &QCoreApplication::quit);

    form1.show();
    return app.exec();
}
