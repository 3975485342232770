// TEditReal: amount field with the Greek amount text (decimal comma, full stops between thousands).
#include "controls/edit_real.h"

#include "model/amount_text.h"
#include "model/errors.h"

namespace dz {
namespace {

// Whether `text` keeps within the digits an amount text holds.
bool FitsAmountText(QStringView text) {
    int whole = 0;
    int all = 0;
    bool decimals = false;
    for (const QChar c : text) {
        if (c == kDecimalSeparator) decimals = true;
        if (!c.isDigit()) continue;
        ++all;
        if (!decimals) ++whole;
    }
    return whole <= kAmountWholeDigits && all <= kAmountDigits;
}

std::optional<double> ReadTyped(const QString& text) {
    if (!FitsAmountText(text)) return std::nullopt;
    auto read = ParseDecimal(text);
    if (!read) read = ParseAmount(text);
    return read;
}

}  // namespace

TEditReal::TEditReal(QWidget* parent) : EditField(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // No maxLength: a larger amount of a file is shown whole, never cut to what typing allows.
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
    if (typed.unicode() == 0x08 || typed == u'-') return true;
    const bool digit = typed >= u'0' && typed <= u'9';
    if (!digit && typed != kDecimalSeparator) return false;
    // The text as it will be once the typed character replaces the selection.
    QString kept = text();
    int at = cursorPosition();
    if (hasSelectedText()) {
        at = selectionStart();
        kept.remove(at, selectedText().size());
    }
    if (typed == kDecimalSeparator && kept.contains(kDecimalSeparator)) return false;  // one decimal comma
    kept.insert(at, typed);
    return FitsAmountText(kept);
}

QString TEditReal::Refusal() const {
    if (text().isEmpty() || text() == QStringLiteral("-") || ReadTyped(text())) return {};
    return NotAnAmountText(text(), accessibleName());
}

void TEditReal::TextChanged(const QString& text) {
    if (text.isEmpty() || text == QStringLiteral("-")) {
        value_ = 0;
    } else if (const auto v = FitsAmountText(text) ? ParseAmount(text) : std::nullopt) {
        value_ = *v;
    } else {
        return;  // reported when the field is left
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
        const auto read = ReadTyped(text());
        if (!read) {
            Refuse(NotAnAmountText(text(), accessibleName()));
            return;  // text and Value stay; OnExit does not run
        }
        const double typed = *read;
        setText(FormatAmount(typed));
        value_ = typed;  // unrounded, whatever the shown text reads as
    }
    emit exited();
}

}  // namespace dz
