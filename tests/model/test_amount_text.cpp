// The amount text, reading it back, whole numbers, and the tax-number rule.
#include <gtest/gtest.h>

#include <limits>

#include "model/afm.h"
#include "model/amount_text.h"
#include "model/errors.h"

namespace {

TEST(AmountText, FormatsWithTwoDecimalsThousandsAndHalvesAwayFromZero) {
    const struct { double value; const char* text; } cases[] = {
        {0.0, "0,00"},           {-0.0, "0,00"},          {12.5, "12,50"},
        {1234.5, "1.234,50"},    {1234567.891, "1.234.567,89"}, {-1234.5, "-1.234,50"},
        {0.125, "0,13"},         {-0.125, "-0,13"},       {2.675, "2,67"},
        {0.004, "0,00"},         {-0.004, "0,00"},        {0.005, "0,01"},
        {-0.005, "-0,01"},       {999.995, "1.000,00"},   {999999.999, "1.000.000,00"},
        {100, "100,00"},         {1000, "1.000,00"},      {0.1 + 0.2, "0,30"},
        {1e-300, "0,00"},        {12.345, "12,35"},       {1.005, "1,00"},
        {123456789012.34, "123.456.789.012,34"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dz::FormatAmount(c.value).toStdString(), c.text) << "value " << c.value;
}

TEST(AmountText, KeepsAtMostFifteenSignificantDigits) {
    EXPECT_EQ(dz::FormatAmount(12345678901234.56).toStdString(), "12.345.678.901.234,60");
}

TEST(AmountText, PlainTextRoundsAsTheAmountTextWithoutThousands) {
    const struct { double value; QChar separator; const char* text; } cases[] = {
        {8572.000852441066, u'.', "8572.00"},  {1234567.891, u'.', "1234567.89"}, {0.125, u'.', "0.13"},
        {-0.125, u'.', "-0.13"},               {2.675, u'.', "2.67"},             {130.125, u'.', "130.13"},
        {-1004.6718421, u'.', "-1004.67"},     {999.995, u'.', "1000.00"},        {0.0, u'.', "0.00"},
        {-0.0, u'.', "0.00"},                  {-0.004, u'.', "0.00"},            {5, u'.', "5.00"},
        {12345678901234.56, u'.', "12345678901234.60"}, {1234.5, u',', "1234,50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dz::FormatPlainAmount(c.value, c.separator).toStdString(), c.text) << "value " << c.value;
}

TEST(AmountText, RefusesValuesThatAreNotFiniteNumbers) {
    const struct { const char* name; double value; } cases[] = {
        {"NaN", std::numeric_limits<double>::quiet_NaN()},
        {"+infinity", std::numeric_limits<double>::infinity()},
        {"-infinity", -std::numeric_limits<double>::infinity()},
    };
    for (const auto& c : cases) {
        for (const auto& format : {+[](double v) { return dz::FormatAmount(v); },
                                   +[](double v) { return dz::FormatPlainAmount(v, u'.'); }}) {
            try {
                const QString shown = format(c.value);
                ADD_FAILURE() << c.name << " shown as " << shown.toStdString();
            } catch (const dz::DataError& e) {
                EXPECT_EQ(e.message(), QStringLiteral("Εσωτερικό σφάλμα: το ποσό δεν είναι πεπερασμένος αριθμός"))
                    << c.name;
            }
        }
    }
}

TEST(AmountText, ReadsBackWithTheDecimalComma) {
    const struct { const char* text; std::optional<double> value; } cases[] = {
        {"1.234,50", 1234.5}, {"1234,50", 1234.5}, {" 12,5 ", 12.5}, {"-3", -3.0},
        {"+3", 3.0},          {",5", 0.5},         {"5,", 5.0},      {"0,00", 0.0},
        {"-", std::nullopt},  {"", std::nullopt},  {"1,2,3", std::nullopt},
        {"12a", std::nullopt}, {"1 2", std::nullopt}, {"1e5", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto v = dz::ParseAmount(QString::fromUtf8(c.text));
        EXPECT_EQ(v, c.value) << "text '" << c.text << "'";
    }
    EXPECT_EQ(dz::StripThousands(u"1.234.567,89"), QStringLiteral("1234567,89"));
}

TEST(AmountText, ReadsWholeNumbers) {
    EXPECT_EQ(dz::ParseInteger(u"42"), 42);
    EXPECT_EQ(dz::ParseInteger(u"-7"), -7);
    EXPECT_EQ(dz::ParseInteger(u"1-2"), std::nullopt);
    EXPECT_EQ(dz::ParseInteger(u"+5"), 5);
    EXPECT_EQ(dz::ParseInteger(u"+-5"), std::nullopt) << "one sign only";
    EXPECT_EQ(dz::ParseInteger(u"+"), std::nullopt);
    EXPECT_EQ(dz::ParseInteger(u"99999999999"), std::nullopt);
    EXPECT_EQ(dz::ParseInteger(u""), std::nullopt);
}

TEST(TaxNumber, CheckDigitRule) {
    const struct { const char* afm; bool valid; } cases[] = {
        {"", true},           {"123456783", true},  {"123456789", false}, {"100000090", true},
        {"000000000", true},  {"EL123456783", true}, {"12345678", false}, {"12345678A", false},
        {"1234 56783", false},
    };
    for (const auto& c : cases) EXPECT_EQ(dz::IsValidAfm(QString::fromUtf8(c.afm)), c.valid) << "AFM '" << c.afm << "'";
}

}  // namespace
