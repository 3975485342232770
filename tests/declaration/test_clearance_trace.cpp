// The traced computation: its figures are the plain computation's, and each result names exactly
// the codes and inputs it came from (checked by changing them on generated declarations).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/code_table.h"
#include "model/e1_codes.h"
#include "tax/clearance.h"
#include "tax/result_table.h"

namespace dz {
namespace {

using tax::ClearanceInputs;
using tax::ClearanceTrace;
using tax::Origin;
using tax::ResultSet;
using tax::Traced;

struct Declaration {
    CodeTable codes;
    ClearanceInputs in;
};

// A declaration a user could type: a few dozen boxes of any page, amounts of every size (some
// negative), whole numbers in their usual ranges, ticks; sometimes joint, late or with fees.
Declaration Generated(std::mt19937& rng) {
    Declaration d;
    d.codes.Clear();
    const auto& boxes = E1CodeBoxes();
    std::uniform_int_distribution<std::size_t> box(0, boxes.size() - 1);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto chance = [&](double p) { return unit(rng) < p; };
    const int count = std::uniform_int_distribution<int>(3, 40)(rng);
    const auto amount = [&] {
        const double scale[] = {100, 1000, 10000, 60000};
        double v = std::round(unit(rng) * scale[std::uniform_int_distribution<int>(0, 3)(rng)] * 100) / 100;
        return chance(0.08) ? -v : v;
    };
    for (int i = 0; i < count; ++i) {
        const E1CodeBox& b = boxes[box(rng)];
        switch (b.kind) {
            case CodeKind::YesNo: d.codes.SetTicked(b.code, true); break;
            case CodeKind::Integer: d.codes.SetValue(b.code, std::uniform_int_distribution<int>(1, 12)(rng)); break;
            default: d.codes.SetValue(b.code, amount()); break;
        }
    }
    // Salaries, rents and business income are the common case.
    for (int code : {301, 302, 101, 401}) {
        if (chance(0.4)) d.codes.SetValue(code, amount());
    }
    if (chance(0.3)) d.codes.SetValue(201, std::uniform_int_distribution<int>(1, 3)(rng));
    d.in.Married = chance(0.5);
    d.in.LateMonths = chance(0.2) ? std::uniform_int_distribution<int>(1, 12)(rng) : 0;
    for (int p = 0; p < 2; ++p) {
        d.in.FeeExempt[p] = chance(0.1);
        d.in.FeeSeatTourist[p] = chance(0.1);
        d.in.FeeSeatLargeCity[p] = chance(0.1);
        if (chance(0.15)) {
            d.in.LuxuryAssets.Tax5[p] = amount();
            d.in.LuxuryAssets.Tax13[p] = amount();
        }
    }
    return d;
}

ResultSet Plain(Declaration d) {
    ResultSet r;
    tax::ComputeClearance(d.codes, d.in, r);
    return r;
}

// Every number of every result, flattened in table order, with the result's name.
struct Flat {
    std::vector<std::string> names;
    std::vector<double> values;
};

void Append(Flat& f, const char* name, double v) {
    f.names.emplace_back(name);
    f.values.push_back(v);
}
template <std::size_t K>
void Append(Flat& f, const char* name, const std::array<double, K>& a) {
    for (double v : a) Append(f, name, v);
}
template <std::size_t K>
void Append(Flat& f, const char* name, const std::array<std::array<double, K>, 2>& a) {
    for (const auto& person : a) Append(f, name, person);
}

Flat Flatten(const ResultSet& r) {
    Flat f;
    tax::VisitResultTable(r, [&f](const char* name, const auto& value) { Append(f, name, value); });
    return f;
}

// The origin of each traced result, by name: all its numbers together, and the emptiness test's.
void Collect(std::map<std::string, Origin>& m, const char* name, const Traced& t) { m[name] |= t.from; }
template <std::size_t K>
void Collect(std::map<std::string, Origin>& m, const char* name, const std::array<Traced, K>& a) {
    for (const Traced& t : a) Collect(m, name, t);
}
template <std::size_t K>
void Collect(std::map<std::string, Origin>& m, const char* name, const std::array<std::array<Traced, K>, 2>& a) {
    for (const auto& person : a) Collect(m, name, person);
}

std::map<std::string, Origin> Origins(const ClearanceTrace& trace) {
    std::map<std::string, Origin> m;
    tax::VisitResultTable(trace.results, [&m](const char* name, const auto& value) { Collect(m, name, value); });
    for (auto& [name, origin] : m) origin = tax::OriginIn(trace, origin);
    return m;
}

// Traced numbers flattened like the plain ones.
std::vector<double> TracedValues(const ClearanceTrace& trace) {
    std::vector<double> values;
    const auto add = [&values](const auto& self, const auto& v) -> void {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Traced>) {
            values.push_back(v.v);
        } else {
            for (const auto& e : v) self(self, e);
        }
    };
    tax::VisitResultTable(trace.results, [&](const char*, const auto& value) { add(add, value); });
    return values;
}

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

TEST(ClearanceTrace, GivesThePlainFiguresAndKeepsItsRules) {
    std::mt19937 rng(20141231);
    for (int n = 0; n < 3000; ++n) {
        Declaration d = Generated(rng);
        const ClearanceTrace trace = tax::TraceClearance(d.codes, d.in, true);
        const Flat plain = Flatten(Plain(d));
        const std::vector<double> traced = TracedValues(trace);
        ASSERT_EQ(traced.size(), plain.values.size());
        for (std::size_t i = 0; i < traced.size(); ++i)
            ASSERT_TRUE(Same(traced[i], plain.values[i]))
                << "declaration " << n << ", " << plain.names[i] << ": " << traced[i] << " vs " << plain.values[i];
        ASSERT_EQ(trace.faults, "") << "declaration " << n;
    }
}

// The values a changed box takes: nothing, a tick, and amounts around and far from its own.
std::vector<double> Changes(double own) {
    const double base = std::isfinite(own) && std::fabs(own) > 1e-300 ? own : 1000;
    return {0, -base, base * 2 + 1234.56, base / 3, 7, 2500, 25000, 99999.99, 1e6, -1e6, std::nextafter(0.0, 1.0) /* a tick */};
}

void SetCode(CodeTable& codes, int code, double value) {
    if (value == std::nextafter(0.0, 1.0)) {
        codes.SetValue(code, 0);
        codes.SetTicked(code, true);
    } else {
        codes.SetValue(code, value);
    }
}

TEST(ClearanceTrace, AResultDoesNotMoveWhenABoxItDoesNotNameChanges) {
    std::mt19937 rng(7);
    const auto& boxes = E1CodeBoxes();
    int checked = 0;
    for (int n = 0; n < 400; ++n) {
        const Declaration d = Generated(rng);
        const ClearanceTrace trace = tax::TraceClearance(d.codes, d.in);
        if (trace.results.EmptyDeclaration.v) continue;  // nothing computed: nothing to name
        const std::map<std::string, Origin> origins = Origins(trace);
        const Flat before = Flatten(Plain(d));
        // The boxes it holds, and some it does not.
        std::vector<int> codes;
        for (const E1CodeBox& b : boxes)
            if (d.codes.Value(b.code) != 0) codes.push_back(b.code);
        for (int i = 0; i < 15; ++i) codes.push_back(boxes[std::size_t(rng()) % boxes.size()].code);
        for (int code : codes) {
            for (double value : Changes(d.codes.Value(code))) {
                Declaration changed = d;
                SetCode(changed.codes, code, value);
                const Flat after = Flatten(Plain(changed));
                for (std::size_t i = 0; i < after.values.size(); ++i) {
                    if (origins.at(before.names[i]).sources.test(std::size_t(code))) continue;
                    ++checked;
                    ASSERT_TRUE(Same(before.values[i], after.values[i]))
                        << "declaration " << n << ": code " << code << " set to " << value << " moved "
                        << before.names[i] << " from " << before.values[i] << " to " << after.values[i]
                        << " without being named";
                }
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

// The other inputs, each changed alone: its source number and the change.
struct InputChange {
    int source;
    void (*change)(ClearanceInputs&);
};
const InputChange kInputChanges[] = {
    {tax::kSourceMarried, [](ClearanceInputs& in) { in.Married = !in.Married; }},
    {tax::kSourceLateMonths, [](ClearanceInputs& in) { in.LateMonths = in.LateMonths ? 0 : 3; }},
    {tax::kSourceFeeExempt, [](ClearanceInputs& in) { in.FeeExempt[0] = !in.FeeExempt[0]; }},
    {tax::kSourceFeeExempt + 1, [](ClearanceInputs& in) { in.FeeExempt[1] = !in.FeeExempt[1]; }},
    {tax::kSourceFeeSeatTourist, [](ClearanceInputs& in) { in.FeeSeatTourist[0] = !in.FeeSeatTourist[0]; }},
    {tax::kSourceFeeSeatLargeCity + 1, [](ClearanceInputs& in) { in.FeeSeatLargeCity[1] = !in.FeeSeatLargeCity[1]; }},
    {tax::kSourceLuxuryTax5, [](ClearanceInputs& in) { in.LuxuryAssets.Tax5[0] += 500; }},
    {tax::kSourceLuxuryTax13 + 1, [](ClearanceInputs& in) { in.LuxuryAssets.Tax13[1] += 1300; }},
    {tax::kSourceLuxuryBase5, [](ClearanceInputs& in) { in.LuxuryAssets.Base5[0] += 10000; }},
};

TEST(ClearanceTrace, AResultDoesNotMoveWhenAnInputItDoesNotNameChanges) {
    std::mt19937 rng(19);
    int checked = 0;
    for (int n = 0; n < 1000; ++n) {
        const Declaration d = Generated(rng);
        const ClearanceTrace trace = tax::TraceClearance(d.codes, d.in);
        if (trace.results.EmptyDeclaration.v) continue;
        const std::map<std::string, Origin> origins = Origins(trace);
        const Flat before = Flatten(Plain(d));
        for (const InputChange& input : kInputChanges) {
            Declaration changed = d;
            input.change(changed.in);
            const Flat after = Flatten(Plain(changed));
            for (std::size_t i = 0; i < after.values.size(); ++i) {
                if (origins.at(before.names[i]).sources.test(std::size_t(input.source))) continue;
                ++checked;
                ASSERT_TRUE(Same(before.values[i], after.values[i]))
                    << "declaration " << n << ": input " << input.source << " moved " << before.names[i] << " from "
                    << before.values[i] << " to " << after.values[i] << " without being named";
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

// A traced value names every box its computation read on the way, so it also names boxes whose
// effect cancels out or never crosses a limit. The main figures must name mostly boxes that
// move them; the share of each is measured here.
TEST(ClearanceTrace, TheMainFiguresNameMostlyBoxesThatMoveThem) {
    std::mt19937 rng(11);
    std::map<std::string, int> named, moved;
    for (int n = 0; n < 300; ++n) {
        const Declaration d = Generated(rng);
        const ClearanceTrace trace = tax::TraceClearance(d.codes, d.in);
        const std::map<std::string, Origin> origins = Origins(trace);
        const Flat before = Flatten(Plain(d));
        for (const auto& [name, origin] : origins) {
            for (int code = 1; code < CodeTable::kSlots; ++code) {
                if (!origin.sources.test(std::size_t(code)) || d.codes.Value(code) == 0) continue;
                ++named[name];
                bool any = false;
                for (double value : Changes(d.codes.Value(code))) {
                    Declaration changed = d;
                    SetCode(changed.codes, code, value);
                    const Flat after = Flatten(Plain(changed));
                    for (std::size_t i = 0; i < after.values.size() && !any; ++i)
                        any = before.names[i] == name && !Same(before.values[i], after.values[i]);
                    if (any) break;
                }
                moved[name] += any;
            }
        }
    }
    int allNamed = 0, allMoved = 0;
    std::string table;
    for (const auto& [name, count] : named) {
        allNamed += count;
        allMoved += moved[name];
        table += name + " " + std::to_string(moved[name]) + "/" + std::to_string(count) + "; ";
    }
    for (const char* figure : {"TotalIncome", "IncomeTaxDue", "SolidarityContribution", "FinalBalance"})
        EXPECT_GE(moved[figure] * 100, named[figure] * 80) << figure << " names boxes that never move it\n" << table;
    EXPECT_GE(allMoved * 100, allNamed * 50) << table;
}

}  // namespace
}  // namespace dz
