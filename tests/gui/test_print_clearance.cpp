// The printed clearance note: what each label shows, the page on the sheet, and the window's print and PDF buttons.
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

#include "controls/open_url.h"
#include "controls/user_dialogs.h"
#include "note/note_lines.h"
#include "layouts/eka_print.h"
#include "note/eka_views.h"
#include "notewindow/fi_eka.h"
#include "e1/fi_e1.h"
#include "gui_helpers.h"
#include "print/platform_dialogs.h"
#include "print/print_registration.h"
#include "support/test_folder.h"
#include "test_print_helpers.h"

namespace dz {
namespace {

using tax::ResultSet;
using test::ExpectTexts;

// Fills the note from `results` and runs the hook the engine runs before printing.
report::PageReport Printed(const ResultSet& results, const tax::LuxuryRecord& luxury = {},
                           std::optional<std::array<QString, 4>> cars = std::nullopt) {
    ClearanceNote in;
    in.results = results;
    in.lines = FillEkaLines(results);
    in.luxury = luxury;
    in.carNumbers = cars;
    auto layout = std::make_unique<TfiEkaPrn>();
    FillEkaPrint(*layout, in);
    layout->qrEka.RunBeforePrint();
    return std::move(layout->qrEka);
}

TEST(ClearancePrint, TheSummaryAddsWhatItShowsPerPersonAndForBoth) {
    ResultSet r;
    r.IncomeTaxDebit = {700, 0};
    r.AdvancePayment = {200, 0};
    r.StampTotal = {50, 0};
    r.IncomeTaxCredit = {0, 300};
    r.IncomeTaxDebitTotal = 700;
    r.IncomeTaxCreditTotal = 300;
    r.SolidarityContribution = {500, 300};
    r.SolidarityWithheld = {600, 100};
    ExpectTexts(Printed(r),
                {{"qr11", "700,00"}, {"qr12", "200,00"}, {"qr13", "50,00"}, {"qr14", "950,00"},
                 {"qrEisfora1", ""}, {"qrTotalPosa1", "950,00"},
                 {"qr21", ""}, {"qr24", ""}, {"qrEisfora2", "100,00"}, {"qrTotalPosa2", "100,00"},
                 {"qr31", ""}, {"qrEisfora3", "200,00"}, {"qrTotalPosa3", "200,00"},
                 {"qr41", "300,00"}, {"qr44", "300,00"}, {"qrEisfora4", ""}, {"qrTotalPosa4", "300,00"},
                 {"qr51", "700,00"}, {"qr52", "200,00"}, {"qr53", "50,00"}, {"qr54", "950,00"},
                 {"qrEisfora5", "200,00"}, {"qrTotalPosa5", "1.150,00"},
                 {"qr61", "300,00"}, {"qr64", "300,00"}, {"qrEisfora6", "100,00"}, {"qrTotalPosa6", "400,00"}},
                "summary");
}

TEST(ClearancePrint, TheTotalsAddTheRoundedAmountsShown) {
    ResultSet r;
    r.IncomeTaxDebit = {100.004, 0};  // shows 100,00
    r.ProfessionalFee = {650.004, 0};  // shows 650,00
    ExpectTexts(Printed(r), {{"qr14", "100,00"}, {"qrTelosEpitidF", "650,00"}, {"qrTotalPosa1", "750,00"}}, "rounded");
}

TEST(ClearancePrint, FinalAmountCaptionAndSignedRows) {
    struct Case {
        const char* name;
        double balance;
        const char* caption;
        const char* amount;
    };
    for (const Case& c : {Case{"refund", -250, "ΤΕΛΙΚΟ ΠΟΣΟ ΕΠΙΣΤΡΟΦΗΣ", "250,00"},
                          Case{"nothing", 0, "ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ", ""},
                          Case{"owed", 1234.5, "ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ", "1.234,50"}}) {
        ResultSet r;
        r.FinalBalance = c.balance;
        ExpectTexts(Printed(r), {{"qrTelikoPosoStr", c.caption}, {"qrTelikoPoso", c.amount}}, c.name);
    }
    ResultSet r;
    r.ForeignIncome = {-500, 0};
    r.TotalIncome = {-500, 0};
    r.SettlementDiscount = -12.3;
    ExpectTexts(Printed(r),
                {{"qrPin17", "-500,00"}, {"qrPin113", "-500,00"}, {"qrEisfora11", ""}, {"qrDiaforaSimp", "-12,30"}},
                "negative amounts: with their sign in the analysis, nothing in the Γ sections");
}

TEST(ClearancePrint, TheTotalLossCountsTheForeignLossBySizeAsTheWindowDoes) {
    ResultSet r;
    r.CurrentLosses = {100, 0};
    r.PriorLosses = {50, 20};
    r.ForeignLoss = {-30, -5};  // the foreign loss is held negative
    const report::PageReport page = Printed(r);
    EXPECT_EQ(page.Text("qrPin112"), "180,00");
    EXPECT_EQ(page.Text("qrPin212"), "25,00");
    const BreakdownView* incomes = FindBreakdownView(1);
    ASSERT_NE(incomes, nullptr);
    const EkaGridTexts view = BreakdownGrid(*incomes, r);
    EXPECT_EQ(page.Text("qrPin112"), view[12][1]) << "the window's row 12";
    EXPECT_EQ(page.Text("qrPin212"), view[12][2]);
}

TEST(ClearancePrint, TheClearanceLinesGoToG1AndTheRestComesFromTheResults) {
    ResultSet r;
    r.TotalIncome = {1234.5, 0};
    r.DomesticIncome = {1234.5, 0};
    r.TaxableIncome = {1000, 0};
    r.SolidarityRate = {0.02, 0};
    r.ProfessionalFee = {650, 0};
    r.BranchFee = {200, 0};
    r.ReductionItems[0][tax::kRedMedical] = 40;
    r.ReductionItems[0][tax::kRedDisability] = 60;
    r.DeductionItems[1] = {10, 5, 0, 0, 0};
    r.LuxuryTax = {300, 0};
    tax::LuxuryRecord lux;
    lux.Base5 = {6000, 0};
    lux.Tax5 = {300, 0};
    ExpectTexts(Printed(r, lux),
                {{"qr1F", "1.234,50"}, {"qr1S", ""}, {"qr4F", "1.000,00"}, {"qrEisfora81", "0,02"},
                 {"qrEpitidEdraF", "450,00"}, {"qrEpitidYpokF", "200,00"}, {"qrTotalMiwseisF", "100,00"},
                 {"qrPin312", "40,00"}, {"qrPin410", "10,00"}, {"qrPin107", "15,00"},
                 {"qrTekmDap5F", "6.000,00"}, {"qrForosPol5F", "300,00"}, {"qrForosPolF", "300,00"}},
                "lines and results");

    r.NonResident = true;  // the computation charged no luxury tax
    r.LuxuryTax = {0, 0};
    ExpectTexts(Printed(r, lux), {{"qrForosPolF", ""}, {"qrForosPol", ""}}, "non-resident");
}

TEST(ClearancePrint, TheNotesLineShowsTheFirstFourPlatesOnlyFromTheE1Window) {
    const report::PageReport fromE1 = Printed(ResultSet{}, {}, std::array<QString, 4>{"ΙΚΑ1234", "ΥΖΒ5678", "", ""});
    ExpectTexts(fromE1, {{"edCarNumber1", "ΙΚΑ1234"}, {"edCarNumber2", "ΥΖΒ5678"}, {"edCarNumber3", ""}}, "E1");
    EXPECT_TRUE(fromE1.label("qrComma1").enabled);
    EXPECT_FALSE(fromE1.label("qrComma2").enabled);
    const report::PageReport fromShort = Printed(ResultSet{});
    for (const char* name : {"edCarNumber1", "qrComma1", "edCarNumber4"}) EXPECT_EQ(fromShort.Text(name), "") << name;
}

TEST(ClearancePrint, ThePageStaysInsideTheMarginsAndEmptyAmountsPrintNothing) {
    ResultSet r;
    r.FinalBalance = 0;
    const report::PageReport page = Printed(r);
    const QRect ink = test::InkBounds(test::RenderToImage(page, 4));
    EXPECT_GE(ink.left() / 4.0, 10 - 0.3);
    EXPECT_LE((ink.right() + 1) / 4.0, 200 + 0.3);
    EXPECT_GE(ink.top() / 4.0, 10 - 0.3);
    EXPECT_LE((ink.bottom() + 1) / 4.0, 287 + 0.3);
    for (const report::Label& l : page.Labels())
        EXPECT_NE(l.text, "0,00") << l.name.toStdString();
}

TEST(ClearancePrint, PdfFileNamesStayInTheirFolder) {
    EXPECT_EQ(EkaPdfFileName("123456783"), "EKA2015/123456783.pdf");
    EXPECT_EQ(EkaPdfFileName(""), "EKA2015/.pdf");
    EXPECT_EQ(EkaPdfFileName("../../x"), "EKA2015/.._.._x.pdf");
}

// The window's buttons, with scripted printer dialogs and a recording printer.
class ClearanceButtons : public ::testing::Test {
protected:
    void SetUp() override { dialogs.copies = 2; }

