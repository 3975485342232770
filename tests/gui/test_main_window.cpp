// The main window: captions, command enabling, forwarding, switches, closing.
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/clickable_picture.h"
#include "app/fi_main.h"
#include "model/atomic_file.h"
#include "app/fi_pro.h"
#include "controls/open_url.h"
#include "app/start_panel.h"
#include "gui_helpers.h"
#include "model/errors.h"
#include "support/about_box.h"
#include "support/test_folder.h"

namespace dz {
namespace {

using test::FakeEntry;
using test::WhenModal;

const QStringList kE1Items = {"miSave", "miPrint", "miEka2003", "miPreview", "miUndo", "miRedo"};
const QStringList kE2Items = {"miSave", "miSaveAs", "miPrint", "miEka2003"};  // miEka2003 only to prove F8 skips E2

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<TfiMain>();
        main->setShellWindows({});
    }
    void TearDown() override { main.reset(); }

    // A window set whose entry windows are fakes remembered in `e1`/`e2`.
    ShellWindows fakes() {
        ShellWindows w;
        w.newE1 = [this](QWidget*) -> QWidget* { return e1 = new FakeEntry("fiE1", kE1Items); };
        w.newE2 = [this](QWidget*) -> QWidget* { return e2 = new FakeEntry("fiE2", kE2Items); };
        w.loadE1 = [this](QWidget*) -> QWidget* { ++loads; return nullptr; };
        w.loadE2 = [this](QWidget*) -> QWidget* { ++loads; return nullptr; };
        w.fastEntry = [this](QWidget*) { ++fastEntries; };
        w.newVersion = [this](QWidget*) { ++versionChecks; };
        return w;
    }

