#pragma once

#include <QString>
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

} // namespace radio
