// The E1 compute command: the computation of the form the window holds, shown in the clearance note.
#include <memory>
#include <optional>

#include "controls/explanation_box.h"
#include "e1/fi_e1.h"
#include "e1/live_clearance_panel.h"
#include "note/explanations.h"
#include "notewindow/fi_eka.h"
#include "tax/clearance.h"

namespace dz {
namespace {

// The one computation of a form, for the clearance note and the live panel alike.
std::unique_ptr<tax::ResultSet> Compute(const E1Form& form, tax::ClearanceInputs& inputs) {
    CodeTable codes;
    InputsOfForm(form, codes, inputs);
    auto results = std::make_unique<tax::ResultSet>();
    tax::ComputeClearance(codes, inputs, *results);
    return results;
}

// A form's computation traced from the codes and inputs it starts from, once, when an
// explanation is first asked for.
struct TracedForm {
    CodeTable codes;
    tax::ClearanceInputs inputs;
    std::optional<tax::ClearanceTrace> trace;

    const tax::ClearanceTrace& Trace() {
        if (!trace) trace = tax::TraceClearance(codes, inputs);
        return *trace;
    }
};

std::shared_ptr<TracedForm> TraceOf(const E1Form& form) {
    auto traced = std::make_shared<TracedForm>();
    InputsOfForm(form, traced->codes, traced->inputs);
    return traced;
}

}  // namespace

void TfiE1::ComputeInputs(CodeTable& codes, tax::ClearanceInputs& inputs) const { InputsOfForm(Form(), codes, inputs); }

void TfiE1::ShowCode(int code) {
    if (CodeTable::IsCode(code) && byCode_[std::size_t(code)]) GoTo(byCode_[std::size_t(code)]);
}

void TfiE1::miEka2003Click() {
    const E1Form form = Form();
    tax::ClearanceInputs inputs;
    const auto results = Compute(form, inputs);
    const std::shared_ptr<TracedForm> traced = TraceOf(form);
    NoteExplaining explaining;
    explaining.explainLine = [traced](int line, int person) {
        return ExplainLine(traced->Trace(), traced->codes, line, person);
    };
    explaining.showCode = [this](int code) { ShowCode(code); };
    TfiEka eka(NoteOfForm(form, *results, inputs.LuxuryAssets), print_, this, std::move(explaining));
    eka.exec();
}

void TfiE1::ExplainFigure(const QString& result, int person) {
    const std::shared_ptr<TracedForm> traced = TraceOf(Form());
    const Explanation explanation = ExplainResult(traced->Trace(), traced->codes, result, person);
    if (explanation.label.isEmpty()) return;
    auto* box = new ExplanationBox(explanation, [this](int code) { ShowCode(code); }, this);
    box->open();
}

void TfiE1::ComputeLiveClearance() {
    tax::ClearanceInputs inputs;
    try {
        pnLive->Show(*Compute(Form(), inputs));
    } catch (const std::exception&) {
        // A box the computation cannot take leaves the last figures; F8 names the box.
    }
}

}  // namespace dz