    void showMain() {
        main->show();
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    static QStringList captions(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }

    test::TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TfiMain> main;
    QPointer<FakeEntry> e1;
    QPointer<FakeEntry> e2;
    int loads = 0;
    int fastEntries = 0;
    int versionChecks = 0;
};

TEST_F(MainWindowTest, CaptionMenusAndShortcutKeys) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("DOVAZEZ 2015 (VER 4.00)"));
    const QList<QAction*> menus = main->menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("Αρχείο"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Επεξεργασία"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Φυσικά Πρόσωπα"));
    EXPECT_EQ(menus[3]->text(), QStringLiteral("Ακίνητα"));
    EXPECT_EQ(menus[4]->text(), QStringLiteral("Βοηθητικά"));
    EXPECT_EQ(captions(menus[0]->menu()),
              (QStringList{"Αποθήκευση", "Αποθήκευση Ως...", "-", "Εκτύπωση", "-", "Έξοδος"}));
    EXPECT_EQ(captions(menus[1]->menu()), (QStringList{"Αναίρεση", "Επανάληψη"}));
    EXPECT_EQ(captions(menus[2]->menu()),
              (QStringList{"Δήλωση Εισοδήματος Ε1", "Σύντομη Δήλωση με κωδικούς Ε1", "Ευρετήριο Δηλώσεων Ε1"}));
    EXPECT_EQ(captions(menus[3]->menu()), (QStringList{"Δήλωση Μισθωμάτων Ακινήτων Ε2", "Ευρετήριο Δηλώσεων Ε2"}));
    EXPECT_EQ(captions(menus[4]->menu()),
              (QStringList{"Διαγραφή Αρχείων", "-", "-", "Πληροφορίες για το \"DOVAZEZ 2015\"", "-",
                           "Έλεγχος Νέας Έκδοσης", "Αυτόματος έλεγχος νέων εκδόσεων κατα την εκκίνηση"}));

    EXPECT_EQ(main->acE1->text(), QStringLiteral("Δήλωση Εισοδήματος Ε1 (Φυσικών Προσώπων)"));
    EXPECT_EQ(main->acE1->toolTip(), QStringLiteral("Δήλωση Ε1 (Φυσικών Προσώπων)"));
    EXPECT_EQ(main->acE2->text(), QStringLiteral("Δήλωση Μισθώματα Ακινήτων Ε2"));
    EXPECT_EQ(main->acE2->toolTip(), QStringLiteral("Δήλωση Ε2 (Μισθώματα Ακινήτων)"));
    EXPECT_EQ(main->acFastEntry->text(), QStringLiteral("Σύντομη Δήλωση με κωδικούς"));
    EXPECT_EQ(main->acFastEntry->toolTip(), QStringLiteral("Σύντομη Δήλωση"));
    EXPECT_EQ(main->acEka->text(), QStringLiteral("Εκκαθάριση φόρου"));

    EXPECT_EQ(main->acExit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(main->acSave->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(main->acEka->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(main->acUndo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_EQ(main->acRedo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_TRUE(main->miAutoCheck->isCheckable());
}

TEST_F(MainWindowTest, ToolBarAndStatusBarHoldTheirButtonsAndPanels) {
    EXPECT_EQ(main->tbSave->defaultAction(), main->acSave);
    EXPECT_EQ(main->tbPrint->defaultAction(), main->acPrint);
    EXPECT_EQ(main->tbPrint->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(main->tbEka->defaultAction(), main->acEka);
    EXPECT_EQ(main->tbBebeosi->text(), QStringLiteral("Εκτύπωση Βεβαιώσεων"));
    EXPECT_FALSE(main->tbBebeosi->isEnabled());
    EXPECT_EQ(main->Image1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(main->Image2->cursor().shape(), Qt::PointingHandCursor);

    const QStringList texts = {"PgDn = Επόμενη Σελίδα", "PgUp = Προηγούμενη Σελίδα", "Ctrl + PgDn = Μετακίνηση Κάτω",
                               "Ctrl + PgUp = Μετακίνηση Πάνω", "F2 = Αποθήκευση"};
    const int widths[] = {140, 150, 170, 170, 50};
    for (int i = 0; i < 5; ++i) {
        auto* panel = main->StatusBar->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr) << i;
        EXPECT_EQ(panel->text(), texts[i]);
        EXPECT_EQ(panel->minimumWidth(), widths[i]);
    }
}

TEST_F(MainWindowTest, CommandsWhoseWindowsDoNotExistStayDisabled) {
    main->updateCommands();
    for (QAction* a : {main->acE1, main->acE2, main->acLoadE1, main->acLoadE2, main->acFastEntry, main->N12})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(main->miE1->isEnabled());
    EXPECT_FALSE(main->MainPanel1->picture(1)->isEnabled());
    EXPECT_FALSE(main->MainPanel1->picture(3)->isEnabled());
    EXPECT_TRUE(main->acExit->isEnabled());
    EXPECT_TRUE(main->acEmptyFiles->isEnabled());
    EXPECT_TRUE(main->miAbout->isEnabled());
    EXPECT_TRUE(main->miAutoCheck->isEnabled());
}

TEST_F(MainWindowTest, WithoutChildWindowTheFileCommandsAreOffAndTheStartPanelShows) {
    main->setShellWindows(fakes());
    showMain();
    EXPECT_FALSE(main->acSave->isEnabled());
    EXPECT_FALSE(main->acSaveAs->isEnabled());
    EXPECT_FALSE(main->acPrint->isEnabled());
    EXPECT_FALSE(main->acEka->isEnabled());
    for (QAction* a : {main->acE1, main->acE2, main->acLoadE1, main->acLoadE2, main->acFastEntry, main->N12})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(main->miE1->isEnabled());
    EXPECT_TRUE(main->miE2->isEnabled());
    EXPECT_TRUE(main->miFastEntry->isEnabled());
    EXPECT_FALSE(main->StatusBar->isVisible());
    EXPECT_TRUE(main->MainPanel1->isVisible());
    EXPECT_EQ(main->childCount(), 0);
    EXPECT_EQ(main->activeChild(), nullptr);
}

TEST_F(MainWindowTest, WithE1OpenTheEntryCommandsAreOffAndComputeIsOn) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    EXPECT_EQ(main->childCount(), 1);
    EXPECT_EQ(main->activeChildName(), QStringLiteral("fiE1"));
    EXPECT_TRUE(main->acSave->isEnabled());
    EXPECT_TRUE(main->acSaveAs->isEnabled());
    EXPECT_TRUE(main->acPrint->isEnabled());
    EXPECT_TRUE(main->acEka->isEnabled());
    for (QAction* a : {main->acE1, main->acE2, main->acLoadE1, main->acLoadE2, main->acFastEntry})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(main->miE2->isEnabled());
    EXPECT_TRUE(main->N12->isEnabled());
    EXPECT_TRUE(main->StatusBar->isVisible());
    EXPECT_FALSE(main->MainPanel1->isVisible());

    // E2 cannot be opened beside E1, even by calling the handler.
    main->acE2Execute();
    EXPECT_FALSE(e2);
    EXPECT_EQ(main->childCount(), 1);
}

TEST_F(MainWindowTest, WithE2OpenComputeIsOff) {
    main->setShellWindows(fakes());
    showMain();
    main->acE2->trigger();
    ASSERT_TRUE(e2);
    EXPECT_EQ(main->activeChildName(), QStringLiteral("fiE2"));
    EXPECT_TRUE(main->acSave->isEnabled());
    EXPECT_FALSE(main->acEka->isEnabled());
}

TEST_F(MainWindowTest, SaveAsDoesNothingForE1AndComputeRunsItsItem) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    main->acSaveAs->trigger();
    EXPECT_TRUE(e1->runs.isEmpty());
    main->acSave->trigger();
    main->acPrint->trigger();
    main->acEka->trigger();
    EXPECT_EQ(e1->count("miSave"), 1);
    EXPECT_EQ(e1->count("miPrint"), 1);
    EXPECT_EQ(e1->count("miEka2003"), 1);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST_F(MainWindowTest, UndoAndRedoGoToTheEntryWindowAndFollowItsState) {
    main->setShellWindows(fakes());
    showMain();
    EXPECT_FALSE(main->acUndo->isEnabled()) << "no window, nothing to undo";
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    EXPECT_TRUE(main->acUndo->isEnabled());
    main->acUndo->trigger();
    main->acRedo->trigger();
    EXPECT_EQ(e1->count("miUndo"), 1);
    EXPECT_EQ(e1->count("miRedo"), 1);
    e1->findChild<QAction*>("miUndo")->setEnabled(false);
    EXPECT_FALSE(main->acUndo->isEnabled()) << "as the window's own command";
    EXPECT_TRUE(main->acRedo->isEnabled());
}

TEST_F(MainWindowTest, KeysF2AndF8ReachTheE1Window) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    QTest::keyClick(e1.data(), Qt::Key_F2);
    QTest::keyClick(e1.data(), Qt::Key_F8);
    EXPECT_EQ(e1->count("miSave"), 1);
    EXPECT_EQ(e1->count("miEka2003"), 1);
}

TEST_F(MainWindowTest, SaveAsRunsForE2AndF8DoesNothing) {
    main->setShellWindows(fakes());
    showMain();
    main->acE2->trigger();
    ASSERT_TRUE(e2);
    main->acSaveAs->trigger();
    EXPECT_EQ(e2->count("miSaveAs"), 1);
    QTest::keyClick(e2.data(), Qt::Key_F8);
    main->acEkaExecute();  // even the handler itself skips a window that is not fiE1
    EXPECT_EQ(e2->count("miEka2003"), 0);
    QTest::keyClick(e2.data(), Qt::Key_F2);
    EXPECT_EQ(e2->count("miSave"), 1);
}

TEST_F(MainWindowTest, ClosingTheEntryWindowGivesTheStartPanelBack) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    QPointer<QMdiSubWindow> frame = main->ClientArea->subWindowList().value(0);
    ASSERT_TRUE(frame);
    EXPECT_TRUE(frame->close());
    main->updateCommands();
    EXPECT_EQ(main->childCount(), 0);
    EXPECT_TRUE(main->acE1->isEnabled());
    EXPECT_TRUE(main->MainPanel1->isVisible());
    EXPECT_FALSE(main->StatusBar->isVisible());
    QTRY_VERIFY(!e1);  // the entry window was destroyed with its frame
}

TEST_F(MainWindowTest, AnEntryWindowThatClosesItselfIsGone) {
    main->setShellWindows(fakes());
    showMain();
    main->acE2->trigger();
    ASSERT_TRUE(e2);
    e2->setAttribute(Qt::WA_DeleteOnClose);
    EXPECT_TRUE(e2->close());  // as its own Escape handler would
    QTRY_VERIFY(main->acE1->isEnabled());
    EXPECT_EQ(main->childCount(), 0);
    QTRY_VERIFY(!e2);
    QTRY_VERIFY(main->ClientArea->subWindowList().isEmpty());
    EXPECT_TRUE(main->MainPanel1->isVisible());
}

TEST_F(MainWindowTest, IndexCommandsThatOpenNothingLeaveTheWindowAsItWas) {
    main->setShellWindows(fakes());
    showMain();
    main->acLoadE1->trigger();
    main->acLoadE2->trigger();
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(main->childCount(), 0);
    EXPECT_TRUE(main->MainPanel1->isVisible());
    main->acFastEntry->trigger();
    main->N12->trigger();
    EXPECT_EQ(fastEntries, 1);
    EXPECT_EQ(versionChecks, 1);
}

TEST_F(MainWindowTest, StartPanelButtonsMoveWhilePressedAndOpenTheirWindows) {
    main->setShellWindows(fakes());
    showMain();
    StartPanel* panel = main->MainPanel1;
    EXPECT_EQ(panel->objectName(), QStringLiteral("MainPanel1"));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(panel->picture(n)->property("tag").toInt(), n);
        EXPECT_EQ(panel->front(n)->size(), QSize(252, 219));
        EXPECT_EQ(panel->back(n)->size(), QSize(252, 225));
        const int above = n == 1 ? 4 : 7;
        EXPECT_EQ(panel->back(n)->pos() - panel->front(n)->pos(), QPoint(7, above)) << n;
    }
    QLabel* img = panel->picture(2);
    const QPoint home = panel->front(2)->pos();
    QTest::mousePress(img, Qt::LeftButton, {}, img->rect().center());
    EXPECT_EQ(panel->front(2)->pos(), home + QPoint(4, 4));
    EXPECT_EQ(panel->front(2)->palette().color(QPalette::Window), panel->pressedColour());
    EXPECT_FALSE(e2);  // opening waits for the release
    QTest::mouseRelease(img, Qt::LeftButton, {}, img->rect().center());
    EXPECT_EQ(panel->front(2)->pos(), home);
    EXPECT_EQ(panel->front(2)->palette().color(QPalette::Window), panel->highlightColour());
    EXPECT_TRUE(e2);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(MainWindowTest, StartPanelReleaseOutsideThePictureOpensNothing) {
    main->setShellWindows(fakes());
    showMain();
    QLabel* img = main->MainPanel1->picture(1);
    QTest::mousePress(img, Qt::LeftButton, {}, img->rect().center());
    QTest::mouseRelease(img, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(e1);
    EXPECT_EQ(main->MainPanel1->front(1)->pos(), QPoint(0, 0));
    QTest::mouseClick(main->MainPanel1->picture(3), Qt::LeftButton);
    EXPECT_EQ(versionChecks, 1);
}

TEST_F(MainWindowTest, DisabledStartButtonsIgnoreTheMouse) {
    showMain();  // no windows registered
    QLabel* img = main->MainPanel1->picture(1);
    QTest::mouseClick(img, Qt::LeftButton);
    EXPECT_EQ(main->MainPanel1->front(1)->pos(), QPoint(0, 0));
    EXPECT_EQ(main->childCount(), 0);
}

TEST(MainWindowAutoCheck, TickFollowsTheSwitchFileAtCreation) {
    test::TestFolder folder;
    {
        TfiMain main;
        EXPECT_FALSE(main.miAutoCheck->isChecked());
    }
    folder.writeFile("Autocheck15.ini", "anything");
    TfiMain main;
    EXPECT_TRUE(main.miAutoCheck->isChecked());
}

TEST_F(MainWindowTest, AutoCheckSwitchCreatesAndDeletesTheFile) {
    ASSERT_FALSE(main->miAutoCheck->isChecked());
    main->miAutoCheck->trigger();  // the click ticks the item, then the handler runs
    EXPECT_TRUE(main->miAutoCheck->isChecked());
    ASSERT_TRUE(folder.exists("Autocheck15.ini"));
    EXPECT_EQ(folder.readFile("Autocheck15.ini"), QByteArray("Not OK\r\n"));
    main->miAutoCheck->trigger();
    EXPECT_FALSE(main->miAutoCheck->isChecked());
    EXPECT_FALSE(folder.exists("Autocheck15.ini"));
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST_F(MainWindowTest, AutoCheckFailureIsShownAndTheTickShowsTheFile) {
    folder.makeFolder("Autocheck15.ini");  // neither writable as a file nor removable as one
    main->miAutoCheck->setChecked(false);
    main->miAutoCheck->trigger();
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 1);
    EXPECT_EQ(UserDialogs::ShownTexts()[0], FileWriteError(QStringLiteral("Autocheck15.ini"), QStringLiteral("υπάρχει φάκελος με αυτό το όνομα")));
    EXPECT_EQ(main->miAutoCheck->isChecked(), QFile::exists("Autocheck15.ini"));
}

TEST_F(MainWindowTest, EmptyFilesWithNoDeletesNothing) {
    folder.writeFile("Tables/E1123456789.dta", QByteArray(6991, '\0'));
    folder.writeFile("Tables/E2123456789.dta", QByteArray(7620, '\0'));
    UserDialogs::ScriptAnswers({false});
    main->acEmptyFiles->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(),
              QStringList{"Να γίνει διαγραφή όλων των αρχείων;  Προσοχή με την επιλογή αυτή διαγράφονται όλες οι δηλώσεις."});
    EXPECT_TRUE(folder.exists("Tables/E1123456789.dta"));
    EXPECT_TRUE(folder.exists("Tables/E2123456789.dta"));
}

TEST_F(MainWindowTest, EmptyFilesWithYesDeletesTheDeclarationFilesOnly) {
    folder.writeFile("Tables/E1123456789.dta", QByteArray(6991, '\0'));
    folder.writeFile("Tables/E1987654321.dta", QByteArray(6991, '\0'));
    folder.writeFile("Tables/E2123456789.dta", QByteArray(7620, '\0'));
    folder.writeFile("Tables/Doys.txt", "ΑΘΗΝΩΝ Α;1101");
    folder.writeFile("Pro2015.rtf", "{\\rtf1 x}");
    UserDialogs::ScriptAnswers({true});
    main->acEmptyFiles->trigger();
    EXPECT_FALSE(folder.exists("Tables/E1123456789.dta"));
    EXPECT_FALSE(folder.exists("Tables/E1987654321.dta"));
    EXPECT_FALSE(folder.exists("Tables/E2123456789.dta"));
    EXPECT_TRUE(folder.exists("Tables/Doys.txt"));
    EXPECT_TRUE(folder.exists("Pro2015.rtf"));
    EXPECT_EQ(UserDialogs::ShownTexts(),
              (QStringList{"Να γίνει διαγραφή όλων των αρχείων;  Προσοχή με την επιλογή αυτή διαγράφονται όλες οι δηλώσεις.",
                           "Διαγράφηκαν 3 αρχεία δηλώσεων από τον φάκελο Tables."}));
}

TEST_F(MainWindowTest, EmptyFilesWithoutTablesFolderDoesNothing) {
    UserDialogs::ScriptAnswers({true});
    main->acEmptyFiles->trigger();
    ASSERT_EQ(UserDialogs::ShownTexts().size(), 2);
    EXPECT_EQ(UserDialogs::ShownTexts()[1], QStringLiteral("Δεν υπήρχε κανένα αρχείο δήλωσης στον φάκελο Tables."));
}

TEST_F(MainWindowTest, AFailingCommandShowsOneBoxAndTheProgramGoesOn) {
    int calls = 0;
    ShellWindows w = fakes();
    w.newE1 = [&calls](QWidget*) -> QWidget* {
        ++calls;
        throw IoError(QStringLiteral("Δεν είναι δυνατό το άνοιγμα του αρχείου Tables/E1123.dta"));
    };
    w.fastEntry = [](QWidget*) { throw std::runtime_error("disk full"); };
    main->setShellWindows(w);
    showMain();
    main->acE1->trigger();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(UserDialogs::ShownTexts(),
              QStringList{"Δεν είναι δυνατό το άνοιγμα του αρχείου Tables/E1123.dta"});
    EXPECT_EQ(main->childCount(), 0);
    main->acFastEntry->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts().size(), 2);
    EXPECT_EQ(UserDialogs::ShownTexts().last(), QStringLiteral("disk full"));
    // And the program goes on: the next command works.
    main->acE2->trigger();
    EXPECT_TRUE(e2);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, AFailingForwardedItemIsShownOnce) {
    ShellWindows w = fakes();
    main->setShellWindows(w);
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    auto* save = e1->findChild<QAction*>("miSave");
    QObject::connect(save, &QAction::triggered, [] { throw DataError(QStringLiteral("Ο αριθμός μηνών είναι εκτός ορίων")); });
    main->acSave->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{"Ο αριθμός μηνών είναι εκτός ορίων"});
    EXPECT_EQ(main->childCount(), 1);
}

