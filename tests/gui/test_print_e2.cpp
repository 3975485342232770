// The printed E2 pages: what each label shows, where the labels stand on the form, and the print dialog's E2 requests.
#include <QCheckBox>
#include <QPushButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "controls/open_url.h"
#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "e2calc/e2_lists.h"
#include "forms/e2_pages.h"
#include "model/record_json.h"
#include "layouts/e2_print.h"
#include "print/fi_prn_params.h"
#include "print/platform_dialogs.h"
#include "print/print_registration.h"
#include "e2/fi_e2.h"
#include "gui_helpers.h"
#include <QAction>
#include "support/test_folder.h"
#include "test_print_helpers.h"
#include "test_print_sample.h"

namespace dz {
namespace {

using test::ExpectTexts;

E2Record Sample() { return E2FromJson(QJsonDocument::fromJson(QByteArray(test::kPrintSampleE2)).object()); }

TEST(E2Print, PageOneRowsTotalsAndBlankZeros) {
    E2Record r = Sample();
    auto page = std::make_unique<TfiE21Prn>();
    FillE2Page1(*page, r);
    const report::PageReport& p = page->qrE21Prn;
    ExpectTexts(p,
                {{"edBigName", "ΠΑΠΑΔΟΠΟΥΛΟΣ"}, {"edAFM", "123456783"}, {"qrNbr1", "1"}, {"qrNbr16", "16"},
                 {"edTopos1", "ΕΡΜΟΥ 10 ΑΘΗΝΑ 10563"}, {"edPlace1", "0"}, {"edMonths1", "12"}, {"edEnoikio1", "500,00"},
                 {"edGr1", "3.000,00"}, {"edKat1", ""}, {"edGi1", ""}, {"edEidosMist1", "12"}, {"edArMist1", "4455"},
                 {"edParoxesDEH1", "123456789"}, {"edAFM1", "111111111"}, {"edDate11", "01/01"}, {"edDate21", "31/12"}, {"edSinid1", "100"},
                 {"edMonths2", "9,50"}, {"edEnoikio2", "1.234,50"}, {"edKat2", "5.863,88"}, {"edPlace2", "2"},
                 {"edMonths3", ""}, {"edEnoikio3", ""}, {"edPlace3", ""},
                 {"edKatTotal", "5.863,88"}, {"edGrTotal", "2.999,99"}, {"edGiTotal", ""}, {"qrLog1", ""},
                 {"qrPageNumber", "Αρ. Σελίδας"}},
                "stored totals");
    EXPECT_EQ(p.Text("edInUse1"), UseShortName(2)) << "the short name of the use, not the stored text";
    EXPECT_NE(p.Text("edInUse1"), QStringLiteral("ΚΑΤ"));

    r.CalcOff = false;
    auto summed = std::make_unique<TfiE21Prn>();
    FillE2Page1(*summed, r);
    ExpectTexts(summed->qrE21Prn, {{"edKatTotal", "5.863,88"}, {"edGrTotal", "3.000,00"}}, "summed totals");

    for (const auto& [first, row1, row16] : {std::tuple{17, "17", "32"}, std::tuple{0, "1", "16"}, std::tuple{-3, "1", "16"}}) {
        auto numbered = std::make_unique<TfiE21Prn>();
        FillE2Page1(*numbered, r);
        NumberE2Rows(*numbered, first);
        EXPECT_EQ(numbered->qrE21Prn.Text("qrNbr1"), row1) << first;
        EXPECT_EQ(numbered->qrE21Prn.Text("qrNbr16"), row16) << first;
    }
}

TEST(E2Print, PageTwoTablesByPosition) {
    auto page = std::make_unique<TfiE22Prn>();
    FillE2Page2(*page, Sample());
    ExpectTexts(page->qrE22Prn,
                {{"edPin2Topos1", "ΠΑΤΗΣΙΩΝ 20"}, {"edPin2Place1", "1"}, {"edPin2SName1", "ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ"},
                 {"edPin2Sinid1", "50"}, {"edPin2Misto1", ""}, {"edEidosMist17", "30"}, {"edParoxesDEH17", "555666777"},
                 {"edParoxesDEH26", "111222333"}, {"edPin3Topos1", "ΘΗΣΕΩΣ 3"}, {"edPin3Place1", "0"},
                 {"edPin3Surfa1", ""}, {"edPin3Title1", "ΑΓΟΡΑ 1234/2014 ΣΥΜΒ. ΚΩΣΤΟΠΟΥΛΟΥ"}},
                "page 2");
    EXPECT_EQ(page->qrE22Prn.Text("edPin2InUse1"), UseShortName(1));
    EXPECT_EQ(page->qrE22Prn.Text("edPin3InUse1"), UseShortName(4));
}

// Each data label lands inside the box the form draws for it (the boxes of the E2 description
// are measured from the sheet's corner, the labels from the margins').
TEST(E2Print, LabelsLandInTheirBoxesOfTheForm) {
    E2Record r = Sample();
    for (int index = 0; index < 2; ++index) {
        std::unique_ptr<TfiE21Prn> one;
        std::unique_ptr<TfiE22Prn> two;
        report::PageReport* page;
        if (index == 0) {
            one = std::make_unique<TfiE21Prn>();
            FillE2Page1(*one, r);
            page = &one->qrE21Prn;
        } else {
            two = std::make_unique<TfiE22Prn>();
            FillE2Page2(*two, r);
            page = &two->qrE22Prn;
        }
        const QImage image = test::RenderToImage(*page, 10);
        const char* names[2][4] = {{"edTopos1", "edEName2", "edKat2", "edGr1"},
                                   {"edPin2Topos1", "edPin2SName1", "edPin3Topos1", "edPin3Title1"}};
        for (const char* name : names[index]) {
            const forms::FormBox* box = E2Page(index).Find(QString::fromLatin1(name));
            ASSERT_NE(box, nullptr) << name;
            const QRect inBox(box->rect.x, box->rect.y, box->rect.w, box->rect.h);  // tenths of a mm = dots
            const QRect ink = test::InkBounds(image, inBox.adjusted(2, 2, -2, -2));
            ASSERT_FALSE(ink.isNull()) << name << ": no text inside its box";
            // Nothing of the text spills over the box's rules.
            EXPECT_EQ(test::InkBounds(image, inBox.adjusted(2, 2, -2, -2)), ink) << name;
            EXPECT_GT(ink.height(), 12) << name;
        }
    }
}

class E2Dialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<TfiPrnParams>();
        dialog->SetRecord(Sample());
        dialog->cbColoredPrint->hide();
        dialog->Setup(FormKind::E2);
        dialog->show();
    }
    test::TestFolder folder;
    test::RecordingSink printer;
    report::ScopedPrintSink sinkScope{printer};
    test::ScriptedPlatform platform;
    ScopedPlatformDialogs platformScope{platform};
    UrlRecorder urls;
    ScriptedDialogs boxes;
    std::unique_ptr<TfiPrnParams> dialog;
};

