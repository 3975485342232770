// The E1 window's live clearance panel: the figures F8 shows as the user types, their changes
// since opening or saving, F9 and its button, the state kept between windows, the lines' signal.
#include <QFile>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <set>
#include <utility>
#include <vector>
#include <string>

#include "e1/fi_e1_open.h"
#include "e1/live_clearance_panel.h"
#include "gui_helpers.h"
#include "notewindow/eka_grid.h"
#include "notewindow/fi_eka.h"
#include "test_e1_fixture.h"

namespace dz::test {
namespace {

constexpr int kJoint = LiveClearancePanel::kJoint;

// The panel's figures and the clearance lines that show the same amounts.
const struct {
    const char* result;
    int line;
    bool joint;
} kFigures[] = {
    {"TotalIncome", 3, false},     {"IncomeTaxDue", 12, false}, {"SolidarityContribution", 22, false},
    {"ProfessionalFee", 23, false}, {"LuxuryTax", 24, false},   {"FinalBalance", 25, true},
};

class E1LiveClearance : public E1Window {
protected:
    void SetUp() override {
        // Every test starts from the program's first run: no state kept yet.
        QFile::remove(TfiE1::LivePanelSettingsFile());
        E1Window::SetUp();
    }
    void TearDown() override {
        E1Window::TearDown();
        QFile::remove(TfiE1::LivePanelSettingsFile());
    }

    LiveClearancePanel& Panel() const { return *window->pnLive; }

    // Backspace pressed `count` times at the end of a field's text.
    void Backspace(const QString& name, int count) const {
        QLineEdit* field = edit(name);
        ShowPageOf(field);
        field->setFocus(Qt::TabFocusReason);
        field->end(false);
        for (int i = 0; i < count; ++i) QTest::keyClick(field, Qt::Key_Backspace);
    }

    // What F8 shows, as the clearance grid's rows: row n is clearance line n.
    std::vector<std::array<QString, 2>> ClearanceWindowLines() const {
        std::vector<std::array<QString, 2>> rows(26);
        bool shown = false;
        WhenModal([&](QWidget* modal) {
            auto* eka = qobject_cast<TfiEka*>(modal);
            ASSERT_NE(eka, nullptr);
            for (int line = 1; line <= 25; ++line)
                rows[line] = {eka->sgEka->cellText(line, 1), eka->sgEka->cellText(line, 2)};
            shown = true;
            eka->close();
        });
        window->miEka2003->trigger();
        EXPECT_TRUE(shown) << "the clearance window did not open";
        return rows;
    }

