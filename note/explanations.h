// Why each figure of the clearance is what it is: the codes and inputs it came from, the rules it passed, in Greek.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "model/code_table.h"
#include "tax/clearance.h"

namespace dz {

struct Explanation {
    QString result;      // the result's name in the result-set table ("IncomeTaxDue")
    QString label;       // its Greek name
    QList<int> codes;    // every code it came from, ascending
    QStringList inputs;  // the other inputs it came from ("Married", "FeeExempt[0]", …)
    QStringList steps;   // the rules it passed, in the order of the computation (Greek)
    QString text;        // one Greek paragraph with the amounts
};

// The Greek name of a result (empty for an unknown name).
QString ResultLabel(const QString& result);

// Every result of the table, and "Married", "Code709" and "Code710", explained from the traced
// run of `codes` and `inputs` (the plain inputs, before the run).
std::vector<Explanation> ExplainResults(const tax::ClearanceTrace& trace, const CodeTable& codes);

// One result of one person (0 taxpayer, 1 spouse; -1 for both or a single value). An unknown
// name gives an empty explanation.
Explanation ExplainResult(const tax::ClearanceTrace& trace, const CodeTable& codes, const QString& result, int person);

// A line of the clearance view (1 to 25) of one person (-1: both, or a joint line), from the
// results it shows. A line without an amount gives an empty explanation.
Explanation ExplainLine(const tax::ClearanceTrace& trace, const CodeTable& codes, int line, int person);

}  // namespace dz
