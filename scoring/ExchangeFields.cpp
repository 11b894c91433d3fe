// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ExchangeFields.h"

#include <QRegularExpression>
#include <algorithm>

namespace scoring {
namespace {

struct KindName
{
    const char* word;
    FieldForm form;
};

const std::vector<KindName>& kindNames()
{
    static const std::vector<KindName> names = {
        {"rst", {FieldKind::Rst, 0, {}}},
        {"serial", {FieldKind::Serial, 0, {}}},
        {"coordinates", {FieldKind::Coordinates, 0, {}}},
        {"locator", {FieldKind::Locator, 0, {}}},
        {"locator4", {FieldKind::Locator, 4, {}}},
        {"locator6", {FieldKind::Locator, 6, {}}},
        {"zone", {FieldKind::Zone, 0, {}}},
        {"suffix", {FieldKind::Suffix, 0, {}}},
        {"text", {FieldKind::Text, 0, {}}},
    };
    return names;
}

std::optional<FieldForm> formOf(const QString& word)
{
    static const QRegularExpression code(QStringLiteral("^code:([a-z0-9-]+)$"));
    if (const QRegularExpressionMatch m = code.match(word); m.hasMatch())
        return FieldForm {FieldKind::Code, 0, m.captured(1)};
    for (const KindName& k : kindNames()) {
        if (word == QLatin1String(k.word))
            return k.form;
    }
    return std::nullopt;
}

// What a form is called in a reason.
QString formName(const FieldForm& f)
{
    switch (f.kind) {
    case FieldKind::Rst: return QStringLiteral("RS(T)");
    case FieldKind::Serial: return QStringLiteral("номер");
    case FieldKind::Coordinates: return QStringLiteral("координаты");
    case FieldKind::Locator:
        return f.length ? QStringLiteral("локатор из %1 знаков").arg(f.length) : QStringLiteral("локатор");
    case FieldKind::Zone: return QStringLiteral("зона");
    case FieldKind::Suffix: return QStringLiteral("суффикс");
    case FieldKind::Code: return QStringLiteral("код из списка %1").arg(f.list);
    case FieldKind::Text: return QStringLiteral("текст");
    }
    return QString();
}

QRegularExpression whole(const char* pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
}

bool matches(const QRegularExpression& pattern, const QString& value)
{
    return pattern.match(value).hasMatch();
}

// The patterns are compiled once: a log is checked contact by contact.
bool takes(const FieldForm& f, const QString& value, const CodeLists& lists)
{
    static const QRegularExpression rst = whole("[1-5][1-9][1-9]?");
    static const QRegularExpression serial = whole("[0-9]{1,4}");
    static const QRegularExpression coordinates = whole("[0-9]{1,7}");
    static const QRegularExpression locator4 = whole("[A-R]{2}[0-9]{2}");
    static const QRegularExpression locator6 = whole("[A-R]{2}[0-9]{2}[A-X]{2}");
    static const QRegularExpression zone = whole("[0-9]{1,2}");
    static const QRegularExpression suffix = whole("[A-Z]{1,4}");
    switch (f.kind) {
    case FieldKind::Rst: return matches(rst, value);
    case FieldKind::Serial: return matches(serial, value);
    case FieldKind::Coordinates: return matches(coordinates, value);
    case FieldKind::Locator:
        return (f.length != 6 && matches(locator4, value)) || (f.length != 4 && matches(locator6, value));
    case FieldKind::Zone: return matches(zone, value);
    case FieldKind::Suffix: return matches(suffix, value);
    case FieldKind::Code: {
        const auto list = lists.find(f.list);
        return list != lists.end() && list->second.contains(value);
    }
    case FieldKind::Text: return true;
    }
    return false;
}

QString fieldName(const ExchangeField& field)
{
    QStringList names;
    for (const FieldForm& f : field)
        names << formName(f);
    return names.join(QStringLiteral(" или "));
}

// The lengths the first part of a glued "59001" or "3001" may take, in the
// order tried: an RS(T) by the mode (RS in SSB, RST in CW), a zone before a
// serial of three digits where it can.
std::vector<int> gluedLengths(FieldKind kind, int length, logbook::Mode mode)
{
    if (kind == FieldKind::Rst)
        return mode == logbook::Mode::CW ? std::vector<int> {3, 2} : std::vector<int> {2, 3};
    return {length - 3, 2, 1};
}

// An RS(T) or a zone typed together with the serial after it, where one word
// is missing for the form.
void splitGlued(const ExchangeForm& form, QStringList& words, logbook::Mode mode)
{
    static const QRegularExpression digits = whole("[0-9]{4,}");
    if (words.size() != int(form.size()) - 1)
        return;
    for (int i = 0; i + 1 < int(form.size()) && i < words.size(); ++i) {
        const FieldForm& first = form[size_t(i)].front();
        if ((first.kind != FieldKind::Rst && first.kind != FieldKind::Zone)
            || form[size_t(i) + 1].front().kind != FieldKind::Serial || !matches(digits, words[i]))
            continue;
        for (int length : gluedLengths(first.kind, int(words[i].size()), mode)) {
            if (length >= 1 && length < words[i].size() && takes(first, words[i].left(length), {})
                && takes({FieldKind::Serial, 0, {}}, words[i].mid(length), {})) {
                words.insert(i + 1, words[i].mid(length));
                words[i] = words[i].left(length);
                return;
            }
        }
    }
}

// The longest value a form takes.
int longest(const FieldForm& f, const CodeLists& lists)
{
    switch (f.kind) {
    case FieldKind::Rst: return 3;
    case FieldKind::Serial: return 4;
    case FieldKind::Coordinates: return 7;
    case FieldKind::Locator: return f.length == 4 ? 4 : 6;
    case FieldKind::Zone: return 2;
    case FieldKind::Suffix: return 4;
    case FieldKind::Code: {
        int length = 0;
        if (const auto list = lists.find(f.list); list != lists.end()) {
            for (const QString& code : list->second)
                length = qMax(length, int(code.size()));
        }
        return length;
    }
    case FieldKind::Text: return 10;
    }
    return 0;
}

// What stays from one contact with a station to the next.
bool stays(FieldKind kind)
{
    return kind == FieldKind::Coordinates || kind == FieldKind::Locator || kind == FieldKind::Zone
        || kind == FieldKind::Code;
}

} // namespace

ExchangeFormRead readExchangeForm(const QString& words)
{
    ExchangeFormRead read;
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        ExchangeField field;
        for (const QString& part : word.toLower().split(QLatin1Char('|'))) {
            const std::optional<FieldForm> form = formOf(part);
            if (!form) {
                QStringList known;
                for (const KindName& k : kindNames())
                    known << QLatin1String(k.word);
                read.error = QStringLiteral("поле «%1» — не одно из: %2, code:СПИСОК")
                                 .arg(part, known.join(QStringLiteral(", ")));
                return read;
            }
            field.push_back(*form);
        }
        read.form.push_back(field);
    }
    if (read.form.empty())
        read.error = QStringLiteral("нет ни одного поля");
    return read;
}

