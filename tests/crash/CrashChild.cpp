// SPDX-License-Identifier: GPL-3.0-or-later
// Logs contacts from scripted keys in the real main window, reporting each
// finished step on stdout, until it is killed.
//   kvl_crash_child <folder> <seed>
// A second child in the folder says ERROR <why> and exits with 3.
// Lines: START <next row> | GRID <row>:<call>:<received> ... | DONE <row> <call> <received> |
//        DELETING <row> | DELETED <row> | RESTORING <row> | RESTORED <row> | ERROR <text>
#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/FolderLock.h"
#include "keyer/RealKeyerTime.h"
#include "tests/support/DeviceFakes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>

namespace {

class ReportingDialogs : public Dialogs
{
public:
    void showError(const QString& text) override { say(QStringLiteral("ERROR ") + text); }
    bool confirm(const QString&) override { return false; }
    static void say(const QString& line)
    {
        std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
    }
};

void writeStationData()
{
    if (QFile::exists(QStringLiteral("Mydata.kvl")))
        return;
    QStringList lines(105, QString());
    lines[15] = QStringLiteral("15");
    lines[19] = QStringLiteral("None");
    lines[20] = QStringLiteral("Others");
    QFile f(QStringLiteral("Mydata.kvl"));
    if (f.open(QIODevice::WriteOnly))
        f.write(lines.join(QStringLiteral("\r\n")).toLatin1());
}

// One word: the report's words are split at spaces.
QString receivedWord(TForm1& form, int row)
{
    return form.session().contacts().cell(row, logbook::Received).replace(QLatin1Char(' '), QLatin1Char('_'));
}

void reportStart(TForm1& form)
{
    const int next = form.session().logbook().currentRow();
    ReportingDialogs::say(QStringLiteral("START %1").arg(next));
    QString grid = QStringLiteral("GRID");
    for (int r = 1; r < next; ++r)
        grid += QStringLiteral(" %1:%2:%3").arg(r).arg(form.session().contacts().cell(r, logbook::Call), receivedWord(form, r));
    ReportingDialogs::say(grid);
}

void logOneContact(TForm1& form, QRandomGenerator& rng)
{
    auto* received = form.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    const int row = form.session().logbook().currentRow();
    const QString call = QStringLiteral("R%1A%2").arg(rng.bounded(10)).arg(row);
    QTest::keyClicks(form.focusWidget(), call);
    QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    if (received->isHidden()) { // refused as a repeat: the operator types the next call
        QTest::keyClick(form.focusWidget(), Qt::Key_Escape);
        return;
    }
    // A third of the exchanges are longer than the record holds, put in as a
    // paste is, past the field's typing limit.
    if (rng.bounded(3) == 0)
        received->setText(QStringLiteral("599 %1 KO82 QRP").arg(row));
    else
        QTest::keyClicks(form.focusWidget(), QString::number(rng.bounded(1000)));
    QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    // Reported as the grid shows it: what the operator sees logged.
    if (form.session().logbook().currentRow() == row + 1)
        ReportingDialogs::say(QStringLiteral("DONE %1 %2 %3")
                                  .arg(row)
                                  .arg(form.session().contacts().cell(row, logbook::Call), receivedWord(form, row)));
}

void deleteOrRestore(TForm1& form)
{
    const bool restoring = form.findChild<QLabel*>(QStringLiteral("Panel12"))->text() == QLatin1String("RESTORE QSO");
    const int row = form.session().logbook().currentRow() - (restoring ? 0 : 1);
    if (row < 1)
        return;
    ReportingDialogs::say(QStringLiteral("%1 %2").arg(restoring ? "RESTORING" : "DELETING").arg(row));
    QTest::keyClick(form.focusWidget(), Qt::Key_D, Qt::AltModifier);
    ReportingDialogs::say(QStringLiteral("%1 %2").arg(restoring ? "RESTORED" : "DELETED").arg(row));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    QRandomGenerator rng(quint32(QByteArray(argv[2]).toUInt()));
    ReportingDialogs dialogs;
    FolderLock lock; // as the program takes it, before any file
    if (const std::optional<QString> refusal = lock.take()) {
        dialogs.showError(*refusal);
        return 3;
    }
    writeStationData();

    SystemClock clock;
    keyer::RealKeyerTime keyerTime;
    FakePortDevice port(keyerTime);
    FakeVoicePlayer player1;
    FakeVoicePlayer player2;
    const KvlWindows windows = createWindows({clock, dialogs, port, keyerTime, player1, player2});
    TForm1& form = *windows.main;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        ReportingDialogs::say(QStringLiteral("ERROR the window did not become active"));
    reportStart(form);

    for (;;) {
        const int action = int(rng.bounded(100));
        if (action < 70) {
            logOneContact(form, rng);
        } else if (action < 80) {
            QTest::keyClick(form.focusWidget(), action % 2 ? Qt::Key_B : Qt::Key_V, Qt::AltModifier);
        } else if (action < 85) {
            QTest::keyClick(form.focusWidget(), Qt::Key_M, Qt::AltModifier);
        } else {
            deleteOrRestore(form);
        }
        QApplication::processEvents();
    }
}
