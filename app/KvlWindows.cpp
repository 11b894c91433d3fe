#include "app/KvlWindows.h"

#include <cstdio>
#include <unistd.h>

KvlWindows createWindows(const MainWindowServices& services)
{
    KvlWindows windows;
    windows.main = std::make_unique<TForm1>(services);
    TForm1* form1 = windows.main.get();
    const auto contests = [form1] {
        session::ContestSession& session = form1->session();
        session.reloadContests();
        return TForm2::ContestOffer {session.contestNames(), session.catalogue().errors};
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
