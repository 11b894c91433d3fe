// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/WindowSettings.h"

#include "common/IniSettings.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace setup {
namespace {

const QString kWindowSection = QStringLiteral("Window");
const QString kTextSizeKey = QStringLiteral("Window/textSize");
const QString kMaximisedKey = QStringLiteral("Window/maximised");
const QStringList kGeometryNames = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("width"),
                                    QStringLiteral("height")};

QString key(const QString& section, const QString& name)
{
    return section + QLatin1Char('/') + name;
}

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

// All four numbers, with a width and a height; anything less is none.
std::optional<QRect> geometry(const logbook::IniSettings& ini, const QString& section, std::optional<QString>& problem)
{
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> value = number(ini, key(section, kGeometryNames[i]), problem);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

void writeGeometry(logbook::IniSettings& ini, const QString& section, const std::optional<QRect>& geometry)
{
    if (!geometry)
        return;
    const int values[4] = {geometry->x(), geometry->y(), geometry->width(), geometry->height()};
    for (int i = 0; i < 4; ++i)
        ini.setValue(key(section, kGeometryNames[i]), values[i]);
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
    read.settings.geometry = geometry(ini, kWindowSection, problem);
    return read;
}

void writeWindowSettings(logbook::IniSettings& ini, const WindowSettings& settings)
{
    ini.setValue(kTextSizeKey, settings.textSize);
    ini.setValue(kMaximisedKey, settings.maximised ? 1 : 0);
    writeGeometry(ini, kWindowSection, settings.geometry);
}

SideWindowSettingsRead readSideWindowSettings(const logbook::IniSettings& ini, const QString& section)
{
    SideWindowSettingsRead read;
    read.settings.open = number(ini, key(section, QStringLiteral("open")), read.problem).value_or(0) != 0;
    read.settings.geometry = geometry(ini, section, read.problem);
    return read;
}

void writeSideWindowSettings(logbook::IniSettings& ini, const QString& section, const SideWindowSettings& settings)
{
    ini.setValue(key(section, QStringLiteral("open")), settings.open ? 1 : 0);
    writeGeometry(ini, section, settings.geometry);
}

QRect fitOnScreen(const QRect& frame, const QSize& smallest, const QRect& area)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()).expandedTo(smallest));
    fitted.moveTo(std::clamp(fitted.x(), area.x(), std::max(area.x(), area.right() + 1 - fitted.width())),
                  std::clamp(fitted.y(), area.y(), std::max(area.y(), area.bottom() + 1 - fitted.height())));
    return fitted;
}

} // namespace setup
