// Catching what a command throws and showing it, in one error box.
#include "controls/run_command.h"

#include <QAction>
#include <exception>

#include "controls/user_dialogs.h"
#include "model/errors.h"

namespace dz {

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const Error& e) {
        return e.message();
    } catch (const std::exception& e) {
        const QString what = QString::fromUtf8(e.what());
        return what.isEmpty() ? QStringLiteral("Σφάλμα") : what;
    } catch (...) {
        return QStringLiteral("Άγνωστο σφάλμα");
    }
}

void ShowCurrentException(QWidget*) { AppDialogs().ShowError(CurrentExceptionText()); }

bool RunCommand(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (...) {
        ShowCurrentException(parent);
        return false;
    }
}

void OnTriggered(QAction* action, QWidget* parent, std::function<void()> handler) {
    QObject::connect(action, &QAction::triggered, action,
                     [parent, handler = std::move(handler)] { RunCommand(parent, handler); });
}

}  // namespace dz
