// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The station data lines and the setup fields that own them: which line each
// field owns, where it sits and what it accepts. The one table of the lines:
// the dialog is built from it and loads and saves in its order, and the tests
// check the file and the dialog against it.
namespace setup {

enum class SetupTab { Settings, Equipment, Macros1, Macros2 };

// Where a field sits on its tab.
enum class Place {
    Left,    // left column of "Установки" and "Аппаратура"
    Right,   // right column of "Установки"
    Wide,    // full width under the columns
    Antenna, // group "Антенны"
    Macro,   // keyer text of a key, one row per key
    Caption, // the key's button caption, narrow column "Надписи"
    Below,   // the field under the twelve keys
};

enum class Input {
    Free,        // as typed
    Upper,       // letters turned to upper case as typed
    Digits,      // digits and backspace only
    PortList,    // chosen from kPortItems
    VariantList, // chosen from kVariantItems
};

struct SetupField
{
    int line;
    QString control; // objectName: "Edit16", "ComboBox1", "MaskEdit1"
    SetupTab tab;
    Place place;
    int row;         // row within its place
    QString caption; // the label beside it; for a caption field, its key
    Input input;
    int maxLength;   // most characters typed; 0 for kLongestSetupText
};

// Most characters typed into any field: every field full, in the widest
// encoding of a character, keeps the station data file under the size its
// reader accepts.
constexpr int kLongestSetupText = 1000;

// Every bound line, in the order of the station data lines.
const std::vector<SetupField>& setupFields();

QString tabTitle(SetupTab tab);

} // namespace setup
