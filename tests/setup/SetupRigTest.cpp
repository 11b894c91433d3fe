// SPDX-License-Identifier: GPL-3.0-or-later
// The tabs "Трансивер (CAT)" and "Кластер", and kvl.ini.
#include "tests/setup/SetupDialogFixture.h"

#include <QCheckBox>
#include <QCompleter>
#include <QFile>
#include <QSpinBox>

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

// An empty login call shows the station's call it stands for.
TEST_F(SetupDialogTest, TheClusterNodeAndTheAssistedCategoryRoundTripThroughKvlIni)
{
    writeFile(logbook::kIniFileName, "[Cluster]\nhost=dxc.example.org\nport=8000\ncall=UA3AAA\nage=45\n");
    storeLines({{setup::CallSign, QStringLiteral("UA9XYZ")}});
    create();
    const auto number = [this](const char* name) { return form->findChild<QSpinBox*>(QLatin1String(name)); };
    EXPECT_EQ(edit(QStringLiteral("ClusterHost"))->text(), QStringLiteral("dxc.example.org"));
    EXPECT_EQ(number("ClusterPort")->value(), 8000);
    EXPECT_EQ(edit(QStringLiteral("ClusterCall"))->text(), QStringLiteral("UA3AAA"));
    EXPECT_EQ(number("ClusterSpotMinutes")->value(), 45);

    edit(QStringLiteral("ClusterHost"))->setText(QStringLiteral(" node.example.net "));
    edit(QStringLiteral("ClusterCall"))->clear();
    edit(QStringLiteral("Edit5"))->setText(QStringLiteral("RA9AA"));
    EXPECT_TRUE(edit(QStringLiteral("ClusterCall"))->placeholderText().contains(QStringLiteral("RA9AA")));
    for (const char* name : {"ClusterPort", "ClusterSpotMinutes"}) {
        number(name)->selectAll();
        QTest::keyClicks(number(name), QStringLiteral("20"));
    }
    form->findChild<QCheckBox*>(QStringLiteral("ExportAssisted"))->setChecked(true);
    form->FormClose();
    const QByteArray ini = readFile(logbook::kIniFileName);
    for (const char* line : {"[Cluster]", "host=node.example.net", "port=20", "call=\n", "age=20", "assisted=1"})
        EXPECT_TRUE(ini.contains(line)) << line;
}
