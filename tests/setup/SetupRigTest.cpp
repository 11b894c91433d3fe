// The tab "Трансивер (CAT)" and kvl.ini.
#include "tests/setup/SetupDialogFixture.h"

#include <QCompleter>
#include <QFile>

namespace {

const radio::RigSettings kNetRig {radio::kNetRigctlModel, QStringLiteral("127.0.0.1:4532"), 38400};

} // namespace

TEST_F(SetupDialogTest, TheRigRoundTripsThroughKvlIni)
{
    create();
    EXPECT_EQ(form->rigSettings(), radio::RigSettings {});
    form->FormClose();
    EXPECT_FALSE(QFile::exists(logbook::kIniFileName)); // no rig: no file

    QComboBox* model = list(QStringLiteral("RigModel"));
    model->setCurrentIndex(model->findData(kNetRig.model));
    list(QStringLiteral("RigPort"))->setEditText(kNetRig.port);
    QComboBox* speed = list(QStringLiteral("RigSpeed"));
    speed->setCurrentIndex(speed->findText(QStringLiteral("38400")));
    form->FormClose();
    EXPECT_EQ(radio::readRigSettings().settings, kNetRig);

    create();
    EXPECT_EQ(form->rigSettings(), kNetRig);
    EXPECT_TRUE(list(QStringLiteral("RigModel"))->currentText().endsWith(QStringLiteral("(2)")));
}

TEST_F(SetupDialogTest, TheRigModelIsFoundByAnyPartOfItsNameOrByItsNumber)
{
    create();
    QComboBox* model = list(QStringLiteral("RigModel"));
    model->completer()->setCompletionPrefix(QStringLiteral("dUmMy"));
    ASSERT_GT(model->completer()->completionCount(), 0);
    EXPECT_TRUE(model->completer()->currentCompletion().contains(QStringLiteral("Dummy"))); // not its first word

    model->setEditText(QStringLiteral("1035"));
    EXPECT_EQ(form->rigSettings().model, 1035);
    model->setEditText(QStringLiteral("no such rig"));
    EXPECT_EQ(form->rigSettings().model, 0);
}