    static std::unique_ptr<TfiEka> Open() {
        ResultSet r;
        r.TotalIncome = {20000, 0};
        r.FinalBalance = 1500.25;
        return std::make_unique<TfiEka>(
            MakeClearanceNote({"123456783", "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ", "ΣΤΑΔΙΟΥ 10", "Α΄ ΑΘΗΝΩΝ", "", ""}, std::nullopt, r),
            MakePrintOperations());
    }

    test::TestFolder folder;
    test::RecordingSink printer;
    report::ScopedPrintSink sinkScope{printer};
    test::ScriptedPlatform dialogs;
    ScopedPlatformDialogs dialogsScope{dialogs};
    UrlRecorder urls;
    ScriptedDialogs boxes;
};

TEST_F(ClearanceButtons, PrintGoesToThePrinterChosenOrNowhere) {
    auto window = Open();
    dialogs.confirm = false;
    window->bt10->click();
    EXPECT_EQ(dialogs.printerShown, 1);
    EXPECT_TRUE(printer.jobs.empty());

    dialogs.confirm = true;
    window->bt10->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& job = printer.jobs[0];
    EXPECT_EQ(job.settings.title, QStringLiteral("Εκτύπωση Εκκαθαριστικού"));
    EXPECT_EQ(job.settings.printerName, "Laser");
    EXPECT_EQ(job.settings.copies, 2);
    ASSERT_EQ(job.pages.size(), 1u);
    EXPECT_EQ(job.pages[0].Text("qrTelikoPoso"), "1.500,25");
    EXPECT_EQ(job.pages[0].Text("qrDoy"), QStringLiteral("Α΄ ΑΘΗΝΩΝ"));
    EXPECT_EQ(job.pages[0].Text("qr1S"), "") << "the zero rule ran before printing";
    EXPECT_TRUE(urls.urls().isEmpty());
    EXPECT_FALSE(folder.exists("EKA2015"));
}

TEST_F(ClearanceButtons, PdfIsWrittenUnderTheTaxNumberReplacedByTheNextAndOpened) {
    auto window = Open();
    window->btPDF->click();
    ASSERT_TRUE(folder.exists("EKA2015/123456783.pdf")) << UserDialogs::ShownTexts().join("\n").toStdString();
    ASSERT_EQ(urls.urls().size(), 1);
    EXPECT_EQ(urls.urls()[0], QUrl::fromLocalFile(QDir(folder.path()).absoluteFilePath("EKA2015/123456783.pdf")));
    const QString text = test::PdfText(folder.file("EKA2015/123456783.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1.500,25")));
    EXPECT_TRUE(text.contains(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ")));
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(dialogs.printerShown, 0) << "a PDF needs no printer";

    folder.writeFile("EKA2015/123456783.pdf", "old");
    window->btPDF->click();
    EXPECT_TRUE(folder.readFile("EKA2015/123456783.pdf").startsWith("%PDF"));
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << UserDialogs::ShownTexts().join("\n").toStdString();
}

TEST_F(ClearanceButtons, AFolderThatCannotBeMadeIsShownAndNothingIsOpened) {
    folder.writeFile("EKA2015", "a file where the folder should be");
    auto window = Open();
    window->btPDF->click();
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 1);
    EXPECT_TRUE(UserDialogs::ShownTexts()[0].contains("EKA2015")) << UserDialogs::ShownTexts()[0].toStdString();
    EXPECT_TRUE(urls.urls().isEmpty());
    EXPECT_EQ(folder.readFile("EKA2015"), "a file where the folder should be");
}

TEST_F(ClearanceButtons, FromTheE1WindowTheNotesLineAndLuxuryTaxComeFromIt) {
    auto* e1 = new TfiE1(MakePrintOperations());
    e1->ControlAs<QLineEdit>("edCarNumber1")->setText("ΙΚΑ1234");
    e1->ControlAs<QLineEdit>("edCarNumber3")->setText("ΖΗΚ4321");
    e1->ControlAs<QLineEdit>("edCarIppoi1")->setText("3000");
    e1->ControlAs<QLineEdit>("edCarYear1")->setText("2012");
    e1->ControlAs<QLineEdit>("edP851")->setText("9.000,00");
    test::WhenModal([](QWidget* modal) {
        auto* note = qobject_cast<TfiEka*>(modal);
        ASSERT_NE(note, nullptr);
        note->bt10->click();
        note->close();
    });
    e1->miEka2003->trigger();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto& page = printer.jobs[0].pages[0];
    EXPECT_EQ(page.Text("edCarNumber1"), QStringLiteral("ΙΚΑ1234"));
    EXPECT_EQ(page.Text("edCarNumber2"), "");
    EXPECT_EQ(page.Text("edCarNumber3"), QStringLiteral("ΖΗΚ4321"));
    EXPECT_NE(page.Text("qrTekmDap10F"), "") << "a large car has a luxury base";
    e1->close();
    delete e1;
}

TEST_F(ClearanceButtons, TheTypefaceFileNamesTheFontOfEveryText) {
    folder.makeFolder("wParams");
    folder.writeFile("wParams/Font.txt", "Courier New\r\n");
    auto window = Open();
    window->btPDF->click();
    const QStringList lines = test::PdfFonts(folder.file("EKA2015/123456783.pdf"));
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines) EXPECT_TRUE(line.contains("Mono") || line.contains("Courier")) << line.toStdString();
}

}  // namespace
}  // namespace dz
