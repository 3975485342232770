// Listing the filled code boxes in the codes grid: odd codes on the left, even codes on the right.
#include "note/eka_codes.h"

#include <algorithm>

#include "model/amount_text.h"

namespace dz {

std::optional<QString> CodeEntryText(CodeKind kind, double value) {
    switch (kind) {
        case CodeKind::YesNo:
            if (value != 0) return QStringLiteral("ΝΑΙ");
            break;
        case CodeKind::Integer:
            if (value > 0) return QString::number(value, 'f', 0);
            break;
        case CodeKind::Amount:
            if (value > 0) return FormatAmount(value);
            break;
        case CodeKind::None:
            break;
    }
    return std::nullopt;
}

QString CodeNumberText(int code) { return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')); }

std::vector<CodesGridRow> LayOutCodes(std::vector<CodeEntry> entries) {
    std::ranges::stable_sort(entries, {}, &CodeEntry::first);
    std::vector<CodesGridRow> rows;
    std::array<std::size_t, 2> used{};  // rows filled on the odd side [0] and the even side [1]
    for (const auto& [code, text] : entries) {
        if (code < 1 || code > 999) continue;
        const std::size_t side = code % 2 == 0 ? 1 : 0;
        if (used[side] == rows.size()) rows.emplace_back();
        rows[used[side]][2 * side] = CodeNumberText(code);
        rows[used[side]][2 * side + 1] = text;
        ++used[side];
    }
    return rows;
}

}  // namespace dz
