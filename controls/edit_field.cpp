// Key, focus and text plumbing shared by the entry fields TEditInt, TEditReal and TEditAFM.
#include "controls/edit_field.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "controls/user_dialogs.h"

namespace dz {
namespace {

// Focus changes that do not move the window's focused control.
bool MovesFocusedControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The character a key types, or a null QChar for keys that type none (arrows, Delete, Ctrl+V).
QChar TypedCharacter(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return {};
    const QString text = event->text();
    if (text.isEmpty()) return {};
    const QChar c = text.at(0);
    if (c.unicode() == 0x7F) return {};  // Delete edits but types nothing
    if (c.unicode() < 0x20 && c.unicode() != 0x08 && c.unicode() != 0x0D && c.unicode() != 0x1B) return {};
    return c;
}

}  // namespace

EditField::EditField(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { TextChanged(text); });
}

void EditField::TextChanged(const QString&) { emit changed(); }

void EditField::Left() { emit exited(); }

namespace {

bool IsHistoryKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
}

}  // namespace

bool PassHistoryKey(QEvent* event) {
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!key || !IsHistoryKey(static_cast<QKeyEvent*>(event))) return false;
    // Not overridden, the key reaches the window's shortcut; a key press no window command
    // took leaves the field's text as it is.
    event->ignore();
    return true;
}

bool EditField::event(QEvent* event) { return PassHistoryKey(event) || QLineEdit::event(event); }

void EditField::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    emit keyDown(event);
    if (event->isAccepted()) return;

    const QChar typed = TypedCharacter(event);
    if (!typed.isNull()) {
        if (!AcceptsCharacter(typed)) {
            // Refused: it never reaches the text. Enter and Escape still travel up to the
            // window (default and cancel buttons), as the line edit itself would let them.
            if (typed.unicode() == 0x0D || typed.unicode() == 0x1B) event->ignore();
            else event->accept();
            return;
        }
        event->ignore();
        emit keyPressed(event);
        if (event->isAccepted()) return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (entered_) return;  // back from another window or a pop-up menu
    entered_ = true;
    Entered();
}

void EditField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!entered_ || !MovesFocusedControl(event->reason())) return;
    entered_ = false;
    Left();
}

void EditField::Refuse(const QString& message) {
    AppDialogs().ShowError(message);
    if (!isVisible()) return;  // the window is closing
    // The focus has already gone to the next control; it comes back to what must be mended.
    setFocus(Qt::OtherFocusReason);
}

}  // namespace dz
