// The final amount to pay (positive) or to refund (negative).
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// "To shrink SettlementDiscount by v": towards zero from either side.
void Shrink(double& discount, double v) { discount = discount >= 0 ? discount - v : discount + v; }

}  // namespace

void ComputeFinalBalance(StepContext& s) {
    ResultSet& r = s.r;
    const double d = r.GrandDebit;
    const double c = r.GrandCredit;
    const double k = r.LeviesTotal;
    double& balance = r.FinalBalance;
    double& discount = r.SettlementDiscount;

    // The withheld contribution and the contributions due.
    discount = 0;
    const double w = s.C(333) + s.C(334) + s.C(349) + s.C(350) + s.C(261) + s.C(262);
    r.SolidarityWithheldTotal = w;
    const double contributions = r.SolidarityContribution[0] + r.SolidarityContribution[1];

    // First settlement; `perPerson`: the withheld contribution is settled person by person.
    bool perPerson = false;
    auto setOffRefund = [&] {  // a refund set off against the amounts to pay, at 98 / 100
        discount = (d + k) - (d + k) * kSettlementKeep / 100;
        balance = (d + k) * kSettlementKeep / 100 - c;
        perPerson = true;
    };
    auto grossUpCredit = [&] {
        discount = c - c * 100 / kSettlementKeep;
        balance = (d + k) - c * 100 / kSettlementKeep;
    };
    if (c - d > kRefundThreshold) {
        if (c + w - d - k > 0) {
            setOffRefund();
        } else {
            grossUpCredit();
            perPerson = false;
        }
    } else if (c + w - d - k > 0) {
        if (c > 0 && d > 0) {
            setOffRefund();
        } else {
            balance = (d + k) - c;
            perPerson = false;
        }
    } else {
        grossUpCredit();
        perPerson = contributions < w;
    }

    // Settled as a whole: the withheld contribution comes off the balance once.
    if (!perPerson) {
        balance -= w;
        return;
    }

    // Settled person by person. The two branches are one test: a balance that the first branch
    // turns negative must not take the withheld contribution off a second time.
    if (balance >= 0) {
        balance -= w;
        if (balance < 0) {
            if (contributions > 0) {
                balance += kWithheldContributionAllowance * w;
                Shrink(discount, kWithheldContributionAllowance * w);
            }
            return;
        }
        for (int p = 0; p < 2; ++p) {
            if (r.SolidarityWithheld[p] > r.SolidarityContribution[p]) {
                const double excess = r.SolidarityWithheld[p] - r.SolidarityContribution[p];
                const double g = excess * 100 / kSettlementKeep - excess;
                Shrink(discount, g);
                balance -= g;
            }
        }
    } else if (w > 0) {
        for (int p = 0; p < 2; ++p) {
            const double wp = r.SolidarityWithheld[p];
            const double cp = r.SolidarityContribution[p];
            if (wp > 0) {
                if (wp > cp) {
                    balance -= wp;
                } else {
                    balance = balance - wp + kWithheldContributionAllowance * wp;
                    Shrink(discount, kWithheldContributionAllowance * wp);
                }
            } else if (cp > 0 && wp < cp) {
                const double e = cp - wp;
                Shrink(discount, kWithheldContributionAllowance * e);
                balance = balance - wp + kWithheldContributionAllowance * e;
            }
        }
    }
}

}  // namespace dz::tax
