// Message boxes with Greek buttons (Debian ships no Greek Qt translation) and their test script.
#include "controls/user_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace dz {
namespace {

struct Script {
    bool active = false;
    QList<bool> answers;
    QList<int> choices;
    int unanswered = 0;
    QStringList shown;
};

Script& TheScript() {
    static Script script;
    return script;
}

}  // namespace

const QString UserDialogs::kTitle = QStringLiteral("DOVAZEZ 2015");
const QString UserDialogs::kYes = QStringLiteral("Ναι");
const QString UserDialogs::kNo = QStringLiteral("Όχι");
const QString UserDialogs::kOk = QStringLiteral("OK");

QWidget* UserDialogs::BoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

bool UserDialogs::AskYesNo(const QString& text) { return Ask(text, true); }

bool UserDialogs::AskBeforeDestroying(const QString& text) { return Ask(text, false); }

bool UserDialogs::Ask(const QString& text, bool yesByDefault) {
    Script& s = TheScript();
    s.shown << text;
    if (s.active) {
        if (s.answers.isEmpty()) {
            ++s.unanswered;
            return false;
        }
        return s.answers.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, BoxParent());
    QPushButton* yes = box.addButton(kYes, QMessageBox::YesRole);
    QPushButton* no = box.addButton(kNo, QMessageBox::NoRole);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

int UserDialogs::Choose(const QString& text, const QStringList& captions, int defaultIndex, int escapeIndex) {
    Script& s = TheScript();
    s.shown << text;
    if (s.active) {
        if (s.choices.isEmpty()) {
            ++s.unanswered;
            return escapeIndex;
        }
        return s.choices.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, BoxParent());
    QList<QPushButton*> buttons;
    for (const QString& caption : captions) buttons << box.addButton(caption, QMessageBox::ActionRole);
    box.setDefaultButton(buttons.value(defaultIndex));
    box.setEscapeButton(buttons.value(escapeIndex));
    box.exec();
    const auto chosen = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen < 0 ? escapeIndex : static_cast<int>(chosen);
}

void UserDialogs::Inform(const QString& text) {
    Script& s = TheScript();
    s.shown << text;
    if (s.active) return;
    QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::NoButton, BoxParent());
    QPushButton* ok = box.addButton(kOk, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void UserDialogs::ShowError(const QString& text) {
    Script& s = TheScript();
    s.shown << text;
    if (s.active) return;
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::NoButton, BoxParent());
    QPushButton* ok = box.addButton(kOk, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void UserDialogs::ScriptAnswers(std::initializer_list<bool> answers) { ScriptAnswers(QList<bool>(answers)); }

void UserDialogs::ScriptAnswers(const QList<bool>& answers) {
    Script& s = TheScript();
    s.active = true;
    s.answers += answers;
}

void UserDialogs::ScriptChoices(std::initializer_list<int> choices) {
    Script& s = TheScript();
    s.active = true;
    s.choices += QList<int>(choices);
}

void UserDialogs::StopScript() {
    Script& s = TheScript();
    s.active = false;
    s.answers.clear();
    s.choices.clear();
    s.unanswered = 0;
}

bool UserDialogs::Scripted() { return TheScript().active; }
int UserDialogs::PendingAnswers() { return static_cast<int>(TheScript().answers.size() + TheScript().choices.size()); }
int UserDialogs::UnansweredQuestions() { return TheScript().unanswered; }
QStringList UserDialogs::ShownTexts() { return TheScript().shown; }
void UserDialogs::ClearShownTexts() { TheScript().shown.clear(); }

UserDialogs& AppDialogs() {
    static UserDialogs dialogs;
    return dialogs;
}

ScriptedDialogs::ScriptedDialogs(std::initializer_list<bool> answers) {
    UserDialogs::StopScript();
    UserDialogs::ClearShownTexts();
    UserDialogs::ScriptAnswers(answers);
}

ScriptedDialogs::~ScriptedDialogs() {
    UserDialogs::StopScript();
    UserDialogs::ClearShownTexts();
}

void ScriptedDialogs::answers(std::initializer_list<bool> more) { UserDialogs::ScriptAnswers(more); }
void ScriptedDialogs::choices(std::initializer_list<int> more) { UserDialogs::ScriptChoices(more); }

}  // namespace dz
