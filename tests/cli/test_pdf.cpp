// dovazez-cli pdf: the printed pages of saved declarations as PDF, read back as text.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "gui/test_print_sample.h"
#include "model/amount_text.h"
#include "support/pdf_reading.h"
#include "support/test_folder.h"

namespace dz {
namespace {

using test::PdfPageSizes;
using test::PdfPages;
using test::PdfText;
using test::RunCli;

void Build(const QString& path, const QByteArray& json, const char* kind = "e1") {
    const auto r = RunCli({"build", "--kind", kind, "--out", path}, json);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
}

class CliPdf : public ::testing::Test {
protected:
    void SetUp() override { Build("E1.dta", test::kPrintSampleE1); }
    test::TestFolder folder;
};

TEST_F(CliPdf, TheClearanceNoteShowsWhatComputeFileComputes) {
    const auto pdf = RunCli({"pdf", "clearance", "--file", "E1.dta", "--out", "eka.pdf"});
    ASSERT_EQ(pdf.status, 0) << pdf.err.toStdString();
    EXPECT_TRUE(pdf.err.isEmpty()) << pdf.err.toStdString();
    const auto computed = RunCli({"compute", "--file", "E1.dta"});
    const QJsonObject r = QJsonDocument::fromJson(computed.out).object();
    const double balance = r["FinalBalance"].toDouble();
    ASSERT_NE(balance, 0);
    const QString text = PdfText("eka.pdf");
    EXPECT_EQ(PdfPages("eka.pdf"), 1);
    EXPECT_TRUE(text.contains(FormatAmount(std::abs(balance)))) << text.toStdString();
    EXPECT_TRUE(text.contains(balance > 0 ? QStringLiteral("ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ") : QStringLiteral("ΤΕΛΙΚΟ ΠΟΣΟ ΕΠΙΣΤΡΟΦΗΣ")));
    EXPECT_TRUE(text.contains(FormatAmount(r["TotalIncome"].toArray()[0].toDouble())));
    EXPECT_TRUE(text.contains(FormatAmount(r["SolidarityContribution"].toArray()[0].toDouble())));
    // The header as the E1 window fills it, and the plates of the first four cars.
    for (const char* expected : {"ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΕΩΡΓΙΟΣ", "ΕΡΜΟΥ 10 ΑΘΗΝΑ", "Α΄ ΑΘΗΝΩΝ", "ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ", "987654321",
                                 "ΙΚΑ1234", "ΖΗΚ4321"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(text.contains(QStringLiteral("ΝΑΑ1111"))) << "the fifth car is not on the note";
}

TEST_F(CliPdf, BadArgumentsAndFilesAreNamedAndWriteNothing) {
    struct Case {
        const char* name;
        QStringList args;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {"no kind", {"pdf"}, 2, "clearance"},
        {"unknown kind", {"pdf", "poster", "--file", "E1.dta", "--out", "x.pdf"}, 2, "poster"},
        {"no output", {"pdf", "clearance", "--file", "E1.dta"}, 2, "--out"},
        {"missing file", {"pdf", "clearance", "--file", "none.dta", "--out", "x.pdf"}, 1, "none.dta"},
        {"folder missing", {"pdf", "clearance", "--file", "E1.dta", "--out", "no/x.pdf"}, 1, "x.pdf"},
        {"output is a folder", {"pdf", "clearance", "--file", "E1.dta", "--out", "taken.pdf"}, 1, "taken.pdf"},
    };
    folder.makeFolder("taken.pdf");
    for (const Case& c : cases) {
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.err))) << c.name << ": " << r.err.toStdString();
        EXPECT_EQ(QString::fromUtf8(r.err).count('\n') >= 1, true) << c.name;
    }
    EXPECT_FALSE(folder.exists("x.pdf"));
    EXPECT_TRUE(QFileInfo(folder.file("taken.pdf")).isDir());
}

TEST_F(CliPdf, E1PagesOnA4OrA3WithTheirAmountsAndTexts) {
    struct Case {
        const char* name;
        QStringList options;
        std::vector<QSizeF> sizes;
        std::vector<const char*> texts;  // one text expected on each page
    };
    const QSizeF a4(595, 842), a3(1191, 842);
    const Case cases[] = {
        {"all four", {}, {a4, a4, a4, a4}, {"1.234", "45.678", "ως συνημμένη κατάσταση", "ΤΡΑΠΕΖΑ ΤΗΣ ΕΛΛΑΔΟΣ"}},
        {"pages 2 and 4", {"--pages", "2,4"}, {a4, a4}, {"45.678", "ΚΩΣΤΑΣ"}},
        {"both A3 sheets", {"--a3"}, {a3, a3}, {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΚΗΦΙΣΙΑΣ 5 ΜΑΡΟΥΣΙ"}},
        {"the sheet of pages 2 and 3", {"--a3", "--pages", "2"}, {a3}, {"45.678"}},
    };
    for (const Case& c : cases) {
        const auto r = RunCli(QStringList{"pdf", "e1", "--file", "E1.dta", "--out", "e1.pdf"} + c.options);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.err.toStdString();
        const auto sizes = PdfPageSizes("e1.pdf");
        ASSERT_EQ(sizes.size(), c.sizes.size()) << c.name;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            EXPECT_NEAR(sizes[i].width(), c.sizes[i].width(), 1) << c.name << " page " << i + 1;
            EXPECT_NEAR(sizes[i].height(), c.sizes[i].height(), 1) << c.name << " page " << i + 1;
            const QString text = PdfText("e1.pdf", int(i) + 1);
            EXPECT_TRUE(text.contains(QString::fromUtf8(c.texts[i]))) << c.name << " page " << i + 1 << ":\n"
                                                                       << text.toStdString();
        }
    }
    for (const QStringList& bad : {QStringList{"--pages", "5"}, QStringList{"--a3", "--pages", "3"},
                                   QStringList{"--pages", "1,x"}, QStringList{"--pages"}}) {
        const auto r = RunCli(QStringList{"pdf", "e1", "--file", "E1.dta", "--out", "bad.pdf"} + bad);
        EXPECT_EQ(r.status, 2) << bad.join(' ').toStdString();
    }
    EXPECT_FALSE(folder.exists("bad.pdf"));
}

// A BMP file of one yellow dot: headers, then the dot's blue, green and red and a byte of padding.
QByteArray OneYellowDotBmp() {
    const auto little = [](quint32 v, int bytes) {
        QByteArray b;
        for (int i = 0; i < bytes; ++i) b.append(char(v >> (8 * i)));
        return b;
    };
    const auto le32 = [&](quint32 v) { return little(v, 4); };
    const auto le16 = [&](quint16 v) { return little(v, 2); };
    return QByteArray("BM") + le32(58) + le32(0) + le32(54) + le32(40) + le32(1) + le32(1) + le16(1) + le16(24) +
           le32(0) + le32(4) + le32(2835) + le32(2835) + le32(0) + le32(0) + QByteArray("\x00\xff\xff\x00", 4);
}

TEST_F(CliPdf, FormPagesAreDrawnAsTextAndLinesThatASearchFinds) {
    Build("E2.dta", test::kPrintSampleE2, "e2");
    struct Case {
        const char* name;
        QStringList arguments;
        int page;
        std::vector<const char*> texts;  // printed by the form itself, not by the declaration
    };
    const Case cases[] = {
        {"E1 page 1", {"e1", "--file", "E1.dta", "--pages", "1"}, 1,
         {"ΠΙΝΑΚΑΣ 1. ΣΤΟΙΧΕΙΑ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ", "ΠΙΝΑΚΑΣ 2. ΠΛΗΡΟΦΟΡΙΑΚΑ ΣΤΟΙΧΕΙΑ", "327", "301"}},
        {"E1 page 3", {"e1", "--file", "E1.dta", "--pages", "3"}, 1, {"Παραχωρημένη δωρεάν", "Κυβικά", "741"}},
        {"the A3 sheet of pages 4 and 1", {"e1", "--file", "E1.dta", "--a3", "--pages", "1"}, 1,
         {"ΠΙΝΑΚΑΣ 1. ΣΤΟΙΧΕΙΑ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ", "ΤΡΑΠΕΖΑ ΤΗΣ ΕΛΛΑΔΟΣ"}},
        {"E2 page 1", {"e2", "--file", "E2.dta"}, 1,
         {"ΑΝΑΛΥΤΙΚΗ ΚΑΤΑΣΤΑΣΗ ΓΙΑ ΤΑ ΜΙΣΘΩΜΑΤΑ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ", "ΑΘΡΟΙΣΜΑ", "Ο ΛΟΓΙΣΤΗΣ"}},
        {"E2 page 2", {"e2", "--file", "E2.dta"}, 2,
         {"ΣΥΜΠΛΗΡΩΜΑΤΙΚΑ ΣΤΟΙΧΕΙΑ ΑΚΙΝΗΤΩΝ", "Ι. ΕΚΜΙΣΘΟΥΜΕΝΑ ΚΤΛ. ΑΚΙΝΗΤΑ"}},
        {"the cars list", {"cars", "--file", "E1.dta"}, 1, {"Αριθμός κυκλοφορίας", "Υπόχρεος", "Σύζυγος"}},
    };
    for (const Case& c : cases) {
        const auto r = RunCli(QStringList{"pdf"} + c.arguments + QStringList{"--out", "form.pdf"});
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.err.toStdString();
        EXPECT_EQ(test::PdfImages("form.pdf"), QStringList()) << c.name << ": no picture under the data";
        const QString text = PdfText("form.pdf", c.page);
        for (const char* expected : c.texts)
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << c.name << ": " << expected;
    }
    // A colour page is drawn in the form's ink, unless the working folder gives its picture.
    ASSERT_EQ(RunCli({"pdf", "e1", "--file", "E1.dta", "--out", "colour.pdf", "--pages", "1", "--color"}).status, 0);
    EXPECT_EQ(test::PdfImages("colour.pdf"), QStringList()) << "colour, drawn";
    EXPECT_TRUE(PdfText("colour.pdf").contains(QStringLiteral("ΠΙΝΑΚΑΣ 1. ΣΤΟΙΧΕΙΑ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ"))) << "colour, drawn";
    folder.makeFolder("WParams");
    folder.writeFile("WParams/E1P1Color15.bmp", OneYellowDotBmp());
    ASSERT_EQ(RunCli({"pdf", "e1", "--file", "E1.dta", "--out", "colour.pdf", "--pages", "1", "--color"}).status, 0);
    EXPECT_EQ(test::PdfImages("colour.pdf").size(), 1) << "colour, the folder's picture";
}

TEST_F(CliPdf, TheCarsListOfCarsFourToSeven) {
    const auto r = RunCli({"pdf", "cars", "--file", "E1.dta", "--out", "cars.pdf"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(PdfPages("cars.pdf"), 1);
    const QString text = PdfText("cars.pdf");
    for (const char* expected : {"ΣΥΝΗΜΜΕΝΗ ΚΑΤΑΣΤΑΣΗ ΑΥΤΟΚΙΝΗΤΩΝ", "ΖΗΚ4321", "ΤΑΤ3333", "1.234,50", "ΣΥΝΟΛΟ", "2.734,50"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("ΙΚΑ1234"))) << "car 1 is on the form";
}

TEST_F(CliPdf, E2PagesWithTheirRowsAndNumbering) {
    Build("E2.dta", test::kPrintSampleE2, "e2");
    const auto r = RunCli({"pdf", "e2", "--file", "E2.dta", "--out", "e2.pdf", "--first-number", "17"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto sizes = PdfPageSizes("e2.pdf");
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(sizes[0].width(), 842, 1) << "landscape";
    const QString one = PdfText("e2.pdf", 1);
    for (const char* expected : {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΕΡΜΟΥ 10 ΑΘΗΝΑ 10563", "3.000,00", "9,50", "5.863,88", "2.999,99", "17", "32"})
        EXPECT_TRUE(one.contains(QString::fromUtf8(expected))) << expected << "\n" << one.toStdString();
    EXPECT_TRUE(PdfText("e2.pdf", 2).contains(QStringLiteral("ΑΓΟΡΑ 1234/2014 ΣΥΜΒ. ΚΩΣΤΟΠΟΥΛΟΥ")));

    ASSERT_EQ(RunCli({"pdf", "e2", "--file", "E2.dta", "--out", "two.pdf", "--pages", "2"}).status, 0);
    EXPECT_EQ(PdfPages("two.pdf"), 1);
    EXPECT_EQ(RunCli({"pdf", "e2", "--file", "E2.dta", "--out", "x.pdf", "--pages", "3"}).status, 2);
    EXPECT_EQ(RunCli({"pdf", "e2", "--file", "E2.dta", "--out", "x.pdf", "--first-number", "a"}).status, 2);
    EXPECT_EQ(RunCli({"pdf", "e2", "--file", "E1.dta", "--out", "x.pdf"}).status, 1) << "an E1 file is not an E2 statement";
    EXPECT_FALSE(folder.exists("x.pdf"));
}

TEST_F(CliPdf, TheTypefaceComesFromTheWorkingFolder) {
    folder.makeFolder("wParams");
    folder.writeFile("wParams/Font.txt", "Courier New\r\n");
    Build("E2.dta", test::kPrintSampleE2, "e2");
    // Every text of the page takes it: the form's own captions and the data alike.
    for (const auto& [kind, file] : {std::pair{"e1", "E1.dta"}, {"e2", "E2.dta"}, {"cars", "E1.dta"}}) {
        ASSERT_EQ(RunCli({"pdf", kind, "--file", file, "--out", "out.pdf"}).status, 0) << kind;
        const QStringList lines = test::PdfFonts("out.pdf");
        ASSERT_FALSE(lines.isEmpty()) << kind;
        for (const QString& line : lines)
            EXPECT_TRUE(line.contains("Mono") || line.contains("Courier")) << kind << ": " << line.toStdString();
    }
}

}  // namespace
}  // namespace dz
