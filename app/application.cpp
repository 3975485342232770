// The program's QApplication: name, Qt's texts and last-resort error box.
#include "app/application.h"

#include "app/qt_texts.h"
#include "controls/run_command.h"

namespace dz {

const QString Application::kTitle = QStringLiteral("DOVAZEZ 2015");

void PrepareApplication(QApplication& app) {
    app.setApplicationName(Application::kTitle);
    app.setApplicationVersion(QStringLiteral("4.00"));
    InstallGreekQtTexts(app);
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { PrepareApplication(*this); }

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException(nullptr);
        return false;
    }
}

}  // namespace dz
