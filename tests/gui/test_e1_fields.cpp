// Window and record: a declaration typed, saved and opened again; the code list limit; values that do not fit.
#include <QTabWidget>
#include <set>

#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "e1/fi_e1_open.h"
#include "forms/form_page.h"
#include "model/declaration_file.h"
#include "controls/run_command.h"
#include "model/errors.h"
#include "test_e1_fixture.h"

namespace dz::test {
namespace {

using E1Fields = E1Window;

// What every control of the window shows, by name.
std::map<QString, QString> Shown(const TfiE1& w) {
    std::map<QString, QString> shown;
    for (QLineEdit* edit : w.findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty()) shown[edit->objectName()] = edit->text();
    for (QCheckBox* box : w.findChildren<QCheckBox*>())
        shown[box->objectName()] = box->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
    return shown;
}

TEST_F(E1Fields, TypedSavedAndOpenedAgainShowsTheSame) {
    const struct {
        const char* field;
        const char* typed;
    } typing[] = {
        {"edAFM", "123456783"},          {"edBigName", "ΠΑΠΑΔΟΠΟΥΛΟΣ"},   {"edName", "ΓΙΩΡΓΟΣ"},
        {"edDoy", "Α' ΑΘΗΝΩΝ"},          {"edEkprot", "3"},              {"edSyzAFM", "100000090"},
        {"edEkprosopos", "ΝΙΚΟΛΑΟΥ ΜΑΡΙΑ, ΣΤΑΔΙΟΥ 10"},                  {"edPlace2", "ΟΔΟΣ ΕΡΜΟΥ 5"},
        {"edScafosCountry", "12345678901234567890"},                      {"edEnoikioName6", "ΙΔΙΟΚΤΗΤΗΣ"},
        {"ed806", "123456783"},          {"edEnoikioEpif2", "85,5"},      {"edCompEpifania9", "40"},
        {"edCarName3", "123456783"},     {"edCarNumber3", "ΙΚΑ1234"},     {"edCarIppoi3", "1400"},
        {"edCarMonths3", "12"},          {"edCarPosost3", "50"},          {"edCarYear3", "2009"},
        {"edCarMeiwsi3", "4"},           {"edScafosLen2", "9"},           {"edScafosMonths2", "6"},
        {"edScafosPososto3", "100"},     {"edAeroPlaneKoroi", "180"},     {"edAeroPlaneMonths", "4"},
        {"edDexamInMetr", "42"},         {"edDexamPosIn", "100"},         {"edP2Name4", "ΕΛΕΝΗ"},
        {"edP2Year4", "2005"},           {"edCompany8aDiax", "12345678901"}, {"edIBAN", "1601101250000000012300695"},
        {"edP301", "23456,78"},          {"edP302", "-120"},              {"edP005", "2"},
        {"edP211", "95"},                {"edP901", "0,004"},             {"edP995", "1234567,1"},
        {"edP931", "2"},                 {"edP934", "7"},
    };
    {
        ScriptedDialogs dialogs;
        for (const auto& t : typing) TypeAndLeave(QLatin1String(t.field), QString::fromUtf8(t.typed));
        for (const char* name : {"cbMarried", "cbP327", "cbP030", "cbExairesiS", "cbP204", "cbP848", "cbCarWhich3",
                                 "cbBoatType3", "cbTelos500F", "cbTelos400S", "cbP888", "cbP777"})
            Click(QLatin1String(name));
        EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << UserDialogs::ShownTexts().join(u'|').toStdString();
    }
    ASSERT_TRUE(window->Modified());

    {
        ScriptedDialogs dialogs;
        window->miSave->trigger();
        EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{kSaveSucceeded});
    }
    EXPECT_FALSE(window->Modified());
    ASSERT_TRUE(folder.exists(QStringLiteral("Tables/E1123456783.dta")));

