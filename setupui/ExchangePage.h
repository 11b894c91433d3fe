// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/StationExchange.h"
#include "setupui/ContestExchangeNeeds.h"

#include <QWidget>
#include <map>

class QComboBox;
class QLabel;
class QLineEdit;

// The tab "Обмен": the station's own group, code and zone for the contest
// chosen in the contest list, kept in kvl.ini per contest. What is edited for
// one contest is held while the list shows another, until setup closes.
class ExchangePage : public QWidget
{
public:
    using Needs = std::map<QString, ContestExchangeNeeds>; // by contest name

    explicit ExchangePage(QWidget* parent = nullptr);

    // What each contest offered asks; a name missing asks nothing.
    void setNeeds(Needs needs);
    // The values kept in kvl.ini, in place of any held.
    void showExchanges(const setup::StationExchanges& exchanges);
    // The values shown are held, and those of contest `name` shown.
    void showContest(const QString& name);
    // Every contest's values, those shown included.
    setup::StationExchanges exchanges() const;

private:
    setup::StationExchange shownValues() const;
    void holdShown();
    void showValues();
    void listGroups(const QString& chosen);
    void showEnabled();

    Needs m_needs;
    setup::StationExchanges m_held;
    QString m_name;              // the contest shown
    ContestExchangeNeeds m_shown; // what it asks
    QLabel* m_contest = nullptr;
    QComboBox* m_group = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_zone = nullptr;
};
