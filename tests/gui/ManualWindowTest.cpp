// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/MainWindowFixture.h"

#include "widgets/ManualWindow.h"

#include <QAction>
#include <QImage>
#include <QTextBlock>
#include <QTextBrowser>

// "Help" opens the shipped manual in a window of the program's own, and every
// picture the manual shows is found beside it.
TEST_F(MainWindowTest, HelpOpensTheManualWithEveryPicture)
{
    writeStationData(stationLines({}));
    manualFile = QStringLiteral(KVL_SOURCE_MANUAL);
    startShown();
    form1->findChild<QAction*>(QStringLiteral("N9"))->trigger();
    auto* manual = form1->findChild<ManualWindow*>(QStringLiteral("Manual"));
    ASSERT_TRUE(manual);
    EXPECT_TRUE(manual->isVisible());
    auto* text = manual->findChild<QTextBrowser*>(QStringLiteral("ManualText"));
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("подтур")));
    QStringList pictures;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            if (part.fragment().charFormat().isImageFormat())
                pictures << part.fragment().charFormat().toImageFormat().name();
        }
    }
    EXPECT_GE(pictures.size(), 3);
    for (const QString& name : pictures) {
        const QByteArray bytes = text->loadResource(QTextDocument::ImageResource, QUrl(name)).toByteArray();
        EXPECT_FALSE(QImage::fromData(bytes).isNull()) << qPrintable(name);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(QLatin1Char('\n')));
}

TEST_F(MainWindowTest, HelpWithoutTheManualNamesWhereItLooked)
{
    writeStationData(stationLines({}));
    manualFile = QStringLiteral("/nowhere/manual.md");
    startShown();
    form1->findChild<QAction*>(QStringLiteral("N9"))->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(manualFile));
    EXPECT_FALSE(form1->findChild<ManualWindow*>(QStringLiteral("Manual")));
}