    E1Declaration saved;
    ASSERT_TRUE(ReadDeclarationFile(u"123456783", saved));
    EXPECT_EQ(saved.Surname.ToString(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(saved.LateMonths, 3);
    EXPECT_TRUE(saved.Married);
    EXPECT_TRUE(saved.FeeExemptSpouse);
    EXPECT_TRUE(saved.FeeSeatTouristSpouse);
    EXPECT_EQ(saved.Residence[1].SupplyNo.ToString(), QStringLiteral("12345678901234567890"));
    EXPECT_EQ(saved.Car[2].Cc, 1400);
    EXPECT_EQ(saved.Car[2].ExemptMark.ToString(), QStringLiteral("4"));
    EXPECT_TRUE(saved.Car[2].ForSpouse);
    EXPECT_TRUE(saved.Boat[1].Sailing);
    EXPECT_DOUBLE_EQ(saved.Rent[1].Area, 85.5);
    std::map<int, double> codes;
    for (const auto& entry : saved.Codes)
        if (entry.Code > 0) codes[entry.Code] = entry.Value;
    EXPECT_NEAR(codes[301], 23456.78, 1e-6) << "six-byte reals keep about twelve digits";
    EXPECT_DOUBLE_EQ(codes[302], -120);
    EXPECT_DOUBLE_EQ(codes[5], 2);
    EXPECT_DOUBLE_EQ(codes[327], 1);
    EXPECT_DOUBLE_EQ(codes[93], 1) << "the large-city box travels as code 093";
    EXPECT_FALSE(codes.count(95));
    EXPECT_DOUBLE_EQ(codes[931], 2);
    EXPECT_TRUE(codes.count(901)) << "a typed 0,004 is a filled box";
    EXPECT_GT(codes[856], 0) << "the car presumption went into the spouse's code";
    EXPECT_FALSE(codes.count(855));

    // Opened again in a new window, every control shows what the first one showed.
    auto* reopened = new TfiE1;
    LoadE1Declaration(*reopened, QStringLiteral("123456783"));
    EXPECT_FALSE(reopened->Modified());
    const auto before = Shown(*window);
    const auto after = Shown(*reopened);
    for (const auto& [name, text] : before) EXPECT_EQ(after.at(name), text) << name.toStdString();
    EXPECT_TRUE(reopened->ControlAs<QCheckBox>(QStringLiteral("cbTelos500F"))->isChecked());
    delete reopened;
}

TEST_F(E1Fields, OnlyOneHundredFiftyCodesAreKept) {
    // The window's control order is the order of the page descriptions.
    std::vector<int> order;
    for (int page = 0; page < forms::kE1PageCount; ++page)
        for (const forms::FormBox& box : forms::E1Page(page).boxes)
            if (box.code > 0 && box.kind == forms::FieldKind::Amount && box.presence != forms::Presence::Hidden)
                order.push_back(box.code);
    ASSERT_GT(order.size(), 151u);
    const std::vector<int> filled(order.begin(), order.begin() + 151);
    for (int code : filled) edit(CodeControlName(code))->setText(QStringLiteral("1,00"));

    ScriptedDialogs dialogs;
    window->GatherDeclaration();
    EXPECT_EQ(UserDialogs::ShownTexts(),
              QStringList{QStringLiteral("Έχετε συμπληρώσει πάρα πολλούς κωδικούς. Κάποιοι από αυτούς δεν θα "
                                         "αποθηκευτούν")});
    std::vector<int> kept;
    for (const auto& entry : window->Declaration().Codes)
        if (entry.Code > 0) kept.push_back(entry.Code);
    EXPECT_EQ(kept, std::vector<int>(filled.begin(), filled.end() - 1)) << "the 151st box is the one left out";

    // One box less and everything is kept, without a word.
    edit(CodeControlName(filled.back()))->clear();
    UserDialogs::ClearShownTexts();
    window->GatherDeclaration();
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST_F(E1Fields, AValueThatDoesNotFitChangesNothing) {
    const struct {
        const char* name;
        const char* field;
        const char* value;
    } cases[] = {
        {"capacity above 32767", "edCarIppoi1", "40000"},
        {"months above 255", "edCarMonths2", "300"},
        {"negative share", "edCarPosost3", "-1"},
        {"late filing above 255", "edEkprot", "256"},
        {"boat length above 255", "edScafosLen", "256"},
        {"aircraft months above 32767", "edAeroPlaneMonths", "40000"},
        {"text beyond the code page", "edBigName", "日本"},
    };
    TypeAndLeave(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    Click(QStringLiteral("cbTelos500F"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const E1Declaration before = window->Declaration();
        edit(QLatin1String(c.field))->setText(QString::fromUtf8(c.value));
        window->SetModified(true);
        EXPECT_THROW(window->GatherDeclaration(), DataError);
        EXPECT_EQ(window->Declaration(), before);
        EXPECT_TRUE(edit(QStringLiteral("edp093"))->text().isEmpty()) << "the carrier is set only after the fields";

        ScriptedDialogs dialogs;
        EXPECT_FALSE(RunCommand(nullptr, [this] { window->miSaveClick(); }));
        EXPECT_FALSE(folder.exists(QStringLiteral("Tables/E1123456783.dta")));
        EXPECT_TRUE(window->Modified());
        edit(QLatin1String(c.field))->clear();
    }
}

TEST_F(E1Fields, ShowingAFileDecidesEveryBoxFromItsEntries) {
    E1Declaration& d = window->Declaration();
    const E1Declaration::CodeEntry entries[] = {
        {301, 100},  {301, 200.5},  // the later entry wins
        {13, 0},                    // a yes/no code stored with 0: unticked
        {14, 1},     {5, 2.5},      // halves to the even neighbour
        {6, 3.5},    {302, -20},    // any sign
        {27, 1},     {617, 0},      // 027 has no box of its own; 617 shows 0,00
        {1000, 5},   {-4, 9},       // no control; an empty entry
        {95, 2},                    // not exactly 1: the box stays unticked
    };
    int k = 0;
    for (const auto& entry : entries) d.Codes[k++] = entry;
    d.RegistrationNo = 4711;
    d.Car[0].Months = 0;
    d.Car[1].Cc = -5;
    d.Pool.OutdoorArea = 1234.5;
    window->ShowDeclaration();

    const struct {
        const char* control;
        const char* shown;
    } expected[] = {
        {"edP301", "200,50"},   {"cbP013", "[ ]"}, {"cbP014", "[x]"},     {"edP005", "2"},
        {"edP006", "4"},        {"edP302", "-20,00"}, {"cbExairesiF", "[ ]"}, {"edP617", "0,00"},
        {"edp095", "2,00"},     {"cbTelos500S", "[ ]"}, {"edAACode", "4711"}, {"edCarMonths1", ""},
        {"edCarIppoi2", ""},    {"edDexamOutMetr", "1.234,50"},
    };
    const auto shown = Shown(*window);
    for (const auto& e : expected) EXPECT_EQ(shown.at(QLatin1String(e.control)), QString::fromUtf8(e.shown)) << e.control;
    EXPECT_FALSE(window->Modified()) << "showing is not editing";

    // Gathering again keeps the registration number, which no field gives back.
    window->GatherDeclaration();
    EXPECT_EQ(window->Declaration().RegistrationNo, 4711);
}

}  // namespace
}  // namespace dz::test
