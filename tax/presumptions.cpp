// Presumed yearly expenditure of cars, residences, pools and boats.
#include "tax/presumptions.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "tax/scale.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

int CompleteYear(int value) {
    if (value >= 1 && value <= kYear2000Last) return 2000 + value;
    if (value > kYear2000Last && value <= kYear1900Last) return 1900 + value;
    return value;
}

namespace {

const AgeBand* FindAgeBand(int year) {
    for (const AgeBand& band : kAgeBands) {
        if (year >= band.From && year <= band.To) return &band;
    }
    return nullptr;
}

double Rounded32(double value, const char* what) {
    const double r = std::nearbyint(value);  // the default rounding mode: halves to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        throw std::range_error(std::string(what) + " does not fit a 32-bit integer");
    }
    return r;
}

}  // namespace

double CarAgeFactor(int year) {
    if (year == 0) return 0;
    const AgeBand* band = FindAgeBand(year);
    return band ? band->CarFactor : kCarFactorOther;
}

double BoatAgeFactor(int year) {
    if (year == 0) return 0;
    const AgeBand* band = FindAgeBand(year);
    return band ? band->BoatFactor : kBoatFactorOther;
}

int CarReductionCode(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

int RoundCarCc(int cc) {
    const int rest = cc % kCarRoundTo;
    return rest > kCarRoundHalf ? cc + kCarRoundTo - rest : cc - rest;
}

double CarBase(int c) {
    for (const CarBracket& b : kCarBase) {
        if (c <= b.UpTo) return b.Fixed + b.PerHundred * ((c - b.Lower) / kCarRoundTo);
    }
    return 0;
}

Pair CarPresumption(const CarInput& car) {
    double presumption = CarBase(RoundCarCc(car.Cc)) * CarAgeFactor(car.FirstYear) * car.Months / kMonthsInYear;
    if (car.ReductionCode >= kCarReductionFirst && car.ReductionCode <= kCarReductionLast) presumption = 0;
    const double amount = car.SharePercent / 100 * presumption;
    return car.ForSpouse ? Pair{0, amount} : Pair{amount, 0};
}

ResidenceInput ResidenceFromCodes(const CodeTable& codes, int i) {
    // Residence i: surfaces 211 + 7i / 212 + 7i, shares 213 + 7i / 214 + 7i, months 215 + 7i,
    // zone price 216 + 7i; half parts 231 + i / 234 + i; detached box 240 + i.
    const int first = 211 + 7 * i;
    ResidenceInput r;
    r.MainSurface = codes.Value(first);
    r.AuxSurface = codes.Value(first + 1);
    r.ShareTaxpayer = codes.Value(first + 2);
    r.ShareSpouse = codes.Value(first + 3);
    r.Months = codes.Value(first + 4);
    r.ZonePrice = codes.Value(first + 5);
    r.MainHalfPart = codes.Value(231 + i);
    r.AuxHalfPart = codes.Value(234 + i);
    r.Detached = codes.IsTicked(240 + i);
    return r;
}

double ResidenceSurfaceValue(const ResidenceInput& r) {
    const double main = r.MainSurface - r.MainHalfPart + kResidenceHalfPart * r.MainHalfPart;
    const double aux = r.AuxSurface - r.AuxHalfPart + kResidenceHalfPart * r.AuxHalfPart;
    return ApplyScale(kResidenceSurface, main) + kResidenceAuxPerM2 * aux;
}

double ZoneFactor(double zonePrice) {
    const double price = Rounded32(zonePrice, "zone price");
    if (price < kZonePriceMid) return kZoneFactorLow;
    if (price < kZonePriceHigh) return kZoneFactorMid;
    return kZoneFactorHigh;
}

Pair ResidencePresumption(const ResidenceInput& r, int index) {
    const double zone = ZoneFactor(r.ZonePrice);
    const double months = Rounded32(r.Months, "months");
    const double detached = r.Detached ? kDetachedFactor : 1.0;
    double monthly = ResidenceSurfaceValue(r) * zone * detached / kMonthsInYear;
    if (index > 0) monthly = monthly * kSecondaryResidenceFactor;
    return {months * monthly * r.ShareTaxpayer / 100, months * monthly * r.ShareSpouse / 100};
}

std::array<bool, kResidenceCount> ApplyResidencePresumptions(CodeTable& codes) {
    std::array<bool, kResidenceCount> badShares{};
    if (codes.Value(992) != 0) return badShares;
    for (int code : {115, 117, 119}) codes.SetValue(code, 0);
    for (int i = 0; i < kResidenceCount; ++i) {
        const int shareCode = 213 + 7 * i;
        if (codes.Value(shareCode) + codes.Value(shareCode + 1) > 100) {
            badShares[i] = true;
            codes.SetValue(shareCode, 0);
            codes.SetValue(shareCode + 1, 0);
        }
    }
    for (int i = 0; i < kResidenceCount; ++i) {
        const Pair amounts = ResidencePresumption(ResidenceFromCodes(codes, i), i);
        codes.SetValue(115 + 2 * i, amounts[kTaxpayer]);
        codes.SetValue(116 + 2 * i, amounts[kSpouse]);
    }
    return badShares;
}

Pair PoolPresumption(const PoolInput& pool) {
    const double outdoor = ApplyScale(kOutdoorPool, pool.OutdoorArea);
    const double indoor = ApplyScale(kIndoorPool, pool.IndoorArea);
    auto person = [&](double outdoorShare, double indoorShare) {
        return pool.OutdoorMonths * (outdoorShare * outdoor / 100) / kMonthsInYear +
               pool.IndoorMonths * (indoorShare * indoor / 100) / kMonthsInYear;
    };
    return {person(pool.OutdoorShareTaxpayer, pool.IndoorShareTaxpayer),
            person(pool.OutdoorShareSpouse, pool.IndoorShareSpouse)};
}

bool BoatUsesCabinTable(const BoatInput& boat, int index) {
    return boat.Cabin || (kBoatSailingTakesCabinTable[index] && boat.Sailing);
}

double BoatBase(int length, bool cabinTable) {
    return cabinTable ? ApplyScale(kBoatCabin, length) : ApplyScale(kBoatOpen, length);
}

Pair BoatPresumption(const BoatInput& boat, int index, FlagPair abroad) {
    double presumption = BoatBase(boat.Length, BoatUsesCabinTable(boat, index)) * BoatAgeFactor(boat.FirstYear);
    if (boat.Sailing) presumption = presumption * kSailingFactor;
    const double shares[2] = {boat.ShareTaxpayer, boat.ShareSpouse};
    Pair amounts{};
    for (int p = 0; p < 2; ++p) {
        amounts[p] = abroad[p] ? 0.0 : shares[p] / 100 * presumption * boat.Months / kMonthsInYear;
    }
    return amounts;
}

}  // namespace dz::tax
