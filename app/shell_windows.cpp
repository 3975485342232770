// The registry of the windows that the main window's commands open.
#include "app/shell_windows.h"

#include "e1/fi_e1_open.h"
#include "e1/fi_fast_dil.h"
#include "print/print_registration.h"
#include "e2/fi_e2_open.h"
#include "support/fi_new_ver.h"

namespace dz {

ShellWindows DefaultShellWindows() {
    RegisterPrintOperations();
    ShellWindows windows;
    windows.newE1 = NewE1Window;
    windows.loadE1 = OpenE1FromIndex;
    windows.newE2 = NewE2Window;
    windows.loadE2 = OpenE2FromIndex;
    windows.fastEntry = [](QWidget* parent) {
        TfiFastDil dialog(parent);
        dialog.exec();
    };
    windows.newVersion = ShowNewVersionDialog;
    windows.startupCheck = RunStartupVersionCheck;
    // Register each window here when it exists, for example:
    //   windows.newE1 = [](QWidget* parent) -> QWidget* { return new TfiE1(parent); };
    //   windows.newVersion = [](QWidget* parent) { TfiNewVer dialog(parent); dialog.exec(); };
    return windows;
}

}  // namespace dz
