// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ContestDescription.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace scoring {
namespace {

using logbook::Mode;

struct LineError
{
    QString reason;
};

[[noreturn]] void refuse(const QString& reason)
{
    throw LineError {reason};
}

QStringList words(const QString& value)
{
    return value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

int number(const QString& text, const QString& what)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    if (!digits.match(text).hasMatch())
        refuse(QStringLiteral("%1 «%2» — не целое число").arg(what, text));
    return text.toInt();
}

int band(const QString& text)
{
    for (int b = 0; b < logbook::kBandCount; ++b) {
        if (logbook::bandText(b) == text)
            return b;
    }
    refuse(QStringLiteral("диапазон «%1» — не один из 160, 80, 40, 20, 15, 10").arg(text));
}

Mode mode(const QString& text)
{
    if (const std::optional<Mode> m = logbook::modeFromText(text.toUpper()))
        return *m;
    refuse(QStringLiteral("вид работы «%1» — не SSB и не CW").arg(text));
}

QTime time(const QString& text)
{
    static const QRegularExpression hhmm(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = hhmm.match(text);
    const QTime t = m.hasMatch() ? QTime(m.captured(1).toInt(), m.captured(2).toInt()) : QTime();
    if (!t.isValid())
        refuse(QStringLiteral("время «%1» — не ЧЧ:ММ").arg(text));
    return t;
}

template <class T>
T choice(const QString& value, const std::vector<std::pair<const char*, T>>& options)
{
    QStringList names;
    for (const auto& [name, option] : options) {
        if (value == QLatin1String(name))
            return option;
        names << QLatin1String(name);
    }
    refuse(QStringLiteral("«%1» — не одно из: %2").arg(value, names.join(QStringLiteral(", "))));
}

template <class T, class Read>
std::vector<T> list(const QString& value, Read read)
{
    std::vector<T> items;
    for (const QString& word : words(value)) {
        const T item = read(word);
        if (std::find(items.begin(), items.end(), item) != items.end())
            refuse(QStringLiteral("«%1» указан дважды").arg(word));
        items.push_back(item);
    }
    return items;
}

// "16:00 16:30 ..." or "4 x 30 from 16:00", in UTC; the span runs from the
// first start to the end of the last sub-tour, taken as long as the one
// before it (a single sub-tour runs the day).
void subTours(ContestDescription& c, const QString& value)
{
    if (value == QLatin1String("setup"))
        return;
    const QStringList w = words(value);
    if (w.size() == 5 && w[1] == QLatin1String("x") && w[3] == QLatin1String("from")) {
        const int count = number(w[0], QStringLiteral("число подтуров"));
        const int minutes = number(w[2], QStringLiteral("длина подтура"));
        if (count < 1 || minutes < 1 || count * minutes > 24 * 60)
            refuse(QStringLiteral("подтуры «%1» не укладываются в сутки").arg(value));
        for (int i = 0; i < count; ++i)
            c.subTourStarts.push_back(time(w[4]).addSecs(qint64(i) * minutes * 60));
        c.subTourSpanMinutes = count * minutes;
        return;
    }
    c.subTourStarts = list<QTime>(value, time);
    const std::vector<QTime>& starts = c.subTourStarts;
    // Minutes from `a` on to `b`, round midnight where `b` reads earlier.
    const auto minutes = [](const QTime& a, const QTime& b) { return (a.secsTo(b) / 60 + 24 * 60) % (24 * 60); };
    // A night tour and the next morning's pass midnight; a start earlier than
    // the one before by less than half a day is a list out of order.
    qint64 last = 0;
    for (size_t i = 1; i < starts.size(); ++i) {
        if (starts[i] < starts[i - 1] && minutes(starts[i - 1], starts[i]) > 12 * 60)
            refuse(QStringLiteral("начала подтуров идут не по порядку"));
        last += minutes(starts[i - 1], starts[i]);
    }
    if (last >= 24 * 60)
        refuse(QStringLiteral("начала подтуров идут не по порядку: полночь можно пройти только один раз"));
    const qint64 lastLength = starts.size() > 1 ? minutes(starts[starts.size() - 2], starts.back()) : 24 * 60;
    c.subTourSpanMinutes = int(qMin<qint64>(last + lastLength, 24 * 60));
}

RepeatGap gap(const QString& value)
{
    RepeatGap gap;
    if (value == QLatin1String("none"))
        return gap;
    for (const QString& part : value.split(QStringLiteral(" or "))) {
        const QString p = part.trimmed();
        if (p == QLatin1String("contact") && !gap.afterOtherContact)
            gap.afterOtherContact = true;
        else if (!gap.minutes && p != QLatin1String("contact"))
            gap.minutes = number(p, QStringLiteral("промежуток в минутах"));
        else
            refuse(QStringLiteral("промежуток «%1» — не «минуты», «contact», «минуты or contact» или «none»").arg(value));
    }
    return gap;
}

void points(ContestDescription& c, const QString& value)
{
    static const std::vector<std::pair<const char*, PointsKind>> kinds = {
        {"table", PointsKind::Table}, {"ga", PointsKind::GaPrefix}, {"coordinates", PointsKind::Coordinates},
        {"none", PointsKind::None}};
    if (!value.isEmpty() && value.front().isDigit()) {
        c.points = PointsKind::Fixed;
        c.fixedPoints = number(value, QStringLiteral("очки"));
        return;
    }
    c.points = choice(value, kinds);
}

// "points 80 SSB".
void tableEntry(ContestDescription& c, const QStringList& key, const QString& value)
{
    const std::pair<int, Mode> at {band(key[1]), mode(key[2])};
    if (c.pointsTable.count(at))
        refuse(QStringLiteral("очки %1 %2 уже указаны").arg(key[1], key[2]));
    c.pointsTable[at] = number(value, QStringLiteral("очки"));
}

ExchangeForm exchangeForm(const QString& value)
{
    const ExchangeFormRead read = readExchangeForm(value);
    if (!read.error.isEmpty())
        refuse(read.error);
    return read.form;
}

void take(ContestDescription& c, const QString& key, const QString& value)
{
    const QStringList k = words(key);
    if (key == QLatin1String("name"))
        c.name = value;
    else if (key == QLatin1String("cabrillo")) {
        static const QRegularExpression name(QStringLiteral("^[A-Z0-9-]+$"));
        if (!name.match(value).hasMatch())
            refuse(QStringLiteral("имя для Cabrillo «%1» — не латинские заглавные буквы, цифры и «-»").arg(value));
        c.cabrillo = value;
    } else if (key == QLatin1String("bands"))
        c.bands = list<int>(value, band);
    else if (key == QLatin1String("modes"))
        c.modes = list<Mode>(value, mode);
    else if (key == QLatin1String("subtours"))
        subTours(c, value);
    else if (key == QLatin1String("subtour-modes")) {
        for (const QString& word : words(value)) // a mode may come again in a later sub-tour
            c.subTourModes.push_back(mode(word));
    }
    else if (key == QLatin1String("repeat"))
        c.repeat = choice<RepeatScope>(value, {{"band-mode", RepeatScope::BandAndMode}, {"band", RepeatScope::Band}});
    else if (key == QLatin1String("gap"))
        c.gap = gap(value);
    else if (key == QLatin1String("points"))
        points(c, value);
    else if (k.size() == 3 && k[0] == QLatin1String("points"))
        tableEntry(c, k, value);
    else if (key == QLatin1String("exchange"))
        c.sent = c.received = exchangeForm(value);
    else if (key == QLatin1String("sent"))
        c.sent = exchangeForm(value);
    else if (key == QLatin1String("received"))
        c.received = exchangeForm(value);
    else if (k.size() == 2 && k[0] == QLatin1String("group"))
        c.groups[k[1]] = value;
    else if (k.size() == 2 && k[0] == QLatin1String("sent"))
        c.sentByGroup[k[1]] = exchangeForm(value);
    else if (key == QLatin1String("serial"))
        c.serial = choice<SerialScope>(value, {{"contest", SerialScope::Contest}, {"subtour", SerialScope::SubTour}});
    else if (key == QLatin1String("multipliers")) {
        const MultipliersRead read = readMultipliers(value);
        if (!read.error.isEmpty())
            refuse(read.error);
        c.multipliers = read.multipliers;
    } else if (key == QLatin1String("multiplier-scope"))
        c.multiplierScope = choice<MultiplierScope>(value, {{"band", MultiplierScope::Band},
                                                            {"band-mode", MultiplierScope::BandAndMode},
                                                            {"subtour", MultiplierScope::SubTour},
                                                            {"contest", MultiplierScope::Contest}});
    else if (key == QLatin1String("received-keys"))
        c.digitsOnlyReceived = choice<bool>(value, {{"digits", true}, {"any", false}});
    else if (key == QLatin1String("base"))
        c.base = choice<BaseKind>(value, {{"ra", BaseKind::RA}, {"asia", BaseKind::Asia}, {"none", BaseKind::None}});
    else if (key == QLatin1String("claim"))
        c.claim = choice<ClaimKind>(value, {{"plus", ClaimKind::Plus},
                                            {"sum", ClaimKind::Sum},
                                            {"sum x multipliers", ClaimKind::SumTimesMultipliers},
                                            {"none", ClaimKind::None}});
    else
        refuse(QStringLiteral("неизвестный ключ «%1»").arg(key));
}

bool receivesFieldFor(const ExchangeForm& received, const Multiplier& m)
{
    for (const ExchangeField& field : received) {
        if (std::any_of(field.begin(), field.end(), [&](const FieldForm& f) { return readsForm(m, f); }))
            return true;
    }
    return false;
}

// What the whole description must hold once every line is read.
std::optional<QString> incomplete(const ContestDescription& c)
{
    if (c.name.isEmpty())
        return QStringLiteral("нет названия (name)");
    if (c.cabrillo.isEmpty())
        return QStringLiteral("нет имени для Cabrillo (cabrillo)");
    if (c.bands.empty() || c.modes.empty())
        return QStringLiteral("не указаны диапазоны (bands) или виды работы (modes)");
    for (const auto& [group, form] : c.sentByGroup) {
        if (!c.groups.count(group))
            return QStringLiteral("«sent %1» без «group %1»").arg(group);
    }
    if (!c.sentByGroup.empty() && c.sent.empty())
        return QStringLiteral("нет «sent» для станций вне групп");
    for (const Multiplier& m : c.multipliers) {
        if (m.kind != MultiplierKind::Call && !receivesFieldFor(c.received, m))
            return QStringLiteral("множитель без своего поля в принятом номере (received)");
    }
    if (c.claim == ClaimKind::SumTimesMultipliers && c.multipliers.empty())
        return QStringLiteral("claim = sum x multipliers без множителей (multipliers)");
    if (!c.subTourModes.empty() && c.subTourStarts.empty())
        return QStringLiteral("subtour-modes без расписания подтуров (subtours)");
    for (Mode m : c.subTourModes) {
        if (std::find(c.modes.begin(), c.modes.end(), m) == c.modes.end())
            return QStringLiteral("вид работы подтура %1 не из modes").arg(logbook::modeText(m));
    }
    if (c.points == PointsKind::Table && c.pointsTable.empty())
        return QStringLiteral("points = table, но нет ни одной строки «points диапазон вид = очки»");
    if (c.points != PointsKind::Table && !c.pointsTable.empty())
        return QStringLiteral("строки «points диапазон вид» есть, а points не table");
    return std::nullopt;
}

} // namespace

DescriptionRead readContestDescription(const QByteArray& text)
{
    ContestDescription c;
    std::map<QString, int> seen; // key: the line it stands on
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QString where = QStringLiteral("строка %1: ").arg(i + 1);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return {std::nullopt, where + QStringLiteral("нет знака «=» между ключом и значением")};
        const QString key = words(line.left(equals).toLower()).join(QLatin1Char(' '));
        const QString value = words(line.mid(equals + 1).trimmed()).join(QLatin1Char(' '));
        if (const auto earlier = seen.find(key); earlier != seen.end())
            return {std::nullopt, where + QStringLiteral("ключ «%1» уже был в строке %2").arg(key).arg(earlier->second)};
        seen[key] = i + 1;
        if (value.isEmpty())
            return {std::nullopt, where + QStringLiteral("у ключа «%1» нет значения").arg(key)};
        try {
            take(c, key, value);
        } catch (const LineError& e) {
            return {std::nullopt, where + e.reason};
        }
    }
    if (const std::optional<QString> missing = incomplete(c))
        return {std::nullopt, *missing};
    return {c, QString()};
}

