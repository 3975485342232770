// The E1 form value: how a saved declaration fills the boxes, how the boxes fill a record, and
// what the computation and the clearance note take from them.
#include <gtest/gtest.h>

#include <cmath>

#include "declaration/e1_form.h"
#include "model/amount_text.h"
#include "model/e1_codes.h"
#include "model/text1253.h"

namespace dz {
namespace {

E1Declaration WithCodes(std::initializer_list<std::pair<int, double>> codes) {
    E1Declaration d;
    ClearDeclaration(d);
    int k = 0;
    for (const auto& [code, value] : codes) d.Codes[k++] = {static_cast<int16_t>(code), value};
    return d;
}

QByteArray Image(const E1Declaration& d) {
    QByteArray bytes(kE1FileSize, '\0');
    EncodeE1(d, reinterpret_cast<uint8_t*>(bytes.data()));
    return bytes;
}

TEST(E1Form, CodesFillTheirBoxesAsTheWindowShowsThem) {
    const struct {
        const char* name;
        int code;
        double value;
        const char* text;  // nullptr: the box is empty
        double number;
        bool ticked;
    } cases[] = {
        {"an amount shows two decimals and stands for them", 301, 12.345, "12,35", 12.35, false},
        {"a large amount with thousands", 302, 1234567.891, "1.234.567,89", 1234567.89, false},
        {"a whole number, half to even (down)", 5, 2.5, "2", 2, false},
        {"a whole number, half to even (up)", 6, 3.5, "4", 4, false},
        {"a whole number beyond the box stands for 0", 211, 1e12, "1000000000000", 0, false},
        {"a yes/no box is ticked by any value but 0", 13, 0.5, nullptr, 0, true},
        {"a yes/no box with 0 stays clear", 14, 0, nullptr, 0, false},
    };
    for (const auto& c : cases) {
        const E1Form form = FormOfDeclaration(WithCodes({{c.code, c.value}}));
        const QString box = CodeControlName(c.code);
        EXPECT_EQ(form.Text(box), c.text ? QString::fromUtf8(c.text) : QString()) << c.name;
        EXPECT_EQ(form.Number(box), c.number) << c.name;
        EXPECT_EQ(form.Ticked(box), c.ticked) << c.name;
    }
}

TEST(E1Form, LaterEntriesWinAndCodesWithoutABoxAreLeftOut) {
    const E1Form form = FormOfDeclaration(WithCodes({{301, 100}, {500, 7}, {301, 250.5}, {13, 1}, {13, 0}}));
    EXPECT_EQ(form.Text(QStringLiteral("edP301")), QStringLiteral("250,50"));
    EXPECT_FALSE(form.Ticked(QStringLiteral("cbP013")));
    ASSERT_EQ(KindOfCode(500), CodeKind::None);
    EXPECT_EQ(form.boxes.size(), 1) << "only box 301 holds something";
}

TEST(E1Form, TheLargeCityBoxesFollowTheirCarriersOnlyWhenThoseShowExactlyOne) {
    // 0,999 shows as 1,00 and so reads back as 1.
    for (const auto& [value, ticked] :
         {std::pair{1.0, true}, std::pair{0.999, true}, std::pair{2.0, false}, std::pair{0.994, false}}) {
        const E1Form form = FormOfDeclaration(WithCodes({{93, value}}));
        EXPECT_EQ(form.Ticked(QStringLiteral("cbTelos500F")), ticked) << value;
        CodeTable codes;
        tax::ClearanceInputs inputs;
        InputsOfForm(form, codes, inputs);
        EXPECT_EQ(inputs.FeeSeatLargeCity[0], ticked) << value;
    }
}

TEST(E1Form, ASavedDeclarationGathersBackByteForByte) {
    E1Declaration d = WithCodes({{5, 2}, {13, 1}, {93, 1}, {301, 30000.25}, {851, 1200}, {931, 3}});
    AssignCut(d.Afm, QStringLiteral("123456783"), "Afm");
    AssignCut(d.Surname, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), "Surname");
    AssignCut(d.Car[0].Plate, QStringLiteral("ΙΚΑ1234"), "Plate");
    d.Car[0].Cc = 1598;
    d.Car[0].FirstYear = 2008;
    d.Rent[1].Area = 85.5;
    d.Married = true;
    d.LateMonths = 4;
    d.Boat[1].Sailing = true;
    d.RegistrationNo = 77;
    E1Declaration back;
    ClearDeclaration(back);
    EXPECT_FALSE(GatherForm(FormOfDeclaration(d), back));
    EXPECT_EQ(Image(back), Image(d));
}

TEST(E1Form, TypedPrecisionReachesTheRecordAndTheComputation) {
    E1Form form;
    form.boxes.insert(QStringLiteral("edP301"), {QStringLiteral("12,35"), 12.345});  // typed 12,345
    E1Declaration d;
    GatherForm(form, d);
    EXPECT_EQ(d.Codes[0].Code, 301);
    EXPECT_EQ(d.Codes[0].Value, 12.345);
    CodeTable codes;
    tax::ClearanceInputs inputs;
    InputsOfForm(form, codes, inputs);
    EXPECT_EQ(codes.Value(301), 12.345);
}

TEST(E1Form, AValueItsFieldCannotHoldLeavesTheRecordAsItWas) {
    E1Declaration d = WithCodes({{301, 5}});
    const QByteArray before = Image(d);
    E1Form wide;
    wide.boxes.insert(QStringLiteral("edCarIppoi1"), {QStringLiteral("40000"), 40000});  // beyond 16 bits
    try {
        GatherForm(wide, d);
        ADD_FAILURE() << "gathered";
    } catch (const BoxError& e) {
        EXPECT_EQ(e.box(), QStringLiteral("edCarIppoi1"));
        EXPECT_TRUE(e.message().contains(QStringLiteral("32767"))) << e.message().toStdString();
    }
    E1Form foreign;
    foreign.boxes.insert(QStringLiteral("edBigName"), {QStringLiteral("名前"), 0});
    EXPECT_THROW(GatherForm(foreign, d), DataError);
    EXPECT_EQ(Image(d), before);
}

// A value the save refuses names its box as the form shows it, never by the control's name.
TEST(E1Form, RefusedValuesNameTheirBoxAsTheFormShowsIt) {
    struct Case {
        const char* name;
        const char* box;
        QString text;
        double number;
        QString message;
    };
    const Case cases[] = {
        {"a car of 40000 cc", "edCarIppoi2", "40000", 40000,
         QStringLiteral("Το «40000» είναι εκτός ορίων: δεκτές τιμές από -32768 έως 32767 "
                        "(«Κυβικά εκατοστά (cc)» του αυτοκινήτου 2).")},
        {"months beyond a byte", "edCarMonths2", "300", 300,
         QStringLiteral("Το «300» είναι εκτός ορίων: δεκτές τιμές από 0 έως 255 («Μήνες κατοχής» του αυτοκινήτου 2).")},
        {"a letter outside the code page", "edName", QStringLiteral("Café"), 0,
         QStringLiteral("Ο χαρακτήρας «é» δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253 («ΟΝΟΜΑ» του υπόχρεου).")},
        {"a tenant outside the code page", "edEnoikioName2", QStringLiteral("Müller"), 0,
         QStringLiteral("Ο χαρακτήρας «ü» δεν υπάρχει στην ελληνική κωδικοσελίδα Windows-1253 "
                        "(«Ονοματεπώνυμο ή επωνυμία ιδιοκτήτη» της γραμμής 2 του 6.12).")},
    };
    for (const Case& c : cases) {
        E1Form form;
        form.boxes.insert(QLatin1String(c.box), {c.text, c.number});
        E1Declaration d;
        try {
            GatherForm(form, d);
            ADD_FAILURE() << c.name << ": gathered";
        } catch (const BoxError& e) {
            EXPECT_EQ(e.box().toStdString(), c.box) << c.name;
            EXPECT_EQ(e.message().toStdString(), c.message.toStdString()) << c.name;
            EXPECT_FALSE(e.message().contains(QLatin1String(c.box))) << c.name;
        }
    }
}

TEST(E1Form, MoreThan150FilledBoxesKeepTheFirst150InTheFormsOrder) {
    E1Form form;
    std::vector<int> amounts;
    for (const E1CodeBox& b : E1CodeBoxes())
        if (b.kind == CodeKind::Amount && b.code != 93 && b.code != 95) amounts.push_back(b.code);
    ASSERT_GT(amounts.size(), 160u);
    for (int code : amounts) form.boxes.insert(CodeControlName(code), {QStringLiteral("1,00"), 1});
    form.codeOrder.assign(amounts.rbegin(), amounts.rend());  // the window's own order, here descending
    E1Declaration d;
    EXPECT_TRUE(GatherForm(form, d));
    EXPECT_EQ(d.Codes[0].Code, amounts.back());
    EXPECT_EQ(d.Codes[kE1CodeEntries - 1].Code, amounts[amounts.size() - kE1CodeEntries]);
}

TEST(E1Form, TheNoteTakesItsHeaderCodesAndPlatesFromTheBoxes) {
    E1Declaration d = WithCodes({{301, 30000}, {13, 1}, {5, 2}, {302, 0}});
    AssignCut(d.Afm, QStringLiteral("123456783"), "Afm");
    AssignCut(d.Surname, QStringLiteral("ΠΑΠΑΣ"), "Surname");
    AssignCut(d.FirstName, QStringLiteral("ΝΙΚΟΣ"), "FirstName");
    AssignCut(d.SpouseSurname, QStringLiteral("ΠΑΠΑ"), "SpouseSurname");
    AssignCut(d.TaxOffice, QStringLiteral("Α΄ ΑΘΗΝΩΝ"), "TaxOffice");
    AssignCut(d.Car[2].Plate, QStringLiteral("ΖΗΚ4321"), "Plate");
    const ClearanceNote note = NoteOfDeclaration(d);
    EXPECT_EQ(note.header, (EkaHeader{"123456783", "ΠΑΠΑΣ ΝΙΚΟΣ", "", "Α΄ ΑΘΗΝΩΝ", "ΠΑΠΑ ", ""}));
    ASSERT_TRUE(note.codes.has_value());
    EXPECT_EQ(*note.codes, (std::vector<CodeEntry>{{5, "2"}, {13, "ΝΑΙ"}, {301, "30.000,00"}}))
        << "filled boxes above 0, ascending";
    ASSERT_TRUE(note.carNumbers.has_value());
    EXPECT_EQ(*note.carNumbers, (std::array<QString, 4>{"", "", "ΖΗΚ4321", ""}));
    EXPECT_EQ(note.lines, FillEkaLines(note.results));
    EXPECT_EQ(note.results.TotalIncome[0], 30000);
}

}  // namespace
}  // namespace dz
