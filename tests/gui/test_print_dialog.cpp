// The print dialog TfiPrnParams: its controls for E1 and E2, the page boxes, the typeface link, print and PDF requests.
#include <QCheckBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/file.h>

#include "controls/open_url.h"
#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "model/record_json.h"
#include "print/fi_prn_params.h"
#include "print/platform_dialogs.h"
#include "print/print_registration.h"
#include "e1/fi_e1.h"
#include "gui_helpers.h"
#include <QAction>
#include "support/test_folder.h"
#include "test_print_helpers.h"
#include "test_print_sample.h"

namespace dz {
namespace {

class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<TfiPrnParams>();
        dialog->SetDeclaration(E1FromJson(QJsonDocument::fromJson(QByteArray(test::kPrintSampleE1)).object()));
    }
    void Tick(std::initializer_list<QCheckBox*> boxes) {
        for (QCheckBox* box : boxes) box->setChecked(true);
    }
    void Click(QAbstractButton* button) { button->click(); }

    test::TestFolder folder;
    test::RecordingSink printer;
    report::ScopedPrintSink sinkScope{printer};
    test::ScriptedPlatform platform;
    ScopedPlatformDialogs platformScope{platform};
    UrlRecorder urls;
    ScriptedDialogs boxes;
    std::unique_ptr<TfiPrnParams> dialog;
};

TEST_F(PrintDialog, ItsControlsForE1AndForE2) {
    auto& d = *dialog;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Παράμετροι Εκτύπωσης Δηλώσεων"));
    EXPECT_EQ(d.size(), QSize(366, 627));
    EXPECT_EQ(d.rgTipos->title(), QStringLiteral("Τύπος Εκτύπωσης"));
    EXPECT_EQ(d.rgTiposItems[0]->text(), QStringLiteral("Εκτύπωση  σε χαρτί Α4 ανά σελίδα "));
    EXPECT_EQ(d.rgTiposItems[1]->text(), QStringLiteral("Εκτύπωση  σε χαρτί Α3 ανά σελίδα "));
    EXPECT_EQ(d.rgTiposIndex(), 0);
    EXPECT_EQ(d.ud2->value(), 1);
    EXPECT_EQ(d.ud2->minimum(), 0);
    EXPECT_EQ(d.ud2->maximum(), 100);
    EXPECT_EQ(d.edCopies->text(), "1");
    EXPECT_EQ(d.gbPageSelect->title(), QStringLiteral("Επιλέξτε τις σελίδες που θέλετε να εκτυπώσετε "));
    EXPECT_EQ(d.cbDupE2Ver->text(), QStringLiteral("Αντιστροφή Αναδιπλούμενης Όψης"));
    EXPECT_EQ(d.lbFont->text(), "Arial");
    EXPECT_EQ(d.edMoreMargin->text(), "0,00");
    EXPECT_FALSE(d.PdfMode);
    struct Shown {
        QWidget* widget;
        bool e1Visible, e1Enabled, e2Visible, e2Enabled;
    };
    auto e2 = std::make_unique<TfiPrnParams>();
    e2->cbColoredPrint->hide();
    e2->Setup(FormKind::E2);
    d.Setup(FormKind::E1);
    d.show();
    e2->show();
    const std::pair<const char*, std::array<bool, 4>> expected[] = {
        // name: visible and enabled for E1, then for E2
        {"rgTipos", {true, true, true, false}},          {"cbPage3", {true, true, true, false}},
        {"cbPage4", {true, true, true, false}},          {"edE2FirstNbr", {false, true, true, true}},
        {"lbE2FirstNbr", {false, true, true, true}},     {"edMoreMargin", {false, true, true, true}},
        {"edMoreMarginLeft", {false, true, true, true}}, {"lbMoremarginLeft", {false, true, true, true}},
        {"cbColoredPrint", {true, true, false, true}},   {"cbDupE2Ver", {false, true, false, true}},
    };
    for (const auto& [name, states] : expected) {
        QWidget* one = d.findChild<QWidget*>(name);
        QWidget* two = e2->findChild<QWidget*>(name);
        ASSERT_TRUE(one && two) << name;
        EXPECT_EQ(one->isVisible(), states[0]) << name << " E1";
        EXPECT_EQ(one->isEnabled(), states[1]) << name << " E1";
        EXPECT_EQ(two->isVisible(), states[2]) << name << " E2";
        EXPECT_EQ(two->isEnabled(), states[3]) << name << " E2";
    }
}

