// The E1 window and the form value: the window's boxes read into a form and a form shown in them.
#include <QCheckBox>
#include <QLineEdit>

#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "declaration/e1_bindings.h"
#include "e1/e1_texts.h"
#include "e1/fi_e1.h"

namespace dz {
namespace {

// What an entry box holds: the number behind an amount or whole-number text, the text of any box.
E1FormBox BoxOf(const QLineEdit* edit) {
    if (const auto* amount = qobject_cast<const TEditReal*>(edit)) return {edit->text(), amount->Value()};
    if (const auto* whole = qobject_cast<const TEditInt*>(edit)) return {edit->text(), double(whole->Value())};
    return {edit->text(), 0};
}

}  // namespace

E1Form TfiE1::Form() const {
    E1Form form;
    form.registrationNo = declaration_.RegistrationNo;
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (const auto* box = qobject_cast<const QCheckBox*>(it.value())) {
            if (box->isChecked()) form.ticked.insert(it.key());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(it.value())) {
            if (!edit->text().isEmpty()) form.boxes.insert(it.key(), BoxOf(edit));
        }
    }
    form.codeOrder.reserve(codeBoxes_.size());
    for (const CodeBox& box : codeBoxes_) form.codeOrder.push_back(box.code);
    return form;
}

void TfiE1::ShowForm(const E1Form& form) {
    const LiveHold hold(*this);
    for (QWidget* control : std::as_const(controls_)) {
        if (auto* box = qobject_cast<QCheckBox*>(control)) box->setChecked(false);
        else if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
    }
    // In the order of the form: the record's fields, then the codes, then the large-city boxes.
    const auto show = [&](const QString& name) {
        QWidget* control = Control(name);
        if (auto* box = qobject_cast<QCheckBox*>(control)) box->setChecked(form.Ticked(name));
        else if (auto* edit = qobject_cast<QLineEdit*>(control); edit && form.Filled(name)) edit->setText(form.Text(name));
    };
    show(QStringLiteral("edAACode"));
    for (const TextBinding& b : TextBindings()) show(b.control);
    for (const NumberBinding& b : NumberBindings()) show(b.control);
    for (const FlagBinding& b : FlagBindings()) show(b.control);
    for (const E1CodeBox& b : E1CodeBoxes()) show(CodeControlName(b.code));
    for (const LargeCityCarrier& c : kLargeCityCarriers) show(QLatin1String(c.box));
}

void TfiE1::GatherDeclaration() {
    StopAtRefusedField();
    E1Declaration gathered;
    bool overflow = false;
    try {
        overflow = GatherForm(Form(), gathered);
    } catch (const BoxError& e) {
        if (QWidget* control = Control(e.box())) control->setFocus(Qt::OtherFocusReason);
        throw;
    }
    // The hidden carriers follow their boxes, as the gathered code list does.
    {
        const LiveHold hold(*this);
        for (const LargeCityCarrier& c : kLargeCityCarriers)
            static_cast<TEditReal*>(CodeControl(c.code))->SetValue(TickedOf(QLatin1String(c.box)) ? 1 : 0);
    }
    declaration_ = gathered;
    if (overflow) AppDialogs().Inform(e1::kTooManyCodes);
}

void TfiE1::ShowDeclaration() {
    ShowForm(FormOfDeclaration(declaration_));
    history_->Reset();
    StartLiveChanges();
}

}  // namespace dz
