// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "common/FolderLock.h"
#include "common/QtTranslation.h"
#include "common/Version.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "radio/HamlibRig.h"
#include "widgets/MessageBoxDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <optional>
#include <string_view>

namespace {

// What the program ships beside itself: installed under share/kvl, or, for a
// program run from its build folder, the source tree's.
QString shipped(const QString& installedName, const QString& sourcePath)
{
    const QFileInfo installed(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kvl/") + installedName);
    return installed.exists() ? installed.absoluteFilePath() : sourcePath;
}

// `kvl --version` and `kvl --help` answer without a window (and without a
// display); any other argument is left to Qt.
std::optional<int> answerCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--version" || argument == "-v") {
            std::printf("KVL %s\n", kvl::kVersion);
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            std::printf("Запуск: kvl [--version]\n"
                        "KVL, аппаратный журнал для соревнований с подтурами. Все свои файлы он хранит\n"
                        "в папке, из которой запущен. Подробнее: man kvl и руководство в меню \"Сервис\".\n");
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = answerCommandLine(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVL"));
    QApplication::setApplicationVersion(QString::fromLatin1(kvl::kVersion));
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
    services.contestFolders = {scoring::kBuiltInContests, shipped(QStringLiteral("contests"), QStringLiteral(KVL_SOURCE_CONTESTS)),
                               QStringLiteral("contests")};
    services.manualFile = shipped(QStringLiteral("manual/manual.md"), QStringLiteral(KVL_SOURCE_MANUAL));
    KvlWindows windows = createWindows(services);
    dialogs.setParent(windows.main.get());
    QObject::connect(windows.main.get(), &TForm1::closed, &app, &QCoreApplication::quit);

    windows.main->show();
    return finishKvl(windows, app.exec());
}
