// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MacroButtons.h"

#include "widgets/FittedButton.h"
#include "widgets/WidgetStyle.h"
#include "widgets/WindowParts.h"

#include <QLabel>


namespace {
constexpr std::array<int, MacroButtons::Count> kButtonX = {10, 58, 106, 154, 218, 266, 314, 362, 426, 474, 522, 570};
} // namespace

MacroButtons::MacroButtons(QWidget* parent)
    : QObject(parent)
{
    using windowparts::place;
    for (int i = 0; i < Count; ++i) {
        const QString n = QString::number(i + 1);
        auto* label = place(new QLabel(QStringLiteral("F") + n, parent), QStringLiteral("LabelF") + n,
                            kButtonX[size_t(i)], 322, 46, 16);
        label->setFont(widgetstyle::sansFont(11, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        auto* button = place(new FittedButton(parent), QStringLiteral("BitBtn") + n, kButtonX[size_t(i)], 342, 46, 25);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { Q_EMIT clicked(i); });
        m_buttons[size_t(i)] = button;
    }
    m_buttons[0]->setText(QStringLiteral("CQ1"));
    m_buttons[1]->setText(QStringLiteral("CQ2"));
}

void MacroButtons::setCaptions(const std::function<QString(int)>& captionOf)
{
    for (int i = 0; i < Count; ++i)
        m_buttons[size_t(i)]->setText(captionOf(i));
}
