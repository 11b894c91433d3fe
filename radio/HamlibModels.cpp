#include "radio/HamlibModels.h"

#include <hamlib/rig.h>

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

} // namespace radio
