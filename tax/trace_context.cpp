// Recording decisions in a traced run.
#include "tax/trace_context.h"

namespace dz::tax {

void TracedCodes::SetValue(int code, const Traced& value) {
    for (int i = 0; i < written_count_; ++i)
        if (written_[static_cast<std::size_t>(i)].first == code) {
            written_[static_cast<std::size_t>(i)].second = value;
            return;
        }
    written_.at(static_cast<std::size_t>(written_count_++)) = {code, value};
}

bool TracerOf<Traced>::Branch(const TracedBool& condition) {
    if (scopes_.empty()) {
        if (verify_) Fault("a decision outside any rule");
    } else {
        // What was decided on; the rules that shaped those values are not this value's history.
        scopes_.back().decided.sources |= condition.from.sources;
    }
    return condition.v;
}

namespace {

double ValueAt(const Place& place, int i) {
    return place.numbers ? place.numbers[i].v : double(place.truths[i].v);
}

}  // namespace

void TracerOf<Traced>::Open(RuleId rule, std::initializer_list<Place> places) {
    scopes_.push_back({rule, places_.size(), before_.size(), Origin{}});
    for (const Place& place : places) {
        places_.push_back(place);
        for (int i = 0; i < place.count; ++i) before_.push_back(ValueAt(place, i));
    }
}

// Every value the rule names depends on what it decided; the rule itself is named in a value's
// history only where it changed that value.
void TracerOf<Traced>::Close() {
    const Scope& scope = scopes_.back();
    std::size_t at = scope.firstValue;
    for (std::size_t k = scope.firstPlace; k < places_.size(); ++k) {
        const Place& place = places_[k];
        for (int i = 0; i < place.count; ++i, ++at) {
            Origin& from = place.numbers ? place.numbers[i].from : place.truths[i].from;
            from.sources |= scope.decided.sources;
            if (ValueAt(place, i) != before_[at]) from.rules.set(static_cast<std::size_t>(scope.rule));
        }
    }
    places_.resize(scope.firstPlace);
    before_.resize(scope.firstValue);
    scopes_.pop_back();
}

}  // namespace dz::tax
