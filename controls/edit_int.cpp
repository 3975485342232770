// TEditInt: whole-number field whose Value follows its text.
#include "controls/edit_int.h"

#include <limits>

#include "model/amount_text.h"
#include "model/errors.h"

namespace dz {

TEditInt::TEditInt(QWidget* parent)
    : EditField(parent), min_(std::numeric_limits<int>::min()), max_(std::numeric_limits<int>::max()) {
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

void TEditInt::SetRange(qint64 min, qint64 max) {
    min_ = min;
    max_ = max;
}

std::optional<int> TEditInt::Read(const QString& text) const {
    if (text.isEmpty() || text == QStringLiteral("-")) return 0;
    const auto n = ParseInteger(text);
    if (!n || *n < min_ || *n > max_) return std::nullopt;
    return n;
}

QString TEditInt::Refusal() const {
    if (Read(text())) return {};
    if (!ParseInteger(text())) return NotAnIntegerText(text(), accessibleName());
    return OutOfRangeText(text(), min_, max_, accessibleName());
}

void TEditInt::TextChanged(const QString& text) {
    const auto n = Read(text);
    if (!n) return;  // reported when the field is left
    value_ = *n;
    emit changed();
}

void TEditInt::Left() {
    if (const QString refusal = Refusal(); !refusal.isEmpty()) {
        Refuse(refusal);
        return;
    }
    emit exited();
}

}  // namespace dz
