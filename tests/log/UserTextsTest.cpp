#include "common/QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// The English texts the program always had, and what the system says in its
// own words (the MCI error text); pieces of them pass too.
const QStringList kOriginalTexts = {
    QStringLiteral("Cannot open file %1"), QStringLiteral("Cannot create file %1"), QStringLiteral("No MCI device open"),
    QStringLiteral("'%1' is not a valid integer value"), QStringLiteral("ie_BadId - Specified comport doesn't exist"),
    QStringLiteral("ie_Open - device already open"), QStringLiteral("Apro exception"), QStringLiteral("Velmar ver 3.01"),
    QStringLiteral("DELETE QSO"), QStringLiteral("RESTORE QSO"), QStringLiteral("&Help"), QStringLiteral("CW (0 \\ T)"),
    QStringLiteral("CQ1"), QStringLiteral("CQ2"),
    QStringLiteral("The specified file cannot be played on the specified MCI device. The file may be corrupt, or "
                   "not in the correct format"),
    QStringLiteral("ADIF export from "), // the ADIF file's own header, never on screen
};

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
const QRegularExpression kQuoted(QStringLiteral("\"[^\"]*\"|«[^»]*»"));
const QRegularExpression kEnglishWords(QStringLiteral("[A-Za-z][a-z]+ [a-z]{2,}"));
const QRegularExpression kLatinWord(QStringLiteral("[A-Za-z]{2,}"));
// A call whose first argument a person reads.
const QRegularExpression kShownAt(QStringLiteral(
    "(KvlError|showError|confirm|setText|setToolTip|setWindowTitle|addRow|addTab|addAction|addMenu|QLabel|showRig)\\("
    "\\s*(QStringLiteral\\(|QLatin1String\\(|u)?$"));

bool original(const QString& text)
{
    static const QRegularExpression withReason(QStringLiteral(": %\\d$"));
    const QString bare = QString(text).remove(withReason); // the original text and the system's reason
    for (const QString& o : kOriginalTexts)
        if (o.contains(text) || o == bare)
            return true;
    return false;
}

// "line: text" for every string literal of `source` that reads as English
// (two words, or a word where a person reads it) with no Russian in it.
QStringList englishTexts(const QString& source)
{
    QStringList found;
    QString text;
    qsizetype start = -1, end = -1;
    const auto judge = [&] {
        // A Russian name in quotes does not make the text around it Russian.
        if (start < 0 || QString(text).remove(kQuoted).contains(kCyrillic) || original(text))
            return;
        const bool shown = source.mid(qMax<qsizetype>(0, start - 60), qMin<qsizetype>(start, 60)).trimmed().contains(kShownAt);
        if (text.contains(kEnglishWords) || (shown && text.contains(kLatinWord)))
            found << QStringLiteral("%1: %2").arg(source.left(start).count(QLatin1Char('\n')) + 1).arg(text);
    };
    for (qsizetype i = 0; i >= 0 && i < source.size(); ++i) {
        const QChar c = source[i];
        if (source.mid(i, 2) == QLatin1String("//")) {
            i = source.indexOf(QLatin1Char('\n'), i);
        } else if (source.mid(i, 2) == QLatin1String("/*")) {
            i = source.indexOf(QLatin1String("*/"), i + 2);
            i += i >= 0 ? 1 : 0;
        } else if (c == QLatin1Char('\'')) {
            i = source.indexOf(QLatin1Char('\''), i + (source.mid(i + 1, 1) == QLatin1String("\\") ? 3 : 2));
        } else if (c == QLatin1Char('"')) {
            if (end < 0 || !source.mid(end, i - end).trimmed().isEmpty()) { // not the next piece of one text
                judge();
                text.clear();
                start = i;
            }
            for (++i; i < source.size() && source[i] != QLatin1Char('"'); ++i)
                text += source[i] == QLatin1Char('\\') ? source[++i] : source[i];
            end = i + 1;
        }
    }
    judge();
    return found;
}

} // namespace

TEST(UserTexts, EveryAddedTextIsRussian)
{
    QStringList english;
    const QDir root(QStringLiteral(KVL_SOURCE_DIR));
    const QStringList notProgram = {QStringLiteral("tests"), QStringLiteral("bench"), QStringLiteral("fuzz")};
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (notProgram.contains(folder) || !root.exists(folder + QStringLiteral("/CMakeLists.txt")))
            continue;
        QDirIterator it(root.filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            for (const QString& hit : englishTexts(QString::fromUtf8(file.readAll())))
                english << root.relativeFilePath(file.fileName()) + QLatin1Char(':') + hit;
        }
    }
    EXPECT_TRUE(english.isEmpty()) << english.join(QLatin1Char('\n')).toStdString();
}

TEST(UserTexts, TheScanFindsEnglishWhereAPersonReadsIt)
{
    const struct
    {
        const char* code;
        bool english;
    } cases[] = {
        {R"(throw KvlError(QStringLiteral("Cannot read the file %1")); )", true},
        {R"(events.lost = QStringLiteral("The rig " "does not answer"); )", true},
        {R"(form->addRow(QStringLiteral("Model"), m_model); )", true},
        {R"(throw KvlError(QStringLiteral("Не удалось прочесть файл %1: %2")); )", false},
        {R"(throw KvlError(QStringLiteral("Cannot open file %1: %2").arg(name, reason)); )", false},
        {R"(// "a comment in English" )" "\n" R"(q = QLatin1Char('"'); setObjectName(u"StatusLine"); )", false},
        {R"(addTag(lines, "CATEGORY-OPERATOR", QStringLiteral("SINGLE-OP")); )", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(englishTexts(QString::fromUtf8(c.code)).isEmpty(), !c.english) << c.code;
}

TEST(UserTexts, QtSpeaksRussianWhenItsTranslationIsThere)
{
    auto& app = *QCoreApplication::instance();
    const QString yes = QStringLiteral("&Yes");
    QTranslator missing;
    QTemporaryDir empty;
    EXPECT_FALSE(installQtTranslation(app, missing, empty.path()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);

    QTranslator russian;
    ASSERT_TRUE(installQtTranslation(app, russian, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));
    QCoreApplication::removeTranslator(&russian);
}
