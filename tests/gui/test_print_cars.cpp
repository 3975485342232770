// The cars list: cars 4 to 7 with their amounts and totals, and the E1 window's button that prints it.
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "controls/user_dialogs.h"
#include "e1/fi_e1.h"
#include "model/record_json.h"
#include "layouts/cars_print.h"
#include "print/platform_dialogs.h"
#include "print/print_registration.h"
#include "report/units.h"
#include "support/test_folder.h"
#include "test_print_helpers.h"
#include "test_print_sample.h"

namespace dz {
namespace {

using test::ExpectTexts;

report::PageReport Filled(const E1Declaration& d) {
    auto layout = std::make_unique<TfiPrintAuto>();
    FillCarsAttachment(*layout, d);
    return std::move(layout->qrPrintAuto);
}

void SetCodes(E1Declaration& d, std::initializer_list<std::pair<int, double>> codes) {
    int i = 0;
    for (const auto& [code, value] : codes) d.Codes[i++] = {int16_t(code), value};
}

TEST(CarsList, CarsFourToSevenWithTheirAmountsAndTotals) {
    const E1Declaration d = E1FromJson(QJsonDocument::fromJson(QByteArray(test::kPrintSampleE1)).object());
    ExpectTexts(Filled(d),
                {{"QRLabel1", "ΣΥΝΗΜΜΕΝΗ ΚΑΤΑΣΤΑΣΗ ΑΥΤΟΚΙΝΗΤΩΝ"}, {"QRLabel2", "ΣΥΝΟΛΟ"},
                 {"edCarName4", "123456783"}, {"edCarNumber4", "ΖΗΚ4321"}, {"edCarName5", "987654321"},
                 {"edCarIppoi5", "1598"}, {"edCarMonths5", "12"}, {"edCarPosost5", "100"}, {"edCarYear5", "2009"},
                 {"edCarMonths6", ""}, {"edCarPosost7", "25"},
                 {"edP857", "1.200,00"}, {"edP858", ""}, {"edP859", "1.234,50"}, {"edP860", "300,00"},
                 {"edP861", "200,00"}, {"edP863", "100,00"}, {"edTotalF", "2.734,50"}, {"edTotalS", "300,00"}},
                "seven cars");
}

TEST(CarsList, EmptyRowsNegativeTotalsAndRepeatedCodes) {
    E1Declaration three{};
    for (int c = 0; c < 3; ++c) three.Car[c].Plate.AssignBytes("ABC123", 6);
    SetCodes(three, {{851, 500}, {852, 600}, {853, 700}});
    const report::PageReport empty = Filled(three);
    for (const report::Label& l : empty.Labels()) {
        if (l.name == "QRLabel1" || l.name == "QRLabel2") continue;
        EXPECT_EQ(l.text, "") << "three cars: " << l.name.toStdString();
    }
    EXPECT_EQ(empty.Text("QRLabel2"), QStringLiteral("ΣΥΝΟΛΟ"));
    EXPECT_FALSE(empty.Has("edP851")) << "cars 1 to 3 are on the form itself";

    E1Declaration d{};
    SetCodes(d, {{859, 1000}, {860, -300}, {858, 100}, {859, 1234.5}, {857, 0}});
    ExpectTexts(Filled(d), {{"edP859", "1.234,50"}, {"edP860", "-300,00"}, {"edP857", ""}, {"edTotalF", "1.234,50"},
                            {"edTotalS", ""}},
                "the last entry of a code wins; a negative total prints nothing");
}

TEST(CarsList, LabelsStandWhereTheTableHasThem) {
    const TfiPrintAuto layout;
    const auto at = [&](const char* name) { return layout.qrPrintAuto.label(name).box; };
    EXPECT_NEAR(at("edP863").top(), report::PxToMm(225), 1e-9);
    EXPECT_NEAR(at("edCarName7").top(), report::PxToMm(225), 1e-9);
    EXPECT_NEAR(at("edCarNumber7").top(), report::PxToMm(224), 1e-9);
    EXPECT_NEAR(at("edP858").right(), report::PxToMm(672 + 37), 1e-9);
    EXPECT_EQ(layout.qrPrintAuto.label("edP858").align, report::Align::Right);
    EXPECT_EQ(layout.qrPrintAuto.label("edCarIppoi4").align, report::Align::Centre);
    EXPECT_EQ(layout.qrPrintAuto.margins(), QMarginsF(10, 10, 10, 10));
    EXPECT_TRUE(layout.qrPrintAuto.Images().empty()) << "the table is drawn as lines and text, not a picture";
}

TEST(CarsList, TheE1WindowsButtonAsksForThePrinterThenPrintsWhatTheWindowShows) {
    test::TestFolder folder;
    test::RecordingSink printer;
    report::ScopedPrintSink sinkScope(printer);
    test::ScriptedPlatform dialogs;
    dialogs.confirm = false;
    dialogs.copies = 2;
    ScopedPlatformDialogs dialogScope(dialogs);
    ScriptedDialogs boxes;
    auto* window = new TfiE1(MakePrintOperations());
    auto* button = window->findChild<QPushButton*>("btPrintAuto");
    ASSERT_TRUE(button && button->isEnabled());
    window->ControlAs<QLineEdit>("edCarNumber5")->setText("ΝΑΑ1111");
    window->ControlAs<QLineEdit>("edP859")->setText("1.234,50");
    button->click();
    EXPECT_EQ(dialogs.printerShown, 1);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(window->Declaration().Car[4].Plate.empty()) << "cancelled before the fields were gathered";

    dialogs.confirm = true;
    button->click();
    ASSERT_EQ(printer.jobs.size(), 1u) << UserDialogs::ShownTexts().join('\n').toStdString();
    const auto& job = printer.jobs[0];
    EXPECT_EQ(job.settings.title, QStringLiteral("E1 Εκτύπωση Αυτοκινήτων"));
    EXPECT_EQ(job.settings.printerName, "Laser");
    EXPECT_EQ(job.settings.copies, 2);
    EXPECT_EQ(job.pages[0].Text("edCarNumber5"), QStringLiteral("ΝΑΑ1111"));
    EXPECT_EQ(job.pages[0].Text("edTotalF"), "1.234,50");
    window->SetModified(false);
    window->close();
}

}  // namespace
}  // namespace dz
