// SPDX-License-Identifier: GPL-3.0-or-later
#include "setupui/SetupPages.h"


#include "widgets/UpperCaseValidator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <numeric>
#include <tuple>

namespace setup {
namespace {

const char* const kTypingLimit = "typingLimit";
constexpr int kFirstWideRow = 8;
constexpr int kKeyCount = 12;
constexpr int kCaptionWidth = 90;
constexpr int kColumnFieldWidth = 140;
constexpr int kListLength = 22; // characters a list shows before it cuts its text

// The grid of each tab, and the antenna group of "Аппаратура".
struct Pages
{
    QTabWidget* tabs = nullptr;
    std::array<QGridLayout*, 4> grids {};
    QGridLayout* antennas = nullptr;
};

QGridLayout* addPage(QTabWidget* tabs, SetupTab tab)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(QStringLiteral("TabSheet%1").arg(int(tab) + 1));
    auto* grid = new QGridLayout(page);
    tabs->addTab(page, tabTitle(tab));
    return grid;
}

Pages makePages(QWidget* parent)
{
    Pages p;
    p.tabs = new QTabWidget(parent);
    p.tabs->setObjectName(QStringLiteral("PageControl1"));
    for (SetupTab tab : {SetupTab::Settings, SetupTab::Equipment, SetupTab::Macros1, SetupTab::Macros2}) {
        p.grids[size_t(tab)] = addPage(p.tabs, tab);
        p.grids[size_t(tab)]->setColumnStretch(1, 1); // the fields take the room, not their labels
    }
    p.grids[size_t(SetupTab::Settings)]->setColumnStretch(3, 1);

    auto* group = new QGroupBox(QStringLiteral("Антенны"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    p.antennas = new QGridLayout(group);
    p.grids[size_t(SetupTab::Equipment)]->addWidget(group, 2, 0, 1, 2);

    for (SetupTab tab : {SetupTab::Macros1, SetupTab::Macros2}) {
        QGridLayout* grid = p.grids[size_t(tab)];
        grid->addWidget(new QLabel(QStringLiteral("Надписи")), 0, 2);
    }
    return p;
}

QWidget* makeControl(const SetupField& f, QWidget* parent)
{
    if (f.input == Input::PortList || f.input == Input::VariantList) {
        auto* list = new QComboBox(parent);
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(kListLength);
        // The dialog fills both lists: the ports present, the contests it is given.
        list->setCurrentIndex(-1);
        return list;
    }
    auto* edit = new QLineEdit(parent);
    const int limit = f.maxLength > 0 ? f.maxLength : kLongestSetupText;
    edit->setMaxLength(limit);
    edit->setProperty(kTypingLimit, limit);
    // A long value shown whole keeps a raised limit until it is cut back.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, limit](const QString& text) {
        if (edit->maxLength() > limit && text.size() <= limit)
            edit->setMaxLength(limit);
    });
    if (f.input == Input::Upper)
        edit->setValidator(new UpperCaseValidator(edit));
    else if (f.input == Input::Digits)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    if (f.place == Place::Caption)
        edit->setMaximumWidth(kCaptionWidth);
    else if (f.place == Place::Left || f.place == Place::Right)
        edit->setMinimumWidth(kColumnFieldWidth);
    return edit;
}

void addLabelled(QGridLayout* grid, int row, int column, QWidget* control, const QString& caption, int span = 1)
{
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
}

void place(const Pages& p, const SetupField& f, QWidget* control)
{
    QGridLayout* grid = p.grids[size_t(f.tab)];
    control->setAccessibleName(f.caption);
    switch (f.place) {
    case Place::Left:
        return addLabelled(grid, f.row, 0, control, f.caption);
    case Place::Right:
        return addLabelled(grid, f.row, 2, control, f.caption);
    case Place::Wide:
        return addLabelled(grid, kFirstWideRow + f.row, 0, control, f.caption, 3);
    case Place::Antenna:
        return addLabelled(p.antennas, f.row, 0, control, f.caption);
    case Place::Macro:
        return addLabelled(grid, f.row + 1, 0, control, f.caption);
    case Place::Caption:
        control->setAccessibleName(QStringLiteral("Надписи ") + f.caption);
        return grid->addWidget(control, f.row + 1, 2);
    case Place::Below:
        return addLabelled(grid, kKeyCount + 1, 0, control, f.caption);
    }
}

// Tab walks each column top to bottom, then the next column; the wide fields
// under the columns come last. The antennas stand under the left column of
// "Аппаратура", the Enter and Space Bar texts under the keyer texts.
int columnRank(Place place)
{
    switch (place) {
    case Place::Left:
    case Place::Macro:
        return 0;
    case Place::Right:
    case Place::Antenna:
    case Place::Below:
        return 1;
    case Place::Wide:
    case Place::Caption:
        return 2;
    }
    return 0;
}

void setTabOrder(const std::vector<QWidget*>& controls)
{
    const auto& fields = setupFields();
    std::vector<size_t> order(fields.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&fields](size_t a, size_t b) {
        const SetupField& x = fields[a];
        const SetupField& y = fields[b];
        return std::tuple(int(x.tab), columnRank(x.place), x.row) < std::tuple(int(y.tab), columnRank(y.place), y.row);
    });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(controls[order[i - 1]], controls[order[i]]);
}

} // namespace

QTabWidget* buildSetupPages(QWidget* parent, std::vector<QWidget*>& controls)
{
    const Pages pages = makePages(parent);
    controls.clear();
    for (const SetupField& f : setupFields()) {
        QWidget* control = makeControl(f, pages.tabs);
        control->setObjectName(f.control);
        place(pages, f, control);
        controls.push_back(control);
    }
    setTabOrder(controls);
    for (QGridLayout* grid : pages.grids)
        grid->setRowStretch(grid->rowCount(), 1);
    pages.tabs->setCurrentIndex(0);
    return pages.tabs;
}

QString shownText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    return {};
}

void onShownTextChanged(QWidget* control, const std::function<void()>& edited)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        QObject::connect(edit, &QLineEdit::textChanged, edit, edited);
    else if (auto* list = qobject_cast<QComboBox*>(control))
        QObject::connect(list, &QComboBox::currentTextChanged, list, edited);
}

void showText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const int limit = edit->property(kTypingLimit).toInt();
        edit->setMaxLength(std::max<int>(limit, int(text.size())));
        edit->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentIndex(text.isEmpty() ? -1 : list->findText(text, Qt::MatchFixedString));
    }
}

} // namespace setup
