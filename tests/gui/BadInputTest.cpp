// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program reads, damaged every way a disk or an operator can
// damage it, and pastes the entry fields were never meant for: the window
// must start, say what the operator has to mend, and keep what was logged.
#include "tests/gui/MainWindowFixture.h"

#include "../setup/WriteLimits.h"
#include "keyer/WaveFile.h"
#include "scoring/BaseText.h"
#include "setup/StationDataFile.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QtEndian>
#include <random>
#include <sys/stat.h>
#include <tuple>

using namespace logbook;

namespace {

const QString kAsia = QStringLiteral("Чемпионат Азиатской части РФ");
const QString kRa = QStringLiteral("Чемпионат РА");
constexpr qint64 kOversized = 50 * 1024 * 1024;

// No file at all in the file's place: a folder, a FIFO (which blocks an
// opener), a link to an endless device.
enum class Damage { Missing, Empty, Truncated, Oversized, Garbage, Folder, Fifo, DeviceLink };

const char* damageName(Damage d)
{
    static const char* const names[] = {"Missing", "Empty", "Truncated", "Oversized", "Garbage", "Folder", "Fifo", "DeviceLink"};
    return names[int(d)];
}

Contact contact(int n)
{
    Contact r;
    r.fields = {QStringLiteral("10:0%1").arg(n), QStringLiteral("20SSB"), QString(), QStringLiteral("RA%1A").arg(n),
                QStringLiteral("1500%1").arg(n), QStringLiteral("32%1").arg(n), QStringLiteral("0")};
    return r;
}

QByteArray garbage(int size)
{
    std::mt19937 random(20240601);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(random());
    return bytes;
}

QByteArray wave()
{
    QByteArray fmt("fmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0", 24);
    QByteArray body = "WAVE" + fmt + QByteArray("data\x04\0\0\0\0\0\0\0", 12);
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(body.size()), size.data());
    return "RIFF" + size + body;
}

// What a whole file of each kind holds before it is damaged.
QByteArray goodContent(const QString& file, const QStringList& station)
{
    if (file == QLatin1String("Mydata.kvl"))
        return setup::encodeStationData(station);
    if (file == QLatin1String("RA.kvl"))
        return "9A=ABC;\r\n";
    if (file == QLatin1String("Asia.kvl"))
        return "RA9AA=15;\r\n";
    return wave();
}

QString storedErrors(const FakeDialogs& d)
{
    return d.errors.join(QStringLiteral(" | "));
}

} // namespace

using BadFileParam = std::tuple<const char*, Damage>;

class BadFileTest : public MainWindowTest, public ::testing::WithParamInterface<BadFileParam>
{
protected:
    QString file() const { return QLatin1String(std::get<0>(GetParam())); }
    Damage damage() const { return std::get<1>(GetParam()); }
    bool baseFile() const { return file() == QLatin1String("RA.kvl") || file() == QLatin1String("Asia.kvl"); }
    QString variant() const
    {
        if (file() == QLatin1String("RA.kvl"))
            return kRa;
        return file() == QLatin1String("Asia.kvl") ? kAsia : QStringLiteral("Others");
    }
    QStringList station() const
    {
        return stationLines({{setup::Coordinates, QStringLiteral("15")}, {setup::ContestVariant, variant()},
                             {setup::CallSign, QStringLiteral("UA9XYZ")}});
    }

    // Three contacts and a state that points past them, every file whole.
    void writeGoodFiles()
    {
        writeStationData(station());
        StateRecord s;
        s.nextRow = 4;
        s.bandChangeCount = 1;
        s.bandMode = QStringLiteral("20SSB");
        s.callsLineFlag = 1;
        writeFile(QStringLiteral("cfg.kvl"), s.encode());
        writeFile(QStringLiteral("system.kvl"), contact(1).encode() + contact(2).encode() + contact(3).encode());
        for (const char* name : {"RA.kvl", "Asia.kvl", "CQ1.Wav", "CQ2.Wav"})
            writeFile(QLatin1String(name), goodContent(QLatin1String(name), station()));
    }

