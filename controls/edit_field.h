// The events that every entry field gives its window: OnChange, OnExit, OnKeyDown, OnKeyPress.
#pragma once
#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

namespace dz {

// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y belong to the window's undo and redo, not to a field's own:
// true, the event ignored, for those keys; a field's event() or an event filter calls it first.
bool PassHistoryKey(QEvent* event);

// The common ground of TEditInt, TEditReal and TEditAFM: a QLineEdit whose key, focus and text
// events pass through the field's own handling first and then reach the window as signals
// named after the form descriptions' events.
//
// Key events arrive in two steps, a key-down and a character event:
//   1. `keyDown(event)` for every key pressed (OnKeyDown: `event->key()`, `event->modifiers()`).
//   2. When the key types a character (a printable character or Backspace, Enter, Escape; not
//      with Ctrl or Meta held): the field's character filter; a character it lets through is
//      then announced with `keyPressed(event)` (OnKeyPress: the character is `event->text()`)
//      and goes into the text. A character the filter refuses never reaches the text.
// In both signals the event arrives *ignored*: a handler that takes the key for itself
// (moves the focus on Enter, swallows a character) calls `event->accept()`, and the field
// then does nothing more with it. Keys without a character
// (arrows, Home, Delete, Ctrl shortcuts such as Ctrl+V) always go on to the line edit.
//
// Entering and leaving: `Entered()` and `Left()` run when the field becomes, and stops being,
// the window's focused control. A window losing activation (a message box or another program
// in front) or a pop-up menu opening is not leaving the field; a field that first receives
// the focus through the window's activation (the field itself, when the error box that
// leaving it showed sent the focus back) is entered then.
//
// A field is named in its messages by its accessible name, the box's label that the window
// gives it where it places it ("κωδικός 301").
class EditField : public QLineEdit {
    Q_OBJECT
public:
    explicit EditField(QWidget* parent = nullptr);

    // Why the text cannot be taken as it stands ("Το «1-2» δεν είναι έγκυρος ακέραιος αριθμός
    // (κωδικός 301)."); empty when it can. A save asks before it takes `Value`.
    virtual QString Refusal() const { return {}; }

signals:
    void changed();                     // OnChange: after the field has taken the new text
    void exited();                      // OnExit: the field was left (after its own handling)
    void keyDown(QKeyEvent* event);     // OnKeyDown
    void keyPressed(QKeyEvent* event);  // OnKeyPress

protected:
    // The character filter of the kind; `typed` is never a Ctrl or Meta combination.
    virtual bool AcceptsCharacter(QChar typed) const { return true; }
    // The text changed by any means (typing, pasting, setText). Default: raise OnChange.
    virtual void TextChanged(const QString& text);
    // The field was entered / left (not by window activation or pop-up menus).
    virtual void Entered() {}
    virtual void Left();  // default: raise OnExit

    // Leaving refused: the error box with `message`, and the focus back in the field.
    void Refuse(const QString& message);

    void keyPressEvent(QKeyEvent* event) override;
    // Undo and redo belong to the window's history of whole edits, not to the field's own
    // keystrokes: their keys go on to the window's commands.
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool entered_ = false;  // between Entered() and Left()
};

}  // namespace dz