TEST_F(E2Dialog, OneSidedPagesGetFiveMillimetreMarginsTheIncreasesAndTheNumbering) {
    dialog->cbPage1->setChecked(true);
    dialog->cbPage2->setChecked(true);
    dialog->edE2FirstNbr->setText("17");
    dialog->edMoreMargin->setText("3");
    dialog->edMoreMarginLeft->setText("2,5");
    dialog->btPrint->click();
    ASSERT_EQ(printer.jobs.size(), 2u) << UserDialogs::ShownTexts().join('\n').toStdString();
    EXPECT_EQ(printer.jobs[0].settings.title, QStringLiteral("E2 Σελ.1"));
    EXPECT_EQ(printer.jobs[1].settings.title, QStringLiteral("E2 Σελ.2"));
    for (const auto& job : printer.jobs) {
        EXPECT_EQ(job.pages[0].margins, QMarginsF(7.5, 8, 5, 5));
        EXPECT_EQ(job.pages[0].orientation, QPageLayout::Landscape);
    }
    EXPECT_EQ(printer.jobs[0].pages[0].Text("qrNbr1"), "17");
    EXPECT_EQ(printer.jobs[0].pages[0].Text("qrNbr16"), "32");
}

TEST_F(E2Dialog, TwoSidedTheContentMovesAndTheTurningFollowsTheReverseBox) {
    dialog->cbDuplex->click();
    EXPECT_EQ(dialog->cbPage1->text(), QStringLiteral("Ολες οι σελίδες του Εντύπου"));
    dialog->cbPage1->setChecked(true);
    dialog->edMoreMargin->setText("2");
    dialog->edMoreMarginLeft->setText("1");
    for (bool reverse : {false, true}) {
        printer.jobs.clear();
        dialog->cbDupE2Ver->setChecked(reverse);
        dialog->btPrint->click();
        ASSERT_EQ(printer.jobs.size(), 1u);
        const auto& job = printer.jobs[0];
        EXPECT_EQ(job.settings.duplex, reverse ? report::Duplex::LongEdge : report::Duplex::ShortEdge);
        EXPECT_EQ(job.settings.title, QStringLiteral("Εκτύπωση Εντύπων"));
        ASSERT_EQ(job.pages.size(), 2u);
        EXPECT_EQ(job.pages[0].title, QStringLiteral("E2 Σελ.1"));
        EXPECT_EQ(job.pages[1].title, QStringLiteral("E2 Σελ.2"));
        for (const auto& page : job.pages) EXPECT_EQ(page.margins, QMarginsF(3.5 + 1, 5 + 2, 4 - 1, 6.5 - 2));
    }
}

TEST_F(E2Dialog, PdfGoesToDilosiE2) {
    dialog->cbPage2->setChecked(true);
    dialog->ShowPdf->click();
    ASSERT_TRUE(folder.exists("DilosiE2.Pdf")) << UserDialogs::ShownTexts().join('\n').toStdString();
    EXPECT_TRUE(test::PdfText(folder.file("DilosiE2.Pdf")).contains(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ")));
    ASSERT_EQ(urls.urls().size(), 1);
    EXPECT_TRUE(urls.urls()[0].toLocalFile().endsWith("/DilosiE2.Pdf"));
}

TEST_F(E2Dialog, TheE2WindowsPrintCommandOpensItWithoutColourForItsStatement) {
    auto* window = new TfiE2(MakePrintOperations());
    ASSERT_TRUE(window->miPrint->isEnabled());
    window->Record() = Sample();
    window->ShowRecord();
    bool seen = false;
    test::WhenModal([&seen](QWidget* modal) {
        auto* d = qobject_cast<TfiPrnParams*>(modal);
        if (!d) return;
        seen = true;
        EXPECT_EQ(d->Kind(), FormKind::E2);
        EXPECT_FALSE(d->cbColoredPrint->isVisible());
        EXPECT_FALSE(d->cbPage3->isEnabled());
        d->cbPage1->setChecked(true);
        d->ShowPdf->click();
        d->BitBtn2->click();
    });
    window->miPrint->trigger();
    EXPECT_TRUE(seen);
    ASSERT_TRUE(folder.exists("DilosiE2.Pdf")) << UserDialogs::ShownTexts().join('\n').toStdString();
    EXPECT_TRUE(test::PdfText(folder.file("DilosiE2.Pdf")).contains(QStringLiteral("ΝΙΚΟΛΑΟΥ ΕΛΕΝΗ")));
    window->SetModified(false);
    window->close();
}

}  // namespace
}  // namespace dz
