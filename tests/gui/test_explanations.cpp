// Every figure explains itself: a line of the clearance window opens its explanation, whose codes
// lead to their boxes on the form.
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

#include "controls/explanation_box.h"
#include "e1/fi_e1.h"
#include "e1/live_clearance_panel.h"
#include "note/explanations.h"
#include "note/note_lines.h"
#include "notewindow/eka_grid.h"
#include "notewindow/fi_eka.h"
#include "tax/clearance.h"
#include "gui_helpers.h"
#include "test_e1_fixture.h"

namespace dz {
namespace {

// A salary of 30,000 and receipts of 2,000, computed and traced.
struct Salary {
    CodeTable codes;
    tax::ClearanceInputs inputs;
    tax::ResultSet results;
    tax::ClearanceTrace trace;

    Salary() {
        codes.Clear();
        codes.SetValue(301, 30000);
        codes.SetValue(49, 2000);
        trace = tax::TraceClearance(codes, inputs);
        CodeTable run = codes;
        tax::ClearanceInputs in = inputs;
        tax::ComputeClearance(run, in, results);
    }
};

TEST(Explanations, EachLineTellsItsAmountsCodesAndRules) {
    const Salary s;
    struct Case {
        int line;
        int person;
        const char* starts;
        std::vector<const char*> contains;
    };
    const Case cases[] = {
        {3, 0, "ΣΥΝΟΛΙΚΟ ΔΗΛΩΘΕΝ ΕΙΣΟΔΗΜΑ: υπόχρεος 30.000,00", {"301 (30.000,00)"}},
        {12, 0, "ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ ΚΑΙ ΣΥΜΠΛ/ΚΟΣ: υπόχρεος ", {"301 (30.000,00)", "049 (2.000,00)", "22% έως 25.000,00 €"}},
        {25, -1, "ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ: ", {"301 (30.000,00)", "Τελικό ποσό"}},
    };
    for (const Case& c : cases) {
        const Explanation e = ExplainLine(s.trace, s.codes, c.line, c.person);
        EXPECT_TRUE(e.text.startsWith(QString::fromUtf8(c.starts))) << "line " << c.line << ": " << e.text.toStdString();
        for (const char* part : c.contains)
            EXPECT_TRUE(e.text.contains(QString::fromUtf8(part))) << "line " << c.line << ": " << part;
        EXPECT_TRUE(e.codes.contains(301)) << "line " << c.line;
    }
    EXPECT_TRUE(ExplainLine(s.trace, s.codes, 15, -1).label.isEmpty()) << "a heading has nothing to explain";
    // The amount told is the one the line shows.
    const QString shown = FillEkaLines(s.results).person[0][12];
    EXPECT_TRUE(ExplainLine(s.trace, s.codes, 12, 0).text.contains(shown)) << shown.toStdString();
}

TEST(Explanations, EnterOnALineOpensItsExplanationAndACodeLeadsToItsBox) {
    const Salary s;
    std::vector<int> shownCodes;
    NoteExplaining explaining;
    explaining.explainLine = [&s](int line, int person) { return ExplainLine(s.trace, s.codes, line, person); };
    explaining.showCode = [&shownCodes](int code) { shownCodes.push_back(code); };
    ClearanceNote note;
    note.results = s.results;
    note.lines = FillEkaLines(s.results);
    TfiEka eka(note, {}, nullptr, explaining);
    eka.show();
    ASSERT_TRUE(eka.btExplain->isEnabled());

    eka.sgEka->setFocus();
    eka.sgEka->setCurrentCell(12, 1);
    QTest::keyClick(eka.sgEka, Qt::Key_Return);
    auto* box = eka.findChild<ExplanationBox*>();
    ASSERT_NE(box, nullptr) << "Enter on line 12 opens its explanation";
    EXPECT_TRUE(box->windowTitle().contains(QStringLiteral("ΦΟΡΟΣ ΠΟΥ ΑΝΑΛΟΓΕΙ")));
    const QString html = box->text->toHtml();
    EXPECT_TRUE(html.contains(QStringLiteral("code:301"))) << "code 301 is a link";
    EXPECT_TRUE(html.contains(QStringLiteral("code:49"))) << "code 049 is a link";

    emit box->text->anchorClicked(QUrl(QStringLiteral("code:301")));
    EXPECT_EQ(shownCodes, std::vector<int>{301}) << "the link shows the code's box";
    EXPECT_EQ(eka.result(), QDialog::Accepted) << "the clearance window makes way for the form";

    TfiEka plain(note);
    EXPECT_FALSE(plain.btExplain->isEnabled()) << "without explanations the button does nothing";
}

class E1ShowCode : public test::E1Window {};

TEST_F(E1ShowCode, TheFormsComputeCommandExplainsItsLinesAndACodeLinkReturnsToTheBox) {
    TypeAndLeave(QStringLiteral("edP301"), QStringLiteral("30000"));
    TypeAndLeave(QStringLiteral("edP049"), QStringLiteral("2000"));
    window->pcPages->setCurrentIndex(0);  // away from the box
    QString explained;
    test::WhenModal([&](QWidget* modal) {
        auto* eka = qobject_cast<TfiEka*>(modal);
        ASSERT_NE(eka, nullptr);
        eka->sgEka->setCurrentCell(12, 1);
        eka->ExplainCurrent();
        auto* box = eka->findChild<ExplanationBox*>();
        ASSERT_NE(box, nullptr);
        // The user clicks once the box is there: its activation must not arrive after it closed.
        ASSERT_TRUE(QTest::qWaitForWindowActive(box));
        explained = box->text->toPlainText();
        emit box->text->anchorClicked(QUrl(QStringLiteral("code:301")));
    });
    window->miEka2003->trigger();
    EXPECT_TRUE(explained.contains(QStringLiteral("301 (30.000,00)"))) << explained.toStdString();
    EXPECT_TRUE(explained.contains(QStringLiteral("049 (2.000,00)"))) << explained.toStdString();
    EXPECT_TRUE(window->ControlAs<QWidget>(QStringLiteral("edP301"))->hasFocus()) << "back at code 301's box";
}

TEST_F(E1ShowCode, AFigureOfTheLivePanelExplainsItselfAndLeadsToItsBoxes) {
    TypeAndLeave(QStringLiteral("edP301"), QStringLiteral("30000"));
    window->pcPages->setCurrentIndex(0);
    emit window->pnLive->LineActivated(QStringLiteral("IncomeTaxDue"), 0);
    auto* box = window->findChild<ExplanationBox*>();
    ASSERT_NE(box, nullptr) << "the figure opens its explanation";
    const QString text = box->text->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Φόρος που αναλογεί: υπόχρεος "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("301 (30.000,00)"))) << text.toStdString();
    emit box->text->anchorClicked(QUrl(QStringLiteral("code:301")));
    EXPECT_TRUE(window->ControlAs<QWidget>(QStringLiteral("edP301"))->hasFocus()) << "back at code 301's box";
}

TEST_F(E1ShowCode, ACodesBoxComesIntoViewWithTheFocus) {
    for (int code : {301, 851, 49, 5}) {
        window->ShowCode(code);
        QWidget* box = window->ControlAs<QWidget>(CodeControlName(code));
        ASSERT_NE(box, nullptr) << code;
        EXPECT_TRUE(box->hasFocus()) << code;
        EXPECT_FALSE(box->visibleRegion().isEmpty()) << code << " is in view";
    }
}

}  // namespace
}  // namespace dz
