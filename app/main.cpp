// Start-up of the desktop program: title, main window, version check, loop.
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include "app/application.h"
#include "app/fi_main.h"
#include "controls/run_command.h"

int main(int argc, char** argv) {
    // The application and its title. The program works relative to the current folder.
    dz::Application app(argc, argv);

    // The main window (its creation ticks miAutoCheck and sets FirstActivation).
    dz::TfiMain main;
    if (QScreen* screen = QGuiApplication::primaryScreen())  // centred when restored
        main.move(screen->availableGeometry().center() - main.rect().center());

    // The program starts unless the version check says otherwise.
    bool startRun = true;

    // The silent version check, when switched on and once it exists.
    if (QFile::exists(dz::kAutoCheckFile) && main.shellWindows().startupCheck)
        dz::RunCommand(&main, [&main, &startRun] {
            startRun = dz::ProgramStartsAfter(main.shellWindows().startupCheck(&main));
        });

    // The maximised main window and the event loop, unless the user left for the new version.
    if (!startRun) return 0;
    main.showMaximized();
    main.activateWindow();  // FirstActivation also where no window manager activates it
    return app.exec();
}
