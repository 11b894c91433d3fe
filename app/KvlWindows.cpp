#include "app/KvlWindows.h"

#include "scoring/ContestVariant.h"

KvlWindows createWindows(const MainWindowServices& services)
{
    KvlWindows windows;
    windows.main = std::make_unique<TForm1>(services);
    TForm1* form1 = windows.main.get();
    windows.setup = std::make_unique<TForm2>(
        services.dialogs, form1->ports(), scoring::contestTexts(),
        [form1](TForm2& settings) { form1->settingsChanged(settings); }, form1);
    form1->attachSetupDialog(windows.setup.get()); // also when the dialog could not load its file
    return windows;
}
