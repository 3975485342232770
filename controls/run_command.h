// The general error handler: a failing command shows its error text in one box and the program goes on.
#pragma once
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace dz {

// Runs `command`; a dz::Error (its message()), a std::exception (its what()) or anything else
// thrown is shown in one error box with an OK button, and swallowed. True when nothing was
// thrown. `parent` is only the box's owner; it may be null.
bool RunCommand(QWidget* parent, const std::function<void()>& command);

// Inside a catch block: shows the exception being handled as RunCommand does.
void ShowCurrentException(QWidget* parent);

// The text shown for the exception being handled (inside a catch block).
QString CurrentExceptionText();

// Connects `action`'s triggered signal to `handler` through RunCommand. Use it for every
// command of every window (including an entry window's miSave, miPrint, ...): no exception
// must travel through Qt's signal machinery.
void OnTriggered(QAction* action, QWidget* parent, std::function<void()> handler);

}  // namespace dz
