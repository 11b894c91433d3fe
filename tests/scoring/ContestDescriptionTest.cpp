// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ContestDescription.h"

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

// The repeat scope and gap are tested where the calls scan and the repeat
// marks apply them; here what the reader makes of the schedule and points.
TEST(ContestDescriptionTest, NakhodkaCupScoresByBandAndModeAndCfoTiesAModeToEachTour)
{
    const ContestDescription cup = read(kNakhodka);
    EXPECT_EQ(cup.bands, (std::vector<int> {0, 1}));
    EXPECT_EQ(cup.subTourStarts, (std::vector<QTime> {QTime(10, 0), QTime(10, 30), QTime(11, 0), QTime(11, 30)}));
    EXPECT_EQ(bandModePoints(cup, {1, Mode::SSB}), 10);
    EXPECT_EQ(bandModePoints(cup, {1, Mode::CW}), 15);
    EXPECT_EQ(bandModePoints(cup, {0, Mode::CW}), 0); // 160 m: no figure published
    EXPECT_EQ(subTourMode(cup, 1), std::nullopt);

    // Чемпионат ЦФО: SSB 16:00-17:59 UTC, CW 18:00-19:59; four sub-tours of
    // 30 minutes from 23:00 run past midnight.
    QByteArray text = kNakhodka;
    const ContestDescription cfo =
        read(text.replace("subtours = 4 x 30 from 10:00", "subtours = 16:00 18:00\nsubtour-modes = SSB CW"));
    EXPECT_EQ(subTourMode(cfo, 3), Mode::CW); // past the listed ones the last holds
    EXPECT_EQ(subTourMode(cfo, 0), std::nullopt);
    const ContestDescription night = read(QByteArray(kNakhodka).replace("from 10:00", "from 23:00"));
    // A night tour and the next morning's: 17:00-04:59 and 05:00-16:59 UTC.
    const ContestDescription twoDays =
        read(QByteArray(kNakhodka).replace("subtours = 4 x 30 from 10:00", "subtours = 17:00 05:00"));
    const std::tuple<const ContestDescription&, QTime, int> clock[] = {
        {cfo, {15, 59}, 0},     {cfo, {17, 59}, 1},    {cfo, {18, 0}, 2},     {cfo, {20, 0}, 0},
        {night, {23, 10}, 1},   {night, {0, 10}, 3},   {night, {0, 59}, 4},   {night, {1, 0}, 0},
        {twoDays, {20, 0}, 1},  {twoDays, {5, 30}, 2}, {twoDays, {16, 59}, 2}};
    for (const auto& [contest, utc, running] : clock)
        EXPECT_EQ(scheduledSubTour(contest, utc), running) << utc.toString().toStdString();
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
        {"subtours = 4 x 30 from 10:00", "subtours = 17:00 05:00 18:00", "строка 6: начала подтуров идут не по порядку:"},
        {"points = table", "claim = sum x multipliers\npoints = table", "claim = sum x multipliers без множителей"},
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
