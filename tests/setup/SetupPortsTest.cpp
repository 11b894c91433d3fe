// SPDX-License-Identifier: GPL-3.0-or-later
// The port field lists the serial ports present, as a fake enumerator says.
#include "tests/setup/SetupDialogFixture.h"

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

TEST_F(SetupDialogTest, ThePortsPresentFollowComNineAndAStoredAbsentOneStays)
{
    ports.ports = {{QStringLiteral("/dev/ttyUSB0"), QString()},
                   {QStringLiteral("/dev/ttyS0"), QString()}, // Com1 already
                   {QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/serial/by-id/usb-Rig_CAT-if00")}};
    storeLines({{setup::Port, QStringLiteral("ttyUSB7")}});
    create();
    QComboBox* box = list(QStringLiteral("ComboBox1"));
    const QStringList items = itemsOf(box);
    EXPECT_EQ(items.value(9), QStringLiteral("Com9"));
    EXPECT_EQ(items.mid(10), (QStringList {QStringLiteral("by-id/usb-Rig_CAT-if00"), QStringLiteral("ttyUSB0"),
                                           QStringLiteral("ttyUSB7")}));
    EXPECT_EQ(store.port(), QStringLiteral("ttyUSB7"));

    box->setCurrentIndex(11);
    form->FormClose();
    EXPECT_EQ(storedLines()[setup::Port], QStringLiteral("ttyUSB0"));

    // Plugged in while the program runs: offered when the dialog opens again.
    ports.ports.push_back({QStringLiteral("/dev/ttyUSB1"), QString()});
    reopen();
    EXPECT_EQ(itemsOf(box).mid(10), (QStringList {QStringLiteral("by-id/usb-Rig_CAT-if00"), QStringLiteral("ttyUSB0"),
                                                  QStringLiteral("ttyUSB1")}));
    EXPECT_EQ(store.port(), QStringLiteral("ttyUSB0"));
}
