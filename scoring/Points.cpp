// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Points.h"

#include "common/KvlError.h"
#include "log/ContactLog.h"
#include "log/Decimal.h"

#include <cstdlib>

namespace scoring {
namespace {

using logbook::decimalValue;

qint64 decimalInteger(const QString& text)
{
    const std::optional<qint64> value = decimalValue(text);
    if (!value)
        throw KvlError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

// The coordinates part of an exchange: without the serial's three digits, at
// most 10 characters.
QString coordinatesOf(const QString& exchange)
{
    return exchange.size() > 3 ? exchange.left(exchange.size() - 3).left(10) : QString();
}

} // namespace

QString exchangeWithoutSerial(const QString& exchange)
{
    qsizetype end = exchange.size();
    while (end > 0 && exchange.size() - end < 3 && exchange.at(end - 1).isDigit())
        --end;
    return exchange.left(end);
}

QString PointsCalculateRA(const QString&, const QString& received, const QString&)
{
    return received.startsWith(QStringLiteral("GA")) ? QStringLiteral("1+") : QStringLiteral("1");
}

QString PointsCalculateASIA(const QString& sent, const QString& received, const QString& cell)
{
    const QString s = coordinatesOf(sent);
    const QString r = coordinatesOf(received);
    if (s.size() < 2)
        return cell;
    if (r.size() < 2)
        return QStringLiteral("0");
    const qint64 d1 = std::llabs(decimalInteger(s.left(1)) - decimalInteger(r.left(1)));
    const qint64 d2 = std::llabs(decimalInteger(s.mid(1)) - decimalInteger(r.mid(1)));
    return QString::number(d1 + d2);
}

QString PointsCalculateOthers(const QString&, const QString&, const QString&)
{
    return QStringLiteral("0");
}

QString descriptionPoints(const ContestDescription& contest, const std::optional<logbook::BandAndMode>& contact,
                          const QString& sent, const QString& received, const QString& cell)
{
    switch (contest.points) {
    case PointsKind::GaPrefix: return PointsCalculateRA(sent, received, cell);
    case PointsKind::Coordinates: return PointsCalculateASIA(sent, received, cell);
    case PointsKind::None: return kJudgesPoints;
    case PointsKind::Fixed:
    case PointsKind::Table: break;
    }
    if (contest.points == PointsKind::Fixed)
        return QString::number(contest.fixedPoints);
    return QString::number(contact ? bandModePoints(contest, *contact).value_or(0) : 0);
}

ContactScore scoreCompletedContact(const ContestDescription* contest, const QString& bandMode, const QString& sent,
                                   const QString& received, const QString& cell)
{
    if (!contest)
        return {cell, std::nullopt};
    try {
        return {descriptionPoints(*contest, logbook::parseBandModeWord(bandMode), sent, received, cell), std::nullopt};
    } catch (const KvlError& e) {
        return {QString(), e.message()};
    }
}

int rescoreLog(logbook::ContactLog& contacts, int currentRow, const ContestDescription* contest)
{
    using logbook::QsoField;
    if (!contest)
        return 0;
    int leftAsTheyWere = 0;
    for (int row = 1; row < currentRow && row < contacts.rowCount(); ++row) {
        const QString cell = contacts.cell(row, QsoField::Points);
        try {
            const QString points = contacts.isRepeat(row)
                ? kRepeatPoints
                : descriptionPoints(*contest, logbook::parseBandModeWord(contacts.cell(row, QsoField::BandMode)),
                                    contacts.cell(row, QsoField::Sent), contacts.cell(row, QsoField::Received), cell);
            if (points != cell)
                contacts.setCell(row, QsoField::Points, points);
        } catch (const KvlError&) {
            ++leftAsTheyWere;
        }
    }
    return leftAsTheyWere;
}

} // namespace scoring