    // Every figure of the panel against its line of the clearance window.
    void ExpectPanelAsClearanceWindow(const std::string& step) const {
        const auto rows = ClearanceWindowLines();
        for (const auto& figure : kFigures) {
            const QString result = QLatin1String(figure.result);
            for (int p = 0; p < (figure.joint ? 1 : 2); ++p)
                EXPECT_EQ(Panel().Figure(result, figure.joint ? kJoint : p).toStdString(),
                          rows[figure.line][p].toStdString())
                    << step << ": " << figure.result << " of person " << p;
        }
    }
};

struct Step {
    const char* name;
    std::function<void()> act;
};

TEST_F(E1LiveClearance, EveryKeystrokeShowsWhatTheClearanceWindowShows) {
    ScriptedDialogs dialogs;
    ASSERT_EQ(LiveClearancePanel::Lines().size(), std::size(kFigures)) << "the panel shows these figures and no more";
    ExpectPanelAsClearanceWindow("empty declaration");
    for (const auto& figure : kFigures)
        EXPECT_EQ(Panel().Figure(QLatin1String(figure.result), figure.joint ? kJoint : 0), QString())
            << "an empty declaration shows no " << figure.result;

    const Step steps[] = {
        {"taxpayer's salary", [this] { Type("edP301", "30.000,00"); }},
        {"spouse's salary", [this] { Type("edP302", "18.500,00"); }},
        {"married ticked", [this] { Click("cbMarried"); }},
        {"taxpayer's tax withheld", [this] { Type("edP315", "4.100,00"); }},
        {"spouse's tax withheld", [this] { Type("edP316", "1.900,00"); }},
        {"rents of both", [this] { Type("edP103", "6.000,00"); Type("edP104", "2.000,00"); }},
        {"a large car", [this] {
             Type("edCarIppoi1", "2500");
             Type("edCarMonths1", "12");
             Type("edCarPosost1", "100");
             Type("edCarYear1", "2012");
         }},
        {"the car's expenditure of both", [this] { Type("edP851", "6.000,00"); Type("edP852", "3.000,00"); }},
        {"business income of the spouse", [this] { Type("edP402", "12.000,00"); }},
        {"professional fee of both", [this] { Click("cbP889"); Click("cbP890"); }},
        {"salary corrected with Backspace", [this] { Backspace("edP301", 6); }},
        {"tax withheld above the tax", [this] { Type("edP315", "20.000,00"); }},
    };
    // Each figure shows an amount at some step, so that a figure taken from a wrong line shows.
    std::set<std::pair<std::string, int>> shown;
    for (const Step& step : steps) {
        step.act();
        ExpectPanelAsClearanceWindow(step.name);
        for (const auto& figure : kFigures)
            for (const int person : figure.joint ? std::vector{kJoint} : std::vector{0, 1})
                if (!Panel().Figure(QLatin1String(figure.result), person).isEmpty()) shown.insert({figure.result, person});
    }
    for (const auto& figure : kFigures)
        for (const int person : figure.joint ? std::vector{kJoint} : std::vector{0, 1})
            EXPECT_TRUE(shown.count({figure.result, person})) << figure.result << " of person " << person << " never showed an amount";
}

TEST_F(E1LiveClearance, FiguresFollowEachKeyNotOnlyALeftField) {
    ScriptedDialogs dialogs;
    Type(QStringLiteral("edP301"), QStringLiteral("1"));
    EXPECT_EQ(Panel().Figure(QStringLiteral("TotalIncome"), 0), QStringLiteral("1,00"));
    Type(QStringLiteral("edP301"), QStringLiteral("12"));
    EXPECT_EQ(Panel().Figure(QStringLiteral("TotalIncome"), 0), QStringLiteral("12,00"));
    EXPECT_TRUE(edit(QStringLiteral("edP301"))->hasFocus()) << "the typing stays in the field";
}

TEST_F(E1LiveClearance, BalanceCaptionFollowsItsSign) {
    ScriptedDialogs dialogs;
    const struct {
        const char* name;
        const char* withheld;  // code 315
        const char* caption;
        bool signedNegative;
    } cases[] = {
        {"nothing withheld", "", "Ποσό για πληρωμή", false},
        {"more withheld than the tax", "9.000,00", "Ποσό για επιστροφή", true},
    };
    Type(QStringLiteral("edP301"), QStringLiteral("30.000,00"));
    for (const auto& c : cases) {
        Type(QStringLiteral("edP315"), QString::fromUtf8(c.withheld));
        if (!*c.withheld) edit(QStringLiteral("edP315"))->clear();
        const QString figure = Panel().Figure(QStringLiteral("FinalBalance"), kJoint);
        EXPECT_EQ(Panel().BalanceCaption(), QString::fromUtf8(c.caption)) << c.name << ", balance " << figure.toStdString();
        EXPECT_EQ(figure.startsWith(u'-'), c.signedNegative) << c.name << ", balance " << figure.toStdString();
    }
    edit(QStringLiteral("edP301"))->clear();
    edit(QStringLiteral("edP315"))->clear();
    EXPECT_EQ(Panel().BalanceCaption(), QStringLiteral("Μηδενικό αποτέλεσμα")) << "nothing declared";
}

TEST_F(E1LiveClearance, ChangesCountFromOpeningOrSaving) {
    ScriptedDialogs dialogs;
    const QString income = QStringLiteral("TotalIncome");
    Type(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    Type(QStringLiteral("edP301"), QStringLiteral("30.000,00"));
    EXPECT_EQ(Panel().Change(income, 0), QStringLiteral("+30.000,00")) << "from the empty window";
    EXPECT_EQ(Panel().Change(income, 1), QString()) << "the spouse's income did not change";

    window->miSave->trigger();
    for (const auto& figure : kFigures)
        for (int p = 0; p < (figure.joint ? 1 : 2); ++p)
            EXPECT_EQ(Panel().Change(QLatin1String(figure.result), figure.joint ? kJoint : p), QString())
                << "after the save: " << figure.result << " of person " << p;

    Type(QStringLiteral("edP301"), QStringLiteral("31.000,00"));
    EXPECT_EQ(Panel().Change(income, 0), QStringLiteral("+1.000,00")) << "since the save";
    Backspace(QStringLiteral("edP301"), 4);  // "31000,00" becomes 3100
    EXPECT_EQ(Panel().Change(income, 0), QStringLiteral("-26.900,00")) << "a correction below the saved amount";

    // Hidden, the panel computes nothing; shown again it counts from the save all the same.
    window->miLiveClearance->trigger();
    Type(QStringLiteral("edP301"), QStringLiteral("30.500,00"));
    window->miLiveClearance->trigger();
    EXPECT_EQ(Panel().Change(income, 0), QStringLiteral("+500,00")) << "shown again after typing while hidden";

    // An opened declaration starts with no changes and the figures of its own.
    window->SetModified(false);
    auto* opened = new TfiE1;
    LoadE1Declaration(*opened, QStringLiteral("123456783"));
    EXPECT_EQ(opened->pnLive->Figure(income, 0), QStringLiteral("30.000,00")) << "the opened declaration";
    EXPECT_EQ(opened->pnLive->Change(income, 0), QString()) << "the opened declaration";
    delete opened;
}

TEST_F(E1LiveClearance, F9AndTheButtonHideAndShowThePanel) {
    ScriptedDialogs dialogs;
    ASSERT_FALSE(Panel().isHidden()) << "shown at the first run";
    EXPECT_TRUE(window->miLiveClearance->toolTip().contains(QStringLiteral("F9")));
    auto* button = qobject_cast<QToolButton*>(
        window->findChild<QToolBar*>(QStringLiteral("tbLiveClearance"))->widgetForAction(window->miLiveClearance));
    ASSERT_NE(button, nullptr);
    QLineEdit* field = edit(QStringLiteral("edP301"));
    ShowPageOf(field);
    field->setFocus();

    const struct {
        const char* name;
        bool byKey;
        bool shownAfter;
    } cases[] = {{"F9 hides", true, false}, {"F9 shows", true, true}, {"the button hides", false, false},
                 {"the button shows", false, true}};
    for (const auto& c : cases) {
        if (c.byKey) QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        else QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(!Panel().isHidden(), c.shownAfter) << c.name;
        EXPECT_EQ(window->miLiveClearance->isChecked(), c.shownAfter) << c.name;
        EXPECT_EQ(button->isChecked(), c.shownAfter) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), field) << c.name << ": the typing goes on in the field";
    }
}

TEST_F(E1LiveClearance, AFieldTooWideToShowBesideThePanelGetsTheWholeWidth) {
    ScriptedDialogs dialogs;
    window->resize(1024, 768);
    QCoreApplication::processEvents();
    const struct {
        const char* field;
        bool panelShown;
    } cases[] = {{"edEkprosopos", false}, {"edEkprosAFM", true}, {"edEkprosopos", false}, {"edDoy", true}};
    for (const auto& c : cases) {
        QLineEdit* field = edit(QLatin1String(c.field));
        ShowPageOf(field);
        field->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(!Panel().isHidden(), c.panelShown) << c.field;
        EXPECT_TRUE(window->miLiveClearance->isChecked()) << c.field << ": the panel stays on";
        const QWidget* view = field->parentWidget()->parentWidget();  // the page's viewport
        const QRect place(field->mapTo(view, QPoint(0, 0)), field->size());
        EXPECT_TRUE(view->rect().contains(place)) << c.field << " is shown whole";
    }
    // Shown again, the panel shows the figures typed while it stood aside.
    edit(QStringLiteral("edEkprosopos"))->setFocus(Qt::TabFocusReason);
    window->ControlAs<QLineEdit>(QStringLiteral("edP301"))->setText(QStringLiteral("1.000,00"));
    edit(QStringLiteral("edDoy"))->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Panel().Figure(QStringLiteral("TotalIncome"), 0), QStringLiteral("1.000,00"));
}

