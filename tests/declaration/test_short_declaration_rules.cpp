// The short declaration's open, save and compute rules, without its window.
#include <gtest/gtest.h>

#include "declaration/short_declaration.h"
#include "model/errors.h"

namespace {

using dz::CodeRow;

TEST(ShortDeclarationRules, CheckBoxesAreTheFormsYesNoCodesOfThisWindow) {
    EXPECT_EQ(dz::ShortDeclarationBoxes().size(), 44u) << "36 first-page boxes and 8 residence boxes";
    for (int code : {327, 328, 331, 617, 911, 912, 1, 2, 203, 204, 205, 240, 241, 242})
        EXPECT_TRUE(dz::IsShortDeclarationBox(code)) << code;
    for (int code : {17, 18, 913, 914, 301, 206})
        EXPECT_FALSE(dz::IsShortDeclarationBox(code)) << code;
}

TEST(ShortDeclarationRules, OpeningSortsTheCodesAndTicksTheBoxes) {
    dz::E1Declaration d;
    d.Codes[0] = {301, 30000};
    d.Codes[2] = {1, 0};  // a box code ticks its box whatever its value
    d.Codes[3] = {49, 1234.5};
    d.Codes[5] = {-4, 7};
    const dz::ShortDeclarationView view = dz::ShowShortDeclaration(d);
    EXPECT_EQ(view.rows, (std::vector<CodeRow>{{"049", "1.234,50"}, {"301", "30.000,00"}}));
    EXPECT_EQ(view.ticked, (std::set<int>{1}));
    EXPECT_EQ(d.Codes[0].Code, 1) << "the record's list is sorted in place";
    EXPECT_EQ(d.Codes[2].Code, 49);
    EXPECT_EQ(d.Codes[3].Code, 301);
    EXPECT_EQ(d.Codes[5].Code, -4) << "empty entries keep their places";
}

TEST(ShortDeclarationRules, SavingWritesBoxesThenRowsAndKeepsTheOtherFields) {
    dz::E1Declaration d;
    dz::AssignCut(d.FirstName, QStringLiteral("Ελένη"), "FirstName");
    d.Codes[7] = {999, 1};
    const std::vector<CodeRow> rows = {{"301", "1.234,56"}, {"302", ""}, {"", "5"}, {"049", "-3"}};
    dz::GatherShortDeclaration("123456783", QString(45, u'Σ'), true, {30, 327, 203}, rows, d);
    EXPECT_EQ(d.Afm.ToString(), QStringLiteral("123456783"));
    EXPECT_EQ(d.Surname.size, 40) << "cut to the field";
    EXPECT_TRUE(d.Married);
    EXPECT_EQ(d.FirstName.ToString(), QStringLiteral("Ελένη"));
    const std::vector<std::pair<int, double>> expected = {{327, 1}, {30, 1}, {203, 1}, {301, 1234.56}, {49, -3}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(d.Codes[i].Code, expected[i].first) << "entry " << i;
        EXPECT_EQ(d.Codes[i].Value, expected[i].second) << "entry " << i;
    }
    EXPECT_EQ(d.Codes[expected.size()].Code, 0) << "the old list is gone";
}

TEST(ShortDeclarationRules, BadRowsStopTheSaveBeforeTheRecordChanges) {
    const struct { const char* name; std::vector<CodeRow> rows; } cases[] = {
        {"lone minus", {{"-", "5"}}},
        {"1-2", {{"1-2", "5"}}},
        {"code beyond 16 bits", {{"40000", "5"}}},
        {"amount not a number", {{"301", "12,3,4"}}},
    };
    for (const auto& c : cases) {
        dz::E1Declaration d;
        dz::AssignCut(d.Surname, QStringLiteral("ΠΑΛΙΟ"), "Surname");
        EXPECT_THROW(dz::GatherShortDeclaration("1", "ΝΕΟ", true, {}, c.rows, d), dz::DataError) << c.name;
        EXPECT_EQ(d.Surname.ToString(), QStringLiteral("ΠΑΛΙΟ")) << c.name;
        EXPECT_FALSE(d.Married) << c.name;
    }
    std::vector<CodeRow> many;
    for (int i = 0; i < 150; ++i) many.push_back({QString::number(100 + i), "1"});
    dz::E1Declaration d;
    EXPECT_THROW(dz::GatherShortDeclaration("1", "Α", false, {327}, many, d), dz::DataError) << "151 entries";
    many.pop_back();
    EXPECT_NO_THROW(dz::GatherShortDeclaration("1", "Α", false, {327}, many, d)) << "150 entries";
}

TEST(ShortDeclarationRules, ABadCellIsNamedByItsRowAndColumn) {
    struct Case {
        const char* name;
        std::vector<dz::CodeRow> rows;
        QString message;
    };
    const Case cases[] = {
        {"a code that does not read", {{"301", "1"}, {"302", "2"}, {"1-2", "5"}},
         QStringLiteral("Το «1-2» δεν είναι έγκυρος ακέραιος αριθμός (γραμμή 3, στήλη «Κωδικός»).")},
        {"an amount that does not read", {{"301", "1-2"}},
         QStringLiteral("Το «1-2» δεν είναι έγκυρο ποσό (γραμμή 1, στήλη «Ποσό»).")},
        {"a code beyond 16 bits", {{"301", "1"}, {"40000", "5"}},
         QStringLiteral("Το «40000» είναι εκτός ορίων: δεκτές τιμές από -32768 έως 32767 (γραμμή 2, στήλη «Κωδικός»).")},
    };
    for (const Case& c : cases) {
        dz::E1Declaration d;
        dz::ClearDeclaration(d);
        try {
            dz::GatherShortDeclaration("1", "ΝΕΟ", false, {}, c.rows, d);
            ADD_FAILURE() << c.name << ": saved";
        } catch (const dz::DataError& e) {
            EXPECT_EQ(e.message().toStdString(), c.message.toStdString()) << c.name;
        }
    }
    std::vector<dz::CodeRow> rows{{"301", "1"}, {"1-2", "5"}};
    dz::CodeTable codes;
    try {
        dz::FillCodeTableFromShort(rows, {}, codes);
        ADD_FAILURE() << "computed";
    } catch (const dz::DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Το «1-2» δεν είναι έγκυρος ακέραιος αριθμός (γραμμή 2, στήλη «Κωδικός»)."));
    }
}

TEST(ShortDeclarationRules, ComputeFillsTheCodeTable) {
    std::vector<CodeRow> rows = {{"067", "3.500,00"}, {"068", "2500"}, {"301", ""}, {"", "99"},
                                 {"017", "1"}, {"1001", ""}, {"302", "1.000,5"}};
    dz::CodeTable codes;
    codes.SetValue(500, 7);
    dz::FillCodeTableFromShort(rows, {13, 240}, codes);
    EXPECT_EQ(codes.Value(67), 3000.0);
    EXPECT_EQ(rows[0].amount, QStringLiteral("3000"));
    EXPECT_EQ(codes.Value(68), 2500.0);
    EXPECT_EQ(rows[1].amount, QStringLiteral("2500"));
    EXPECT_EQ(codes.Value(301), 0.0);
    EXPECT_EQ(codes.Value(302), 1000.5);
    EXPECT_EQ(codes.Value(17), 1.0);
    EXPECT_FALSE(codes.IsTicked(17)) << "a yes/no code typed as a number is not a ticked box";
    EXPECT_TRUE(codes.IsTicked(13));
    EXPECT_TRUE(codes.IsTicked(240));
    EXPECT_FALSE(codes.IsTicked(14));
    EXPECT_EQ(codes.Value(500), 0.0) << "the table starts empty";

    const struct { const char* name; std::vector<CodeRow> rows; } bad[] = {
        {"code not a number", {{"1-2", "5"}}},
        {"amount not a number", {{"301", "abc"}}},
        {"code beyond the table", {{"1001", "5"}}},
        {"negative code", {{"-5", "5"}}},
    };
    for (const auto& c : bad) {
        std::vector<CodeRow> r = c.rows;
        EXPECT_THROW(dz::FillCodeTableFromShort(r, {}, codes), dz::DataError) << c.name;
    }
}

}  // namespace