TEST_F(MainWindowTest, ClosingWithAModifiedEntryWindowAsksAndSavesOnYes) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    e1->modified = true;
    UserDialogs::ScriptAnswers({true});
    main->acExit->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{test::kCloseQuestion});
    EXPECT_FALSE(main->isVisible());
    ASSERT_TRUE(e1);  // destroyed later by the event loop
    EXPECT_EQ(e1->count("miSave"), 1);
}

TEST_F(MainWindowTest, ClosingWithAModifiedEntryWindowDiscardsOnNo) {
    main->setShellWindows(fakes());
    showMain();
    main->acE2->trigger();
    ASSERT_TRUE(e2);
    e2->modified = true;
    UserDialogs::ScriptAnswers({false});
    EXPECT_TRUE(main->close());
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{test::kCloseQuestion});
    ASSERT_TRUE(e2);
    EXPECT_EQ(e2->count("miSave"), 0);
}

TEST_F(MainWindowTest, AnEntryWindowThatRefusesKeepsTheProgramOpen) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    ASSERT_TRUE(e1);
    e1->refuseClose = true;
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(e1->closeRequests, 1);
    EXPECT_EQ(main->childCount(), 1);
    EXPECT_TRUE(main->acSave->isEnabled());
    e1->refuseClose = false;
    EXPECT_TRUE(main->close());
}

