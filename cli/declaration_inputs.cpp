// A saved declaration turned into the inputs of one computation.
#include "cli/declaration_inputs.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <optional>

#include "model/amount_text.h"
#include "model/e1_codes.h"
#include "tax/luxury.h"

namespace dz::cli {
namespace {

// The value a box holds once the code list entry is shown in it; nothing for an empty box.
std::optional<double> ShownValue(CodeKind kind, double value) {
    switch (kind) {
    case CodeKind::Amount:
        return ParseAmount(FormatAmount(value)).value_or(0.0);
    case CodeKind::Integer: {
        const double rounded = std::nearbyint(value);  // the default rounding: halves to even
        // A number beyond the whole-number box is a conversion error there: the box keeps 0.
        if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
            return 0.0;
        return rounded;
    }
    default:
        return std::nullopt;
    }
}

// Cars' and boats' whole numbers and the pool's amounts show only when positive.
int ShownPositive(int value) { return value > 0 ? value : 0; }

}  // namespace

void InputsFromDeclaration(const E1Declaration& d, CodeTable& codes, tax::ClearanceInputs& inputs) {
    codes.Clear();
    struct Box {
        bool filled = false;
        double value = 0;
        bool ticked = false;
    };
    std::array<Box, CodeTable::kSlots> boxes{};
    for (const E1Declaration::CodeEntry& entry : d.Codes) {
        if (entry.Code <= 0 || entry.Code >= CodeTable::kSlots) continue;
        const CodeKind kind = KindOfCode(entry.Code);
        Box& box = boxes[entry.Code];
        if (kind == CodeKind::YesNo) {
            box.ticked = entry.Value != 0;
        } else if (const auto shown = ShownValue(kind, entry.Value)) {
            box.filled = true;
            box.value = *shown;
        }
    }
    for (const E1CodeBox& b : E1CodeBoxes()) {
        const Box& box = boxes[b.code];
        if (b.kind == CodeKind::YesNo) codes.SetTicked(b.code, box.ticked);
        else if (box.filled) codes.SetValue(b.code, box.value);
    }

    inputs = tax::ClearanceInputs{};
    inputs.Married = d.Married;
    inputs.LateMonths = d.LateMonths;
    inputs.FeeExempt = {d.FeeExemptTaxpayer, d.FeeExemptSpouse};
    inputs.FeeSeatTourist = {d.FeeSeatTouristTaxpayer, d.FeeSeatTouristSpouse};
    // The large-city boxes follow their carriers only when those are exactly 1.
    inputs.FeeSeatLargeCity = {boxes[93].filled && boxes[93].value == 1.0, boxes[95].filled && boxes[95].value == 1.0};

    tax::LuxuryInput luxury;
    for (int c = 0; c < tax::kLuxuryCarCount; ++c) {
        luxury.Cars[c].Cc = ShownPositive(d.Car[c].Cc);
        luxury.Cars[c].FirstYear = ShownPositive(d.Car[c].FirstYear);
    }
    for (int b = 0; b < tax::kLuxuryBoatCount; ++b) {
        luxury.Boats[b].Length = d.Boat[b].Length;
        luxury.Boats[b].Sailing = d.Boat[b].Sailing;
    }
    tax::FillLuxuryAmountsFromCodes(luxury, codes);
    inputs.LuxuryAssets = tax::ComputeLuxuryAssets(luxury);
}

}  // namespace dz::cli
