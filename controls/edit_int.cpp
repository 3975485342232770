// TEditInt: whole-number field whose Value follows its text.
#include "controls/edit_int.h"

#include "controls/user_dialogs.h"
#include "model/amount_text.h"

namespace dz {

TEditInt::TEditInt(QWidget* parent) : EditField(parent) {
    // Characters come only through key events, where the filter sees them.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TEditInt::SetValue(int n) {
    value_ = n;
    setText(n == 0 ? QString() : QString::number(n));
}

bool TEditInt::AcceptsCharacter(QChar typed) const {
    return typed.unicode() == 0x08 || typed == u'-' || (typed >= u'0' && typed <= u'9');
}

void TEditInt::TextChanged(const QString& text) {
    if (text.isEmpty() || text == QStringLiteral("-")) {
        value_ = 0;
    } else if (const auto n = ParseInteger(text)) {
        value_ = *n;
    } else {
        AppDialogs().ShowError(InvalidIntegerText(text));
        return;
    }
    emit changed();
}

}  // namespace dz