TEST_F(MainWindowTest, ClosingWithoutChangesAsksNothing) {
    main->setShellWindows(fakes());
    showMain();
    main->acE1->trigger();
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST_F(MainWindowTest, FirstActivationShowsTheInformationOnce) {
    folder.writeFile("Pro2015.rtf", "{\\rtf1\\ansi Hello}");
    int shown = 0;
    QString text;
    EXPECT_TRUE(main->firstActivation());
    WhenModal([&](QWidget* modal) {
        auto* pro = qobject_cast<TfiPro*>(modal);
        if (!pro) {
            modal->close();
            return;
        }
        ++shown;
        text = pro->rePro->toPlainText();
        pro->close();
    });
    main->show();
    QApplication::setActiveWindow(main.get());
    QTRY_COMPARE(shown, 1);
    EXPECT_EQ(text, QStringLiteral("Hello"));
    EXPECT_FALSE(main->firstActivation());
    EXPECT_TRUE(folder.exists("Pro2015.rtf"));  // closed without ticking

    // Later activations show nothing.
    WhenModal([&](QWidget* modal) {
        ++shown;
        modal->close();
    }, 300);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(main.get(), &activate);
    main->FormActivate();
    QTest::qWait(400);
    EXPECT_EQ(shown, 1);
}

TEST_F(MainWindowTest, FirstActivationWithoutTheFileShowsNothing) {
    showMain();
    QTRY_VERIFY(!main->firstActivation());
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, AboutOpensTheAboutBoxModally) {
    QString caption;
    WhenModal([&](QWidget* modal) {
        auto* about = qobject_cast<TfiAbout*>(modal);
        caption = modal->windowTitle();
        if (about) about->BitBtn1->click();
        else modal->close();
    });
    main->miAbout->trigger();
    EXPECT_EQ(caption, QStringLiteral("Πληροφορίες για το \" Δελτανό 2015\""));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, ToolBarPicturesOpenTheTwoSites) {
    UrlRecorder urls;
    showMain();
    QTest::mouseClick(main->Image1, Qt::LeftButton);
    QTest::mouseClick(main->Image2, Qt::LeftButton);
    ASSERT_EQ(urls.urls().size(), 2);
    EXPECT_EQ(urls.urls()[0], QUrl("http://www.dovazez.gr"));
    EXPECT_EQ(urls.urls()[1], QUrl("http://www.dovazez-dianomi.gr"));
}

TEST_F(MainWindowTest, InstanceIsTheLivingMainWindow) {
    EXPECT_EQ(TfiMain::Instance(), main.get());
    main.reset();
    EXPECT_EQ(TfiMain::Instance(), nullptr);
}

}  // namespace
}  // namespace dz