TEST_F(E1LiveClearance, CtrlF9TakesTheKeysToTheFiguresAndEscapeBringsThemBack) {
    ScriptedDialogs dialogs;
    Type(QStringLiteral("edP301"), QStringLiteral("30.000,00"));
    QLineEdit* field = edit(QStringLiteral("edP301"));
    QSignalSpy spy(&Panel(), &LiveClearancePanel::LineActivated);
    QTest::keyClick(field, Qt::Key_F9, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Panel().Table()) << "Ctrl+F9 goes to the figures";
    QTest::keyClick(Panel().Table(), Qt::Key_Down);
    QTest::keyClick(Panel().Table(), Qt::Key_Return);
    ASSERT_EQ(spy.count(), 1) << "Enter on a figure";
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("TotalIncome")) << "the arrow moved to the change of the same figure";
    QTest::keyClick(Panel().Table(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), field) << "Escape comes back to the field";
    EXPECT_TRUE(window->isVisible()) << "Escape among the figures does not close the window";
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList()) << "and asks nothing";
}

TEST_F(E1LiveClearance, ANewWindowOpensAsTheLastWasLeft) {
    ScriptedDialogs dialogs;
    ASSERT_TRUE(TfiE1::LivePanelSettingsFile().contains(QStringLiteral(".qttest")))
        << "the test keeps away from the user's settings";
    for (const bool shown : {false, true, false}) {
        if (window->miLiveClearance->isChecked() != shown) window->miLiveClearance->trigger();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window = new TfiE1;
        window->resize(1100, 800);
        window->show();
        EXPECT_EQ(!window->pnLive->isHidden(), shown) << "left " << (shown ? "shown" : "hidden");
        EXPECT_EQ(window->miLiveClearance->isChecked(), shown) << "left " << (shown ? "shown" : "hidden");
    }
}

