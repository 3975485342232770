// Every rate, bracket, cap and threshold of tax year 2014, each in one place.
#pragma once
#include <array>

#include "tax/scale.h"

namespace dz::tax::y2014 {

// ---- Income by category ----
inline constexpr double kRentNetShare = 0.95;  // rents count at 95 % of the gross
// Sub-letting counts at 95 % for the taxpayer but in full for the spouse (as the rule stands).
inline constexpr std::array<double, 2> kSubletNetShare = {0.95, 1.0};
inline constexpr double kUnemploymentTaxedAbove = 10000;  // benefit 661 taxed when S > this

// ---- Presumptive expenditure test ----
inline constexpr double kMinLivingMarried = 2500;      // minimum living presumption, each spouse
inline constexpr double kMinLivingSingle = 3000;       // minimum living presumption, single taxpayer
inline constexpr double kPensionerLivingFactor = 0.7;  // codes 013/014: 30 % off the living part
inline constexpr double kUnemploymentCoverLimit = 10000;  // benefit covers only while gap <= this
inline constexpr double kSmallPresumption = 9500;      // up to this, revenue 403 may become salary and a rents-only difference is salary
inline constexpr double kNonProfessionalLimit = 6000;  // revenue 403 movable to salary income

// ---- Income deductions and tax scales ----
inline constexpr double kSponsorshipCap = 0.10;    // code 061 up to 10 % of the cap base
inline constexpr double kFilmInvestCap = 0.20;     // code 663 up to 20 % of the cap base
inline constexpr double kFilmCaseAlpha = 0.4;      // code 033/034 case α: 40 % deductible
inline constexpr double kFilmCaseBeta = 0.2;       // code 035/036 case β: 20 % deductible
inline constexpr double kArticle73Reduction = 0.20;  // code 025/026: 20 % of net profits 401/402

inline constexpr std::array<Bracket, 2> kRentalScale = {{
    {12000, 0, 0, 0.11},
    {kNoLimit, 12000, 1320, 0.33},
}};
inline constexpr std::array<Bracket, 2> kBusinessScale = {{
    {50000, 0, 0, 0.26},
    {kNoLimit, 50000, 13000, 0.33},
}};
// New business (code 017/018) with gross revenue 0 < G <= kNewBusinessRevenueLimit.
inline constexpr std::array<Bracket, 3> kNewBusinessScale = {{
    {10000, 0, 0, 0.13},
    {50000, 10000, 1300, 0.26},
    {kNoLimit, 50000, 11700, 0.33},
}};
inline constexpr double kNewBusinessRevenueLimit = 10000;
inline constexpr std::array<Bracket, 3> kSalaryScale = {{
    {25000, 0, 0, 0.22},
    {42000, 25000, 5500, 0.32},
    {kNoLimit, 42000, 10940, 0.42},
}};
// Residents of small islands (code 007/008), never for non-residents.
inline constexpr std::array<Bracket, 3> kSalaryIslandScale = {{
    {37500, 0, 0, 0.22},
    {42000, 37500, 8250, 0.32},
    {kNoLimit, 42000, 9690, 0.42},
}};
inline constexpr double kAgriRate = 0.13;
inline constexpr double kDividendRate = 0.10;
inline constexpr double kInterestRate = 0.15;
inline constexpr double kRoyaltyRate = 0.20;
inline constexpr double kCapitalGainsRate = 0.15;
inline constexpr double kNavyOfficerRate = 0.15;    // code 201 = 1 (and the officer part of 3)
inline constexpr double kNavyLowerCrewRate = 0.10;  // code 201 = 2 (and the lower-crew part of 3)

// Salary-tax reduction: full up to kFullUpTo, less 10 % of the part above, none above kNoneAbove.
inline constexpr double kSalaryReductionMax = 2100;
inline constexpr double kSalaryReductionFullUpTo = 21000;
inline constexpr double kSalaryReductionTaper = 0.10;
inline constexpr double kSalaryReductionNoneAbove = 42000;

// ---- Receipts requirement and tax reductions ----
inline constexpr double kReceiptsShare = 0.10;          // receipts required: 10 % of the base
inline constexpr double kReceiptsRequiredMax = 10500;   // ... at most this
inline constexpr double kReceiptsCountedSingle = 10500; // receipts counted, single declaration
inline constexpr double kReceiptsCountedMarried = 21000;  // receipts counted, joint declaration
inline constexpr double kReceiptsPenaltyRate = 0.22;    // penalty on the missing receipts
inline constexpr double kDisabilityReduction = 200;     // codes 001, 005 (each), 009
inline constexpr double kMedicalThreshold = 0.05;       // expenses must exceed 5 % of income
inline constexpr double kMedicalRate = 0.10;            // 10 % of the whole code 051
inline constexpr double kMedicalMax = 3000;
inline constexpr double kPublicDebtGiftRate = 0.20;     // code 075
inline constexpr double kDonationBaseRate = 0.05;       // donations count up to 5 % of income
inline constexpr double kDonationMinimum = 100;         // code 059 must exceed this
inline constexpr double kDonationRate = 0.10;

// ---- Stamp duty, tax credits, advance payment ----
inline constexpr double kRentStampRate = 0.03;
inline constexpr double kRentStampOgaRate = 0.20;        // supplement on the stamp duty
inline constexpr double kStampLateRatePerMonth = 0.015;
inline constexpr double kWithheldGrossUp = 0.985;        // withheld salary tax / 0.985
inline constexpr double kForeignBusinessRate = 0.26;     // Greek tax on code 411 for the credit
inline constexpr double kForeignSecuritiesRate = 0.15;   // Greek tax on code 865 for the credit
inline constexpr double kAdvanceBusinessRate = 0.55;
inline constexpr double kAdvanceAgriRate = 0.275;
inline constexpr double kAdvanceMinIncome = 5;           // K must exceed this ...
inline constexpr double kAdvanceLossLow = -0.1;          // ... or lie in [-0.1, 5] with losses
inline constexpr double kAdvanceReductionShare = 0.25;   // code 655 counts from 25 % of income
inline constexpr double kAdvanceFirstFilingFactor = 0.5;
inline constexpr double kAdvanceMinimum = 30;            // an advance of 30 or less is dropped

// ---- Income tax settlement ----
inline constexpr double kWithholdingAllowance = 0.015;   // employer's 1.5 % of withheld tax
inline constexpr double kWithholdingKept = 0.985;        // refund factor on withheld tax
inline constexpr double kLateSurchargePerMonth = 0.01;

// ---- Solidarity contribution, professional fee, luxury tax ----
// Bands join without gaps: a base below From falls in the band before.
struct SolidarityBand {
    double From;   // first base of the band
    double Rate;
    double Floor;  // base − contribution may not fall below this
};
inline constexpr std::array<SolidarityBand, 4> kSolidarityBands = {{
    {12001, 0.01, 12000.99},
    {20001, 0.02, 19800.98},
    {50001, 0.03, 49000.97},
    {100001, 0.04, 97000.96},
}};
inline constexpr double kFeeLargeCity = 1000;  // seat in a city over 200.000 inhabitants
inline constexpr double kFeeTourist = 800;     // seat in a tourist place up to 200.000
inline constexpr double kFeeFreelance = 650;   // code 887/888
inline constexpr double kFeeCaseSt = 500;      // code 889/890
inline constexpr double kFeePerBranch = 600;   // code 931/932 branches
inline constexpr double kMonthsInYear = 12;
// Luxury-tax bases (E1 compute command).
inline constexpr int kLuxuryCarMinCc = 1929;
inline constexpr int kLuxuryCarBase5MaxCc = 2500;
inline constexpr int kLuxuryCarMinYear = 2005;
inline constexpr int kLuxuryBoatMinLength = 5;         // longer than this, not sailing
inline constexpr double kLuxuryPensionerFactor = 0.7;  // codes 013/014
inline constexpr double kLuxuryRate5 = 0.05;
inline constexpr double kLuxuryRate13 = 0.13;

// ---- Final balance ----
inline constexpr double kRefundThreshold = 0.05;    // C − D above this is a refund
inline constexpr double kSettlementKeep = 98;       // × 98 / 100 and × 100 / 98
inline constexpr double kWithheldContributionAllowance = 0.015;

// ---- Presumptions of residences, cars, boats, pools ----
// Car base by capacity rounded to hundreds: Fixed + PerHundred × ((c − Lower) div 100).
struct CarBracket {
    int UpTo;
    int Lower;
    double Fixed;
    double PerHundred;
};
inline constexpr std::array<CarBracket, 5> kCarBase = {{
    {100, 0, 0, 0},
    {1200, 0, 4000, 0},
    {2000, 1200, 4000, 600},
    {3000, 2000, 8800, 900},
    {2147483647, 3000, 17800, 1200},
}};
inline constexpr int kCarRoundTo = 100;  // capacity rounded to hundreds, 50 rounds down
inline constexpr int kCarRoundHalf = 50;
// Reduction codes of a car (disabled owner, pensioner's customs exemption, antique) cancel it.
inline constexpr int kCarReductionFirst = 1;
inline constexpr int kCarReductionLast = 3;

// Age factors by first-registration year (0 = not given).
struct AgeBand {
    int From;
    int To;
    double CarFactor;
    double BoatFactor;
};
inline constexpr std::array<AgeBand, 2> kAgeBands = {{
    {2010, 2014, 1.0, 1.0},
    {2005, 2009, 0.7, 0.85},
}};
inline constexpr double kCarFactorOther = 0.5;
inline constexpr double kBoatFactorOther = 0.7;

// Residence surface value: band(M) + 40 × auxiliary surface.
inline constexpr std::array<Bracket, 5> kResidenceSurface = {{
    {80, 0, 0, 40},
    {120, 80, 3200, 65},
    {200, 120, 5800, 110},
    {300, 200, 14600, 200},
    {kNoLimit, 300, 34600, 400},
}};
inline constexpr double kResidenceAuxPerM2 = 40;
inline constexpr double kResidenceHalfPart = 0.5;  // surfaces counted at half
inline constexpr double kZonePriceMid = 2800;      // zone factor 1.4 from here
inline constexpr double kZonePriceHigh = 5000;     // zone factor 1.7 from here
inline constexpr double kZoneFactorLow = 1.0;
inline constexpr double kZoneFactorMid = 1.4;
inline constexpr double kZoneFactorHigh = 1.7;
inline constexpr double kDetachedFactor = 1.2;
inline constexpr double kSecondaryResidenceFactor = 0.5;

inline constexpr std::array<Bracket, 2> kOutdoorPool = {{
    {60, 0, 0, 160},
    {kNoLimit, 60, 9600, 320},
}};
inline constexpr std::array<Bracket, 2> kIndoorPool = {{
    {60, 0, 0, 320},
    {kNoLimit, 60, 19200, 640},
}};

inline constexpr std::array<Bracket, 2> kBoatOpen = {{
    {5, 0, 4000, 0},
    {kNoLimit, 5, 4000, 2000},
}};
inline constexpr std::array<Bracket, 7> kBoatCabin = {{
    {7, 0, 12000, 0},
    {10, 7, 12000, 3000},
    {12, 10, 21000, 7500},
    {15, 12, 36000, 15000},
    {18, 15, 81000, 22500},
    {22, 18, 148500, 30000},
    {kNoLimit, 22, 268500, 50000},
}};
inline constexpr double kSailingFactor = 0.5;
// Boat 1 takes the table with living spaces only when it has them; boat 2 also when it is
// marked sailing.
inline constexpr std::array<bool, 2> kBoatSailingTakesCabinTable = {false, true};
// Year fields: 1..10 → 2000 + value, 11..99 → 1900 + value.
inline constexpr int kYear2000Last = 10;
inline constexpr int kYear1900Last = 99;

}  // namespace dz::tax::y2014
