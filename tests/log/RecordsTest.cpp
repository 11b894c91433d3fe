// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ContactExtras.h"
#include "log/ContactGrid.h"
#include "log/Contact.h"
#include "log/StateRecord.h"

#include <gtest/gtest.h>

using namespace logbook;

namespace {

Contact sample()
{
    Contact r;
    r.fields = {QStringLiteral("09:05"), QStringLiteral("160SSB"), QStringLiteral("12"), QStringLiteral("QA9ZZ"),
                QStringLiteral("15007"), QStringLiteral("Привет1"), QStringLiteral("1+")};
    return r;
}

} // namespace

TEST(Contact, FieldsSitAtTheirOffsets)
{
    const QByteArray bytes = sample().encode();
    ASSERT_EQ(bytes.size(), 59);
    struct Field
    {
        int offset;
        QByteArray text;
    };
    const Field fields[] = {{0, "09:05"}, {6, "160SSB"}, {15, "12"}, {19, "QA9ZZ"},
                            {31, "15007"}, {43, "\xCF\xF0\xE8\xE2\xE5\xF2" "1"}, {55, "1+"}};
    for (const auto& f : fields) {
        EXPECT_EQ(int(uchar(bytes[f.offset])), f.text.size()) << f.offset;
        EXPECT_EQ(bytes.mid(f.offset + 1, f.text.size()), f.text) << f.offset;
    }
}

TEST(Contact, RoundTripKeepsCyrillic)
{
    const Contact r = sample();
    EXPECT_EQ(Contact::decode(r.encode().constData()), r);
}

TEST(Contact, LongTextsAreCutToTheirCapacity)
{
    Contact r;
    r.fields = {QStringLiteral("123456"), QStringLiteral("ABCDEFGHIJ"), QStringLiteral("1234"),
                QStringLiteral("ABCDEFGHIJKL"), QStringLiteral("123456789012"), QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ"),
                QStringLiteral("1234")};
    const Contact back = Contact::decode(r.encode().constData());
    for (int i = 0; i < QsoFieldCount; ++i)
        EXPECT_EQ(back.fields[size_t(i)], r.fields[size_t(i)].left(Contact::Capacity[size_t(i)])) << i;
}

// An edit pasted into the grid keeps what the files keep: the record's
// capacity, the long length for the exchanges.
TEST(Contact, AGridEditKeepsWhatTheFilesHold)
{
    ContactLog contacts;
    ContactGrid grid(contacts);
    for (const auto& [column, kept] : {std::pair {Call, 11}, {Sent, Contact::LongExchange}, {Received, Contact::LongExchange}}) {
        ASSERT_TRUE(grid.setData(grid.index(ContactGrid::modelRow(1), column), QString(10000, QLatin1Char('7')), Qt::EditRole));
        EXPECT_EQ(contacts.cell(1, column), QString(kept, QLatin1Char('7'))) << column;
    }
}

// Keys of a later version come back as they were, as far as both exchanges
// at their longest leave room for them, even in characters of three bytes.
TEST(ContactExtras, LaterKeysAreKeptWhereTheExchangesLeaveRoom)
{
    ContactExtras extras;
    extras.otherLines = "voice=contact-17.wav\n";
    for (const char16_t letter : {u'Ж', u'中'}) {
        extras.sent = extras.received = QString(Contact::LongExchange, QChar(letter));
        const std::optional<ContactExtras> back = ContactExtras::decode(extras.encode().constData());
        ASSERT_TRUE(back);
        EXPECT_TRUE(extras.sent.startsWith(back->sent) && extras.received.startsWith(back->received));
        EXPECT_GT(back->received.size(), Contact::Capacity[Received]);
        EXPECT_EQ(back->otherLines, letter == u'Ж' ? extras.otherLines : QByteArray());
    }
}

TEST(Contact, CharactersOutsideTheCodePageKeepTheLayout)
{
    Contact r;
    r.fields[Call] = QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀");
    r.fields[Points] = QStringLiteral("1");
    const QByteArray bytes = r.encode();
    ASSERT_EQ(bytes.size(), 59);
    EXPECT_EQ(int(bytes[19]), 11);
    EXPECT_EQ(Contact::decode(bytes.constData()).fields[Points], QStringLiteral("1"));
}

TEST(Contact, ADamagedLengthByteNeverReadsPastItsField)
{
    QByteArray bytes(59, 'X');
    for (int offset : {0, 6, 15, 19, 31, 43, 55})
        bytes[offset] = char(0xFF);
    const Contact r = Contact::decode(bytes.constData());
    for (int i = 0; i < QsoFieldCount; ++i)
        EXPECT_EQ(r.fields[size_t(i)], QString(Contact::Capacity[size_t(i)], QLatin1Char('X')));
}

TEST(StateRecord, FieldsSitAtTheirOffsets)
{
    StateRecord s;
    s.nextRow = 4;
    s.bandChangeCount = -1;
    s.bandMode = QStringLiteral("160SSB");
    s.subTourStart = 0x01020304;
    s.bandCounters = {1, 2, 3, 4, 5, -6};
    s.callsLineFlag = 1;
    const QByteArray b = s.encode();
    ASSERT_EQ(b.size(), 52);
    EXPECT_EQ(b.mid(0, 4), QByteArray("\x04\x00\x00\x00", 4));
    EXPECT_EQ(b.mid(4, 4), QByteArray("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(b.mid(8, 7), QByteArray("\x06" "160SSB"));
    EXPECT_EQ(b.mid(20, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(b.mid(24, 4), QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(b.mid(44, 4), QByteArray("\xFA\xFF\xFF\xFF", 4));
    EXPECT_EQ(int(b[48]), 1);
    EXPECT_EQ(StateRecord::decode(b.constData()), s);
}

TEST(StateRecord, OnlyFlagValueOneShowsTheCallsLine)
{
    for (int flag : {0, 1, 2, 255}) {
        QByteArray b(52, '\0');
        b[48] = char(flag);
        EXPECT_EQ(StateRecord::decode(b.constData()).callsLineShown(), flag == 1) << flag;
    }
}
