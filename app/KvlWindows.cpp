// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KvlWindows.h"

#include "scoring/ContestCatalogue.h"
#include "setupui/ContestExchangeNeeds.h"

#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

// What each contest listed asks of the station's own exchange; a name
// without a description asks nothing.
std::map<QString, ContestExchangeNeeds> exchangeNeeds(const session::ContestSession& session,
                                                      const QStringList& names)
{
    std::map<QString, ContestExchangeNeeds> needs;
    for (const QString& name : names) {
        if (const scoring::ContestDescription* contest = session.catalogue().find(name))
            needs[name] = contestExchangeNeeds(*contest);
    }
    return needs;
}

} // namespace

KvlWindows createWindows(const MainWindowServices& services)
{
    KvlWindows windows;
    windows.main = std::make_unique<TForm1>(services);
    TForm1* form1 = windows.main.get();
    const auto contests = [form1] {
        session::ContestSession& session = form1->session();
        session.reloadContests();
        const QStringList names = session.contestNames();
        return TForm2::ContestOffer {names, session.catalogue().errors, exchangeNeeds(session, names)};
    };
    windows.setup = std::make_unique<TForm2>(
        services.dialogs, form1->ports(), contests, form1->store(), form1->iniStore(),
        [form1](TForm2& settings) { form1->settingsChanged(settings); }, form1);
    form1->attachSetupDialog(windows.setup.get()); // also when the dialog could not load its file
    return windows;
}

int finishKvl(KvlWindows& windows, int exitCode)
{
    const bool rigReleased = !windows.main || windows.main->releaseRig();
    windows.setup.reset(); // a child of the main window: it goes first
    windows.main.reset();
    if (!rigReleased) {
        std::fflush(nullptr);
        ::_exit(exitCode);
    }
    return exitCode;
}