    QByteArray whole() const
    {
        return QFile::exists(file()) ? readFile(file()) : goodContent(file(), station());
    }

    void damageFile()
    {
        const QByteArray good = whole();
        QFile::remove(file());
        switch (damage()) {
        case Damage::Missing:
            break;
        case Damage::Empty:
            writeFile(file(), QByteArray());
            break;
        case Damage::Truncated:
            writeFile(file(), good.left(good.size() * 2 / 3 - 1));
            break;
        case Damage::Oversized: {
            // A whole file followed by zeros, made sparse so the test stays quick.
            writeFile(file(), good);
            QFile f(file());
            ASSERT_TRUE(f.resize(baseFile() ? scoring::BaseText::MaxBytes + 1 : kOversized));
            break;
        }
        case Damage::Garbage:
            writeFile(file(), garbage(4096));
            break;
        case Damage::Folder:
            ASSERT_TRUE(QDir().mkdir(file()));
            break;
        case Damage::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
            break;
        case Damage::DeviceLink:
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), file()));
            break;
        }
    }
    bool noFile() const
    {
        return damage() == Damage::Folder || damage() == Damage::Fifo || damage() == Damage::DeviceLink;
    }

    // An error box naming the file is owed when the file is there but cannot
    // be used as such, when the station file is missing, and when the state is
    // lost beside a log of contacts (the log then goes on after its last one).
    bool errorExpected() const
    {
        if (noFile())
            return true;
        if (file() == QLatin1String("cfg.kvl"))
            return damage() != Damage::Oversized && damage() != Damage::Garbage;
        if (file() == QLatin1String("Mydata.kvl") && damage() == Damage::Oversized)
            return true; // no station data file: named, and used as if missing
        if (damage() == Damage::Missing)
            return file() == QLatin1String("Mydata.kvl");
        if (baseFile())
            return damage() == Damage::Oversized; // past the ceiling of a base file
        return file().startsWith(QLatin1String("CQ"));
    }
};

