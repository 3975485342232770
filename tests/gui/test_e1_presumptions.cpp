// The automatic calculations of the E1 window, started by leaving fields and clicking boxes.
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "test_e1_fixture.h"

namespace dz::test {
namespace {

using E1Presumptions = E1Window;

double Amount(const TfiE1& w, const char* name) {
    return w.ControlAs<TEditReal>(QLatin1String(name))->Value();
}

TEST_F(E1Presumptions, CarOnLeavingItsFields) {
    const struct {
        const char* name;
        const char* cc;
        const char* year;  // typed; leaving the field completes it
        const char* mark;
        bool spouse;
        double taxpayer;
        double spouseAmount;
    } cases[] = {
        {"1550 cc rounds down to 1500", "1550", "2012", "", false, 5800, 0},
        {"1551 cc rounds up to 1600", "1551", "2012", "", false, 6400, 0},
        {"2000 cc of 2007", "2000", "7", "", false, 6160, 0},
        {"2000 cc of 2003", "2000", "3", "", false, 4400, 0},
        {"a year of 95 is 1995", "2000", "95", "", false, 4400, 0},
        {"no year, no presumption", "2000", "", "", false, 0, 0},
        {"exemption category 2", "2000", "2012", "2", false, 0, 0},
        {"a mark that is no category", "2000", "2012", "9", false, 8800, 0},
        {"the spouse's car", "2000", "2012", "", true, 0, 8800},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (box(QStringLiteral("cbCarWhich2"))->isChecked() != c.spouse) Click(QStringLiteral("cbCarWhich2"));
        TypeAndLeave(QStringLiteral("edCarMeiwsi2"), QLatin1String(c.mark));
        TypeAndLeave(QStringLiteral("edCarIppoi2"), QLatin1String(c.cc));
        TypeAndLeave(QStringLiteral("edCarMonths2"), QStringLiteral("12"));
        TypeAndLeave(QStringLiteral("edCarPosost2"), QStringLiteral("100"));
        edit(QStringLiteral("edCarYear2"))->clear();
        TypeAndLeave(QStringLiteral("edCarYear2"), QLatin1String(c.year));
        EXPECT_DOUBLE_EQ(Amount(*window, "edP853"), c.taxpayer);
        EXPECT_DOUBLE_EQ(Amount(*window, "edP854"), c.spouseAmount);
    }
    // Half a year at half the share.
    TypeAndLeave(QStringLiteral("edCarMonths2"), QStringLiteral("6"));
    TypeAndLeave(QStringLiteral("edCarPosost2"), QStringLiteral("50"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP854"), 2200);
}

TEST_F(E1Presumptions, YearFieldsAreCompletedWhenLeft) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"5", "2005"}, {"10", "2010"}, {"11", "1911"}, {"99", "1999"}, {"2011", "2011"}, {"0", "0"},
                 {"100", "100"}};
    for (const char* field : {"edCarYear7", "edP961", "edP963"})
        for (const auto& c : cases) {
            TypeAndLeave(QLatin1String(field), QLatin1String(c.typed));
            EXPECT_EQ(edit(QLatin1String(field))->text(), QLatin1String(c.shown)) << field << " " << c.typed;
        }
}

TEST_F(E1Presumptions, ResidencesAndTheShareMessage) {
    TypeAndLeave(QStringLiteral("edP211"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP212"), QStringLiteral("20"));
    TypeAndLeave(QStringLiteral("edP216"), QStringLiteral("3000"));
    Click(QStringLiteral("cbP240"));
    TypeAndLeave(QStringLiteral("edP215"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edP213"), QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP115"), 8904);
    // The same as the first secondary residence counts at half.
    const struct {
        const char* from;
        const char* to;
    } moves[] = {{"edP211", "edP218"}, {"edP212", "edP219"}, {"edP216", "edP223"}, {"edP215", "edP222"},
                 {"edP213", "edP220"}};
    for (const auto& m : moves) TypeAndLeave(QLatin1String(m.to), edit(QLatin1String(m.from))->text());
    Click(QStringLiteral("cbP241"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP117"), 4452);

    // Shares of 60 and 50: the message, both shares and both amounts back to nothing.
    ScriptedDialogs dialogs;
    TypeAndLeave(QStringLiteral("edP220"), QStringLiteral("60"));
    TypeAndLeave(QStringLiteral("edP221"), QStringLiteral("50"));
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{QStringLiteral("Τα ποσοστά που βάλατε δεν είναι σωστά")});
    EXPECT_TRUE(edit(QStringLiteral("edP220"))->text().isEmpty());
    EXPECT_TRUE(edit(QStringLiteral("edP221"))->text().isEmpty());
    EXPECT_DOUBLE_EQ(Amount(*window, "edP117"), 0);
    EXPECT_DOUBLE_EQ(Amount(*window, "edP118"), 0);
    EXPECT_DOUBLE_EQ(Amount(*window, "edP115"), 8904) << "the main residence is untouched";
}

TEST_F(E1Presumptions, PoolsAndBoats) {
    TypeAndLeave(QStringLiteral("edDexamOutMetr"), QStringLiteral("70"));
    TypeAndLeave(QStringLiteral("edDexamPosOut"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP740"), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP765"), 12800);

    TypeAndLeave(QStringLiteral("edScafosLen"), QStringLiteral("12"));
    Click(QStringLiteral("cbBoatType0"));
    TypeAndLeave(QStringLiteral("edScafosMonths"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edScafosPososto1"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP961"), QStringLiteral("11"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP711"), 25200) << "11 is 1911: the oldest age band";
    TypeAndLeave(QStringLiteral("edP961"), QStringLiteral("2011"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP711"), 36000);
    Click(QStringLiteral("cbBoatType1"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP711"), 18000) << "a sailing boat counts at half";
    // Boat 2 marked only as sailing is valued by the table with living spaces.
    TypeAndLeave(QStringLiteral("edScafosLen2"), QStringLiteral("12"));
    Click(QStringLiteral("cbBoatType3"));
    TypeAndLeave(QStringLiteral("edScafosMonths2"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edScafosPososto4"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP963"), QStringLiteral("2011"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP714"), 18000);
    // The spouse resident abroad: no presumption for her.
    Click(QStringLiteral("cbP320"));
    TypeAndLeave(QStringLiteral("edScafosMonths2"), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP714"), 0);
}

TEST_F(E1Presumptions, HiddenSwitchesTurnCalculationsOff) {
    edit(QStringLiteral("edP992"))->setText(QStringLiteral("1"));
    edit(QStringLiteral("edP994"))->setText(QStringLiteral("1"));
    TypeAndLeave(QStringLiteral("edP211"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP213"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP215"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edDexamOutMetr"), QStringLiteral("70"));
    TypeAndLeave(QStringLiteral("edDexamPosOut"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edP740"), QStringLiteral("12"));
    EXPECT_TRUE(edit(QStringLiteral("edP115"))->text().isEmpty());
    EXPECT_TRUE(edit(QStringLiteral("edP765"))->text().isEmpty());
    edit(QStringLiteral("edP994"))->clear();
    TypeAndLeave(QStringLiteral("edP740"), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP765"), 12800);
}

TEST_F(E1Presumptions, ACalculationMarksTheDeclarationOnlyWhenItChangesAField) {
    TypeAndLeave(QStringLiteral("edCarIppoi1"), QStringLiteral("1600"));
    TypeAndLeave(QStringLiteral("edCarMonths1"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edCarPosost1"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edCarYear1"), QStringLiteral("2012"));
    window->SetModified(false);
    // Entering and leaving without typing: the same amounts come out.
    Type(QStringLiteral("edCarIppoi1"), QString());
    Leave(QStringLiteral("edCarIppoi1"));
    Type(QStringLiteral("edP301"), QString());
    Leave(QStringLiteral("edP301"));
    EXPECT_FALSE(window->Modified());
    // The exemption mark of car 5 recalculates the cars too.
    TypeAndLeave(QStringLiteral("edCarIppoi5"), QStringLiteral("1600"));
    TypeAndLeave(QStringLiteral("edCarMonths5"), QStringLiteral("12"));
    TypeAndLeave(QStringLiteral("edCarPosost5"), QStringLiteral("100"));
    TypeAndLeave(QStringLiteral("edCarYear5"), QStringLiteral("2012"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP859"), 6400);
    window->SetModified(false);
    TypeAndLeave(QStringLiteral("edCarMeiwsi5"), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(Amount(*window, "edP859"), 0);
    EXPECT_TRUE(window->Modified());
}

}  // namespace
}  // namespace dz::test
