// TEditReal: the amount entry field, shown in the amount text of model/amount_text.h.
#pragma once
#include "controls/edit_field.h"

namespace dz {

// An amount in euros (or millimetres in the print dialog). `Value` follows the text on every
// change (thousands separators removed; 0 for empty or a lone "-"); entering the field removes
// the thousands separators and selects the whole text; leaving it shows the amount text of
// what was typed while `Value` keeps the unrounded number (12,345 shows 12,35, Value 12.345),
// then raises `exited()`. A text that does not read is never reported while typing: `Value`
// keeps its last good value and `changed()` is not raised. Leaving the field with it shows
// the error box "Το «…» δεν είναι έγκυρο ποσό (box label)."; the text stays, the focus stays
// in the field and `exited()` is not raised.
// Typing lets through Backspace, "-", the digits and one decimal comma; the full stop (the
// thousands separator) cannot be typed, nor a digit beyond what the amount text holds
// (kAmountWholeDigits whole digits, kAmountDigits in all), so every amount typed reads back
// as typed; a pasted text beyond that is refused when the field is left.
class TEditReal : public EditField {
    Q_OBJECT
public:
    explicit TEditReal(QWidget* parent = nullptr);

    double Value() const { return value_; }
    // 0 empties the text. Otherwise the text becomes the amount text of x and Value is read
    // back from it, so Value is x rounded to two decimals exactly as shown (0.125 -> 0,13 / 0.13).
    void SetValue(double x);

    // The design-time `Alignment` of the form descriptions: Qt::AlignLeft, Qt::AlignRight
    // (the default) or Qt::AlignHCenter; takes effect at once.
    Qt::Alignment Alignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
    void SetAlignment(Qt::Alignment horizontal);

    QString Refusal() const override;

protected:
    bool AcceptsCharacter(QChar typed) const override;
    void TextChanged(const QString& text) override;
    void Entered() override;
    void Left() override;

private:
    double value_ = 0;
};

}  // namespace dz
