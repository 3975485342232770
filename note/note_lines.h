// The 25 clearance lines of a result set (`EkaLinesF`, `EkaLinesS`), shared by the window and the print.
#pragma once
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <span>

#include "tax/result_set.h"

namespace dz {

inline constexpr int kEkaLineCount = 25;

// One person's clearance lines, addressed 1 to 25 like the rows of the clearance view.
// An empty text is a line that shows nothing.
class EkaLineTexts {
public:
    QString& operator[](int line) { return texts_.at(static_cast<std::size_t>(line - 1)); }
    const QString& operator[](int line) const { return texts_.at(static_cast<std::size_t>(line - 1)); }
    void Clear() { texts_.fill(QString()); }
    bool operator==(const EkaLineTexts&) const = default;

private:
    std::array<QString, kEkaLineCount> texts_;
};

// Both persons' lines: [0] the taxpayer's (`EkaLinesF`), [1] the spouse's (`EkaLinesS`).
struct EkaLines {
    std::array<EkaLineTexts, 2> person;
    bool operator==(const EkaLines&) const = default;
};

// A per-person amount of the result set; `person` is 0 (taxpayer) or 1 (spouse).
using PersonValue = double (*)(const tax::ResultSet&, int person);

// Where a line's amount goes: both columns, the taxpayer's column only (the joint part
// "ΣΥΝΟΛΙΚΑ ΠΟΣΑ", single values), or nowhere (a heading, or a line the computation never fills).
enum class LineScope { PerPerson, Joint, LabelOnly };

// Which amounts a line shows; the others leave it empty.
enum class ShowWhen { Always, Positive, NonNegative };

struct EkaLineRule {
    int line;
    QStringView label;  // empty for a line without a label
    LineScope scope;
    PersonValue value;  // null for LabelOnly
    ShowWhen when;
};

// The 25 lines of the clearance view, in line order.
std::span<const EkaLineRule> EkaLineRules();

// The zero rule of shown and printed amounts: "0,00" shows as nothing.
QString ApplyZeroRule(const QString& text);

// The clearance lines of a result set: amount texts, the zero rule applied, all empty for an
// empty declaration.
EkaLines FillEkaLines(const tax::ResultSet& results);

// The receipts (code 049) that would have covered the requirement, when the declared receipts
// fall short: the shortfall tax of both persons divided back by its 22 % rate, plus the
// receipts declared. Nothing when there is no shortfall.
std::optional<double> RequiredReceipts(const tax::ResultSet& results);

}  // namespace dz
