// The builders of the four E1 page descriptions (one data file each).
#pragma once
#include "forms/form_page.h"

namespace dz::forms {

FormPage BuildE1Page1();
FormPage BuildE1Page2();
FormPage BuildE1Page3();
FormPage BuildE1Page4();

}  // namespace dz::forms
