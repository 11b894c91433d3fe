// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <vector>

// The rigs Hamlib knows, for choosing a model in setup.
namespace radio {

struct RigModel
{
    int number; // what kvl.ini stores as model
    QString manufacturer;
    QString name;
};

// By manufacturer, then name. Call it from one thread at a time.
std::vector<RigModel> hamlibRigModels();

// "Yaesu FT-991 (1035)": how the list shows a model.
QString rigModelText(const RigModel& model);

struct RigModelMatch
{
    std::optional<int> number; // the one model the text names
    QString problem;           // else why not, for the operator
};

// What the operator typed for a model: its number, its name, its maker and
// name, or the list's text, in any letter case; failing these, a part of a
// name that only one model has ("7300" → Icom IC-7300). Empty text: no rig.
RigModelMatch matchRigModel(const std::vector<RigModel>& models, const QString& typed);

} // namespace radio
