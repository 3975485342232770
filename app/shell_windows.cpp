// The registry of the windows that the main window's commands open.
#include "app/shell_windows.h"

#include "app/left_work.h"
#include "e1/fi_e1_open.h"
#include "e1/fi_fast_dil.h"
#include "print/print_registration.h"
#include "e2/fi_e2_open.h"
#include "support/fi_new_ver.h"

namespace dz {

ShellWindows DefaultShellWindows() {
    // Every window these open prints through the same operations.
    const PrintOperations print = MakePrintOperations();
    ShellWindows windows;
    windows.newE1 = [print](QWidget* parent) { return NewE1Window(print, parent); };
    windows.loadE1 = [print](QWidget* parent) { return OpenE1FromIndex(print, parent); };
    windows.newE2 = [print](QWidget* parent) { return NewE2Window(print, parent); };
    windows.loadE2 = [print](QWidget* parent) { return OpenE2FromIndex(print, parent); };
    windows.fastEntry = [print](QWidget* parent) {
        TfiFastDil dialog(print, parent);
        dialog.exec();
    };
    windows.newVersion = ShowNewVersionDialog;
    windows.startupCheck = RunStartupVersionCheck;
    windows.leftWork = [print](QWidget* parent) { return OfferLeftWork(print, parent); };
    return windows;
}

}  // namespace dz
