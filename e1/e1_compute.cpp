// The E1 compute command: the computation of the form the window holds, shown in the clearance note.
#include <memory>

#include "notewindow/fi_eka.h"
#include "e1/fi_e1.h"
#include "tax/clearance.h"

namespace dz {

void TfiE1::ComputeInputs(CodeTable& codes, tax::ClearanceInputs& inputs) const { InputsOfForm(Form(), codes, inputs); }

void TfiE1::miEka2003Click() {
    const E1Form form = Form();
    CodeTable codes;
    tax::ClearanceInputs inputs;
    InputsOfForm(form, codes, inputs);
    auto results = std::make_unique<tax::ResultSet>();
    tax::ComputeClearance(codes, inputs, *results);
    TfiEka eka(NoteOfForm(form, *results, inputs.LuxuryAssets), print_, this);
    eka.exec();
}

}  // namespace dz
