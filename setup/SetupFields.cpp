// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/SetupFields.h"

#include <array>

namespace setup {
namespace {

// Runs of neighbouring lines that share everything but their number. The
// controls of a run are numbered on from `firstNumber`; the captions of a run
// are separated by '|', or made from the key of each row on the macro tabs.
struct FieldRun
{
    int firstLine;
    int count;
    const char* kind; // "Edit", "ComboBox", "MaskEdit"
    int firstNumber;
    SetupTab tab;
    Place place;
    int firstRow;
    Input input;
    int maxLength;
    const char16_t* captions;
};

using T = SetupTab;
using P = Place;
using I = Input;

constexpr std::array<FieldRun, 32> kRuns = {{
    {0, 4, "Edit", 1, T::Settings, P::Left, 0, I::Free, 0, u"Фамилия|Имя|Отчество|Год рождения"},
    {4, 1, "Edit", 5, T::Settings, P::Left, 4, I::Upper, 0, u"Личный позывной"},
    {5, 1, "Edit", 6, T::Settings, P::Left, 5, I::Upper, 4, u"Спорт. разряд"},
    {6, 2, "Edit", 7, T::Settings, P::Wide, 0, I::Free, 0, u"E-mail/тел.|Домашний адрес"},
    {8, 1, "Edit", 9, T::Equipment, P::Left, 0, I::Upper, 0, u"Трансивер"},
    {9, 6, "Edit", 10, T::Equipment, P::Antenna, 0, I::Upper, 0, u"160м|80м|40м|20м|15м|10м"},
    {15, 1, "Edit", 16, T::Settings, P::Right, 0, I::Upper, 5, u"Координаты"},
    {16, 1, "Edit", 17, T::Equipment, P::Left, 1, I::Upper, 0, u"Компьютер"},
    {17, 1, "Edit", 18, T::Settings, P::Left, 6, I::Free, 1, u"Категория р/ст."},
    {18, 1, "Edit", 19, T::Settings, P::Right, 1, I::Free, 0, u"Дата"},
    {19, 1, "ComboBox", 1, T::Settings, P::Right, 6, I::PortList, 0, u"Порт"},
    {20, 1, "ComboBox", 2, T::Settings, P::Right, 5, I::VariantList, 0, u"Вид соревнований"},
    {21, 1, "Edit", 20, T::Settings, P::Left, 7, I::Upper, 6, u"QTH Локатор"},
    {22, 1, "Edit", 21, T::Settings, P::Right, 4, I::Free, 0, u"Наим. субъекта РФ"},
    {23, 1, "Edit", 22, T::Settings, P::Right, 3, I::Upper, 0, u"Условное обозначение"},
    {24, 1, "Edit", 23, T::Settings, P::Right, 2, I::Free, 0, u"Радиоклуб"},
    {25, 9, "Edit", 24, T::Macros1, P::Macro, 0, I::Upper, 0, nullptr},
    {35, 7, "Edit", 33, T::Macros1, P::Caption, 0, I::Free, 0, nullptr},
    {46, 2, "Edit", 44, T::Macros1, P::Caption, 7, I::Free, 0, nullptr},
    {48, 3, "Edit", 46, T::Macros1, P::Macro, 9, I::Upper, 0, nullptr},
    {54, 1, "Edit", 41, T::Settings, P::Right, 7, I::Digits, 3, u"TX Delay"},
    {55, 3, "Edit", 50, T::Macros1, P::Caption, 9, I::Free, 0, nullptr},
    {58, 12, "Edit", 54, T::Macros2, P::Macro, 0, I::Upper, 0, nullptr},
    {70, 7, "Edit", 73, T::Macros2, P::Caption, 0, I::Free, 0, nullptr},
    {77, 1, "Edit", 40, T::Macros2, P::Caption, 7, I::Free, 0, nullptr},
    {78, 1, "Edit", 42, T::Macros2, P::Caption, 8, I::Free, 0, nullptr},
    {79, 1, "Edit", 43, T::Macros2, P::Caption, 9, I::Free, 0, nullptr},
    {80, 1, "Edit", 49, T::Macros2, P::Caption, 10, I::Free, 0, nullptr},
    {81, 1, "Edit", 53, T::Macros2, P::Caption, 11, I::Free, 0, nullptr},
    {82, 1, "MaskEdit", 1, T::Settings, P::Wide, 2, I::Upper, 0, u"Время подтуров"},
    {83, 1, "Edit", 66, T::Macros1, P::Below, 0, I::Upper, 0, u"Enter"},
    {84, 1, "Edit", 67, T::Macros2, P::Below, 0, I::Upper, 0, u"Space Bar"},
}};

// "F1" to "F12" on the first macro tab, "Ctrl + F1" to "Ctrl + F12" on the second.
QString keyName(SetupTab tab, int row)
{
    const QString key = QStringLiteral("F%1").arg(row + 1);
    return tab == SetupTab::Macros2 ? QStringLiteral("Ctrl + ") + key : key;
}

std::vector<SetupField> expand()
{
    std::vector<SetupField> fields;
    for (const FieldRun& run : kRuns) {
        const QStringList captions =
            run.captions ? QString::fromUtf16(run.captions).split(QLatin1Char('|')) : QStringList();
        for (int i = 0; i < run.count; ++i) {
            const int row = run.firstRow + i;
            const QString caption = run.captions ? captions.value(i) : keyName(run.tab, row);
            const QString control = QLatin1String(run.kind) + QString::number(run.firstNumber + i);
            fields.push_back({run.firstLine + i, control, run.tab, run.place, row, caption, run.input, run.maxLength});
        }
    }
    return fields;
}

} // namespace

const std::vector<SetupField>& setupFields()
{
    static const std::vector<SetupField> fields = expand();
    return fields;
}

QString tabTitle(SetupTab tab)
{
    switch (tab) {
    case SetupTab::Settings:
        return QStringLiteral("Установки");
    case SetupTab::Equipment:
        return QStringLiteral("Аппаратура");
    case SetupTab::Macros1:
        return QStringLiteral("Макросы CW (1)");
    case SetupTab::Macros2:
        return QStringLiteral("Макросы CW (2)");
    }
    return {};
}

} // namespace setup
