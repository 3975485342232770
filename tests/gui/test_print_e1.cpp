// The printed E1 reports: every box has its label, the rules of each code and field, backgrounds under the labels.
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "forms/form_page.h"
#include "forms/page_builder.h"
#include "render/page_render.h"
#include "render/print_areas.h"
#include "model/errors.h"
#include "model/record_json.h"
#include "layouts/e1_colour.h"
#include "layouts/e1_fill.h"
#include "layouts/e1_print_request.h"
#include "support/test_folder.h"
#include "test_print_helpers.h"
#include "test_print_sample.h"

namespace dz {
namespace {

E1Declaration Sample() {
    return E1FromJson(QJsonDocument::fromJson(QByteArray(test::kPrintSampleE1)).object());
}

E1Declaration WithCodes(std::initializer_list<std::pair<int, double>> codes) {
    E1Declaration d{};
    int i = 0;
    for (const auto& [code, value] : codes) d.Codes[i++] = {int16_t(code), value};
    return d;
}

std::unique_ptr<E1PrintPage> Filled(E1Sheet sheet, const E1Declaration& d) {
    auto page = MakeE1Page(sheet);
    FillE1Report(*page, d, false);
    return page;
}

constexpr E1Sheet kAllSheets[] = {E1Sheet::Page1, E1Sheet::Page2,   E1Sheet::Page3,
                                  E1Sheet::Page4, E1Sheet::Sheet41, E1Sheet::Sheet23};

TEST(E1PrintLayout, EverySheetHasOneLabelForEveryPrintedBoxOfItsPages) {
    for (E1Sheet sheet : kAllSheets) {
        const auto page = MakeE1Page(sheet);
        std::size_t areas = 0;
        for (int index : page->formPages()) {
            for (const forms::PrintArea& area : forms::PrintAreas(forms::E1Page(index))) {
                ++areas;
                EXPECT_TRUE(page->report.Has(area.name)) << page->report.title.toStdString() << " " << area.name.toStdString();
            }
        }
        EXPECT_EQ(page->report.Labels().size(), areas) << page->report.title.toStdString();
        EXPECT_EQ(page->report.Images().size(), page->formPages().size());
    }
    EXPECT_EQ(E1SheetTitle(E1Sheet::Sheet23), QStringLiteral("E1 Σελ.2 (A3)"));
}

TEST(E1PrintLayout, NothingOfAFormPageLiesOutsideThePrintedPart) {
    const forms::FormRect printed{forms::kMarginLeft, forms::kMarginTop, forms::kContentWidth,
                                  forms::kPageHeight - forms::kMarginTop - forms::kMarginBottom};
    for (int index = 0; index < forms::kE1PageCount; ++index) {
        const forms::FormPage& page = forms::E1Page(index);
        for (const forms::FormFrame& f : page.frames) {
            if (forms::DrawnOn(f.presence, forms::RenderTarget::Print)) {
                EXPECT_TRUE(printed.Contains(f.rect)) << "page " << index + 1 << " frame at y " << f.rect.y;
            }
        }
        for (const forms::FormBox& b : page.boxes) {
            if (forms::DrawnOn(b.presence, forms::RenderTarget::Print)) {
                EXPECT_TRUE(printed.Contains(b.rect)) << "page " << index + 1 << " " << b.name.toStdString();
            }
        }
    }
}

// The labels land in the boxes the background draws: on the rendered page the box's rules
// stand just outside the label's box and the text inside it.
TEST(E1PrintLayout, TheBackgroundsBoxesFrameTheirLabels) {
    for (E1Sheet sheet : {E1Sheet::Page1, E1Sheet::Sheet41}) {
        E1Declaration d = WithCodes({{301, 88888}});
        auto page = Filled(sheet, d);
        SetE1SingleSidedMargins(*page);  // drawn smaller: the alignment must hold all the same
        const QImage image = test::RenderToImage(page->report, 12);
        const forms::FormBox* box = forms::E1Page(0).Find("edP301");
        ASSERT_NE(box, nullptr);
        // Where the engine put the integer part's label, in dots of the picture.
        const QRect ink = test::InkBounds(image, [&] {
            const report::Label& l = page->report.label("edP301");
            const QRectF area = page->report.PrintableRectMm();
            const double scale = std::min(1.0, area.height() / page->report.designArea().height());
            const double left = area.left() + (area.width() - page->report.designArea().width() * scale) / 2;
            return QRectF(12 * (left + l.box.left() * scale), 12 * (area.top() + l.box.top() * scale),
                          12 * l.box.width() * scale, 12 * l.box.height() * scale)
                .toRect()
                .adjusted(2, 2, -2, -2);
        }());
        ASSERT_FALSE(ink.isNull()) << E1SheetTitle(sheet).toStdString();
        // Left of the text, inside the same row, the first dark column is the box's left rule.
        const int row = ink.center().y();
        int rule = ink.left() - 1;
        while (rule > 0 && qGray(image.pixel(rule, row)) > 128) --rule;
        const double boxWidthDots = box->rect.w / 10.0 * 12;
        EXPECT_GT(ink.left() - rule, 0.05 * boxWidthDots) << E1SheetTitle(sheet).toStdString();
        EXPECT_LT(ink.left() - rule, 0.9 * boxWidthDots) << E1SheetTitle(sheet).toStdString();
    }
}

void ExpectTexts(const E1PrintPage& page, std::initializer_list<test::LabelText> expected) {
    test::ExpectTexts(page.report, expected, page.report.title.toUtf8().constData());
}

TEST(E1PrintFill, CodesFollowTheirPagesRules) {
    const E1Declaration d = Sample();
    ExpectTexts(*Filled(E1Sheet::Page1, d), {{"edP005", "3"}, {"edP006", "2"}, {"cbP007", "X"}, {"cbP327", "X"},
                                             {"cbP328", ""}, {"edP301", "1.234"}, {"edFP301", "50"}, {"edP302", "20.000"},
                                             {"edFP302", "00"}, {"edP303", "-20"}, {"edFP303", "00"}});
    ExpectTexts(*Filled(E1Sheet::Page2, d), {{"edP201", "2"}, {"edP202", "2"}, {"edP401", "45.678"}, {"edFP401", "90"}});
    const auto page3 = Filled(E1Sheet::Page3, d);
    ExpectTexts(*page3, {{"edP211", "1.500"}, {"edP213", "100"}, {"edP215", "12"}, {"edP216", "2.300"}, {"edFP216", "75"},
                         {"edP740", "1.235"}, {"cbP207", "X"}, {"cbP203", ""}, {"edP851", "6.160"}, {"edFP851", "40"}});
    EXPECT_EQ(page3->report.Find("edFP211"), nullptr);
    ExpectTexts(*Filled(E1Sheet::Page4, d), {{"cbP846", "NAI"}, {"cbP847", "OXI"}, {"cbP848", ""}, {"edP003", "2"},
                                             {"edP097", "1"}, {"edP049", "9.000"}, {"edFP051", "40"}});
    // The sheets do the same on both halves.
    ExpectTexts(*Filled(E1Sheet::Sheet41, d), {{"edP005", "3"}, {"cbP846", "NAI"}, {"edP003", "2"}, {"cbP007", "X"},
                                               {"edP301", "1.234"}, {"edFP301", "50"}});
    ExpectTexts(*Filled(E1Sheet::Sheet23, d), {{"edP201", "2"}, {"edP401", "45.678"}, {"edFP401", "90"}, {"edP211", "1.500"},
                                               {"cbP207", "X"}, {"edP740", "1.235"}});
}

TEST(E1PrintFill, ZeroAndEdgeAmounts) {
    const auto page = Filled(E1Sheet::Page1, WithCodes({{301, 0}, {302, 0.004}, {303, 1234.999}, {304, -0.001}}));
    // A stored 0 is split like any amount, so neither box reads "0,00".
    ExpectTexts(*page, {{"edP301", "0"}, {"edFP301", "00"}, {"edP302", "0"}, {"edFP302", "00"}, {"edP303", "1.235"},
                        {"edFP303", "00"}, {"edP304", "0"}, {"edFP304", "00"}});
    const auto page1 = Filled(E1Sheet::Page1, WithCodes({{5, 2.5}, {6, 3.5}, {327, 0}}));
    ExpectTexts(*page1, {{"edP005", "2"}, {"edP006", "4"}, {"cbP327", ""}});
    for (const report::Label& l : Filled(E1Sheet::Page4, Sample())->report.Labels())
        EXPECT_NE(l.text, "0,00") << l.name.toStdString();
}

TEST(E1PrintFill, FieldsAndRowBlocks) {
    const E1Declaration d = Sample();
    ExpectTexts(*Filled(E1Sheet::Page1, d),
                {{"edAFM", "123456783"}, {"edBigName", "ΠΑΠΑΔΟΠΟΥΛΟΣ"}, {"edDoy", "Α΄ ΑΘΗΝΩΝ"}, {"edSyzAFM", "987654321"},
                 {"cbMarried", "X"}, {"cbExairesiF", "Χ"}, {"cbExairesiS", ""}, {"edAACode", ""}, {"edEkprot", ""}});
    EXPECT_EQ(Filled(E1Sheet::Page1, d)->report.Text("cbExairesiF").at(0).unicode(), 0x03A7) << "a Greek chi";
    const auto page3 = Filled(E1Sheet::Page3, d);
    const QString address = d.Residence[0].Address.ToString();
    ASSERT_GT(address.size(), 48);
    EXPECT_EQ(page3->report.Text("edPlace11"), address.left(48));
    EXPECT_EQ(page3->report.Text("edPlace12"), address.mid(48));
    ExpectTexts(*page3, {{"edPlace21", "ΚΗΦΙΣΙΑΣ 5 ΜΑΡΟΥΣΙ"}, {"edPlace22", "-"}, {"edPlace32", "-"}, {"edThesi1", "3"},
                         {"edParoxi", "11223344"}, {"edScafosCountry", "55667788"},
                         // seven cars: three rows and the cars list's totals of cars 4 to 7
                         {"edCarName1", "123456783"}, {"edCarDigits1", "ΙΚΑ"}, {"edCarNbr1", "1234"},
                         {"edCarDigits3", ""}, {"edCarNbr3", "9999"}, {"edCarIppoi2", "1200"}, {"edCarMonths2", "6"},
                         {"edCarPosost2", "50"}, {"edCarYear2", "2012"}, {"edCarName4", "ως συνημμένη κατάσταση"},
                         {"edCarNbr4", ""}, {"edCarIppoi4", ""}, {"edP857", "2.734"}, {"edFP857", "50"},
                         {"edP858", "300"}, {"edFP858", "00"},
                         {"edScafosName", "123456783"}, {"edScafosLen", "8"}, {"edScafosPososto2", ""},
                         {"cbPEndBoat1", "X"}, {"cbPIstBoat1", ""}, {"edAeroPlaneKoroi", "180"},
                         {"edDexamOutMetr", "40,00"}, {"edDexamPosOut", "100,00"}, {"edDexamInMetr", ""}});
    ExpectTexts(*Filled(E1Sheet::Page4, d),
                {{"edEnoikioName1", "ΙΩΑΝΝΟΥ ΠΕΤΡΟΣ"}, {"ed802", "222222222"}, {"edEnoikioEpif1", "85,50"},
                 {"edEnoikioEpif3", ""}, {"edCompEpifania9", "120,00"}, {"edP2Name1", "ΚΩΣΤΑΣ"}, {"edP2Ypox1", "Χ"},
                 {"edCompany8AFM1", "444444444"}, {"edTrapeza1", "ΤΡΑΠΕΖΑ ΤΗΣ ΕΛΛΑΔΟΣ"}, {"edTrapezaCode1", "0"},
                 {"edTrapezaCode3", "1"}, {"edIBAN1", "1"}, {"edIBAN25", "5"}, {"qrLog1", ""}});
}

TEST(E1PrintFill, TheFourthCarRowReferToTheCarsListOnlyWhenThereAreMoreCars) {
    struct Case {
        const char* name;
        int car;  // 0-based car that gets data (besides the first four), -1 none
        int code; // a car amount code with a value, 0 none
        bool attachment;
    };
    const Case cases[] = {
        {"four cars", -1, 0, false},
        {"a fifth car", 4, 0, true},
        {"a sixth car with the fifth row left empty", 5, 0, true},
        {"an amount of car 7 only", -1, 863, true},
    };
    for (const Case& c : cases) {
        E1Declaration d = WithCodes({{857, 1000}, {858, 10}, {859, 0}, {860, 0}});
        for (int i = 0; i < 4; ++i) d.Car[i].Plate.AssignBytes("ABC123", 6);
        if (c.car >= 0) d.Car[c.car].Cc = 1400;
        if (c.code) d.Codes[10] = {int16_t(c.code), 500};
        EXPECT_EQ(HasCarsAttachment(d), c.attachment) << c.name;
        const auto page = Filled(E1Sheet::Page3, d);
        EXPECT_EQ(page->report.Text("edCarName4") == QStringLiteral("ως συνημμένη κατάσταση"), c.attachment) << c.name;
        EXPECT_EQ(page->report.Text("edCarNbr4"), c.attachment ? "" : "123") << c.name;
        EXPECT_EQ(page->report.Text("edP857"), c.attachment && c.code ? "1.500" : "1.000") << c.name;
    }
    // Totals of 0 or below print nothing.
    E1Declaration d = WithCodes({{857, -100}, {858, 0}});
    d.Car[4].Cc = 1000;
    const auto page = Filled(E1Sheet::Page3, d);
    ExpectTexts(*page, {{"edP857", ""}, {"edFP857", ""}, {"edP858", ""}, {"edFP858", ""}});
}

TEST(E1PrintFill, PlatesSplitAtTheirFirstDigit) {
    const std::pair<QString, std::pair<QString, QString>> cases[] = {
        {"ΙΚΑ1234", {"ΙΚΑ", "1234"}}, {"1234", {"", "1234"}}, {"ΑΒΓ", {"ΑΒΓ", ""}}, {"", {"", ""}}, {"Α-12Β", {"Α-", "12Β"}}};
    for (const auto& [plate, expected] : cases) EXPECT_EQ(SplitPlate(plate), expected) << plate.toStdString();
}

class E1PrintColour : public ::testing::Test {
protected:
    test::TestFolder folder;
};

TEST_F(E1PrintColour, ColourFilesAreFoundWhateverTheirCaseAndDrawnInMemoryWhenMissing) {
    folder.makeFolder("wparams");
    QImage mine(210, 297, QImage::Format_RGB32);
    mine.fill(Qt::red);
    ASSERT_TRUE(mine.save(folder.file("wparams/E1P2COLOR15.BMP"), "BMP"));
    auto sheet = MakeE1Page(E1Sheet::Sheet23);
    FillE1Report(*sheet, E1Declaration{}, true);
    EXPECT_EQ(sheet->report.Images()[0].image.size(), QSize(210, 297)) << "the file of page 2, named in lower case";
    EXPECT_EQ(QDir(folder.file("wparams")).entryList(QDir::Files), QStringList{"E1P2COLOR15.BMP"})
        << "nothing was added to the working folder";
    EXPECT_TRUE(sheet->report.Images()[1].image.isNull()) << "page 3 has no file: it is drawn from its description";
    EXPECT_EQ(sheet->Ink(1), kE1ColourInk) << "page 3 drawn in the form's ink";
    // The whole sheet's picture covers the sheet, margins included.
    EXPECT_NEAR(sheet->report.Images()[0].rect.width(), 210, 0.01);

    // Drawn in the ink: its rules and captions are blue-green, none grey or black (the data
    // labels are left out: they print in black).
    for (report::Label& label : sheet->report.Labels()) label.text.clear();
    const QImage drawn = test::RenderToImage(sheet->report, 4);
    int inked = 0, grey = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = drawn.width() / 2; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (qGray(c.rgb()) >= 160) continue;
            inked += c.blue() - c.red() > 40;
            grey += std::abs(c.red() - c.blue()) < 20 && std::abs(c.red() - c.green()) < 20;
        }
    EXPECT_GT(inked, 5000) << "page 3 in the form's ink";
    EXPECT_EQ(grey, 0) << "page 3 has nothing grey or black";