bool sameRepeatScope(RepeatScope scope, const logbook::BandAndMode& a, const logbook::BandAndMode& b)
{
    return a.band == b.band && (scope == RepeatScope::Band || a.mode == b.mode);
}

bool gapAllows(const RepeatGap& gap, qint64 minutesSince, int contactsSince)
{
    if (!gap.any())
        return true;
    return (gap.minutes && minutesSince >= *gap.minutes) || (gap.afterOtherContact && contactsSince > 0);
}

int scheduledSubTour(const ContestDescription& contest, const QTime& utc)
{
    if (contest.subTourStarts.empty())
        return 0;
    const QTime first = contest.subTourStarts.front();
    // Minutes after the first start, past midnight too.
    const auto after = [&](const QTime& t) { return (first.secsTo(t) / 60 + 24 * 60) % (24 * 60); };
    const qint64 since = after(utc);
    if (since >= contest.subTourSpanMinutes)
        return 0;
    return int(std::count_if(contest.subTourStarts.begin(), contest.subTourStarts.end(),
                             [&](const QTime& start) { return after(start) <= since; }));
}

std::optional<logbook::Mode> subTourMode(const ContestDescription& contest, int number)
{
    if (contest.subTourModes.empty() || number < 1)
        return std::nullopt;
    const size_t at = size_t(std::clamp<int>(number, 1, int(contest.subTourModes.size())) - 1);
    return contest.subTourModes[at];
}

std::optional<int> bandModePoints(const ContestDescription& contest, const logbook::BandAndMode& contact)
{
    if (contest.points == PointsKind::Fixed)
        return contest.fixedPoints;
    if (contest.points != PointsKind::Table)
        return std::nullopt;
    const auto entry = contest.pointsTable.find({contact.band, contact.mode});
    return entry == contest.pointsTable.end() ? 0 : entry->second;
}

} // namespace scoring
