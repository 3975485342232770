// The E1 compute command: the computation of the form the window holds, shown in the clearance note.
#include <memory>

#include "e1/fi_e1.h"
#include "e1/live_clearance_panel.h"
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

}  // namespace

void TfiE1::ComputeInputs(CodeTable& codes, tax::ClearanceInputs& inputs) const { InputsOfForm(Form(), codes, inputs); }

void TfiE1::miEka2003Click() {
    const E1Form form = Form();
    tax::ClearanceInputs inputs;
    const auto results = Compute(form, inputs);
    TfiEka eka(NoteOfForm(form, *results, inputs.LuxuryAssets), print_, this);
    eka.exec();
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
