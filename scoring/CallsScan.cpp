// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/CallsScan.h"

#include "common/Cp1251.h"
#include "common/KvlError.h"
#include "log/Contact.h"
#include "log/RecordFile.h"
#include "log/SubTourTimes.h"
#include "scoring/CallRules.h"

#include <cstring>

namespace scoring {
namespace {

using logbook::QsoField;
using logbook::Contact;

constexpr int fieldOffset(int field)
{
    int offset = 0;
    for (int i = 0; i < field; ++i)
        offset += Contact::Capacity[size_t(i)] + 1;
    return offset;
}

// The scan runs at every key over thousands of records, so it compares the
// records' code page 1251 bytes and decodes only what it shows.
QByteArrayView field(const char* record, QsoField f)
{
    const char* p = record + fieldOffset(f);
    const int length = qMin(int(static_cast<unsigned char>(p[0])), Contact::Capacity[size_t(f)]);
    return QByteArrayView(p + 1, length);
}

QString text(QByteArrayView bytes)
{
    return logbook::cp1251::decode(bytes);
}

void appendOnce(QByteArray& line, QByteArrayView call)
{
    const QByteArray entry = call.toByteArray() + ' ';
    if (!line.contains(entry))
        line += entry;
}

// What is wrong, then the record's fields, three blanks between them.
QString dupeWarning(const QString& what, const char* record)
{
    const QString gap = QStringLiteral("   ");
    return what + gap + text(field(record, QsoField::Time)) + gap
        + text(field(record, QsoField::BandMode)) + gap + text(field(record, QsoField::Call)) + gap
        + text(field(record, QsoField::Sent)) + gap + text(field(record, QsoField::Received));
}

QString gapText(const RepeatGap& gap)
{
    const QString minutes = gap.minutes ? QStringLiteral("через %1 мин").arg(*gap.minutes) : QString();
    const QString contact = gap.afterOtherContact ? QStringLiteral("после другой связи") : QString();
    return minutes.isEmpty() || contact.isEmpty() ? minutes + contact : minutes + QStringLiteral(" или ") + contact;
}

int bandOf(const QString& bandModeWord)
{
    const std::optional<logbook::BandAndMode> parsed = logbook::parseBandModeWord(bandModeWord);
    return parsed ? parsed->band : -1;
}

class Scanner
{
public:
    Scanner(const CallsScanInput& input, QByteArrayView records, qint64 firstIndex)
        : m_input(input), m_records(records), m_first(firstIndex),
          m_end(firstIndex + records.size() / Contact::Size),
          m_typed(logbook::cp1251::encode(input.typed)), m_bandMode(logbook::cp1251::encode(input.currentBandMode)),
          m_currentBand(bandOf(input.currentBandMode))
    {
        if (const std::optional<logbook::Mode> mode = logbook::modeFromText(input.modeCaption)) {
            for (int b = 0; b < logbook::kBandCount; ++b)
                m_markWords[size_t(b)] = logbook::cp1251::encode(logbook::bandModeWord(b, *mode));
        }
    }

    CallsScanResult run()
    {
        // A typed character the code page lacks can match no stored call.
        const bool matchable = !m_typed.isEmpty() && text(m_typed) == m_input.typed;
        if (matchable) {
            scanSubTour();
            if (m_result.dupeCall.isEmpty() && m_input.gap.any())
                checkGap();
            if (m_input.callsLineShown)
                scanLog();
        }
        m_result.subTourLine = text(m_subTourLine);
        m_result.logLine = text(m_logLine);
        return m_result;
    }

private:
    const char* record(qint64 index) const
    {
        return m_records.data() + (index - m_first) * Contact::Size;
    }

    bool beginsWithTyped(QByteArrayView call) const
    {
        return call.size() >= m_typed.size() && std::memcmp(call.data(), m_typed.constData(), size_t(m_typed.size())) == 0;
    }

    // Ascending from the sub-tour start up to and including the current row.
    void scanSubTour()
    {
        const qint64 last = qMin<qint64>(m_input.currentRow, m_end - 1);
        for (qint64 i = qMax<qint64>(scanSubTourStart(m_input), m_first); i <= last; ++i) {
            const char* rec = record(i);
            const QByteArrayView call = field(rec, QsoField::Call);
            if (!beginsWithTyped(call))
                continue;
            const QByteArrayView bandMode = field(rec, QsoField::BandMode);
            if (call.size() == m_typed.size())
                noteSameCall(rec, call, bandMode);
            if (bandMode == m_bandMode)
                appendOnce(m_subTourLine, call);
            if (m_subTourLine.size() >= CallsScanResult::LineStop)
                break;
        }
    }

