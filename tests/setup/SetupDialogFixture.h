// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestCatalogue.h"
#include "setup/StationDataFile.h"
#include "setupui/Unit2.h"
#include "tests/support/DeviceFakes.h"
#include "tests/support/Fakes.h"
#include "tests/support/WorkDir.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

// The setup dialog in a fresh working directory; the main window's caption
// is recorded as the caption callback would set it (mode SSB).
class SetupDialogTest : public WorkDirTest
{
protected:
    FakeDialogs dialogs;
    FakePortEnumerator ports; // none present unless a test says so
    QStringList captions;
    setup::StationStore store; // both outlive the dialog that edits them
    setup::IniStore ini;
    std::unique_ptr<TForm2> form;

    void TearDown() override
    {
        form.reset();
        WorkDirTest::TearDown();
    }

    static TForm2::ContestOffer builtInContests()
    {
        const scoring::ContestCatalogue builtIns = scoring::loadContestCatalogue({scoring::kBuiltInContests});
        return TForm2::ContestOffer {builtIns.names(), builtIns.errors, {}};
    }

    void create(const TForm2::ContestsOffered& contests = builtInContests)
    {
        form.reset();
        form = std::make_unique<TForm2>(dialogs, ports, contests, store, ini, [this](TForm2&) {
            captions << setup::windowCaption(store.contestVariant(), QStringLiteral("SSB"), store.callSign());
        });
    }
    void reopen()
    {
        form->show();
        QApplication::processEvents();
    }

    QLineEdit* edit(const QString& name) const { return form->findChild<QLineEdit*>(name); }
    QComboBox* list(const QString& name) const { return form->findChild<QComboBox*>(name); }

    static QStringList storedLines() { return setup::readStationData(setup::kStationDataFileName); }
    static void storeLines(QStringList lines, int count = 105)
    {
        while (lines.size() < count)
            lines << QString();
        setup::writeStationData(setup::kStationDataFileName, lines);
    }

    static void storeLines(std::initializer_list<std::pair<int, QString>> values)
    {
        QStringList lines(105, QString());
        for (const auto& [line, text] : values)
            lines[line] = text;
        storeLines(lines);
    }

    // Types any text, Cyrillic included, a key per character.
    static void type(QWidget* widget, const QString& text)
    {
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
};
