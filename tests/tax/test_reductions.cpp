// Receipts requirement and its penalty, tax reductions, income tax due.
#include "tax_test_util.h"

namespace dz::tax::testing {
namespace {

TEST_P(TaxCaseTest, Result) { ExpectCase(GetParam()); }

const TaxCase kCases[] = {
    {"receipts shortfall", {{301, 30000}, {49, 2000}}, {}, kOnTime, &R::ReceiptsShortfallTax, {-220, 0}},
    {"receipts penalty", {{301, 30000}, {49, 2000}}, {}, kOnTime, &R::ReceiptsPenalty, {220, 0}},
    {"receipts penalty in the tax", {{301, 30000}, {49, 2000}}, {}, kOnTime, &R::IncomeTaxDue, {6120, 0}},
    {"receipts requirement capped", {{301, 150000}, {49, 10500}}, {}, kOnTime, &R::ReceiptsPenalty, {0, 0}},
    {"receipts counted up to 10500 single", {{301, 150000}, {49, 12000}, {302, 0}}, {}, kOnTime, &R::ReceiptsPenalty, {0, 0}},
    {"receipts counted single cap bites", {{301, 200000}, {391, -100000}, {49, 12000}}, {}, kOnTime, &R::ReceiptsPenalty, {0, 0}},
    {"receipts shared by salary", {{301, 40000}, {302, 10000}, {49, 4000}}, {}, kMarried, &R::ReceiptsPenalty, {176, 44}},
    {"receipts surplus covers the spouse", {{301, 150000}, {302, 30000}, {49, 15000}}, {}, kMarried, &R::ReceiptsPenalty, {0, 0}},
    {"receipts surplus covers the taxpayer", {{301, 30000}, {302, 150000}, {49, 15000}}, {}, kMarried, &R::ReceiptsPenalty, {0, 0}},
    {"receipts surplus partly covers", {{301, 100000}, {302, 100000}, {49, 12000}}, {}, kMarried, &R::ReceiptsPenalty, {880, 880}},
    {"receipts no surplus when both short", {{301, 150000}, {302, 30000}, {49, 12000}}, {}, kMarried, &R::ReceiptsPenalty, {110, 220}},
    {"receipts surplus not enough", {{301, 150000}, {302, 30000}, {49, 13000}}, {}, kMarried, &R::ReceiptsPenalty, {0, 110}},
    {"exempt spouse leaves all receipts to the taxpayer", {{301, 30000}, {49, 3000}}, {24}, kMarried, &R::ReceiptsPenalty, {0, 0}},
    {"exempt taxpayer with salary no penalty", {{301, 30000}}, {23}, kOnTime, &R::ReceiptsPenalty, {0, 0}},
    {"exempt taxpayer with salary no shortfall", {{301, 30000}}, {23}, kOnTime, &R::ReceiptsShortfallTax, {0, 0}},
    {"difference taxed as salary needs receipts", {{719, 10000}, {49, 0}}, {}, kOnTime, &R::ReceiptsPenalty, {286, 0}},
    {"resident abroad no receipts penalty", {{301, 30000}}, {319}, kOnTime, &R::ReceiptsPenalty, {0, 0}},
    {"late no receipts penalty", {{301, 30000}}, {}, Late(3), &R::ReceiptsPenalty, {0, 0}},
    {"rents 077 reduce non-salary tax", {{103, 20000 / 0.95}, {77, 1000}, {49, 10000}}, {}, kOnTime, &R::RentReduction077, {1000, 0}},
    {"rents 077 only down to zero", {{103, 10000 / 0.95}, {301, 30000}, {77, 5000}, {49, 10000}}, {}, kOnTime, &R::RentReduction077, {1100, 0}},
    {"rents 077 leave the salary tax", {{103, 10000 / 0.95}, {301, 30000}, {77, 5000}, {49, 10000}}, {}, kOnTime, &R::IncomeTaxDue, {5900, 0}},
    {"late no 077", {{103, 20000 / 0.95}, {77, 1000}}, {}, Late(3), &R::RentReduction077, {0, 0}},
    {"disability", {{301, 30000}, {49, 3000}, {5, 2}}, {1, 9}, kOnTime, &R::OtherReductions, {800, 0}},
    {"late no disability", {{301, 30000}, {5, 2}}, {1, 9}, Late(3), &R::OtherReductions, {0, 0}},
    {"medical below 5 percent", {{301, 30000}, {49, 3000}, {51, 1000}}, {}, kOnTime, &R::OtherReductions, {0, 0}},
    {"medical above 5 percent", {{301, 30000}, {49, 3000}, {51, 2000}}, {}, kOnTime, &R::OtherReductions, {200, 0}},
    {"medical cap", {{301, 30000}, {49, 3000}, {51, 40000}}, {}, kOnTime, &R::OtherReductions, {3000, 0}},
    {"medical also when late", {{301, 30000}, {51, 2000}}, {}, Late(3), &R::OtherReductions, {200, 0}},
    {"medical against business income", {{401, 30000}, {51, 2000}}, {}, kOnTime, &R::OtherReductions, {200, 0}},
    {"public debt gifts", {{301, 30000}, {49, 3000}, {75, 1000}}, {}, kOnTime, &R::OtherReductions, {200, 0}},
    {"donations of 100 give nothing", {{301, 30000}, {49, 3000}, {59, 100}}, {}, kOnTime, &R::OtherReductions, {0, 0}},
    {"donations of 101", {{301, 30000}, {49, 3000}, {59, 101}}, {}, kOnTime, &R::OtherReductions, {10.10, 0}},
    {"donations up to 5 percent", {{301, 30000}, {49, 3000}, {59, 5000}}, {}, kOnTime, &R::OtherReductions, {150, 0}},
    {"late no gifts or donations", {{301, 30000}, {75, 1000}, {59, 1000}}, {}, Late(3), &R::OtherReductions, {0, 0}},
    {"reductions only down to zero", {{301, 10000}, {49, 3000}, {75, 50000}}, {}, kOnTime, &R::IncomeTaxDue, {0, 0}},
    {"reductions used only down to zero", {{301, 30000}, {49, 3000}, {75, 50000}}, {}, kOnTime, &R::OtherReductions, {5900, 0}},
    {"resident abroad no reductions", {{301, 30000}, {75, 1000}}, {319}, kOnTime, &R::OtherReductions, {0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Reductions, TaxCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace dz::tax::testing
