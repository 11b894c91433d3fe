// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/RtfReader.h"

#include "common/Cp1251.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace setup {
namespace {

// Groups whose content is never document text. Any group marked \* is
// skipped as well, so only destinations without that mark need to be here.
constexpr std::array<std::string_view, 35> kSkippedDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "objdata", "header", "headerl", "headerr",
    "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst", "listtable",
    "listoverridetable", "rsidtbl", "revtbl", "filetbl", "themedata", "colorschememapping", "latentstyles",
    "datastore", "xmlnstbl", "pntext", "pntxta", "pntxtb", "listtext", "nonshppict", "xe", "tc",
};

// Control words that stand for one character.
struct SymbolWord
{
    std::string_view word;
    char16_t character;
};
constexpr std::array<SymbolWord, 12> kSymbolWords = {{
    {"tab", u'\t'}, {"cell", u'\t'}, {"emdash", 0x2014}, {"endash", 0x2013}, {"lquote", 0x2018},
    {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022},
    {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
}};

// Control words that end a line of text.
constexpr std::array<std::string_view, 5> kLineEnds = {"par", "line", "sect", "page", "row"};

constexpr qint64 kParameterLimit = 1'000'000'000; // keeps absurd numbers from overflowing

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <class Table>
bool contains(const Table& table, std::string_view word)
{
    return std::find(table.begin(), table.end(), word) != table.end();
}

struct GroupState
{
    bool skip = false;
    qint64 fallbackLength = 1; // \ucN: characters standing in for each \uN
};

struct ControlWord
{
    std::string_view word;
    bool hasParameter = false;
    qint64 parameter = 0;
};

// One pass over the bytes; every step consumes at least one byte, so any
// input ends in time proportional to its length.
class RtfParser
{
public:
    explicit RtfParser(QByteArrayView bytes) : m_in(bytes) {}

    QStringList run()
    {
        while (m_pos < m_in.size() && !m_done)
            step(m_in[m_pos++]);
        if (!m_line.isEmpty())
            m_lines << m_line;
        return m_lines;
    }

private:
    void step(char c)
    {
        switch (c) {
        case '{':
            m_pendingFallback = 0;
            m_groups.push_back(m_groups.empty() ? GroupState {} : m_groups.back());
            break;
        case '}':
            m_pendingFallback = 0;
            if (!m_groups.empty())
                m_groups.pop_back();
            m_done = m_groups.empty(); // the document ends with its outer group
            break;
        case '\\':
            escape();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                put(logbook::cp1251::decodeByte(static_cast<unsigned char>(c)));
        }
    }

    bool skipping() const { return m_groups.empty() || m_groups.back().skip; }

    // A character of the fallback of a preceding \uN is dropped.
    bool takeFallback()
    {
        if (m_pendingFallback <= 0)
            return false;
        --m_pendingFallback;
        return true;
    }

    void put(QChar ch)
    {
        if (takeFallback() || skipping())
            return;
        append(ch);
    }

    // A line never holds a line end, however it was escaped (\'0d, \u13).
    void append(QChar ch)
    {
        if (ch != u'\r' && ch != u'\n')
            m_line += ch;
    }

    void endLine()
    {
        if (takeFallback() || skipping())
            return;
        m_lines << m_line;
        m_line.clear();
    }

    void escape()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (isLetter(c)) {
            controlWord(readControlWord());
            return;
        }
        ++m_pos;
        switch (c) {
        case '\'':
            hexEscape();
            break;
        case '*':
            if (!m_groups.empty())
                m_groups.back().skip = true;
            break;
        case '\\':
        case '{':
        case '}':
            put(QLatin1Char(c));
            break;
        case '~':
            put(QChar(0x00A0));
            break;
        case '_':
            put(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            endLine(); // a backslash before a line end is \par
            break;
        default:
            takeFallback(); // \- and other marks carry no text
        }
    }

    void hexEscape()
    {
        // Both digits or nothing: a cut-off escape yields no character.
        int digits = 0;
        while (digits < 2 && m_pos + digits < m_in.size() && hexValue(m_in[m_pos + digits]) >= 0)
            ++digits;
        if (digits < 2) {
            m_pos += digits;
            takeFallback();
            return;
        }
        const int value = hexValue(m_in[m_pos]) * 16 + hexValue(m_in[m_pos + 1]);
        m_pos += 2;
        put(logbook::cp1251::decodeByte(static_cast<unsigned char>(value)));
    }

    ControlWord readControlWord()
    {
        ControlWord w;
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        w.word = std::string_view(m_in.data() + start, size_t(m_pos - start));
        const bool negative = m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1]);
        if (negative)
            ++m_pos;
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            w.parameter = std::min(w.parameter * 10 + (m_in[m_pos++] - '0'), kParameterLimit);
            w.hasParameter = true;
        }
        if (negative)
            w.parameter = -w.parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiting blank belongs to the control word
        return w;
    }

    void controlWord(const ControlWord& w)
    {
        if (w.word == "bin") {
            // Binary data: skipped by its length, whatever bytes it holds.
            m_pos += std::clamp<qint64>(w.parameter, 0, m_in.size() - m_pos);
            return;
        }
        if (contains(kLineEnds, w.word)) {
            endLine();
            return;
        }
        if (w.word == "u" && w.hasParameter) {
            unicodeCharacter(w.parameter);
            return;
        }
        if (takeFallback())
            return;
        if (w.word == "uc" && w.hasParameter && !m_groups.empty())
            m_groups.back().fallbackLength = std::max<qint64>(w.parameter, 0);
        else if (contains(kSkippedDestinations, w.word) && !m_groups.empty())
            m_groups.back().skip = true;
        else
            symbolWord(w.word);
    }

    void symbolWord(std::string_view word)
    {
        const auto it = std::find_if(kSymbolWords.begin(), kSymbolWords.end(),
                                     [word](const SymbolWord& s) { return s.word == word; });
        if (it != kSymbolWords.end() && !skipping())
            m_line += QChar(it->character);
    }

    void unicodeCharacter(qint64 value)
    {
        if (takeFallback())
            return;
        // Values above 32767 are written negative, as signed 16 bits.
        if (value < 0)
            value += 0x10000;
        if (value >= 0 && value <= 0xFFFF && !skipping())
            append(QChar(char16_t(value)));
        m_pendingFallback = m_groups.empty() ? 1 : m_groups.back().fallbackLength;
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_groups;
    qint64 m_pendingFallback = 0;
    bool m_done = false;
    QString m_line;
    QStringList m_lines;
};

qsizetype documentStart(QByteArrayView bytes)
{
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n'))
        ++pos;
    return pos;
}

} // namespace

bool isRtf(QByteArrayView bytes)
{
    return bytes.sliced(documentStart(bytes)).startsWith("{\\rtf");
}

QStringList rtfLines(QByteArrayView bytes)
{
    return RtfParser(bytes.sliced(documentStart(bytes))).run();
}

} // namespace setup
