#include "scoring/ContestDescription.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace scoring;
using logbook::Mode;

namespace {

const QByteArray kNakhodka = "# Кубок Находки, from its published rules\n"
                             "name = Кубок Находки\n"
                             "cabrillo = NAKHODKA-CUP\n"
                             "bands = 160 80   # both\n"
                             "modes = SSB CW\n"
                             "subtours = 4 x 30 from 10:00\n"
                             "repeat = band-mode\n"
                             "gap = 5 or contact\n"
                             "points = table\n"
                             "points 80 SSB = 10\n"
                             "points 80 CW = 15\n";

ContestDescription read(const QByteArray& text)
{
    const DescriptionRead r = readContestDescription(text);
    EXPECT_TRUE(r.description) << r.error.toStdString();
    return r.description.value_or(ContestDescription {});
}

} // namespace

TEST(ContestDescriptionTest, NakhodkaCupWaitsFiveMinutesOrAnotherContactAndScoresByBandAndMode)
{
    const ContestDescription cup = read(kNakhodka);
    EXPECT_EQ(cup.name, QStringLiteral("Кубок Находки"));
    EXPECT_EQ(cup.bands, (std::vector<int> {0, 1}));
    EXPECT_EQ(cup.subTourStarts, (std::vector<QTime> {QTime(10, 0), QTime(10, 30), QTime(11, 0), QTime(11, 30)}));
    EXPECT_EQ(bandModePoints(cup, {1, Mode::SSB}), 10);
    EXPECT_EQ(bandModePoints(cup, {1, Mode::CW}), 15);
    EXPECT_EQ(bandModePoints(cup, {0, Mode::CW}), 0); // 160 m: no figure published
    const struct
    {
        qint64 minutes;
        int contacts;
        bool allowed;
    } again[] = {{4, 0, false}, {5, 0, true}, {0, 1, true}, {4, 2, true}};
    for (const auto& a : again)
        EXPECT_EQ(gapAllows(cup.gap, a.minutes, a.contacts), a.allowed) << a.minutes << " " << a.contacts;
}

TEST(ContestDescriptionTest, RepeatScopesGapsAndModesFixedPerTour)
{
    EXPECT_TRUE(sameRepeatScope(RepeatScope::Band, {2, Mode::CW}, {2, Mode::SSB}));
    EXPECT_FALSE(sameRepeatScope(RepeatScope::BandAndMode, {2, Mode::CW}, {2, Mode::SSB}));
    EXPECT_FALSE(sameRepeatScope(RepeatScope::Band, {2, Mode::CW}, {3, Mode::CW}));
    EXPECT_TRUE(gapAllows({}, 0, 0));
    EXPECT_FALSE(gapAllows({std::nullopt, true}, 600, 0)); // "contact" alone: time never does
    EXPECT_FALSE(gapAllows({5, false}, 2, 3));             // minutes alone: contacts never do

    // Чемпионат ЦФО: SSB in the first tour, CW in the second.
    QByteArray cfo = kNakhodka;
    cfo.replace("subtours = 4 x 30 from 10:00", "subtours = 16:00 18:00\nsubtour-modes = SSB CW");
    const ContestDescription c = read(cfo);
    EXPECT_EQ(subTourMode(c, 1), Mode::SSB);
    EXPECT_EQ(subTourMode(c, 2), Mode::CW);
    EXPECT_EQ(subTourMode(c, 3), Mode::CW);
    EXPECT_EQ(subTourMode(c, 0), std::nullopt); // outside the schedule
    EXPECT_EQ(subTourMode(read(kNakhodka), 1), std::nullopt);

    // Which sub-tour runs by the UTC clock: SSB 16:00-17:59, CW 18:00-19:59;
    // four of 30 minutes from 23:00 run past midnight.
    QByteArray late = kNakhodka;
    late.replace("from 10:00", "from 23:00");
    const ContestDescription night = read(late);
    const struct
    {
        const ContestDescription& contest;
        QTime utc;
        int running;
    } clock[] = {{c, {15, 59}, 0}, {c, {16, 0}, 1}, {c, {17, 59}, 1}, {c, {18, 0}, 2}, {c, {19, 59}, 2},
                 {c, {20, 0}, 0}, {night, {23, 10}, 1}, {night, {0, 10}, 3}, {night, {0, 59}, 4}, {night, {1, 0}, 0}};
    for (const auto& t : clock)
        EXPECT_EQ(scheduledSubTour(t.contest, t.utc), t.running) << t.utc.toString().toStdString();
}

