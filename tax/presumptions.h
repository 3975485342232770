// Presumed yearly expenditure of cars, residences, pools and boats, as pure functions for the E1 window.
#pragma once
#include <array>
#include <string_view>

#include "model/code_table.h"
#include "tax/result_set.h"

namespace dz::tax {

// Year fields (cars, boats 961/963): 1..10 → 2000 + v, 11..99 → 1900 + v, others unchanged.
int CompleteYear(int value);
// Age factors by year of first registration (0 = not given → 0).
double CarAgeFactor(int year);
double BoatAgeFactor(int year);

// One row of table 5.1γ as the window holds it.
struct CarInput {
    int Cc = 0;               // edCarIppoi i
    double Months = 0;        // edCarMonths i
    double SharePercent = 0;  // edCarPosost i
    int FirstYear = 0;        // edCarYear i (already completed by CompleteYear)
    int ReductionCode = 0;    // edCarMeiwsi i as a number: 1, 2 or 3 cancel the presumption
    bool ForSpouse = false;   // cbCarWhich i
};
// The one-character reduction field read as a number (empty or not a number → 0).
int CarReductionCode(std::string_view text);
// Capacity rounded to hundreds (50 rounds down) and the car's yearly base.
int RoundCarCc(int cc);
double CarBase(int roundedCc);
// Amounts for code 849 + 2i (element 0) and 850 + 2i (element 1) of car i.
Pair CarPresumption(const CarInput& car);

// One residence of table 5.1: codes 211.., 218.., 225.. (see ResidenceFromCodes).
struct ResidenceInput {
    double MainSurface = 0;
    double AuxSurface = 0;
    double MainHalfPart = 0;  // part of the main surface counted at half
    double AuxHalfPart = 0;
    double ShareTaxpayer = 0;
    double ShareSpouse = 0;
    double Months = 0;     // rounded to a whole number, halves to even
    double ZonePrice = 0;  // rounded to a whole number, halves to even
    bool Detached = false;
};
inline constexpr int kResidenceCount = 3;
// Residence 0 is the main one, 1 and 2 the secondary ones (× 0.5).
ResidenceInput ResidenceFromCodes(const CodeTable& codes, int residence);
// Surface value V = band(M) + 40 × X.
double ResidenceSurfaceValue(const ResidenceInput& residence);
double ZoneFactor(double zonePrice);
// Amounts for 115/116, 117/118 or 119/120. Throws std::range_error when the months or the
// zone price do not fit a 32-bit integer.
Pair ResidencePresumption(const ResidenceInput& residence, int index);
// The whole residence calculation on the code table (after the window copied its fields
// into it): shares above 100 in total are set to 0 (element true: show the message
// "Τα ποσοστά που βάλατε δεν είναι σωστά" and clear the two share fields), then codes 115
// to 120 are written. Does nothing when code 992 is non-zero.
std::array<bool, kResidenceCount> ApplyResidencePresumptions(CodeTable& codes);

// Table 5.1στ with the months codes 740 and 749.
struct PoolInput {
    double OutdoorArea = 0, OutdoorShareTaxpayer = 0, OutdoorShareSpouse = 0, OutdoorMonths = 0;
    double IndoorArea = 0, IndoorShareTaxpayer = 0, IndoorShareSpouse = 0, IndoorMonths = 0;
};
// Amounts for codes 765 (taxpayer) and 766 (spouse).
Pair PoolPresumption(const PoolInput& pool);

// One boat of table 5.1δ with its year code 961 / 963.
struct BoatInput {
    int Length = 0;  // whole metres
    int FirstYear = 0;
    double Months = 0;
    double ShareTaxpayer = 0;
    double ShareSpouse = 0;
    bool Cabin = false;    // cbBoatType0 / cbBoatType2
    bool Sailing = false;  // cbBoatType1 / cbBoatType3
};
// Whether boat `index` (0 or 1) is valued by the table with living spaces.
bool BoatUsesCabinTable(const BoatInput& boat, int index);
double BoatBase(int length, bool cabinTable);
// Amounts for 711/712 (index 0) or 713/714 (index 1). `abroad` = codes 319 and 320 set:
// the person's amount is 0.
Pair BoatPresumption(const BoatInput& boat, int index, FlagPair abroad);

}  // namespace dz::tax
