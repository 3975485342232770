// How a step reads codes, branches and names the values a rule decides, for plain and for traced numbers.
#pragma once
#include <array>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "model/code_table.h"
#include "tax/rule_ids.h"
#include "tax/traced.h"

namespace dz::tax {

inline Origin OriginOf(double) { return {}; }
inline Origin OriginOf(bool) { return {}; }
inline const Origin& OriginOf(const Traced& t) { return t.from; }
inline const Origin& OriginOf(const TracedBool& b) { return b.from; }

// The code table of a traced run: every code read is a source; the codes the computation
// writes (709, 710) are kept beside it with their origin.
class TracedCodes {
public:
    explicit TracedCodes(const CodeTable& codes) : codes_(codes) {}

    Traced Value(int code) const {
        for (int i = 0; i < written_count_; ++i)
            if (written_[static_cast<std::size_t>(i)].first == code) return written_[static_cast<std::size_t>(i)].second;
        Origin from;
        from.sources.set(static_cast<std::size_t>(code));
        return {codes_.Value(code), from};
    }
    TracedBool IsTicked(int code) const {
        Origin from;
        from.sources.set(static_cast<std::size_t>(code));
        return {codes_.IsTicked(code), from};
    }
    void SetValue(int code, const Traced& value);
    const CodeTable& Plain() const { return codes_; }

private:
    const CodeTable& codes_;
    std::array<std::pair<int, Traced>, 4> written_{};
    int written_count_ = 0;
};

template <class N>
using CodesOf = std::conditional_t<std::is_same_v<N, double>, CodeTable, TracedCodes>;

// A value a rule may write: one number or truth, or a run of them.
struct Place {
    Traced* numbers = nullptr;
    TracedBool* truths = nullptr;
    int count = 0;
};
// Plain runs name nothing.
struct NoPlace {};

inline NoPlace PlaceOf(double&) { return {}; }
inline NoPlace PlaceOf(bool&) { return {}; }
template <std::size_t K>
NoPlace PlaceOf(std::array<double, K>&) { return {}; }
template <std::size_t K>
NoPlace PlaceOf(std::array<bool, K>&) { return {}; }
template <std::size_t K>
NoPlace PlaceOf(std::array<std::array<double, K>, 2>&) { return {}; }
inline Place PlaceOf(Traced& t) { return {&t, nullptr, 1}; }
inline Place PlaceOf(TracedBool& b) { return {nullptr, &b, 1}; }
template <std::size_t K>
Place PlaceOf(std::array<Traced, K>& a) { return {a.data(), nullptr, int(K)}; }
template <std::size_t K>
Place PlaceOf(std::array<TracedBool, K>& a) { return {nullptr, a.data(), int(K)}; }
template <std::size_t K>
Place PlaceOf(std::array<std::array<Traced, K>, 2>& a) { return {a[0].data(), nullptr, int(2 * K)}; }

template <class N>
class TracerOf;

// The plain computation decides and chooses, and records nothing.
template <>
class TracerOf<double> {
public:
    bool Branch(bool condition) { return condition; }
    double Choose(bool condition, double whenTrue, double whenFalse) { return condition ? whenTrue : whenFalse; }
};

// The traced computation: a decision taken inside a rule makes every value the rule names
// depend on what was decided; a value chosen depends on the choice.
template <>
class TracerOf<Traced> {
public:
    // With `verify`, a decision outside any rule is recorded as a fault of the computation's
    // annotations (tests run so).
    explicit TracerOf(bool verify = false) : verify_(verify) {
        scopes_.reserve(8);
        places_.reserve(64);
        before_.reserve(256);
    }

    bool Branch(const TracedBool& condition);
    // When both candidates are equal the choice changes nothing: the value comes from them alone.
    Traced Choose(const TracedBool& condition, const Traced& whenTrue, const Traced& whenFalse) {
        if (whenTrue.v == whenFalse.v) return {whenTrue.v, whenTrue.from | whenFalse.from};
        const Traced& chosen = condition.v ? whenTrue : whenFalse;
        Traced picked = chosen;
        picked.from.sources |= condition.from.sources;
        return picked;
    }

    void Open(RuleId rule, std::initializer_list<Place> places);
    void Close();

    void Fault(std::string fault) {
        if (faults_.empty()) faults_ = std::move(fault);
    }
    // The first fault found (empty when none).
    const std::string& Faults() const { return faults_; }

private:
    // The rules in force, innermost last; their places and earlier values lie in shared stacks
    // so that a rule costs no allocation once the stacks have grown.
    struct Scope {
        RuleId rule;
        std::size_t firstPlace;
        std::size_t firstValue;
        Origin decided;  // what the decisions taken in the rule read
    };
    std::vector<Scope> scopes_;
    std::vector<Place> places_;
    std::vector<double> before_;
    bool verify_;
    std::string faults_;
};

// A rule in force from here to the end of the block.
template <class N>
class RuleScopeOf {
public:
    RuleScopeOf(TracerOf<N>&, RuleId, std::initializer_list<NoPlace>) {}
    ~RuleScopeOf() {}  // a rule in force is a used variable, though the plain run records nothing
};

template <>
class RuleScopeOf<Traced> {
public:
    RuleScopeOf(TracerOf<Traced>& trace, RuleId rule, std::initializer_list<Place> places) : trace_(trace) {
        trace_.Open(rule, places);
    }
    ~RuleScopeOf() { trace_.Close(); }
    RuleScopeOf(const RuleScopeOf&) = delete;
    RuleScopeOf& operator=(const RuleScopeOf&) = delete;

private:
    TracerOf<Traced>& trace_;
};

}  // namespace dz::tax