// Every error names its line and its reason; a description with one is none.
TEST(ContestDescriptionTest, AnErrorNamesItsLineAndItsReason)
{
    const struct
    {
        const char* from;
        const char* to;
        const char* error;
    } cases[] = {
        {"bands = 160 80", "bands 160 80", "строка 4: нет знака «=»"},
        {"modes = SSB CW", "modes = SSB FM", "строка 5: вид работы «FM» — не SSB и не CW"},
        {"bands = 160 80", "bands = 160 60", "строка 4: диапазон «60»"},
        {"bands = 160 80", "bands = 160 160", "строка 4: «160» указан дважды"},
        {"subtours = 4 x 30 from 10:00", "subtours = 10:00 25:00", "строка 6: время «25:00»"},
        {"subtours = 4 x 30 from 10:00", "subtours = 11:00 10:00", "строка 6: начала подтуров идут не по порядку"},
        {"gap = 5 or contact", "gap = soon", "строка 8: промежуток в минутах «soon»"},
        {"repeat = band-mode", "repeat = contest", "строка 7: «contest» — не одно из"},
        {"repeat = band-mode", "colour = red", "строка 7: неизвестный ключ «colour»"},
        {"points 80 CW = 15", "points 80 SSB = 15", "строка 11: ключ «points 80 ssb» уже был в строке 10"},
        {"points = table", "points = 1", "строки «points диапазон вид» есть, а points не table"},
        {"name = Кубок Находки", "name =", "строка 2: у ключа «name» нет значения"},
        {"cabrillo = NAKHODKA-CUP", "cabrillo = Nakhodka Cup", "строка 3: имя для Cabrillo"},
        {"name = Кубок Находки\n", "", "нет названия (name)"},
        {"subtours = 4 x 30 from 10:00", "subtour-modes = SSB CW", "subtour-modes без расписания подтуров"},
        {"repeat = band-mode", "exchange = rst serail", "строка 7: поле «serail» — не одно из"},
        {"repeat = band-mode", "multipliers = locator-field", "множитель без своего поля в принятом номере"},
        {"repeat = band-mode", "sent vl = serial code:vl", "«sent vl» без «group vl»"},
        {"repeat = band-mode", "group vl = Владимирская область\nsent vl = serial code:vl", "нет «sent» для станций вне групп"},
    };
    for (const auto& c : cases) {
        QByteArray text = kNakhodka;
        text.replace(c.from, c.to);
        const DescriptionRead r = readContestDescription(text);
        EXPECT_FALSE(r.description) << c.error;
        EXPECT_TRUE(r.error.startsWith(QString::fromUtf8(c.error))) << r.error.toStdString();
    }
}

// The shipped descriptions of the three built-in contests carry their rules:
// the export names, the Asia received field's digits, the base files, the
// points and the claim.
TEST(ContestDescriptionTest, TheShippedBuiltInsCarryTheirRules)
{
    const struct
    {
        const char* file;
        const char* name;
        const char* cabrillo;
        bool digits;
        PointsKind points;
        ClaimKind claim;
        BaseKind base;
    } builtIns[] = {
        {"2-ra-championship", "Чемпионат РА", "RUS-RA-CHAMP", false, PointsKind::GaPrefix, ClaimKind::Plus, BaseKind::RA},
        {"1-asia-championship", "Чемпионат Азиатской части РФ", "RUS-ASIA-CHAMP", true, PointsKind::Coordinates, ClaimKind::Sum,
         BaseKind::Asia},
        {"3-others", "Others", "OTHER", false, PointsKind::Fixed, ClaimKind::None, BaseKind::None},
    };
    for (const auto& b : builtIns) {
        QFile file(QStringLiteral(KVL_SOURCE_DIR "/contests/%1.contest").arg(QLatin1String(b.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << b.file;
        const ContestDescription d = read(file.readAll());
        EXPECT_EQ(d.name, QString::fromUtf8(b.name)) << b.file;
        EXPECT_EQ(d.cabrillo, QLatin1String(b.cabrillo)) << b.file;
        EXPECT_EQ(d.digitsOnlyReceived, b.digits) << b.file;
        EXPECT_EQ(d.bands.size(), size_t(logbook::kBandCount)) << b.file;
        EXPECT_TRUE(d.subTourStarts.empty() && !d.gap.any() && d.repeat == RepeatScope::BandAndMode) << b.file;
        EXPECT_EQ(d.points, b.points) << b.file;
        EXPECT_EQ(d.claim, b.claim) << b.file;
        EXPECT_EQ(d.base, b.base) << b.file;
    }
}
