// TEditInt: the whole-number entry field (positions, identifiers, years, counts).
#pragma once
#include "controls/edit_field.h"

namespace dz {

// `Value` follows the text on every change: 0 for an empty text or a lone "-", otherwise the
// text read as a 32-bit integer. A text that does not read (1-2, 99999999999) is reported as
// "'…' is not a valid integer value" through the error box; the text stays, `Value` keeps its
// previous value and `changed()` is not raised for that change.
// Typing lets through only Backspace, "-" and the digits 0 to 9 (Enter included, everything
// else is discarded); "-" is let through anywhere.
class TEditInt : public EditField {
    Q_OBJECT
public:
    explicit TEditInt(QWidget* parent = nullptr);

    int Value() const { return value_; }
    // Value becomes n; the text its decimal digits, or empty for 0.
    void SetValue(int n);

protected:
    bool AcceptsCharacter(QChar typed) const override;
    void TextChanged(const QString& text) override;

private:
    int value_ = 0;
};

}  // namespace dz
