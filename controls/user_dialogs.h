// The one wrapper for message boxes: Greek Yes/No/OK boxes, and a test hook that scripts the answers.
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>

#include "model/dialogs.h"

class QWidget;

namespace dz {

// The program's message boxes. Every question, notice and error text that a window shows goes
// through here, so that tests can answer it without a modal box.
//
// Test hook: once `ScriptAnswers` has been called, no box is shown at all until `StopScript`:
// questions take the next scripted answer (a question with no answer left counts as No and is
// counted in `UnansweredQuestions`), notices and errors are only recorded. `ShownTexts` records
// the text of every box, scripted or real, in order. `ScriptedDialogs` does both for one scope.
class UserDialogs : public Dialogs {
public:
    // The title of every box: the application title of start-up.
    static const QString kTitle;
    static const QString kYes;  // "Ναι"
    static const QString kNo;   // "Όχι"
    static const QString kOk;   // "OK"

    // A question with the answers Yes ("Ναι") and No ("Όχι"); true for Yes. Enter is Yes,
    // Escape is No.
    bool AskYesNo(const QString& text) override;
    // A question whose Yes destroys data (deletes files, leaves changes unsaved): Enter and
    // Escape both answer No, so that only a deliberate Yes destroys anything.
    bool AskBeforeDestroying(const QString& text);
    // A question with answers of its own: the index of the caption chosen. Enter chooses
    // `defaultIndex`, Escape `escapeIndex`.
    int Choose(const QString& text, const QStringList& captions, int defaultIndex, int escapeIndex);
    // A notice with an OK button.
    void Inform(const QString& text) override;
    // An error text (the general error handler's box) with an OK button.
    void ShowError(const QString& text);

    // --- test hook ---
    static void ScriptAnswers(std::initializer_list<bool> answers);
    static void ScriptAnswers(const QList<bool>& answers);
    // Answers to `Choose`, as indexes of captions; one with no answer left counts as Escape.
    static void ScriptChoices(std::initializer_list<int> choices);
    static void StopScript();  // back to real boxes; forgets answers left over
    static bool Scripted();
    static int PendingAnswers();
    static int UnansweredQuestions();
    static QStringList ShownTexts();
    static void ClearShownTexts();

private:
    static QWidget* BoxParent();
    static bool Ask(const QString& text, bool yesByDefault);
};

// The process-wide instance that every window uses.
UserDialogs& AppDialogs();

// For tests: scripted answers for one scope; starts with an empty record of shown texts.
class ScriptedDialogs {
public:
    explicit ScriptedDialogs(std::initializer_list<bool> answers = {});
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    void answers(std::initializer_list<bool> more);  // adds answers to the queue
    void choices(std::initializer_list<int> more);   // adds answers to `Choose`
};

}  // namespace dz
