#pragma once

#include "log/QsoRecord.h"
#include "log/StateRecord.h"
#include "session/ContestSession.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/WorkDir.h"

#include <QTimeZone>

using namespace logbook;
using session::Changes;
using session::ContestSession;

// The rules of logging, driven as the window drives them, on real files.
class ContestSessionTest : public WorkDirTest
{
protected:
    FakeSettings settings;
    std::unique_ptr<ContestSession> contest;

    void SetUp() override
    {
        WorkDirTest::SetUp();
        settings.lines[setup::ContestVariant] = QStringLiteral("Чемпионат РА");
        restart();
    }
    void restart()
    {
        contest = std::make_unique<ContestSession>(settings);
        const Changes started = contest->start(QStringLiteral("15"));
        ASSERT_FALSE(started.error);
    }
    // Call, Enter, exchange, Enter, as the operator logs.
    Changes log(const QString& call, const QString& received, QTime at = {10, 0})
    {
        return logAt(call, received, QDateTime(QDate(2024, 2, 1), at, QTimeZone(3 * 3600)));
    }
    Changes logAt(const QString& call, const QString& received, const QDateTime& reading)
    {
        contest->scanCalls(call);
        const ContestSession::CallEntry entry = contest->enterCall(call, QString());
        if (!entry.received)
            return {};
        return contest->completeContact(received, reading);
    }
    // A cell of the grid typed over, as the grid's editor hands it on.
    Changes edit(int row, int column, const QString& text)
    {
        const QString before = contest->grid().cell(row, column);
        contest->grid().setCell(row, column, text);
        return contest->editRow(row, column, before);
    }
    static StateRecord storedState()
    {
        return StateRecord::decode(readFile(QStringLiteral("cfg.kvl")).constData());
    }
    static QsoRecord stored(int index)
    {
        return QsoRecord::decode(readFile(QStringLiteral("system.kvl")).constData() + index * QsoRecord::Size);
    }
};

