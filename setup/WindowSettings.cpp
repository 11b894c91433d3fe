#include "setup/WindowSettings.h"

#include "common/IniSettings.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace setup {
namespace {

const QString kTextSizeKey = QStringLiteral("Window/textSize");
const QString kMaximisedKey = QStringLiteral("Window/maximised");
const QStringList kGeometryKeys = {QStringLiteral("Window/x"), QStringLiteral("Window/y"),
                                   QStringLiteral("Window/width"), QStringLiteral("Window/height")};

// An absent key reads as nothing; one that is not a whole number is reported.
std::optional<int> number(const logbook::IniSettings& ini, const QString& key, std::optional<QString>& problem)
{
    const QString text = ini.text(key).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok)
        return value;
    if (!problem)
        problem = QStringLiteral("В файле %1 значение %2 не число: \"%3\"; взято значение по умолчанию")
                      .arg(ini.displayName(), key, text);
    return std::nullopt;
}

} // namespace

int nextTextSize(int percent, int direction)
{
    if (direction > 0) {
        const auto* next = std::upper_bound(std::begin(kTextSizes), std::end(kTextSizes), percent);
        return next == std::end(kTextSizes) ? kTextSizes[std::size(kTextSizes) - 1] : *next;
    }
    const auto* at = std::lower_bound(std::begin(kTextSizes), std::end(kTextSizes), percent);
    return at == std::begin(kTextSizes) ? kTextSizes[0] : *(at - 1);
}

WindowSettingsRead readWindowSettings(const logbook::IniSettings& ini)
{
    WindowSettingsRead read;
    std::optional<QString>& problem = read.problem;
    if (const std::optional<int> size = number(ini, kTextSizeKey, problem))
        read.settings.textSize = std::clamp(*size, kTextSizes[0], kTextSizes[std::size(kTextSizes) - 1]);
    read.settings.maximised = number(ini, kMaximisedKey, problem).value_or(0) != 0;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> value = number(ini, kGeometryKeys[i], problem);
        if (!value)
            return read;
        values[i] = *value;
    }
    if (values[2] > 0 && values[3] > 0)
        read.settings.geometry = QRect(values[0], values[1], values[2], values[3]);
    return read;
}

void writeWindowSettings(logbook::IniSettings& ini, const WindowSettings& settings)
{
    ini.setValue(kTextSizeKey, settings.textSize);
    ini.setValue(kMaximisedKey, settings.maximised ? 1 : 0);
    if (!settings.geometry)
        return;
    const QRect& g = *settings.geometry;
    const int values[4] = {g.x(), g.y(), g.width(), g.height()};
    for (int i = 0; i < 4; ++i)
        ini.setValue(kGeometryKeys[i], values[i]);
}

QRect fitOnScreen(const QRect& frame, const QSize& smallest, const QRect& area)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()).expandedTo(smallest));
    fitted.moveTo(std::clamp(fitted.x(), area.x(), std::max(area.x(), area.right() + 1 - fitted.width())),
                  std::clamp(fitted.y(), area.y(), std::max(area.y(), area.bottom() + 1 - fitted.height())));
    return fitted;
}

} // namespace setup
