// SPDX-License-Identifier: GPL-3.0-or-later
// The summary sheet: a text copy of the contest's paper report form, filled
// with the operator's data from setup and the report's totals.
#include "scoring/Report.h"

#include "setup/StationSettings.h"

#include <QStringList>

namespace scoring {
namespace {

constexpr int kSheetLines = 62;

QString sp(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString ruleLine()
{
    return sp(5) + QString(68, QLatin1Char('-'));
}

void fillHeading(QStringList& l, const StationSettings& s)
{
    l[3] = sp(5) + QStringLiteral("Наименование Субъекта РФ") + sp(28) + QStringLiteral("Всего листов") + sp(1);
    l[4] = sp(5) + s.field(setup::RegionName);
    l[5] = sp(5) + QStringLiteral("Условное обозначение:") + sp(1) + s.field(setup::RegionCode) + sp(26)
        + QStringLiteral("Позывной участника");
    l[6] = sp(61) + s.field(setup::CallSign);
    l[7] = sp(5) + QStringLiteral("Радиоклуб:") + sp(1) + s.field(setup::RadioClub);
    l[8] = sp(55) + QStringLiteral("Категория р/ст.") + sp(1) + s.field(setup::StationCategory);
    l[11] = sp(33) + QStringLiteral("О Т Ч Е Т");
    l[13] = sp(8) + QStringLiteral("Участника соревнований по радиосвязи на КВ телефоном/телеграфом");
    l[15] = sp(19) + QLatin1Char('"') + s.field(setup::ContestVariant) + QLatin1Char('"') + sp(1) + QLatin1Char('-') + sp(1);
    l[16] = ruleLine();
}

void fillPersonal(QStringList& l, const StationSettings& s)
{
    l[18] = sp(5) + QStringLiteral("Дата") + sp(1) + s.field(setup::ContestDate);
    l[20] = sp(5) + QStringLiteral("Фамилия") + sp(10) + s.field(setup::Surname);
    l[21] = sp(5) + QStringLiteral("Имя") + sp(14) + s.field(setup::FirstName);
    l[22] = sp(5) + QStringLiteral("Отчество") + sp(9) + s.field(setup::Patronymic);
    l[23] = sp(5) + QStringLiteral("Год рождения") + sp(5) + s.field(setup::BirthYear);
    l[24] = sp(5) + QStringLiteral("Личный позывной") + sp(2) + s.field(setup::CallSign);
    l[25] = sp(5) + QStringLiteral("Спорт.разряд") + sp(5) + s.field(setup::SportsRank);
    l[26] = sp(5) + QStringLiteral("Локатор") + sp(10) + s.field(setup::Locator);
    l[27] = sp(5) + QStringLiteral("Домашний") + sp(1) + QStringLiteral("адрес") + sp(3) + s.field(setup::HomeAddress);
    l[28] = sp(5) + QStringLiteral("E-mail/тлф.") + sp(6) + s.field(setup::EmailPhone);
    l[29] = ruleLine();
}

void fillResult(QStringList& l, const ReportTotals& t, const QString& bandChanges)
{
    l[30] = sp(5) + QStringLiteral("Зачетное время______ часов с_______МСК до______МСК");
    l[32] = sp(5) + QStringLiteral("Количество переходов") + bandChanges + sp(10) + QStringLiteral("Зачетная подгруппа");
    l[33] = ruleLine();
    l[34] = sp(43) + QStringLiteral("Заявленный результат");
    l[35] = sp(38) + QStringLiteral("Заявлено") + sp(14) + QStringLiteral("Подтверждено");
    l[36] = sp(5) + QStringLiteral("Всего зачетных радиосвязей") + sp(9) + QString::number(t.contacts);
    // A contest of multipliers fills the form's two lines with its points and its multipliers.
    l[37] = sp(5) + QStringLiteral("Очков за связи") + sp(21)
        + QString::number(t.countsMultipliers ? t.points : t.contacts);
    l[38] = sp(5) + QStringLiteral("Очков за координаты") + sp(16)
        + QString::number(t.countsMultipliers ? t.multipliers : t.plusCount);
    l[39] = sp(5) + QStringLiteral("Дополнительные очки");
    l[40] = sp(5) + QStringLiteral("Штрафные очки");
    l[41] = sp(5) + QStringLiteral("Итого очков") + sp(24) + QString::number(t.claimedScore);
    l[43] = sp(5) + QStringLiteral("Выполнение спортивных нормативов");
    l[44] = ruleLine();
    l[45] = sp(5) + QStringLiteral("Я свидетельствую, что в данных соревнованиях полностью соблюдал ");
    l[46] = sp(5) + QStringLiteral("требования \"Инструкции о порядке регистрации и эксплуатации ");
    l[47] = sp(5) + QStringLiteral("любительских радиостанций\", Правила и Положение о соревнованиях.");
    l[48] = ruleLine();
}

void fillEquipment(QStringList& l, const StationSettings& s)
{
    l[49] = sp(5) + QStringLiteral("Сведения об используемой аппаратуре:");
    l[51] = sp(5) + QStringLiteral("1. Трансивер:  ") + sp(1) + s.field(setup::Transceiver);
    l[52] = sp(5) + QStringLiteral("2. Антенны:") + sp(37) + QStringLiteral("Подпись участника:");
    const QStringList bands = {QStringLiteral("160м"), QStringLiteral("80м"), QStringLiteral("40м"),
                               QStringLiteral("20м"), QStringLiteral("15м"), QStringLiteral("10м")};
    for (int b = 0; b < bands.size(); ++b)
        l[53 + b] = sp(8) + bands[b] + sp(13 - int(bands[b].size())) + s.field(setup::Antenna160 + b);
    l[59] = sp(5) + QStringLiteral("3. Компьютер: ") + sp(2) + s.field(setup::Computer);
}

} // namespace

QString summarySheetText(const StationSettings& settings, const ReportTotals& totals, const QString& bandChanges)
{
    QStringList lines(kSheetLines);
    fillHeading(lines, settings);
    fillPersonal(lines, settings);
    fillResult(lines, totals, bandChanges);
    fillEquipment(lines, settings);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace scoring
