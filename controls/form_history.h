// FormHistory: undo and redo of an entry window over its form value. One step per settled
// edit: a typed field once the focus leaves it, anything else (a tick, a pick, a row command)
// on the next turn of the event loop, so that what the edit set off (presumptions, a completed
// year, a row calculation) is part of the same step.
#pragma once
#include <QObject>
#include <functional>

#include "model/edit_history.h"

class QAbstractButton;
class QAction;
class QLineEdit;
class QWidget;

namespace dz {

// What does not depend on the form's type: the commands and when a change settles.
class FormHistoryCommands : public QObject {
public:
    // "Αναίρεση" (Ctrl+Z) and "Επανάληψη" (Ctrl+Shift+Z, Ctrl+Y), named "miUndo" and "miRedo",
    // working anywhere inside the window.
    QAction* const undo;
    QAction* const redo;

    // The field's typing waits for the focus to leave it; its other changes settle at once.
    void Follow(QLineEdit* field);
    // A tick settles at once.
    void Follow(QAbstractButton* box);
    // Something of the form changed by a command: a step on the next turn of the event loop.
    void Changed();
    // The form as it stands becomes a step unless nothing changed; what is being typed counts
    // as left.
    void Settle();
    void Undo();
    void Redo();

protected:
    // `held`: while it is true, changes are the window's own and make no step.
    FormHistoryCommands(QWidget* window, std::function<bool()> held);
    virtual bool RecordNow() = 0;
    // Moves back or forward and shows that form; false when there is nowhere to go.
    virtual bool Step(bool forward) = 0;
    virtual bool CanStep(bool forward) const = 0;
    void UpdateCommands();
    // Shows a form of the history: changes made meanwhile make no step.
    void Showing(const std::function<void()>& show);

private:
    bool Held() const { return restoring_ || (held_ && held_()); }

    QWidget* window_;
    std::function<bool()> held_;
    bool typing_ = false;
    bool restoring_ = false;
};

template <class Value>
class FormHistory final : public FormHistoryCommands {
public:
    // `form` reads the window's form; `show` puts one back (and sets what follows from it,
    // such as the modified mark).
    FormHistory(QWidget* window, std::function<Value()> form, std::function<void(const Value&)> show,
                std::function<bool()> held = {})
        : FormHistoryCommands(window, std::move(held)), form_(std::move(form)), show_(std::move(show)) {}

    // The form as it stands is where the history starts, and it is saved (opened or new).
    void Reset() {
        values_.Reset(form_());
        UpdateCommands();
    }
    // After a save: the form as it stands is the saved one.
    void MarkSaved() {
        Settle();
        values_.MarkSaved(form_());
        UpdateCommands();
    }
    // A form from elsewhere (a recovery file) as a step after the one the history starts at, shown.
    void ShowAsStep(const Value& value) {
        values_.Record(value);
        Showing([&] { show_(value); });
        UpdateCommands();
    }
    const EditHistory<Value>& Values() const { return values_; }

private:
    bool RecordNow() override { return values_.Record(form_()); }
    bool Step(bool forward) override {
        const Value* value = forward ? values_.Redo() : values_.Undo();
        if (value) Showing([&] { show_(*value); });
        return value != nullptr;
    }
    bool CanStep(bool forward) const override { return forward ? values_.CanRedo() : values_.CanUndo(); }

    std::function<Value()> form_;
    std::function<void(const Value&)> show_;
    EditHistory<Value> values_;
};

}  // namespace dz
