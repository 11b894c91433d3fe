#include "scoring/ExchangeFields.h"

#include <gtest/gtest.h>

using namespace scoring;
using logbook::Mode;

namespace {

ExchangeForm form(const char* words)
{
    const ExchangeFormRead read = readExchangeForm(QString::fromLatin1(words));
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    return read.form;
}

} // namespace

// The received exchanges of the contests, as their published rules give them.
TEST(ExchangeFieldsTest, EachContestsReceivedExchangeIsCheckedFieldByField)
{
    const CodeLists lists = {{QStringLiteral("vl"), {QStringLiteral("VL01"), QStringLiteral("VL02")}}};
    // The form, what is typed, the mode, and the fields taken or else the start of the reason.
    const std::tuple<const char*, const char*, Mode, const char*, const char*> cases[] = {
        // Кубок Находки: RS(T) + serial, "59001", "599002".
        {"rst serial", "59001", Mode::SSB, "59 001", ""},
        {"rst serial", "599002", Mode::CW, "599 002", ""},
        {"rst serial", "59", Mode::SSB, nullptr, "Не хватает поля: номер"},
        {"rst serial", "69 001", Mode::SSB, nullptr, "«69» — не RS(T)"},
        // Wake-Up!: RST + serial + the previous call's suffix, "579 006 XXX".
        {"rst serial suffix", "579 006 xxx", Mode::CW, "579 006 XXX", ""},
        {"rst serial suffix", "579 006 X1", Mode::CW, nullptr, "«X1» — не суффикс"},
        // Vladimir Test: serial + district ("001 VL01") or serial + locator ("001 KO85").
        {"serial code:vl|locator4", "001 VL01", Mode::CW, "001 VL01", ""},
        {"serial code:vl|locator4", "001 ko85", Mode::SSB, "001 KO85", ""},
        {"serial code:vl|locator4", "001 XX99", Mode::SSB, nullptr, "«XX99» — не код из списка vl или локатор из 4"},
        // Чемпионат ЦФО: RS(T) + serial + locator, "59 001 KO73".
        {"rst serial locator4", "59 001 KO73", Mode::SSB, "59 001 KO73", ""},
        {"rst serial locator4", "59001 KO73", Mode::SSB, "59 001 KO73", ""},
        {"rst serial locator4", "59 001 KO7", Mode::SSB, nullptr, "«KO7» — не локатор из 4 знаков"},
        {"rst serial locator4", "59 001 KO73 X", Mode::SSB, nullptr, "Лишнее в принятом номере: «X»"},
        // Чемпионат России (телеграф): zone + serial.
        {"zone serial", "3 001", Mode::CW, "3 001", ""},
    };
    for (const auto& [words, typed, mode, values, error] : cases) {
        const ExchangeCheck check = checkExchange(form(words), QString::fromLatin1(typed), lists, mode);
        SCOPED_TRACE(std::string(words) + " / " + typed);
        EXPECT_EQ(check.values.join(QLatin1Char(' ')), QString::fromLatin1(values ? values : ""));
        EXPECT_TRUE(values ? check.error.isEmpty() : check.error.startsWith(QString::fromUtf8(error)))
            << check.error.toStdString();
    }
}

TEST(ExchangeFieldsTest, TheSentExchangeAndThePreviousCallsSuffix)
{
    SentValues v;
    v.mode = Mode::CW;
    v.serial = 3;
    v.locator = QStringLiteral("ko73ab");
    v.code = QStringLiteral("vl01");
    EXPECT_EQ(sentExchange(form("rst serial locator4"), v), QStringLiteral("599 003 KO73"));
    EXPECT_EQ(sentExchange(form("serial code:vl|locator4"), v), QStringLiteral("003 VL01"));
    EXPECT_EQ(sentExchange(form("rst serial suffix"), v), QStringLiteral("599 003 QRP")); // the first contact
    v.previousCall = QStringLiteral("UA3AAA");
    v.mode = Mode::SSB;
    EXPECT_EQ(sentExchange(form("rst serial suffix"), v), QStringLiteral("59 003 AAA"));

    const std::pair<const char*, const char*> suffixes[] = {
        {"UA3AAA", "AAA"}, {"UA9XX/P", "XX"}, {"9A1A", "A"}, {"DL/UA3AB", "AB"}, {"RAEM", ""}, {"UA3", ""}, {"", ""}};
    for (const auto& [call, suffix] : suffixes)
        EXPECT_EQ(callSuffix(QString::fromLatin1(call)), QString::fromLatin1(suffix)) << call;

    EXPECT_TRUE(readExchangeForm(QStringLiteral("rst serail")).error.startsWith(QStringLiteral("поле «serail» — не одно из")));
    EXPECT_TRUE(readExchangeForm(QStringLiteral("code:")).error.startsWith(QStringLiteral("поле «code:»")));
    EXPECT_EQ(readExchangeForm(QString()).error, QStringLiteral("нет ни одного поля"));
}