ExchangeCheck checkExchange(const ExchangeForm& form, const QString& typed, const CodeLists& lists,
                            logbook::Mode mode)
{
    ExchangeCheck check;
    QStringList words = typed.toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    splitGlued(form, words, mode);
    if (words.size() < int(form.size())) {
        check.error = QStringLiteral("Не хватает поля: %1").arg(fieldName(form[size_t(words.size())]));
        return check;
    }
    if (words.size() > int(form.size())) {
        check.error = QStringLiteral("Лишнее в принятом номере: «%1»").arg(words.mid(int(form.size())).join(QLatin1Char(' ')));
        return check;
    }
    for (size_t i = 0; i < form.size(); ++i) {
        const QString& value = words[int(i)];
        const bool taken = std::any_of(form[i].begin(), form[i].end(),
                                       [&](const FieldForm& f) { return takes(f, value, lists); });
        if (!taken) {
            check.error = QStringLiteral("«%1» — не %2").arg(value, fieldName(form[i]));
            return check;
        }
    }
    check.values = words;
    return check;
}

int receivedLength(const ExchangeForm& form, const CodeLists& lists)
{
    int length = 0;
    for (const ExchangeField& field : form) {
        int widest = 0;
        for (const FieldForm& f : field)
            widest = qMax(widest, longest(f, lists));
        length += widest + 2; // a blank after it, and one typed twice
    }
    return length;
}