TEST_F(E1LiveClearance, ActivatingALineNamesItsResultAndPerson) {
    ScriptedDialogs dialogs;
    Type(QStringLiteral("edP301"), QStringLiteral("30.000,00"));
    QTableWidget* table = Panel().Table();
    QSignalSpy spy(&Panel(), &LiveClearancePanel::LineActivated);
    for (const auto& figure : kFigures) {
        for (int p = 0; p < (figure.joint ? 1 : 2); ++p) {
            const int person = figure.joint ? kJoint : p;
            const std::string name = std::string(figure.result) + " of person " + std::to_string(person);
            QTableWidgetItem* item = Panel().FigureItem(QLatin1String(figure.result), person);
            ASSERT_NE(item, nullptr) << name;
            table->scrollToItem(item);
            for (const bool click : {true, false}) {
                spy.clear();
                if (click) {
                    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(item).center());
                } else {
                    table->setCurrentItem(item);
                    QTest::keyClick(table, Qt::Key_Return);
                }
                ASSERT_EQ(spy.count(), 1) << name << (click ? " clicked" : " by Enter");
                EXPECT_EQ(spy.at(0).at(0).toString().toStdString(), figure.result) << name;
                EXPECT_EQ(spy.at(0).at(1).toInt(), person) << name;
            }
        }
    }
}

}  // namespace
}  // namespace dz::test
