#pragma once

#include "setup/StationLines.h"

#include <QString>

// The live settings: the setup dialog's fields, read at every use so that an
// edit takes effect at once.
class StationSettings
{
public:
    virtual ~StationSettings() = default;
    // The shown text of the field that owns `line` (empty for unbound lines).
    virtual QString field(int line) const = 0;

    QString callSign() const { return field(setup::CallSign); }
    QString contestVariant() const { return field(setup::ContestVariant); }
    QString port() const { return field(setup::Port); }
    QString txDelay() const { return field(setup::TxDelay); }
    QString subTourTimes() const { return field(setup::SubTourTimes); }
    QString fMacro(int key) const { return field(setup::kFMacroLines.at(size_t(key))); }
    QString fCaption(int key) const { return field(setup::kFCaptionLines.at(size_t(key))); }
    QString ctrlMacro(int key) const { return field(setup::kCtrlMacroLines.at(size_t(key))); }
    QString ctrlCaption(int key) const { return field(setup::kCtrlCaptionLines.at(size_t(key))); }
    QString enterMacro() const { return field(setup::EnterMacro); }
    QString spaceBarMacro() const { return field(setup::SpaceBarMacro); }
};

namespace setup {

// The settings of a source that comes later: empty fields until it is set.
class LiveSettings : public StationSettings
{
public:
    const StationSettings* source = nullptr;
    QString field(int line) const override { return source ? source->field(line) : QString(); }
};

// "KVL Версия 3.01 : " + variant + " - " + mode caption + ". " + call sign.
inline QString windowCaption(const QString& variant, const QString& modeCaption, const QString& callSign)
{
    return QStringLiteral("KVL Версия 3.01 : ") + variant + QStringLiteral(" - ") + modeCaption
        + QStringLiteral(". ") + callSign;
}

} // namespace setup
