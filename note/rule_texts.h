// The computation's rules as the user reads them: a short Greek name, and the rule with its constants.
#pragma once
#include <QString>

#include "tax/rule_ids.h"

namespace dz {

QString RuleName(tax::RuleId rule);
// The rule in one or two Greek sentences with the tax year's rates and limits (empty for a
// rule that only passes a value on).
QString RuleDetail(tax::RuleId rule);

}  // namespace dz
