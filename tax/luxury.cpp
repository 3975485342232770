// The luxury-tax bases of cars, boats, aircraft and pools.
#include "tax/luxury.h"

#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

void FillLuxuryAmountsFromCodes(LuxuryInput& input, const CodeTable& codes) {
    for (int i = 0; i < kLuxuryCarCount; ++i) {
        input.Cars[i].AmountTaxpayer = codes.Value(851 + 2 * i);
        input.Cars[i].AmountSpouse = codes.Value(852 + 2 * i);
    }
    for (int b = 0; b < kLuxuryBoatCount; ++b) {
        input.Boats[b].AmountTaxpayer = codes.Value(711 + 2 * b);
        input.Boats[b].AmountSpouse = codes.Value(712 + 2 * b);
    }
    for (int p = 0; p < 2; ++p) {
        input.Aircraft[p] = codes.Value(715 + p);
        input.Pool[p] = codes.Value(765 + p);
        input.Pensioner[p] = codes.IsTicked(13 + p);
    }
}

LuxuryRecord ComputeLuxuryAssets(const LuxuryInput& in) {
    LuxuryRecord lux;
    for (const LuxuryCar& car : in.Cars) {
        if (car.FirstYear < kLuxuryCarMinYear) continue;
        const Pair amounts = {car.AmountTaxpayer, car.AmountSpouse};
        if (car.Cc >= kLuxuryCarMinCc && car.Cc <= kLuxuryCarBase5MaxCc) {
            for (int p = 0; p < 2; ++p) lux.Base5[p] += amounts[p];
        } else if (car.Cc > kLuxuryCarBase5MaxCc) {
            for (int p = 0; p < 2; ++p) lux.Base13[p] += amounts[p];
        }
    }
    for (int p = 0; p < 2; ++p) {
        lux.Base13[p] += in.Aircraft[p] + in.Pool[p];
        for (const LuxuryBoat& boat : in.Boats) {
            if (boat.Length > kLuxuryBoatMinLength && !boat.Sailing) {
                lux.Base13[p] += p == kTaxpayer ? boat.AmountTaxpayer : boat.AmountSpouse;
            }
        }
        if (in.Pensioner[p]) {
            lux.Base5[p] = lux.Base5[p] * kLuxuryPensionerFactor;
            lux.Base13[p] = lux.Base13[p] * kLuxuryPensionerFactor;
        }
        lux.Tax5[p] = kLuxuryRate5 * lux.Base5[p];
        lux.Tax13[p] = kLuxuryRate13 * lux.Base13[p];
    }
    return lux;
}

}  // namespace dz::tax