TEST_F(PrintDialog, ThePageBoxesFollowPaperAndSides) {
    auto& d = *dialog;
    d.Setup(FormKind::E1);
    d.show();
    struct Case {
        const char* name;
        bool a3, duplex;
        const char* page1;
        const char* page2;  // null: hidden
        bool pages34, reverse;
    };
    const Case cases[] = {
        {"A4", false, false, "1η Σελίδα", "2η Σελίδα", true, false},
        {"A4 two-sided", false, true, "1η και 2η Σελίδα του Εντύπου", "3η και 4η Σελίδα του Εντύπου", false, true},
        {"A3", true, false, "1η Σελίδα ( 4η και 1η του Εντύπου)", "2η Σελίδα ( 2η και 3η του Εντύπου)", false, false},
        {"A3 two-sided", true, true, "Ολες οι σελίδες του Εντύπου", nullptr, false, true},
    };
    for (const Case& c : cases) {
        Tick({d.cbPage1, d.cbPage2, d.cbPage3, d.cbPage4, d.cbDupE2Ver});
        d.rgTiposItems[c.a3 ? 1 : 0]->setChecked(true);
        d.cbDuplex->setChecked(c.duplex);
        d.SelectPages();
        EXPECT_EQ(d.cbPage1->text(), QString::fromUtf8(c.page1)) << c.name;
        EXPECT_TRUE(d.cbPage1->isVisible() && d.cbPage1->isChecked()) << c.name;
        EXPECT_EQ(d.cbPage2->isVisible(), c.page2 != nullptr) << c.name;
        EXPECT_EQ(d.cbPage2->isChecked(), c.page2 != nullptr) << c.name << ": a hidden box is unticked";
        if (c.page2) {
            EXPECT_EQ(d.cbPage2->text(), QString::fromUtf8(c.page2)) << c.name;
        }
        for (QCheckBox* box : {d.cbPage3, d.cbPage4}) {
            EXPECT_EQ(box->isVisible(), c.pages34) << c.name;
            EXPECT_EQ(box->isChecked(), c.pages34) << c.name;
        }
        EXPECT_EQ(d.cbDupE2Ver->isVisible(), c.reverse) << c.name;
        EXPECT_EQ(d.cbDupE2Ver->isChecked(), c.reverse) << c.name;
    }
    // Clicking two-sided printing on and off again: boxes 3 and 4 come back unticked.
    d.rgTiposItems[0]->setChecked(true);
    d.cbDuplex->setChecked(false);
    d.SelectPages();
    Tick({d.cbPage1, d.cbPage3});
    Click(d.cbDuplex);
    Click(d.cbDuplex);
    EXPECT_TRUE(d.cbPage1->isChecked());
    EXPECT_FALSE(d.cbPage2->isChecked());
    EXPECT_TRUE(d.cbPage3->isVisible());
    EXPECT_FALSE(d.cbPage3->isChecked());
    // E2 two-sided has one box for the whole form.
    auto e2 = std::make_unique<TfiPrnParams>();
    e2->Setup(FormKind::E2);
    e2->show();
    e2->cbDuplex->setChecked(true);
    e2->SelectPages();
    EXPECT_EQ(e2->cbPage1->text(), QStringLiteral("Ολες οι σελίδες του Εντύπου"));
    EXPECT_FALSE(e2->cbPage2->isVisible());
}

