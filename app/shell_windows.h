// How the entry windows and the modal windows plug into the main window's commands.
#pragma once
#include <QWidget>
#include <functional>

#include "support/version_check.h"

namespace dz {

// Creates an entry window and returns it for the main window to show as its child window,
// or returns nullptr when nothing is to be shown (an index closed with cancel, an empty index
// after its message). `parent` is the main window (use it as the parent of any modal window
// opened on the way); the returned widget is re-parented into the child-window area.
//
// An entry window must:
// - have the component name "fiE1" (E1) or "fiE2" (E2) as its objectName, and its caption as
//   its windowTitle;
// - hold its commands as QAction children named "miSave", "miPrint", "miSaveAs" (E2 only) and
//   "miEka2003" (E1 only); the main window finds them by name and calls trigger(). Connect
//   them with dz::OnTriggered (app/run_command.h) and give them no shortcuts (F2 and F8 belong
//   to the main window's commands);
// - ask its own closing question in closeEvent ("Έχετε κάνει μεταβολές στη Δήλωση. Να
//   αποθηκευτούν πρίν από την έξοδo;" through dz::AppDialogs(): Yes saves, No discards) and
//   accept the event; ignore the event to stay open (for example when saving failed: catch the
//   error, show it with dz::ShowCurrentException and ignore the event). The main window asks
//   its child through close() before it closes itself, so this question is also asked when the
//   user leaves the program with an entry window open.
using ChildFactory = std::function<QWidget*(QWidget* parent)>;

// A command that shows a modal window and destroys it when it closes.
using ModalCommand = std::function<void(QWidget* parent)>;

// The version check at start-up, with `parent` not yet shown; its outcome decides whether the
// program starts (ProgramStartsAfter).
using StartupCheck = std::function<VersionCheckOutcome(QWidget* parent)>;

// The windows that the main window's commands open. A command whose entry is empty stays disabled.
struct ShellWindows {
    ChildFactory newE1;       // acE1, start-panel button 1: an empty E1 entry window
    ChildFactory newE2;       // acE2, start-panel button 2: an empty E2 entry window
    ChildFactory loadE1;      // acLoadE1: E1 index, then the filled E1 window or nullptr
    ChildFactory loadE2;      // acLoadE2: the same for E2
    ModalCommand fastEntry;   // acFastEntry: the short declaration TfiFastDil
    ModalCommand newVersion;  // N12, start-panel button 3: TfiNewVer
    StartupCheck startupCheck;  // at start-up when "Autocheck15.ini" exists: the silent check
    ChildFactory leftWork;      // at the first activation: unsaved work of a run that ended abnormally
};

// The windows that the program has: the main window starts with these. Every window is
// registered in shell_windows.cpp.
ShellWindows DefaultShellWindows();

}  // namespace dz
