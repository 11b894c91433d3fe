// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/QtTranslation.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// The English texts the program always had, the system's own words (MCI) and
// the ADIF file's header; pieces of them pass too, and so does ": %2", a reason.
const QStringList kOriginalTexts = {
    "Cannot open file %1", "Cannot create file %1", "No MCI device open", "'%1' is not a valid integer value",
    "ie_BadId - Specified comport doesn't exist", "ie_Open - device already open", "Apro exception", "Velmar ver 3.01",
    "DELETE QSO", "RESTORE QSO", "&Help", "CW (0 \\ T)", "CQ1", "CQ2", "ADIF export from ",
    "The specified file cannot be played on the specified MCI device. The file may be corrupt, or not in the correct format"};

// Comments, characters and string literals, in the order they stand.
const QRegularExpression kToken(R"re(//[^\n]*|/\*[\s\S]*?\*/|'(?:\\.|[^'\\])+'|"((?:\\.|[^"\\])*)")re");
// The first argument of a call whose text a person reads.
const QRegularExpression kShownAt(R"((KvlError|showError|confirm|setText|setToolTip|setWindowTitle|addRow|addTab|)"
                                  R"(addAction|addMenu|QLabel|showRig)\(\s*(QStringLiteral\(|QLatin1String\(|u)?$)");

bool has(const QString& text, const char* pattern)
{
    return text.contains(QRegularExpression(QString::fromUtf8(pattern)));
}

bool original(const QString& text)
{
    const QString bare = QString(text).remove(QRegularExpression(": %\\d$"));
    return std::any_of(kOriginalTexts.begin(), kOriginalTexts.end(),
                       [&](const QString& o) { return o.contains(text) || o == bare; });
}

// The literals of `source` that read as English (two words, or a word where a
// person reads it) with no Russian but in quotes.
QStringList englishTexts(QString source)
{
    source.replace(QRegularExpression(R"("\s*\n\s*")"), QString()); // one text over several lines
    QStringList found;
    for (const QRegularExpressionMatch& m : kToken.globalMatch(source)) {
        const QString text = m.captured(1).replace(QRegularExpression(R"(\\(.))"), "\\1");
        const int at = int(m.capturedStart());
        const bool shown = source.mid(qMax(0, at - 60), qMin(at, 60)).trimmed().contains(kShownAt);
        if (m.hasCaptured(1) && !has(QString(text).remove(QRegularExpression(R"("[^"]*"|«[^»]*»)")), "[а-яА-ЯёЁ]")
            && !original(text) && (has(text, "[A-Za-z][a-z]+ [a-z]{2,}") || (shown && has(text, "[A-Za-z]{2,}"))))
            found << text;
    }
    return found;
}

} // namespace

TEST(UserTexts, EveryAddedTextIsRussian)
{
    QStringList english;
    const QDir root(KVL_SOURCE_DIR);
    QDirIterator it(root.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QString name = root.relativeFilePath(file.fileName());
        if (!has(name, "^(tests|bench|fuzz|build[^/]*)/") && file.open(QIODevice::ReadOnly))
            for (const QString& text : englishTexts(QString::fromUtf8(file.readAll())))
                english << name + ": " + text;
    }
    EXPECT_TRUE(english.isEmpty()) << english.join('\n').toStdString();
    // The scan sees through comments and characters, and a new English message fails it.
    EXPECT_EQ(englishTexts(R"(/* "read as English" */ '"' u"StatusLine" setText(QStringLiteral("Не удалось: %1")); // "a b"
              addRow(u"Model", "Cannot read "
              "file %1"); KvlError(QStringLiteral("Cannot open file %1: %2")))"),
              QStringList({"Model", "Cannot read file %1"}));
}

TEST(UserTexts, QtSpeaksRussianWhenItsTranslationIsThere)
{
    QTranslator missing, russian;
    EXPECT_FALSE(installQtTranslation(*QCoreApplication::instance(), missing, QTemporaryDir().path()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    ASSERT_TRUE(installQtTranslation(*QCoreApplication::instance(), russian, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Да");
    QCoreApplication::removeTranslator(&russian);
}
