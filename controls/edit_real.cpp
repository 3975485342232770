// TEditReal: amount field with the Greek amount text (decimal comma, full stops between thousands).
#include "controls/edit_real.h"

#include "controls/user_dialogs.h"
#include "model/amount_text.h"

namespace dz {

TEditReal::TEditReal(QWidget* parent) : EditField(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TEditReal::SetAlignment(Qt::Alignment horizontal) {
    setAlignment((horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void TEditReal::SetValue(double x) {
    if (x == 0) {
        value_ = 0;
        setText(QString());
        return;
    }
    value_ = x;
    setText(FormatAmount(x));
    // "." removed literally here, whatever the thousands separator.
    if (const auto shown = ParseDecimal(QString(text()).remove(u'.'))) value_ = *shown;
}

bool TEditReal::AcceptsCharacter(QChar typed) const {
    if (typed.unicode() == 0x08 || typed == u'-' || (typed >= u'0' && typed <= u'9')) return true;
    if (typed != kDecimalSeparator) return false;
    // One decimal comma: the text as it will be once the typed character replaces the selection.
    QString kept = text();
    if (hasSelectedText()) kept.remove(selectionStart(), selectedText().size());
    return !kept.contains(kDecimalSeparator);
}

void TEditReal::TextChanged(const QString& text) {
    if (text.isEmpty() || text == QStringLiteral("-")) {
        value_ = 0;
    } else if (const auto v = ParseAmount(text)) {
        value_ = *v;
    } else {
        AppDialogs().ShowError(InvalidFloatText(text));
        return;
    }
    emit changed();
}

void TEditReal::Entered() {
    if (text().isEmpty()) return;
    const QString stripped = StripThousands(text());
    if (stripped != text()) setText(stripped);
    selectAll();
}

void TEditReal::Left() {
    if (text().isEmpty()) {
        value_ = 0;
    } else {
        auto read = ParseDecimal(text());
        if (!read) read = ParseAmount(text());
        if (!read) {
            AppDialogs().ShowError(InvalidFloatText(text()));
            return;  // text and Value stay; OnExit does not run
        }
        const double typed = *read;
        setText(FormatAmount(typed));
        value_ = typed;  // unrounded, whatever the shown text reads as
    }
    emit exited();
}

}  // namespace dz
