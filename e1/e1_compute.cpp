// The E1 compute command: the computation of the form the window holds, shown in the clearance note.
#include <memory>
#include <optional>
#include <utility>

#include "notewindow/fi_eka.h"
#include "e1/fi_e1.h"
#include "tax/clearance.h"

namespace dz {

void TfiE1::ComputeInputs(CodeTable& codes, tax::ClearanceInputs& inputs) const { InputsOfForm(Form(), codes, inputs); }

void TfiE1::ShowCode(int code) {
    if (CodeTable::IsCode(code) && byCode_[std::size_t(code)]) GoTo(byCode_[std::size_t(code)]);
}

void TfiE1::miEka2003Click() {
    const E1Form form = Form();
    CodeTable codes;
    tax::ClearanceInputs inputs;
    InputsOfForm(form, codes, inputs);
    // The explanations trace the same computation, from the codes and inputs before it ran;
    // traced once, when one is first asked for.
    auto traced = std::make_shared<std::pair<CodeTable, tax::ClearanceInputs>>(codes, inputs);
    auto trace = std::make_shared<std::optional<tax::ClearanceTrace>>();
    NoteExplaining explaining;
    explaining.explainLine = [traced, trace](int line, int person) {
        if (!*trace) *trace = tax::TraceClearance(traced->first, traced->second);
        return ExplainLine(**trace, traced->first, line, person);
    };
    explaining.showCode = [this](int code) { ShowCode(code); };
    auto results = std::make_unique<tax::ResultSet>();
    tax::ComputeClearance(codes, inputs, *results);
    TfiEka eka(NoteOfForm(form, *results, inputs.LuxuryAssets), print_, this, std::move(explaining));
    eka.exec();
}

}  // namespace dz
