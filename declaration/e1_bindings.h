// Which E1 window control holds which field of the declaration record, as tables.
#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "model/e1_declaration.h"

namespace dz {

// A text of the record: its bytes, its length byte and what the field holds.
struct TextRef {
    char* data;
    uint8_t* size;
    int maxSize;
};

template <int N>
TextRef RefOf(FixedText<N>& text) {
    return {text.data.data(), &text.size, N};
}

// A text field: the control, what the record keeps of it, and where.
struct TextBinding {
    QString control;
    int capacity;
    std::function<TextRef(E1Declaration&)> field;
};

// A number field: a whole-number control for the integer types, an amount control for doubles.
using NumberRef = std::variant<uint8_t*, int16_t*, int32_t*, double*>;
struct NumberBinding {
    QString control;
    std::function<NumberRef(E1Declaration&)> field;
};

// A check box bound to a flag of the record.
struct FlagBinding {
    QString control;
    std::function<bool&(E1Declaration&)> field;
};

// The record's fields that the window gathers and shows, grouped as the form groups them.
// `RegistrationNo` is not here: the window shows it and never takes it back.
const std::vector<TextBinding>& TextBindings();
const std::vector<NumberBinding>& NumberBindings();
const std::vector<FlagBinding>& FlagBindings();

// The range of the integer type behind a number field; empty for an amount.
struct IntegerRange {
    int64_t min;
    int64_t max;
};
std::optional<IntegerRange> RangeOf(const NumberRef& ref);
// The range the save takes for the whole-number field shown by `control`, so that the field
// refuses what the save would; empty for an amount or a control without a number field.
std::optional<IntegerRange> RangeOfControl(const QString& control);

}  // namespace dz
