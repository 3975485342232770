// TEditInt: the whole-number entry field (positions, identifiers, years, counts).
#pragma once
#include <optional>

#include "controls/edit_field.h"

namespace dz {

// `Value` follows the text on every change: 0 for an empty text or a lone "-", otherwise the
// text read as a whole number inside the field's range (`SetRange`; 32 bits unless set).
// A text that does not read (1-2, 99999999999) or lies outside the range is never reported
// while typing: `Value` keeps its last good value and `changed()` is not raised for that
// change. Leaving the field with such a text shows the error box, in Greek and naming the box
// ("Το «1-2» δεν είναι έγκυρος ακέραιος αριθμός (…)", "Το «40000» είναι εκτός ορίων: δεκτές
// τιμές από … έως … (…)"), the focus stays in the field and `exited()` is not raised.
// Typing lets through only Backspace, "-" and the digits 0 to 9 (Enter included, everything
// else is discarded); "-" is let through anywhere.
class TEditInt : public EditField {
    Q_OBJECT
public:
    explicit TEditInt(QWidget* parent = nullptr);

    int Value() const { return value_; }
    // Value becomes n; the text its decimal digits, or empty for 0.
    void SetValue(int n);
    // The values the field takes (both included), as the record's field can hold them.
    void SetRange(qint64 min, qint64 max);

    QString Refusal() const override;

protected:
    bool AcceptsCharacter(QChar typed) const override;
    void TextChanged(const QString& text) override;
    void Left() override;

private:
    std::optional<int> Read(const QString& text) const;  // empty for a text not taken

    int value_ = 0;
    qint64 min_;
    qint64 max_;
};

}  // namespace dz