TEST_P(BadFileTest, TheWindowStartsSaysWhatIsWrongAndKeepsTheLog)
{
    writeGoodFiles();
    damageFile();
    const bool logUsable = file() != QLatin1String("system.kvl") || !noFile();
    const QByteArray logBefore = logUsable ? readFile(QStringLiteral("system.kvl")) : QByteArray();
    const bool voice = file().startsWith(QLatin1String("CQ"));
    // The fake players stand for the multimedia system: they refuse what is no wave audio.
    player1.refuse = QFile::exists(QStringLiteral("CQ1.Wav")) && !keyer::isWaveAudio(QStringLiteral("CQ1.Wav"));
    player2.refuse = QFile::exists(QStringLiteral("CQ2.Wav")) && !keyer::isWaveAudio(QStringLiteral("CQ2.Wav"));

    startActive();
    // The error box itself activates the window again: a bad file is still reported once.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form1.get(), &activate);
    QApplication::processEvents();
    SCOPED_TRACE(storedErrors(dialogs).toStdString());
    const QString named = voice ? QStringLiteral("The file is not wave audio") : file();
    const qsizetype naming = dialogs.errors.filter(named, Qt::CaseInsensitive).size();
    // An empty station file has an empty port, which is no port number.
    const qsizetype portErrors = dialogs.errors.filter(QStringLiteral("is not a valid integer value")).size();
    EXPECT_EQ(naming + (file() == QLatin1String("Mydata.kvl") ? portErrors : 0), dialogs.errors.size());
    if (errorExpected()) {
        EXPECT_GE(naming, 1);
    } else if (damage() != Damage::Garbage) {
        EXPECT_EQ(naming, 0);
    }
    // The main window and the setup dialog both read the station file; a state
    // file that cannot be written is reported when read and when written back.
    const bool twice = file() == QLatin1String("Mydata.kvl") || (file() == QLatin1String("cfg.kvl") && noFile());
    EXPECT_LE(naming, twice ? 2 : 1);
    // Starting never writes into the log.
    if (logUsable) {
        EXPECT_EQ(readFile(QStringLiteral("system.kvl")), logBefore);
    }

    // The operator picks the variant again where the station file lost it, a
    // band where the state lost it, and logs on.
    form2->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->setCurrentText(variant());
    dialogs.errors.clear();
    if (form1->session().selectedBand() < 0)
        QTest::mouseClick(control<QWidget>("Panel4"), Qt::LeftButton); // 20 m
    const int row = form1->session().logbook().currentRow();
    if (file() == QLatin1String("cfg.kvl") && noFile()) {
        ASSERT_TRUE(form1->session().logNotSaved()); // said at the start; the red line since
        EXPECT_EQ(row, 4); // after the last contact, never over record 1
    }
    if (voice) {
        key(file() == QLatin1String("CQ1.Wav") ? Qt::Key_F1 : Qt::Key_F2);
        const bool played = (file() == QLatin1String("CQ1.Wav") ? player1 : player2).plays == 1;
        EXPECT_FALSE(played);
        if (damage() != Damage::Missing) {
            EXPECT_EQ(storedErrors(dialogs), QStringLiteral("No MCI device open."));
        }
        dialogs.errors.clear();
    }
    logContact(QStringLiteral("RA9AA"), QStringLiteral("123"));
    if (!logUsable || (file() == QLatin1String("cfg.kvl") && noFile())) {
        // Not logged while it cannot be saved; the red line says why.
        ASSERT_TRUE(form1->session().logNotSaved());
        EXPECT_TRUE(form1->session().logNotSaved()->contains(file()));
        EXPECT_EQ(form1->session().logbook().currentRow(), row);
        return;
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(form1->session().logbook().currentRow(), row + 1);
    EXPECT_EQ(storedRecord(row - 1).fields[Call], QStringLiteral("RA9AA"));
    // Every other record is as it was; a state that names no row (missing,
    // empty, cut short) starts the log again at row 1, over its first record.
    const QByteArray logAfter = readFile(QStringLiteral("system.kvl"));
    for (qsizetype i = 0; i + Contact::Size <= logBefore.size(); i += Contact::Size) {
        if (i / Contact::Size != row - 1) {
            EXPECT_EQ(logAfter.mid(i, Contact::Size), logBefore.mid(i, Contact::Size)) << "record " << i / Contact::Size;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileEveryDamage, BadFileTest,
    ::testing::Combine(::testing::Values("Mydata.kvl", "cfg.kvl", "system.kvl", "RA.kvl", "Asia.kvl", "CQ1.Wav", "CQ2.Wav"),
                       ::testing::Values(Damage::Missing, Damage::Empty, Damage::Truncated, Damage::Oversized,
                                         Damage::Garbage, Damage::Folder, Damage::Fifo, Damage::DeviceLink)),
    [](const ::testing::TestParamInfo<BadFileParam>& info) {
        QString name = QLatin1String(std::get<0>(info.param)) + QLatin1Char('_') + QLatin1String(damageName(std::get<1>(info.param)));
        name.replace(QLatin1Char('.'), QLatin1Char('_'));
        return name.toStdString();
    });

// The operator's own situations: a disk that fills up, files nobody may read,
// a folder nobody may write, and pastes the fields were never meant for.
class BadInputTest : public MainWindowTest
{
protected:
    void startWithThreeContacts()
    {
        writeStationData(stationLines({{setup::Coordinates, QStringLiteral("15")},
                                       {setup::ContestVariant, QStringLiteral("Others")},
                                       {setup::CallSign, QStringLiteral("UA9XYZ")}}));
        startActive();
        for (int i = 1; i <= 3; ++i)
            logContact(QStringLiteral("RA%1A").arg(i), QStringLiteral("%1").arg(i));
        ASSERT_TRUE(dialogs.errors.isEmpty()) << storedErrors(dialogs).toStdString();
    }
    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }

    // 4,000 characters, most of them outside code page 1251.
    static QString paste()
    {
        const QString piece = QStringLiteral("ab9Жё€😀中ÿ\\t{}<CALL>");
        QString text;
        while (text.size() < 4000)
            text += piece;
        return text.left(4000);
    }
    static void pasteInto(QLineEdit* field)
    {
        field->setFocus();
        field->selectAll();
        field->insert(paste()); // what a paste does, with the field's own limits
    }
};

TEST_F(BadInputTest, AFullDiskRefusesTheContactAndKeepsTheLog)
{
    startWithThreeContacts();
    const QByteArray logBefore = readFile(QStringLiteral("system.kvl"));
    {
        FileSizeLimit full(quint64(logBefore.size()));
        logContact(QStringLiteral("RA4A"), QStringLiteral("4"));
    }
    ASSERT_FALSE(dialogs.errors.isEmpty());
    EXPECT_TRUE(storedErrors(dialogs).contains(QStringLiteral("system.kvl"))) << storedErrors(dialogs).toStdString();
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")), logBefore);
    EXPECT_EQ(form1->session().logbook().currentRow(), 4);
    EXPECT_EQ(storedState().nextRow, 4);
    // Room again: the contact can be entered once more.
    dialogs.errors.clear();
    edit("Edit1")->clear();
    edit("Edit2")->clear();
    edit("Edit2")->hide();
    edit("Edit1")->setFocus();
    logContact(QStringLiteral("RA4A"), QStringLiteral("4"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << storedErrors(dialogs).toStdString();
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).left(logBefore.size()), logBefore);
    EXPECT_EQ(storedRecord(3).fields[Call], QStringLiteral("RA4A"));
}

TEST_F(BadInputTest, AFullDiskKeepsTheSetupDialogOpenAndTheOldFile)
{
    startWithThreeContacts();
    const QByteArray before = readFile(QStringLiteral("Mydata.kvl"));
    form1->N1Click();
    form2->findChild<QLineEdit*>(QStringLiteral("Edit5"))->setText(QStringLiteral("UA9NEW"));
    {
        FileSizeLimit full(64);
        form2->FormClose();
    }
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("Mydata.kvl")));
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(readFile(QStringLiteral("Mydata.kvl")), before);
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).size(), 3 * Contact::Size);
}