ExchangePrefill prefillExchange(const ExchangeForm& form, logbook::Mode mode, const QStringList& earlier,
                                const QString& base, const CodeLists& lists)
{
    QStringList values;
    std::optional<int> caret;
    bool baseUsed = false;
    for (size_t i = 0; i < form.size(); ++i) {
        const ExchangeField& field = form[i];
        const auto fieldTakes = [&](const QString& v) {
            return std::any_of(field.begin(), field.end(), [&](const FieldForm& f) { return takes(f, v, lists); });
        };
        QString value;
        if (field.front().kind == FieldKind::Rst)
            value = mode == logbook::Mode::CW ? QStringLiteral("599") : QStringLiteral("59");
        else if (stays(field.front().kind) && int(i) < earlier.size() && fieldTakes(earlier[int(i)]))
            value = earlier[int(i)];
        else if (stays(field.front().kind) && !baseUsed && !base.isEmpty() && fieldTakes(base.toUpper()))
            value = base.toUpper();
        baseUsed = baseUsed || value == base.toUpper();
        if (value.isEmpty() && !caret)
            caret = int(values.join(QLatin1Char(' ')).size() + (values.isEmpty() ? 0 : 1));
        values << value;
    }
    QString text = values.join(QLatin1Char(' '));
    if (!caret)
        return {text, int(text.size())};
    // Blanks past the caret only where a value follows them.
    while (text.size() > *caret && text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return {text, *caret};
}

QString callSuffix(const QString& call)
{
    const QStringList parts = call.toUpper().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();
    const QString main = *std::max_element(parts.begin(), parts.end(),
                                           [](const QString& a, const QString& b) { return a.size() < b.size(); });
    qsizetype digit = main.size() - 1;
    while (digit >= 0 && !main[digit].isDigit())
        --digit;
    const QString suffix = digit < 0 ? QString() : main.mid(digit + 1);
    return matches(whole("[A-Z]+"), suffix) ? suffix : QString();
}

QString sentExchange(const ExchangeForm& form, const SentValues& v)
{
    QStringList sent;
    for (const ExchangeField& field : form) {
        const FieldForm& f = field.front();
        switch (f.kind) {
        case FieldKind::Rst: sent << (v.mode == logbook::Mode::CW ? QStringLiteral("599") : QStringLiteral("59")); break;
        case FieldKind::Serial: sent << QStringLiteral("%1").arg(v.serial, 3, 10, QLatin1Char('0')); break;
        case FieldKind::Coordinates: sent << v.coordinates; break;
        case FieldKind::Locator: sent << (f.length == 4 ? v.locator.left(4) : v.locator).toUpper(); break;
        case FieldKind::Zone: sent << v.zone; break;
        case FieldKind::Code: sent << v.code.toUpper(); break;
        case FieldKind::Suffix: {
            const QString suffix = callSuffix(v.previousCall);
            sent << (suffix.isEmpty() ? QStringLiteral("QRP") : suffix);
            break;
        }
        case FieldKind::Text: break;
        }
    }
    sent.removeAll(QString());
    return sent.join(QLatin1Char(' '));
}

} // namespace scoring
