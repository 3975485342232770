// The named areas a printed page fills: a box's integer part and decimals, its lines and cells.
#pragma once
#include <vector>

#include "forms/form_page.h"

namespace dz::forms {

struct PrintArea {
    QString name;  // "edP301", "edFP301", "cbP013", "edIBAN7", "edPlace12", "edBigName" …
    FormRect rect;
    int align = 0x0081;  // Qt alignment flags
    QString group;       // the lines of one box, printed at one size: the box's name (else empty)
};

// Part k (0-based) of n equal parts of `rect`: one under the other for Split::Lines, side by
// side otherwise.
FormRect PartOf(const FormRect& rect, Split split, int k, int n);

// The integer-part area of an amount box (the whole box when it prints no decimals) and its
// two-decimal area.
FormRect IntegerPartOf(const FormBox& box);
FormRect DecimalsOf(const FormBox& box);

// Every area of the page that a print fills, by label name: boxes of the printed form and the
// print-only ones; window-only and hidden boxes have none.
std::vector<PrintArea> PrintAreas(const FormPage& page);

}  // namespace dz::forms
