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
    static const QRegularExpression serial = whole("[0-9]{1,5}");
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

// "59001" where RS(T) and a serial follow each other: in SSB an RS of two
// digits is taken first, in CW an RST of three.
void splitGluedRst(const ExchangeForm& form, QStringList& words, logbook::Mode mode)
{
    if (words.size() != int(form.size()) - 1)
        return;
    for (int i = 0; i + 1 < int(form.size()) && i < words.size(); ++i) {
        if (form[size_t(i)].front().kind != FieldKind::Rst || form[size_t(i) + 1].front().kind != FieldKind::Serial
            || !matches(whole("[0-9]{4,}"), words[i]))
            continue;
        const int preferred = mode == logbook::Mode::CW ? 3 : 2;
        for (int length : {preferred, 5 - preferred}) {
            if (takes({FieldKind::Rst, 0, {}}, words[i].left(length), {})) {
                words.insert(i + 1, words[i].mid(length));
                words[i] = words[i].left(length);
                return;
            }
        }
    }
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
    splitGluedRst(form, words, mode);
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