TEST_F(BadInputTest, UnreadableFilesAreReportedByName)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, whom file permissions do not stop; a folder in a file's place stands for an unreadable file";
    writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")}}));
    writeFile(QStringLiteral("cfg.kvl"), QByteArray());
    writeFile(QStringLiteral("system.kvl"), contact(1).encode());
    for (const char* name : {"Mydata.kvl", "cfg.kvl", "system.kvl"})
        QFile::setPermissions(QLatin1String(name), QFileDevice::WriteOwner);
    start();
    for (const char* name : {"Mydata.kvl", "cfg.kvl"})
        EXPECT_TRUE(storedErrors(dialogs).contains(QLatin1String(name))) << name;
    QFile::setPermissions(QStringLiteral("system.kvl"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")), contact(1).encode());
}

TEST_F(BadInputTest, AReadOnlyFolderIsReportedAndNothingIsLost)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, who may write into any folder; the full-disk cases cover refused writes";
    writeStationData(stationLines({{setup::ContestVariant, QStringLiteral("Others")}}));
    const QByteArray station = readFile(QStringLiteral("Mydata.kvl"));
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    start();
    EXPECT_TRUE(storedErrors(dialogs).contains(QStringLiteral("cfg.kvl"))) << storedErrors(dialogs).toStdString();
    form2->FormClose();
    EXPECT_TRUE(storedErrors(dialogs).contains(QStringLiteral("Mydata.kvl")));
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readFile(QStringLiteral("Mydata.kvl")), station);
}

