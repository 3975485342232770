// Window and record: GatherDeclaration, ShowDeclaration and the code table of the E1 window.
#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

#include "app/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "e1/e1_bindings.h"
#include "e1/e1_texts.h"
#include "e1/fi_e1.h"
#include "model/amount_text.h"
#include "model/errors.h"

namespace dz {
namespace {

// The carriers of the two large-city check boxes in the code list.
struct Carrier {
    int code;
    const char* box;
};
constexpr Carrier kCarriers[] = {{93, "cbTelos500F"}, {95, "cbTelos500S"}};

// A whole number into the record's integer type, or a DataError naming the field.
template <typename T>
void StoreInteger(T* target, int value, const QString& control, const IntegerRange& range) {
    if (value < range.min || value > range.max)
        throw DataError(QStringLiteral("Η τιμή %1 του πεδίου %2 είναι εκτός ορίων (%3 έως %4).")
                            .arg(value)
                            .arg(control)
                            .arg(range.min)
                            .arg(range.max));
    *target = static_cast<T>(value);
}

}  // namespace

void TfiE1::GatherDeclaration() {
    // Everything is gathered into a new record first: a value that does not fit leaves both the
    // record and the window as they were.
    E1Declaration d;
    ClearDeclaration(d);
    d.RegistrationNo = declaration_.RegistrationNo;
    for (const TextBinding& b : TextBindings()) {
        const TextRef ref = b.field(d);
        AssignText(ref.data, *ref.size, ref.maxSize, TextOf(b.control), b.capacity, b.control);
    }
    for (const NumberBinding& b : NumberBindings()) {
        const NumberRef ref = b.field(d);
        const auto range = RangeOf(ref);
        if (!range) {
            *std::get<double*>(ref) = AmountOf(b.control);
            continue;
        }
        const int value = IntegerOf(b.control);
        try {
            std::visit([&](auto* target) { StoreInteger(target, value, b.control, *range); }, ref);
        } catch (const DataError&) {
            Control(b.control)->setFocus(Qt::OtherFocusReason);
            throw;
        }
    }
    for (const FlagBinding& b : FlagBindings()) b.field(d) = TickedOf(b.control);

    for (const Carrier& c : kCarriers)
        static_cast<TEditReal*>(CodeControl(c.code))->SetValue(TickedOf(QLatin1String(c.box)) ? 1 : 0);

    int k = 0;
    bool overflow = false;
    for (const CodeBox& box : codeBoxes_) {
        double value = 1;
        if (box.kind == CodeKind::YesNo) {
            if (!static_cast<QCheckBox*>(box.widget)->isChecked()) continue;
        } else if (box.kind == CodeKind::Integer) {
            const auto* field = static_cast<TEditInt*>(box.widget);
            if (field->text().isEmpty()) continue;
            value = field->Value();
        } else {
            const auto* field = static_cast<TEditReal*>(box.widget);
            if (field->text().isEmpty()) continue;
            value = field->Value();
        }
        if (++k > kE1CodeEntries) {
            overflow = true;
            continue;
        }
        d.Codes[k - 1] = {static_cast<int16_t>(box.code), value};
    }
    declaration_ = d;
    if (overflow) AppDialogs().Inform(e1::kTooManyCodes);
}

void TfiE1::ShowDeclaration() {
    for (QWidget* control : std::as_const(controls_)) {
        if (auto* box = qobject_cast<QCheckBox*>(control)) box->setChecked(false);
        else if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
    }
    E1Declaration& d = declaration_;
    if (d.RegistrationNo != 0)
        ControlAs<QLineEdit>(QStringLiteral("edAACode"))->setText(QString::number(d.RegistrationNo));
    for (const TextBinding& b : TextBindings()) {
        const TextRef ref = b.field(d);
        ControlAs<QLineEdit>(b.control)->setText(DecodeWin1253(ref.data, *ref.size));
    }
    for (const NumberBinding& b : NumberBindings()) {
        QString text;
        std::visit(
            [&](auto* value) {
                if (*value <= 0) return;
                if constexpr (std::is_same_v<std::remove_pointer_t<decltype(value)>, double>) text = FormatAmount(*value);
                else text = QString::number(*value);
            },
            b.field(d));
        ControlAs<QLineEdit>(b.control)->setText(text);
    }
    for (const FlagBinding& b : FlagBindings()) ControlAs<QCheckBox>(b.control)->setChecked(b.field(d));

    // Later entries of the same code win.
    for (const E1Declaration::CodeEntry& entry : d.Codes) {
        if (entry.Code <= 0) continue;
        QWidget* control = CodeControl(entry.Code);
        if (!control) continue;
        switch (KindOfCode(entry.Code)) {
        case CodeKind::YesNo:
            static_cast<QCheckBox*>(control)->setChecked(entry.Value != 0);
            break;
        case CodeKind::Amount:
            static_cast<QLineEdit*>(control)->setText(FormatAmount(entry.Value));
            break;
        case CodeKind::Integer:
            // Halves go to the even neighbour, as the default rounding does.
            static_cast<QLineEdit*>(control)->setText(QString::number(std::nearbyint(entry.Value), 'f', 0));
            break;
        case CodeKind::None:
            break;
        }
    }
    for (const Carrier& c : kCarriers) {
        const double carried = static_cast<TEditReal*>(CodeControl(c.code))->Value();
        if (carried == 1) ControlAs<QCheckBox>(QLatin1String(c.box))->setChecked(true);
        else if (carried == 0) ControlAs<QCheckBox>(QLatin1String(c.box))->setChecked(false);
    }
}

void TfiE1::FillCodeTable(CodeTable& codes, tax::ClearanceInputs& inputs) const {
    codes.Clear();
    for (const CodeBox& box : codeBoxes_) {
        switch (box.kind) {
        case CodeKind::YesNo:
            codes.SetTicked(box.code, static_cast<QCheckBox*>(box.widget)->isChecked());
            break;
        case CodeKind::Integer:
            if (const auto* field = static_cast<TEditInt*>(box.widget); !field->text().isEmpty())
                codes.SetValue(box.code, field->Value());
            break;
        case CodeKind::Amount:
            if (const auto* field = static_cast<TEditReal*>(box.widget); !field->text().isEmpty())
                codes.SetValue(box.code, field->Value());
            break;
        case CodeKind::None:
            break;
        }
    }
    const auto pair = [this](const char* taxpayer, const char* spouse) {
        return tax::FlagPair{TickedOf(QLatin1String(taxpayer)), TickedOf(QLatin1String(spouse))};
    };
    inputs.FeeExempt = pair("cbExairesiF", "cbExairesiS");
    inputs.FeeSeatTourist = pair("cbTelos400F", "cbTelos400S");
    inputs.FeeSeatLargeCity = pair("cbTelos500F", "cbTelos500S");
}

}  // namespace dz
