// JSON of `dovazez-cli compute`: the input object to the computation's inputs, the result set to JSON.
#pragma once
#include <QByteArray>
#include <QJsonObject>

#include "model/code_table.h"
#include "note/explanations.h"
#include "tax/result_set.h"

namespace dz::cli {

// Everything one computation reads: the code table and the other inputs of the computation.
struct ComputeRequest {
    CodeTable Codes;
    tax::ClearanceInputs Inputs;
};

// Reads the input object of `dovazez-cli compute` (`amounts`, `ticked`, `married`, `lateMonths`,
// the fee flags, `luxury`). Throws dz::DataError naming the key or code on bad input.
// Unknown top-level keys are reported through `warning` (if given) and otherwise ignored.
ComputeRequest ParseComputeRequest(const QByteArray& json, QByteArray* warning = nullptr);

// The whole result set with `Married` (after the run), `ExcessToSalary`, `ExcessToBusiness`,
// `ExcessToAgri`, `Code709` and `Code710`. Per-person results are [taxpayer, spouse];
// −0.0 becomes 0. Throws dz::DataError if a result is not finite.
QJsonObject ResultSetToJson(const tax::ResultSet& results, const CodeTable& codes, bool married);

// The same object as UTF-8 text, keys in the order of the result-set table, one per line,
// numbers in shortest round-trip form (−0.0 written as 0). With `explanations`, a last key
// "explain": per result its codes ("049"), other inputs, rules and Greek text.
QByteArray ResultSetToJsonText(const tax::ResultSet& results, const CodeTable& codes, bool married,
                               const std::vector<Explanation>* explanations = nullptr);

// The computation of `codes` and `inputs` as the result-set text; with `explain`, each result
// also explained from a traced run of the same codes and inputs.
QByteArray ComputedJson(CodeTable codes, tax::ClearanceInputs inputs, bool explain);

// A double in shortest round-trip form, −0.0 as "0". Throws dz::DataError when not finite.
QByteArray JsonNumber(double value, const char* name = "value");

}  // namespace dz::cli
