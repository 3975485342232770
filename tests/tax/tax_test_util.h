// Helpers of the tax tests: a declaration built code by code, run whole or one step at a time.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/code_table.h"
#include "tax/clearance.h"
#include "tax/clearance_steps.h"

namespace dz::tax::testing {

using Amounts = std::vector<std::pair<int, double>>;
using Ticks = std::vector<int>;

// One declaration: its code table, its inputs and the result set of its last run.
struct Declaration {
    CodeTable codes;
    ClearanceInputs in;
    ResultSet r;

    Declaration() { codes.Clear(); }
    Declaration(const Amounts& amounts, const Ticks& ticked = {}, bool married = false, int lateMonths = 0) {
        codes.Clear();
        for (const auto& [code, value] : amounts) codes.SetValue(code, value);
        for (int code : ticked) codes.SetTicked(code, true);
        in.Married = married;
        in.LateMonths = lateMonths;
    }
    Declaration& Set(int code, double value) {
        codes.SetValue(code, value);
        return *this;
    }
    Declaration& Tick(int code) {
        codes.SetTicked(code, true);
        return *this;
    }
    const ResultSet& Run() {
        ComputeClearance(codes, in, r);
        return r;
    }
    StepContext Context() { return StepContext{codes, in, r}; }
};

// Cases are named for GoogleTest: letters, digits and underscores only.
inline std::string CaseName(const char* name) {
    std::string s(name);
    for (char& ch : s) {
        if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))) ch = '_';
    }
    return s;
}

// Expected amounts are exact to the cent; floating-point noise stays far below this.
inline constexpr double kCent = 1e-6;

}  // namespace dz::tax::testing
