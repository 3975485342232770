// The final amount to pay (positive) or to refund (negative).
#include "tax/clearance_steps.h"
#include "tax/tax_year_2014.h"

namespace dz::tax {

using namespace y2014;

namespace {

// "To shrink SettlementDiscount by v": towards zero from either side.
template <class N>
void Shrink(StepContextOf<N>& s, N& discount, const N& v) {
    discount = s.Pick(discount >= 0, discount - v, discount + v);
}

}  // namespace

template <class N>
void ComputeFinalBalance(StepContextOf<N>& s) {
    auto& r = s.r;
    const N d = r.GrandDebit;
    const N c = r.GrandCredit;
    const N k = r.LeviesTotal;
    N& balance = r.FinalBalance;
    N& discount = r.SettlementDiscount;

    // The withheld contribution and the contributions due.
    discount = 0;
    const N w = s.C(333) + s.C(334) + s.C(349) + s.C(350) + s.C(261) + s.C(262);
    r.SolidarityWithheldTotal = w;
    const N contributions = r.SolidarityContribution[0] + r.SolidarityContribution[1];

    // Every decision below shapes the balance and the discount.
    auto rule = s.Rule(kRuleFinalSettlement, balance, discount);

    // First settlement; `perPerson`: the withheld contribution is settled person by person.
    Truth<N> perPerson = false;
    auto setOffRefund = [&] {  // a refund set off against the amounts to pay, at 98 / 100
        discount = (d + k) - (d + k) * kSettlementKeep / 100;
        balance = (d + k) * kSettlementKeep / 100 - c;
        perPerson = true;
    };
    auto grossUpCredit = [&] {
        discount = c - c * 100 / kSettlementKeep;
        balance = (d + k) - c * 100 / kSettlementKeep;
    };
    if (s.If(c - d > kRefundThreshold)) {
        if (s.If(c + w - d - k > 0)) {
            setOffRefund();
        } else {
            grossUpCredit();
            perPerson = false;
        }
    } else if (s.If(c + w - d - k > 0)) {
        if (s.If(c > 0 && d > 0)) {
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
    if (s.If(!perPerson)) {
        balance -= w;
        return;
    }

    // Settled person by person. The two branches are one test: a balance that the first branch
    // turns negative must not take the withheld contribution off a second time.
    if (s.If(balance >= 0)) {
        balance -= w;
        if (s.If(balance < 0)) {
            if (s.If(contributions > 0)) {
                balance += kWithheldContributionAllowance * w;
                Shrink(s, discount, kWithheldContributionAllowance * w);
            }
            return;
        }
        for (int p = 0; p < 2; ++p) {
            if (s.If(r.SolidarityWithheld[p] > r.SolidarityContribution[p])) {
                const N excess = r.SolidarityWithheld[p] - r.SolidarityContribution[p];
                const N g = excess * 100 / kSettlementKeep - excess;
                Shrink(s, discount, g);
                balance -= g;
            }
        }
    } else if (s.If(w > 0)) {
        for (int p = 0; p < 2; ++p) {
            const N wp = r.SolidarityWithheld[p];
            const N cp = r.SolidarityContribution[p];
            if (s.If(wp > 0)) {
                if (s.If(wp > cp)) {
                    balance -= wp;
                } else {
                    balance = balance - wp + kWithheldContributionAllowance * wp;
                    Shrink(s, discount, kWithheldContributionAllowance * wp);
                }
            } else if (s.If(cp > 0 && wp < cp)) {
                const N e = cp - wp;
                Shrink(s, discount, kWithheldContributionAllowance * e);
                balance = balance - wp + kWithheldContributionAllowance * e;
            }
        }
    }
}

template void ComputeFinalBalance(StepContextOf<double>&);
template void ComputeFinalBalance(StepContextOf<Traced>&);

}  // namespace dz::tax
