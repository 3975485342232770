// Answers for the file operations' questions, given in advance; every text asked or shown is kept.
#pragma once
#include <QStringList>
#include <deque>
#include <stdexcept>

#include "model/dialogs.h"

namespace dz::test {

class ScriptedDialogs : public Dialogs {
public:
    std::deque<bool> answers;
    QStringList asked, informed;
    // A question with no answer left fails the test that did not expect it.
    bool AskYesNo(const QString& text) override {
        asked << text;
        if (answers.empty()) throw std::logic_error("unexpected question");
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Inform(const QString& text) override { informed << text; }
};

}  // namespace dz::test
