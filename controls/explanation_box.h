// A figure's explanation in a small window: the Greek text, every code in it a link to its box on the form.
#pragma once
#include <QDialog>
#include <functional>

#include "note/explanations.h"

class QTextBrowser;

namespace dz {

class ExplanationBox : public QDialog {
    Q_OBJECT
public:
    // `showCode` brings a code's box into view with the focus; without it the codes are plain text.
    ExplanationBox(const Explanation& explanation, std::function<void(int code)> showCode, QWidget* parent = nullptr);

    QTextBrowser* text;

    // The explanation as shown: HTML, the codes as links "code:301".
    static QString Html(const Explanation& explanation, bool links);

signals:
    // A code's link was followed (the box closes after it).
    void codeShown(int code);

private:
    std::function<void(int)> showCode_;
};

}  // namespace dz
