// Report engine: labels by name, where texts land, backgrounds, PDF documents, the font file, print jobs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <gtest/gtest.h>

#include "model/errors.h"
#include "report/page_report.h"
#include "report/pdf_document.h"
#include "print/print_job.h"
#include "report/report_font.h"
#include "support/test_folder.h"
#include "test_print_helpers.h"

namespace dz {
namespace {

using report::Align;
using report::Label;
using report::PageReport;

Label Text(const QString& name, const QString& text, QRectF box, Align align = Align::Left, double pt = 10) {
    Label l;
    l.name = name;
    l.text = text;
    l.box = box;
    l.align = align;
    l.font.family = QStringLiteral("Liberation Sans");
    l.font.pointSize = pt;
    return l;
}

TEST(ReportLabels, NamesAreUniqueAndEveryLookUpOfAMissingNameFailsNamingIt) {
    PageReport page;
    page.title = QStringLiteral("Δοκιμή");
    page.AddLabel(Text("edP301", "", {10, 10, 20, 5}));
    page.AddLabel(Text("", "static one", {10, 20, 20, 5}));
    page.AddLabel(Text("", "static two", {10, 30, 20, 5}));  // unnamed texts never clash
    try {
        page.AddLabel(Text("edP301", "", {50, 10, 20, 5}));
        FAIL() << "a second edP301 was accepted";
    } catch (const report::ReportError& e) {
        EXPECT_TRUE(e.message().contains("edP301")) << e.message().toStdString();
    }
    try {
        page.SetText("edP302", "1");
        FAIL() << "an unknown label was filled";
    } catch (const report::ReportError& e) {
        EXPECT_TRUE(e.message().contains("edP302")) << e.message().toStdString();
    }
    EXPECT_THROW(page.Text(QString()), report::ReportError);
    EXPECT_EQ(page.Find("edP302"), nullptr);
    page.SetText("edP301", "1.234");
    EXPECT_EQ(page.Text("edP301"), "1.234");
    EXPECT_EQ(page.Labels().size(), 3u);
}

TEST(ReportLabels, BlankTextsEmptiesExactMatchesExceptThoseKept) {
    PageReport page;
    page.AddLabel(Text("a", "0,00", {}));
    page.AddLabel(Text("b", "10,00", {}));
    page.AddLabel(Text("c", "0", {}));
    page.AddLabel(Text("floor", "0", {}));
    page.BlankTexts({u"0,00", u"0"}, [](const Label& l) { return l.name == "floor"; });
    EXPECT_EQ(page.Text("a"), "");
    EXPECT_EQ(page.Text("b"), "10,00");
    EXPECT_EQ(page.Text("c"), "");
    EXPECT_EQ(page.Text("floor"), "0");
}

// Where the ink of a label lands, at 10 dots per millimetre on A4 with 10 mm margins.
TEST(ReportRender, TextsKeepTheirAnchorWithinTheMargins) {
    struct Case {
        const char* name;
        Align align;
        double expectLeft;   // mm of the sheet, -1: not checked
        double expectRight;  // mm of the sheet, -1: not checked
        double expectCentre;
    };
    const Case cases[] = {
        {"left", Align::Left, 10 + 50, -1, -1},
        {"right", Align::Right, -1, 10 + 50 + 30, -1},
        {"centre", Align::Centre, -1, -1, 10 + 50 + 15},
    };
    for (const Case& c : cases) {
        PageReport page;
        page.setMargins(QMarginsF(10, 10, 10, 10));
        page.AddLabel(Text("x", "8888", {50, 100, 30, 6}, c.align));
        const QRect ink = test::InkBounds(test::RenderToImage(page));
        ASSERT_FALSE(ink.isNull()) << c.name;
        if (c.expectLeft >= 0) {
            EXPECT_NEAR(ink.left() / 10.0, c.expectLeft, 0.6) << c.name;
        }
        if (c.expectRight >= 0) {
            EXPECT_NEAR((ink.right() + 1) / 10.0, c.expectRight, 0.6) << c.name;
        }
        if (c.expectCentre >= 0) {
            EXPECT_NEAR((ink.left() + ink.right() + 1) / 20.0, c.expectCentre, 0.4) << c.name;
        }
        // Centred in the box's height: the box runs from 110 to 116 mm of the sheet.
        EXPECT_GT(ink.top() / 10.0, 110.0) << c.name;
        EXPECT_LT((ink.bottom() + 1) / 10.0, 116.0) << c.name;
    }
}

TEST(ReportRender, DisabledAndEmptyLabelsPrintNothingAndFitKeepsATextInItsBox) {
    PageReport page;
    page.AddLabel(Text("off", "OFF", {20, 20, 30, 6})).enabled = false;
    page.AddLabel(Text("empty", "", {20, 40, 30, 6}));
    EXPECT_TRUE(test::InkBounds(test::RenderToImage(page)).isNull());

    PageReport fitted;
    Label& l = fitted.AddLabel(Text("long", "ΑΒΓΔΕΖΗΘ ΑΒΓΔΕΖΗΘ", {20, 20, 30, 6}));
    const QRect wide = test::InkBounds(test::RenderToImage(fitted));
    l.fit = true;
    const QRect inBox = test::InkBounds(test::RenderToImage(fitted));
    EXPECT_GT(wide.right() / 10.0, 50.0) << "without fit the text runs past the box";
    EXPECT_LE((inBox.right() + 1) / 10.0, 50.3) << "with fit it stays inside";
}

TEST(ReportRender, ALayoutLargerThanTheAreaIsDrawnSmallerAndCentredAcross) {
    PageReport page;  // A4: 210 mm across
    page.setMargins(QMarginsF(10, 10, 10, 10));  // 190 × 277 inside
    page.setDesignArea(QRectF(0, 0, 190, 277 * 2));  // twice too tall: drawn at half size
    page.AddImage([] {
        QImage black(10, 10, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }(), QRectF(0, 0, 190, 554));
    const QRect ink = test::InkBounds(test::RenderToImage(page, 4));
    EXPECT_NEAR(ink.top() / 4.0, 10, 0.5);
    EXPECT_NEAR((ink.bottom() + 1) / 4.0, 287, 0.5);
    EXPECT_NEAR(ink.left() / 4.0, 10 + 190 / 4.0, 0.5);
    EXPECT_NEAR((ink.right() + 1) / 4.0, 200 - 190 / 4.0, 0.5);

    // An area that starts inside the layout is what lands at the margins' corner.
    page.setDesignArea(QRectF(20, 30, 190, 277));
    page.Images().front().rect = QRectF(20, 30, 10, 10);
    const QRect shifted = test::InkBounds(test::RenderToImage(page, 4));
    EXPECT_EQ(shifted, QRect(40, 40, 40, 40));
}

TEST(ReportRender, DrawingsCountInMillimetresOfTheLayout) {
    PageReport page;
    page.setMargins(QMarginsF(5, 8, 5, 5));
    page.AddDrawing([](QPainter& p, const report::PageReport&) { p.fillRect(QRectF(20, 30, 40, 10), Qt::black); });
    const QRect ink = test::InkBounds(test::RenderToImage(page));
    EXPECT_EQ(ink, QRect(QPoint(250, 380), QPoint(649, 479)));
}

class ReportPdf : public ::testing::Test {
protected:
    test::TestFolder folder;
};

TEST_F(ReportPdf, ACollectingDocumentHoldsEveryExportWithItsPaperAndRunsTheHookEachTime) {
    PageReport a4;
    a4.title = QStringLiteral("Σελίδα Α4");
    a4.AddLabel(Text("t", "ΕΚΚΑΘΑΡΙΣΤΙΚΟ 1.234,56", {20, 20, 100, 6}));
    int hooks = 0;
    a4.setBeforePrint([&hooks](PageReport& r) {
        ++hooks;
        r.SetText("t", r.Text("t") + " αβγ");
    });
    PageReport a3(QPageSize::A3, QPageLayout::Landscape);
    a3.AddLabel(Text("t", "Φύλλο A3", {20, 20, 100, 6}));
    {
        report::PdfDocument pdf(QStringLiteral("out.pdf"));
        pdf.Export(a4);
        pdf.Export(a3);
        EXPECT_FALSE(QFileInfo::exists("out.pdf")) << "nothing is written before Close";
        EXPECT_TRUE(pdf.Close());
    }
    EXPECT_EQ(hooks, 1);
    const auto sizes = test::PdfPageSizes("out.pdf");
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(sizes[0].width(), 595.3, 1);
    EXPECT_NEAR(sizes[0].height(), 841.9, 1);
    EXPECT_NEAR(sizes[1].width(), 1190.6, 1);
    EXPECT_NEAR(sizes[1].height(), 841.9, 1);
    EXPECT_TRUE(test::PdfText("out.pdf", 1).contains(QStringLiteral("ΕΚΚΑΘΑΡΙΣΤΙΚΟ 1.234,56 αβγ")));
    EXPECT_TRUE(test::PdfText("out.pdf", 2).contains(QStringLiteral("Φύλλο A3")));
}

TEST_F(ReportPdf, AFailedWriteLeavesTheEarlierFileAndSaysWhy) {
    folder.writeFile("old.pdf", "earlier");
    PageReport page;
    page.AddLabel(Text("t", "x", {20, 20, 100, 6}));
    {  // dropped without Close: nothing written
        report::PdfDocument pdf(QStringLiteral("old.pdf"));
        pdf.Export(page);
    }
    EXPECT_EQ(folder.readFile("old.pdf"), "earlier");
    {  // no pages: nothing written either
        report::PdfDocument pdf(QStringLiteral("old.pdf"));
        EXPECT_FALSE(pdf.Close());
    }
    EXPECT_EQ(folder.readFile("old.pdf"), "earlier");
    try {
        report::PdfDocument pdf(QStringLiteral("missing/old.pdf"));
        FAIL() << "a PDF in a missing folder was opened";
    } catch (const IoError& e) {
        EXPECT_TRUE(e.message().contains("old.pdf")) << e.message().toStdString();
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Δεν ήταν δυνατή"))) << e.message().toStdString();
    }
}

TEST_F(ReportPdf, AFolderThatCannotBeWrittenIsAnErrorAndKeepsTheEarlierFile) {
    folder.makeFolder("locked");
    folder.writeFile("locked/old.pdf", "earlier");
    // No one may write the folder: refused for the administrator too.
    QFile::setPermissions(folder.file("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(report::PdfDocument(QStringLiteral("locked/old.pdf")), IoError);
    QFile::setPermissions(folder.file("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(folder.readFile("locked/old.pdf"), "earlier");
}

TEST_F(ReportPdf, AFileThatCannotBePutInPlaceIsAnErrorNotASuccess) {
    folder.makeFolder("taken.pdf");  // a folder where the file should go
    EXPECT_THROW(report::PdfDocument(QStringLiteral("taken.pdf")), IoError);
    folder.makeFolder("gone");
    PageReport page;
    page.AddLabel(Text("t", "x", {20, 20, 100, 6}));
    report::PdfDocument pdf(QStringLiteral("gone/x.pdf"));
    pdf.Export(page);
    QDir(folder.file("gone")).removeRecursively();  // the folder disappears while the pages are made
    EXPECT_THROW(pdf.Close(), IoError);
}

class ReportFontFile : public ::testing::Test {
protected:
    test::TestFolder folder;
};

TEST_F(ReportFontFile, TheFirstLineNamesTheTypefaceAndArialIsTheDefault) {
    EXPECT_EQ(report::ReportFontName(), "Arial");
    folder.makeFolder("WParams");
    folder.writeFile("WParams/FONT.TXT", "Courier New\r\nignored\r\n");
    EXPECT_EQ(report::ReportFontName(), "Courier New");
    folder.writeFile("WParams/FONT.TXT", "\r\n");
    EXPECT_EQ(report::ReportFontName(), "Arial");

    report::StoreReportFontName(QStringLiteral("Liberation Serif"));
    EXPECT_EQ(folder.readFile("WParams/FONT.TXT"), "Liberation Serif\r\n") << "the file found is replaced";
    EXPECT_FALSE(folder.exists("wParams/Font.txt"));

    PageReport page;
    Label bold = Text("a", "x", {});
    bold.font.bold = true;
    bold.font.pointSize = 11;
    page.AddLabel(bold);
    page.AddLabel(Text("", "static", {}));
    report::ApplyReportFont(page);
    for (const Label& l : page.Labels()) EXPECT_EQ(l.font.family, "Liberation Serif") << l.name.toStdString();
    EXPECT_TRUE(page.label("a").font.bold);
    EXPECT_EQ(page.label("a").font.pointSize, 11);
}

TEST_F(ReportFontFile, AMissingFolderIsAnErrorAndChangesNothing) {
    EXPECT_THROW(report::StoreReportFontName(QStringLiteral("Courier New")), IoError);
    EXPECT_EQ(report::ReportFontName(), "Arial");
}

TEST(ReportPrintJobs, ACompositeAsksForItsReportsAndPrintsThemAsOneJob) {
    test::RecordingSink sink;
    report::ScopedPrintSink scope(sink);
    PageReport one, two;
    one.title = "one";
    two.title = "two";
    int hooks = 0;
    two.setBeforePrint([&hooks](PageReport&) { ++hooks; });
    report::CompositeReport composite;
    composite.title = QStringLiteral("Εκτύπωση Εντύπων");
    composite.copies = 3;
    composite.printerName = "P1";
    composite.duplex = report::Duplex::ShortEdge;
    composite.Add(two);  // emptied before the reports are asked for
    composite.addReports = [&](report::CompositeReport& c) {
        c.Add(one);
        c.Add(two);
    };
    composite.Print();
    ASSERT_EQ(sink.jobs.size(), 1u);
    const auto& job = sink.jobs[0];
    EXPECT_EQ(job.settings.title, QStringLiteral("Εκτύπωση Εντύπων"));
    EXPECT_EQ(job.settings.copies, 3);
    EXPECT_EQ(job.settings.printerName, "P1");
    EXPECT_EQ(job.settings.duplex, report::Duplex::ShortEdge);
    ASSERT_EQ(job.pages.size(), 2u);
    EXPECT_EQ(job.pages[0].title, "one");
    EXPECT_EQ(job.pages[1].title, "two");
    EXPECT_EQ(hooks, 1);

    one.copies = 2;
    one.printerName = "P2";
    report::PrintReport(one);
    ASSERT_EQ(sink.jobs.size(), 2u);
    EXPECT_EQ(sink.jobs[1].settings.title, "one");
    EXPECT_EQ(sink.jobs[1].settings.copies, 2);
    EXPECT_EQ(sink.jobs[1].settings.printerName, "P2");
    EXPECT_EQ(sink.jobs[1].settings.duplex, report::Duplex::None);
}

}  // namespace
}  // namespace dz