    FillE1Report(*sheet, E1Declaration{}, false);
    for (int position : {0, 1}) {
        EXPECT_TRUE(sheet->report.Images()[std::size_t(position)].image.isNull()) << "refilled plain: " << position;
        EXPECT_EQ(sheet->Ink(position), QColor(Qt::black)) << "refilled plain: " << position;
    }

    folder.writeFile("wparams/E1P4Color15.bmp", "not a picture");
    auto page4 = MakeE1Page(E1Sheet::Page4);
    try {
        FillE1Report(*page4, E1Declaration{}, true);
        FAIL() << "a damaged picture was accepted";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains("E1P4Color15.bmp")) << e.message().toStdString();
    }
}

TEST(E1PrintPages, OneSidedRequestsAndTheirMargins) {
    EXPECT_EQ(E1SheetsOf(false, {true, false, true, false}), (std::vector<E1Sheet>{E1Sheet::Page1, E1Sheet::Page3}));
    EXPECT_EQ(E1SheetsOf(true, {false, true, true, true}), (std::vector<E1Sheet>{E1Sheet::Sheet23}));
    const auto page = BuildE1Page(E1Sheet::Page4, Sample(), false, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(page->report.margins(), QMarginsF(8, 3.5, 8, 6.5));
    SetE1SingleSidedMargins(*page);
    EXPECT_EQ(page->report.margins(), QMarginsF(8, 10, 8, 10));
    EXPECT_EQ(page->report.label("edIBAN1").font.family, "Liberation Serif");
    EXPECT_EQ(MakeE1Page(E1Sheet::Sheet41)->report.margins(), QMarginsF(4, 3.5, 8, 6.5));
}

}  // namespace
}  // namespace dz
