// The application object: its name, Qt's texts in Greek and the general error handler for every event handler.
#pragma once
#include <QApplication>

namespace dz {

// Names the program ("DOVAZEZ 2015", version "4.00") and installs Qt's texts in Greek. The name
// is deliberately not made the display name: on X11 Qt appends a display name to every window
// title, and each window carries its whole title itself ("DOVAZEZ 2015 (VER 4.00)").
void PrepareApplication(QApplication& app);

// The application-wide error handler: an error that escapes any event handler
// (a field's exit handler, a key handler) is shown in one error box and the program goes on.
// Commands catch their own errors first (RunCommand); this is the net under everything else.
class Application : public QApplication {
    Q_OBJECT
public:
    static const QString kTitle;  // "DOVAZEZ 2015"
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace dz