TEST_F(PrintDialog, OneSidedPagesGoOnePerJobWithTenMillimetreMargins) {
    dialog->Setup(FormKind::E1);
    dialog->ud2->setValue(3);
    platform.confirm = false;
    Tick({dialog->cbPage1, dialog->cbPage3});
    Click(dialog->btPrint);
    EXPECT_EQ(platform.printerShown, 1);
    EXPECT_TRUE(printer.jobs.empty()) << "cancelled";

    platform.confirm = true;
    Click(dialog->btPrint);
    EXPECT_EQ(platform.copiesOffered, 3) << "the copies of the dialog go to the printer dialog";
    ASSERT_EQ(printer.jobs.size(), 2u);
    const char* titles[] = {"E1 Σελ.1", "E1 Σελ.3"};
    for (int i = 0; i < 2; ++i) {
        const auto& job = printer.jobs[i];
        EXPECT_EQ(job.settings.title, QString::fromUtf8(titles[i]));
        EXPECT_EQ(job.settings.printerName, "Laser");
        EXPECT_EQ(job.settings.copies, 3);
        EXPECT_EQ(job.settings.duplex, report::Duplex::None);
        ASSERT_EQ(job.pages.size(), 1u);
        EXPECT_EQ(job.pages[0].margins.top(), 10);
        EXPECT_EQ(job.pages[0].margins.bottom(), 10);
    }
    EXPECT_EQ(printer.jobs[0].pages[0].Text("edP301"), "1.234");
    EXPECT_EQ(printer.jobs[1].pages[0].Text("edCarName4"), QStringLiteral("ως συνημμένη κατάσταση"));

    printer.jobs.clear();
    Click(dialog->rgTiposItems[1]);
    dialog->cbPage1->setChecked(false);
    Tick({dialog->cbPage2});
    Click(dialog->btPrint);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].settings.title, QStringLiteral("E1 Σελ.2 (A3)"));
    EXPECT_EQ(printer.jobs[0].pages[0].paper, QPageSize::A3);

    printer.jobs.clear();
    for (QCheckBox* box : {dialog->cbPage1, dialog->cbPage2}) box->setChecked(false);
    Click(dialog->btPrint);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << "no page: nothing printed, nothing said";
}

TEST_F(PrintDialog, TwoSidedJobsHoldTheirPairInOrder) {
    dialog->Setup(FormKind::E1);
    dialog->show();
    Click(dialog->cbDuplex);
    Tick({dialog->cbPage1, dialog->cbPage2});
    Click(dialog->btPrint);
    ASSERT_EQ(printer.jobs.size(), 2u);
    const char* pages[2][2] = {{"E1 Σελ.1", "E1 Σελ.2"}, {"E1 Σελ.3", "E1 Σελ.4"}};
    for (int j = 0; j < 2; ++j) {
        const auto& job = printer.jobs[j];
        EXPECT_EQ(job.settings.title, QStringLiteral("Εκτύπωση Εντύπων"));
        EXPECT_EQ(job.settings.duplex, report::Duplex::LongEdge);
        EXPECT_EQ(job.settings.printerName, "Laser");
        ASSERT_EQ(job.pages.size(), 2u);
        for (int p = 0; p < 2; ++p) {
            EXPECT_EQ(job.pages[p].title, QString::fromUtf8(pages[j][p]));
            EXPECT_EQ(job.pages[p].margins.top(), 3.5) << "the pages keep their own margins";
        }
    }
    for (bool reverse : {false, true}) {
        printer.jobs.clear();
        dialog->rgTiposItems[1]->setChecked(true);
        dialog->SelectPages();
        Tick({dialog->cbPage1});
        dialog->cbDupE2Ver->setChecked(reverse);
        Click(dialog->btPrint);
        ASSERT_EQ(printer.jobs.size(), 1u);
        const auto& job = printer.jobs[0];
        EXPECT_EQ(job.settings.duplex, reverse ? report::Duplex::LongEdge : report::Duplex::ShortEdge);
        ASSERT_EQ(job.pages.size(), 2u);
        EXPECT_EQ(job.pages[0].title, QStringLiteral("E1 Σελ.1 (A3)"));
        EXPECT_EQ(job.pages[1].title, QStringLiteral("E1 Σελ.2 (A3)"));
    }
}

