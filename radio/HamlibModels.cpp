// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/HamlibModels.h"

#include <hamlib/rig.h>

#include <QStringList>

#include <algorithm>
#include <tuple>

namespace radio {
namespace {

int addModel(const rig_caps* caps, rig_ptr_t data)
{
    static_cast<std::vector<RigModel>*>(data)->push_back(
        {int(caps->rig_model), QString::fromLatin1(caps->mfg_name), QString::fromLatin1(caps->model_name)});
    return 1; // go on
}

} // namespace

std::vector<RigModel> hamlibRigModels()
{
    rig_set_debug(RIG_DEBUG_NONE);
    rig_load_all_backends();
    std::vector<RigModel> models;
    rig_list_foreach(addModel, &models);
    std::sort(models.begin(), models.end(), [](const RigModel& a, const RigModel& b) {
        return std::tie(a.manufacturer, a.name, a.number) < std::tie(b.manufacturer, b.name, b.number);
    });
    return models;
}

QString rigModelText(const RigModel& m)
{
    return QStringLiteral("%1 %2 (%3)").arg(m.manufacturer, m.name).arg(m.number);
}

namespace {

bool names(const RigModel& m, const QString& text)
{
    const auto same = [&text](const QString& s) { return s.compare(text, Qt::CaseInsensitive) == 0; };
    return QString::number(m.number) == text || same(m.name) || same(m.manufacturer + QLatin1Char(' ') + m.name)
        || same(rigModelText(m));
}

QString listed(const std::vector<const RigModel*>& found)
{
    constexpr size_t kShown = 4;
    QStringList texts;
    for (size_t i = 0; i < found.size() && i < kShown; ++i)
        texts << rigModelText(*found[i]);
    return texts.join(QStringLiteral("; ")) + (found.size() > kShown ? QStringLiteral("; …") : QString());
}

} // namespace

RigModelMatch matchRigModel(const std::vector<RigModel>& models, const QString& typed)
{
    const QString text = typed.simplified();
    if (text.isEmpty() || text == QLatin1String("0"))
        return {0, {}};
    std::vector<const RigModel*> whole;
    std::vector<const RigModel*> part;
    for (const RigModel& m : models) {
        if (names(m, text))
            whole.push_back(&m);
        else if (m.name.contains(text, Qt::CaseInsensitive))
            part.push_back(&m);
    }
    const std::vector<const RigModel*>& found = whole.empty() ? part : whole;
    if (found.size() == 1)
        return {found.front()->number, {}};
    if (found.empty())
        return {std::nullopt, QStringLiteral("«%1»: такой модели нет в списке Hamlib").arg(text)};
    return {std::nullopt, QStringLiteral("«%1» подходит к нескольким моделям: %2. Уточните").arg(text, listed(found))};
}

} // namespace radio
