// The questions and notices that file operations put to the user. The desktop program answers
// with message boxes, tests with scripted answers, the command line without asking.
#pragma once
#include <QString>

namespace dz {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question with the answers Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // A notice with an OK button.
    virtual void Inform(const QString& text) = 0;
};

// Answers No and shows nothing: for work that must not stop for the user, such as showing a
// calculated state back.
class QuietDialogs : public Dialogs {
public:
    bool AskYesNo(const QString&) override { return false; }
    void Inform(const QString&) override {}
};

}  // namespace dz