TEST_F(PrintDialog, PdfRequests) {
    dialog->Setup(FormKind::E1);
    dialog->show();
    Click(dialog->ShowPdf);
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{TfiPrnParams::kNoPagesForPdf});

    UserDialogs::ClearShownTexts();
    Tick({dialog->cbPage2, dialog->cbPage4});
    Click(dialog->cbDuplex);
    Tick({dialog->cbPage1});
    Click(dialog->ShowPdf);
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{TfiPrnParams::kPdfNotTwoSided});
    EXPECT_FALSE(folder.exists("DilosiE1.Pdf"));

    UserDialogs::ClearShownTexts();
    Click(dialog->cbDuplex);
    Tick({dialog->cbPage2, dialog->cbPage4});
    dialog->cbPage1->setChecked(false);
    Click(dialog->ShowPdf);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty()) << UserDialogs::ShownTexts().join('\n').toStdString();
    ASSERT_TRUE(folder.exists("DilosiE1.Pdf"));
    EXPECT_EQ(test::PdfPageSizes(folder.file("DilosiE1.Pdf")).size(), 2u);
    EXPECT_TRUE(test::PdfText(folder.file("DilosiE1.Pdf"), 2).contains(QStringLiteral("ΤΡΑΠΕΖΑ ΤΗΣ ΕΛΛΑΔΟΣ")));
    ASSERT_EQ(urls.urls().size(), 1);
    EXPECT_TRUE(urls.urls()[0].toLocalFile().endsWith("/DilosiE1.Pdf"));
    EXPECT_EQ(platform.printerShown, 0);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_FALSE(dialog->PdfMode);

    // A second request writes over the first.
    dialog->cbPage4->setChecked(false);
    Click(dialog->ShowPdf);
    EXPECT_EQ(test::PdfPageSizes(folder.file("DilosiE1.Pdf")).size(), 1u);
}

TEST_F(PrintDialog, APdfHeldByAnotherProgramIsNotWrittenAndTheNextPrintGoesToPaper) {
    dialog->Setup(FormKind::E1);
    folder.writeFile("DilosiE1.Pdf", "held");
    QFile held(folder.file("DilosiE1.Pdf"));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    ASSERT_EQ(flock(held.handle(), LOCK_EX | LOCK_NB), 0);
    Tick({dialog->cbPage1});
    Click(dialog->ShowPdf);
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{TfiPrnParams::kPdfFileOpen});
    EXPECT_EQ(folder.readFile("DilosiE1.Pdf"), "held");
    EXPECT_TRUE(urls.urls().isEmpty());
    EXPECT_FALSE(dialog->PdfMode);
    Click(dialog->btPrint);
    EXPECT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(platform.printerShown, 1);
}

TEST_F(PrintDialog, TheTypefaceLinkWritesTheFontFile) {
    dialog->show();
    platform.font = std::nullopt;
    QTest::mouseClick(dialog->Label9, Qt::LeftButton);
    EXPECT_EQ(platform.fontOffered, "Arial");
    EXPECT_EQ(dialog->lbFont->text(), "Arial");

    platform.font = QStringLiteral("Courier New");
    QTest::mouseClick(dialog->Label9, Qt::LeftButton);
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 1) << "no wParams folder: the write fails and says so";
    EXPECT_EQ(dialog->lbFont->text(), "Arial");

    UserDialogs::ClearShownTexts();
    folder.makeFolder("wParams");
    QTest::mouseClick(dialog->Label9, Qt::LeftButton);
    EXPECT_EQ(dialog->lbFont->text(), "Courier New");
    EXPECT_EQ(folder.readFile("wParams/Font.txt"), "Courier New\r\n");
    Tick({dialog->cbPage1});
    Click(dialog->btPrint);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_EQ(TfiPrnParams().lbFont->text(), "Courier New");
}

TEST_F(PrintDialog, TheE1WindowsPrintCommandOpensItForWhatTheWindowShows) {
    auto* window = new TfiE1(MakePrintOperations());
    ASSERT_TRUE(window->miPrint->isEnabled());
    window->ControlAs<QLineEdit>("edAFM")->setText("123456783");
    window->ControlAs<QLineEdit>("edP301")->setText("4.321,00");
    bool seen = false;
    test::WhenModal([&seen](QWidget* modal) {
        auto* d = qobject_cast<TfiPrnParams*>(modal);
        if (!d) return;
        seen = true;
        d->cbPage1->setChecked(true);
        d->ShowPdf->click();
        d->BitBtn2->click();
    });
    window->miPrint->trigger();
    EXPECT_TRUE(seen);
    ASSERT_TRUE(folder.exists("DilosiE1.Pdf")) << UserDialogs::ShownTexts().join('\n').toStdString();
    const QString text = test::PdfText(folder.file("DilosiE1.Pdf"));
    EXPECT_TRUE(text.contains("4.321")) << text.toStdString();
    EXPECT_TRUE(text.contains("123456783"));
    window->SetModified(false);
    window->close();
}

}  // namespace
}  // namespace dz
