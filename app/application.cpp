// The program's QApplication: title and last-resort error box.
#include "app/application.h"

#include "controls/run_command.h"

namespace dz {

const QString Application::kTitle = QStringLiteral("DOVAZEZ 2015");

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kTitle);
    setApplicationDisplayName(kTitle);
    setApplicationVersion(QStringLiteral("4.00"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException(nullptr);
        return false;
    }
}

}  // namespace dz
