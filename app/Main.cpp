#include "app/Main.h"

#include "app/Module1.h"
#include "app/frmSplash.h"
#include "forms/LoadedForms.h"
#include "ui/frmMain.h"

namespace pentavo {

void Main() {
    auto* splash = new frmSplash();
    // Nothing else is handled until Main returns, so the splash is drawn now.
    splash->ShowPainted();

    MainForm = new frmMain(Options);
    MainForm->Load();
    UnloadForm(splash);
    MainForm->show();
}

} // namespace pentavo