TEST_F(BadInputTest, PastesIntoTheEntryFieldsAreRefusedOrCutAndLogged)
{
    startWithThreeContacts();
    const QByteArray logBefore = readFile(QStringLiteral("system.kvl"));
    pasteInto(edit("Edit1"));
    key(Qt::Key_End); // a key release runs the calls scan over what the field took
    EXPECT_LE(edit("Edit1")->text().size(), 9);
    // Of a paste into the call field only what can stand in a call is taken.
    edit("Edit1")->insert(QStringLiteral("Ж€中ÿab9z"));
    key(Qt::Key_End);
    key(Qt::Key_Return);
    ASSERT_EQ(focused(), edit("Edit2"));
    pasteInto(edit("Edit2"));
    EXPECT_LE(edit("Edit2")->text().size(), 8);
    edit("Edit2")->insert(QStringLiteral("1中3"));
    key(Qt::Key_Return);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << storedErrors(dialogs).toStdString();
    EXPECT_EQ(form1->session().logbook().currentRow(), 5);
    const Contact stored = storedRecord(3);
    EXPECT_EQ(stored.fields[Call], cp1251::decode(cp1251::encode(form1->session().contacts().cell(4, Call))));
    EXPECT_TRUE(stored.fields[Call].endsWith(QStringLiteral("AB9Z")));
    EXPECT_TRUE(stored.fields[Received].endsWith(QStringLiteral("1?3")));
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")).left(logBefore.size()), logBefore);
}

TEST_F(BadInputTest, APasteIntoTheGridEditorRewritesOnlyItsRow)
{
    startWithThreeContacts();
    const QByteArray logBefore = readFile(QStringLiteral("system.kvl"));
    auto* grid = control<QTableView>("StringGrid1");
    grid->setCurrentIndex(grid->model()->index(ContactGrid::modelRow(2), Call));
    form1->StringGrid1Click();
    QApplication::processEvents();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    pasteInto(editor);
    key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << storedErrors(dialogs).toStdString();
    const QByteArray logAfter = readFile(QStringLiteral("system.kvl"));
    ASSERT_EQ(logAfter.size(), logBefore.size());
    EXPECT_EQ(logAfter.left(Contact::Size), logBefore.left(Contact::Size));
    EXPECT_EQ(logAfter.mid(2 * Contact::Size), logBefore.mid(2 * Contact::Size));
    EXPECT_EQ(storedRecord(1).fields[Call], cp1251::decode(cp1251::encode(form1->session().contacts().cell(2, Call))).left(11));
    EXPECT_NE(storedRecord(1).fields[Call], QStringLiteral("RA2A"));
}

TEST_F(BadInputTest, PastesIntoEverySetupFieldSurviveARestart)
{
    startWithThreeContacts();
    form1->N1Click();
    const QList<QLineEdit*> fields = form2->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Edit\\d+$")));
    ASSERT_GT(fields.size(), 60);
    for (QLineEdit* field : fields)
        pasteInto(field);
    form2->FormClose();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << storedErrors(dialogs).toStdString();
    EXPECT_FALSE(form2->isVisible());
    QMap<QString, QString> shown;
    for (QLineEdit* field : fields)
        shown[field->objectName()] = field->text();
    const QByteArray logBefore = readFile(QStringLiteral("system.kvl"));

    start();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << storedErrors(dialogs).toStdString();
    for (QLineEdit* field : form2->findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Edit\\d+$"))))
        EXPECT_EQ(field->text(), shown.value(field->objectName())) << field->objectName().toStdString();
    EXPECT_EQ(form1->session().logbook().currentRow(), 4);
    EXPECT_EQ(readFile(QStringLiteral("system.kvl")), logBefore);
}
