// SPDX-License-Identifier: GPL-3.0-or-later
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
        {"rst serial suffix", "599 011", Mode::CW, nullptr, "Не хватает поля: суффикс"},
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
        {"zone serial", "3001", Mode::CW, "3 001", ""},
        {"zone serial", "161234", Mode::CW, "16 1234", ""},
        // The RS typed twice over a pre-filled one is no serial of five digits.
        {"rst serial", "59 59001", Mode::SSB, nullptr, "«59001» — не номер"},
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

// The received field opens with what stays: the RS(T) by mode, a code or
// locator from the station's last exchange or the base file; the caret where
// the first changing field is typed. Its limit fits the longest exchange.
TEST(ExchangeFieldsTest, ThePrefillKeepsWhatStaysAndLeavesTheSerialToType)
{
    const CodeLists lists = {{QStringLiteral("vl"), {QStringLiteral("VL01"), QStringLiteral("VL123")}}};
    const std::tuple<const char*, Mode, QStringList, const char*, const char*, int> cases[] = {
        {"rst serial", Mode::SSB, {}, "", "59 ", 3},
        {"rst serial locator4", Mode::CW, {"599", "007", "KO73"}, "", "599  KO73", 4},
        {"rst serial locator4", Mode::SSB, {}, "", "59 ", 3},
        {"serial code:vl|locator4", Mode::SSB, {"012", "VL01"}, "", " VL01", 0},
        {"serial code:vl|locator4", Mode::SSB, {}, "lo22", " LO22", 0}, // from the base file
        {"serial code:vl|locator4", Mode::SSB, {}, "XX", "", 0},      // an entry the field does not take
        {"rst locator4", Mode::CW, {"579", "KO85"}, "", "599 KO85", 8},
        {"rst serial suffix", Mode::CW, {"599", "003", "AB"}, "", "599 ", 4},
    };
    for (const auto& [words, mode, earlier, base, text, caret] : cases) {
        const ExchangePrefill prefill = prefillExchange(form(words), mode, earlier, QLatin1String(base), lists);
        EXPECT_EQ(prefill.text, QLatin1String(text)) << words;
        EXPECT_EQ(prefill.caret, caret) << words;
    }
    // RST 3, blank, serial 4, blank, code 5 or locator 4, and one blank more each.
    EXPECT_EQ(receivedLength(form("rst serial code:vl|locator4"), lists), 3 + 4 + 5 + 3 * 2);
}
