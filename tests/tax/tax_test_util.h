// Helpers of the tax tests: a declaration built code by code, run whole or one step at a time.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
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
    TracerOf<double> plain;
    StepContext Context() { return StepContext{codes, in, r, plain}; }
};

// Expected amounts are exact to the cent; floating-point noise stays far below this.
inline constexpr double kCent = 1e-6;

// How a declaration is filed besides its codes: the married box and the months of lateness.
// A spouse's domestic income makes a declaration joint whatever the box says.
struct Filing {
    bool married = false;
    int lateMonths = 0;
};
inline constexpr Filing kOnTime{};
inline constexpr Filing kMarried{true, 0};
constexpr Filing Late(int months) { return {false, months}; }

using R = ResultSet;

// One row of a table of whole declarations: what is typed and ticked, how it is filed, and
// one result's expected amounts for the taxpayer and the spouse.
struct TaxCase {
    const char* name;
    Amounts amounts;
    Ticks ticked;
    Filing filing;
    Pair ResultSet::*field;
    Pair expected;
};
inline void PrintTo(const TaxCase& c, std::ostream* os) { *os << c.name; }

// Computes the case's declaration and compares the result of both persons.
inline void ExpectCase(const TaxCase& c) {
    Declaration d(c.amounts, c.ticked, c.filing.married, c.filing.lateMonths);
    const ResultSet& r = d.Run();
    EXPECT_NEAR((r.*c.field)[0], c.expected[0], kCent) << c.name << ", taxpayer";
    EXPECT_NEAR((r.*c.field)[1], c.expected[1], kCent) << c.name << ", spouse";
}

// Each file instantiates it with its table: TEST_P(TaxCaseTest, Result) { ExpectCase(GetParam()); }
class TaxCaseTest : public ::testing::TestWithParam<TaxCase> {};

// Cases are named for GoogleTest: letters, digits and underscores only.
inline std::string CaseName(const char* name) {
    std::string s(name);
    for (char& ch : s) {
        if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))) ch = '_';
    }
    return s;
}

}  // namespace dz::tax::testing
