// Small readers of one person's value of the result set, for the row tables of the clearance views.
#pragma once
#include <cstddef>

#include "tax/result_set.h"

namespace dz::values {

// A per-person result read as it stands.
template <tax::Pair tax::ResultSet::*Member>
double Field(const tax::ResultSet& r, int person) {
    return (r.*Member)[static_cast<std::size_t>(person)];
}

// One element of a per-person list of the result set.
template <auto Member, int Index>
double Item(const tax::ResultSet& r, int person) {
    return (r.*Member)[static_cast<std::size_t>(person)][Index];
}

}  // namespace dz::values
