// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/SetupFields.h"

#include <QString>
#include <QValidator>
#include <functional>
#include <vector>

class QTabWidget;
class QWidget;

namespace setup {

// The four tabs with every field of setupFields(), labelled and limited.
// `controls` receives the field controls in the order of setupFields().
QTabWidget* buildSetupPages(QWidget* parent, std::vector<QWidget*>& controls);

// A field's text as shown: a line edit's text, a list's current item.
QString shownText(const QWidget* control);

// Shows `text` in a field. A line edit takes it whole, even past its typing
// limit (a value written by hand must not be cut); a list selects the item
// named so, ignoring letter case, or nothing.
void showText(QWidget* control, const QString& text);

// Calls `edited` at every change of a field's shown text, typed or set.
void onShownTextChanged(QWidget* control, const std::function<void()>& edited);

} // namespace setup