    // Where the scope is a band, a band worked in either mode is worked.
    void noteSameCall(const char* rec, QByteArrayView call, QByteArrayView bandMode)
    {
        int workedBand = -1;
        if (m_input.scope == RepeatScope::Band)
            workedBand = bandOf(text(bandMode));
        for (int b = 0; b < logbook::kBandCount; ++b) {
            if (!m_markWords[size_t(b)].isEmpty() && (bandMode == m_markWords[size_t(b)] || workedBand == b))
                m_result.marks[size_t(b)] = true;
        }
        if (bandMode == m_bandMode || (workedBand >= 0 && workedBand == m_currentBand)) {
            m_result.dupeCall = text(call).left(CallsScanResult::ShortCapacity);
            m_result.dupeWarning = dupeWarning(QStringLiteral("Dupe  ! ! !"), rec);
        }
    }

    // Descending over the logged records to the last contact with the call,
    // in any scope and sub-tour, counting the other stations worked since.
    void checkGap()
    {
        int others = 0;
        for (qint64 i = qMin<qint64>(m_input.currentRow - 1, m_end) - 1; i >= qMax<qint64>(0, m_first); --i) {
            const char* rec = record(i);
            const QByteArrayView call = field(rec, QsoField::Call);
            if (call != m_typed) {
                others += !call.isEmpty();
                continue;
            }
            const std::optional<QTime> then = logbook::parseContactTime(text(field(rec, QsoField::Time)));
            if (tooSoon(m_input.gap, then, m_input.now, others)) {
                m_result.dupeCall = text(call).left(CallsScanResult::ShortCapacity);
                m_result.dupeWarning = dupeWarning(QStringLiteral("Рано  ! ! !   ") + gapText(m_input.gap), rec);
            }
            return;
        }
    }

    // Descending from the current row to record 0: the oldest exact match
    // reached leaves its exchange.
    void scanLog()
    {
        for (qint64 i = qMin<qint64>(m_input.currentRow, m_end - 1); i >= qMax<qint64>(0, m_first); --i) {
            const char* rec = record(i);
            const QByteArrayView call = field(rec, QsoField::Call);
            if (!beginsWithTyped(call))
                continue;
            if (call.size() == m_typed.size())
                m_result.rememberedExchange = text(field(rec, QsoField::Received)).left(CallsScanResult::ShortCapacity);
            appendOnce(m_logLine, call);
            if (m_logLine.size() >= CallsScanResult::LineStop)
                break;
        }
    }

    const CallsScanInput& m_input;
    QByteArrayView m_records;
    qint64 m_first;
    qint64 m_end; // one past the last record held
    QByteArray m_typed;
    QByteArray m_bandMode;
    int m_currentBand; // the current row's, -1 where its word names none
    std::array<QByteArray, logbook::kBandCount> m_markWords; // empty: the caption is no mode
    QByteArray m_subTourLine;
    QByteArray m_logLine;
    CallsScanResult m_result;
};

} // namespace

int scanSubTourStart(const CallsScanInput& input)
{
    return input.newSubTourPending ? logbook::newSubTourStart(input.currentRow, input.subTourStart) : input.subTourStart;
}

CallsScanResult scanCallRecords(const CallsScanInput& input, QByteArrayView records, qint64 firstIndex)
{
    return Scanner(input, records, firstIndex).run();
}

CallsScanResult StringOfCalls(const CallsScanInput& input, const logbook::RecordFile& logFile)
{
    const qint64 first = input.callsLineShown || input.gap.any() ? 0 : qMax(0, scanSubTourStart(input));
    const qint64 count = qMax<qint64>(0, qint64(input.currentRow) - first + 1);
    QByteArray records;
    try {
        records = logFile.read(first, count);
    } catch (const KvlError& e) {
        CallsScanResult failed;
        failed.error = e.message();
        return failed;
    }
    return scanCallRecords(input, records, first);
}

} // namespace scoring
