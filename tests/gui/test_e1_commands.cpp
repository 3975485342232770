// The E1 window's commands: the modified mark and the closing questions, saving, computing; the main window's E1 commands.
#include <QTableWidget>

#include <QFile>

#include "controls/fi_entypa_list.h"
#include "app/fi_main.h"
#include "notewindow/fi_eka.h"
#include "e1/fi_e1_open.h"
#include "gui_helpers.h"
#include "model/declaration_file.h"
#include "tax/clearance.h"
#include "test_e1_fixture.h"

#include "declaration/e1_form.h"

namespace dz::test {
namespace {

class E1Commands : public E1Window {
protected:
    void TypeADeclaration();
};

const QString kCloseQuestion = QStringLiteral("Έχετε κάνει μεταβολές στη Δήλωση. Να αποθηκευτούν πρίν από την έξοδo;");
const QString kEscapeQuestion = QStringLiteral("Οι αλλαγές που κάνατε δεν θα αποθηκευτόυν. Να συνεχιστεί η έξοδος ;");
const QString kNoAfm = QStringLiteral(
    "Προσοχή δεν έχετε δηλώσει τον Α.Φ.Μ. Αν θέλετε να καταχωρίσετε πολλές δηλώσεις ο Α.Φ.Μ. είναι απαραίτητος.");

void Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(E1Commands, EveryEditMarksTheDeclaration) {
    // Fields whose changes once went unnoticed, a plain field, boxes and the tax-office list.
    const char* fields[] = {"edP005", "edP003", "edP931", "edP253", "edP467", "edP475", "edBigName", "edP301"};
    for (const char* field : fields) {
        window->SetModified(false);
        TypeAndLeave(QLatin1String(field), QStringLiteral("1"));
        EXPECT_TRUE(window->Modified()) << field;
    }
    for (const char* name : {"cbMarried", "cbP013", "cbTelos500F", "cbBoatType2"}) {
        window->SetModified(false);
        Click(QLatin1String(name));
        EXPECT_TRUE(window->Modified()) << name;
    }
    window->SetModified(false);
    window->GatherDeclaration();  // sets the hidden carriers, which is no edit
    EXPECT_FALSE(window->Modified());
}

TEST_F(E1Commands, ClosingQuestions) {
    const struct {
        const char* name;
        bool modified;
        bool escape;  // Escape in a field, else the window's close
        std::initializer_list<bool> answers;
        QStringList asked;
        bool closed;
        bool saved;
    } cases[] = {
        {"unchanged, Escape", false, true, {}, {}, true, false},
        {"unchanged, close", false, false, {}, {}, true, false},
        {"changed, close, do not save", true, false, {false}, {kCloseQuestion}, true, false},
        {"changed, close, save", true, false, {true}, {kCloseQuestion, kSaveSucceeded}, true, true},
        {"changed, Escape, stay", true, true, {false}, {kEscapeQuestion}, false, false},
        {"changed, Escape, leave without saving", true, true, {true, false}, {kEscapeQuestion, kCloseQuestion}, true,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(QStringLiteral("Tables/E1123456783.dta"));
        QPointer<TfiE1> w = new TfiE1;
        w->show();
        QApplication::setActiveWindow(w);
        w->ControlAs<QLineEdit>(QStringLiteral("edAFM"))->setText(QStringLiteral("123456783"));
        w->SetModified(c.modified);
        ScriptedDialogs dialogs(c.answers);
        if (c.escape) QTest::keyClick(w->Control(QStringLiteral("edBigName")), Qt::Key_Escape);
        else w->close();
        Settle();
        EXPECT_EQ(UserDialogs::ShownTexts(), c.asked);
        EXPECT_EQ(w.isNull(), c.closed);
        EXPECT_EQ(folder.exists(QStringLiteral("Tables/E1123456783.dta")), c.saved);
        if (w) {
            w->SetModified(false);
            delete w;
        }
    }
}

TEST_F(E1Commands, SavingWarnsOfAMissingTaxNumberAndClearsTheMarkWhateverTheAnswer) {
    TypeAndLeave(QStringLiteral("edBigName"), QStringLiteral("ΧΩΡΙΣ ΑΦΜ"));
    {
        ScriptedDialogs dialogs;
        window->miSave->trigger();
        EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{kNoAfm, kSaveSucceeded}));
    }
    EXPECT_TRUE(folder.exists(QStringLiteral("Tables/E1.dta")));
    EXPECT_FALSE(window->Modified());

    // The file is there: keeping it still clears the mark, so closing asks nothing.
    TypeAndLeave(QStringLiteral("edName"), QStringLiteral("ΑΛΛΟ"));
    {
        ScriptedDialogs dialogs({false});
        window->miSave->trigger();
        EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{kNoAfm, kOverwriteQuestion}));
    }
    EXPECT_FALSE(window->Modified());
    ScriptedDialogs dialogs;
    window->close();
    Settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST_F(E1Commands, AReadOnlyDeclarationIsNotReplacedAndTheWindowKeepsItsChanges) {
    TypeAndLeave(QStringLiteral("edAFM"), QStringLiteral("123456783"));
    {
        ScriptedDialogs dialogs;
        window->miSave->trigger();
    }
    const QString saved = QStringLiteral("Tables/E1123456783.dta");
    const QByteArray earlier = folder.readFile(saved);
    QFile::setPermissions(folder.file(saved), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    TypeAndLeave(QStringLiteral("edBigName"), QStringLiteral("ΝΕΟ ΕΠΩΝΥΜΟ"));
    {
        ScriptedDialogs dialogs;  // no answers: the overwrite question must not come
        window->miSave->trigger();
        ASSERT_EQ(UserDialogs::ShownTexts().size(), 1);
        EXPECT_TRUE(UserDialogs::ShownTexts()[0].contains(saved)) << UserDialogs::ShownTexts()[0].toStdString();
        EXPECT_TRUE(UserDialogs::ShownTexts()[0].contains(QStringLiteral("μόνο για ανάγνωση")))
            << UserDialogs::ShownTexts()[0].toStdString();
    }
    EXPECT_TRUE(window->Modified()) << "the changes are still to be saved";
    EXPECT_EQ(folder.readFile(saved), earlier);
    EXPECT_FALSE(QFile::permissions(folder.file(saved)) & QFileDevice::WriteOwner) << "still read-only";
    QFile::setPermissions(folder.file(saved), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// A declaration typed through the window and saved.
void E1Commands::TypeADeclaration() {
    const struct {
        const char* field;
        const char* typed;
    } typing[] = {
        {"edAFM", "123456783"}, {"edEkprot", "4"},        {"edP301", "30000,125"}, {"edP302", "18500"},
        {"edP313", "4100"},     {"edP315", "3900,5"},     {"edP005", "1"},         {"edP401", "12000"},
        {"edP049", "9000"},     {"edP051", "700"},        {"edP931", "2"},         {"edP933", "6"},
        {"edP211", "120"},      {"edP213", "100"},        {"edP215", "12"},        {"edP216", "2900"},
        {"edCarIppoi1", "2600"}, {"edCarMonths1", "12"},  {"edCarPosost1", "100"}, {"edCarYear1", "2008"},
        {"edCarIppoi2", "2000"}, {"edCarMonths2", "12"},  {"edCarPosost2", "50"},  {"edCarYear2", "2006"},
        {"edScafosLen", "8"},   {"edScafosMonths", "12"}, {"edScafosPososto1", "100"}, {"edP961", "2010"},
        {"edDexamOutMetr", "40"}, {"edDexamPosOut", "100"}, {"edP740", "12"},     {"edP715", "1500"},
    };
    ScriptedDialogs dialogs;
    for (const auto& t : typing) TypeAndLeave(QLatin1String(t.field), QString::fromUtf8(t.typed));
    for (const char* box : {"cbMarried", "cbP013", "cbCarWhich2", "cbBoatType0", "cbTelos500S", "cbP887", "cbExairesiS",
                            "cbTelos400F"})
        Click(QLatin1String(box));
    window->miSave->trigger();
}

TEST_F(E1Commands, ComputesWhatTheCommandLineComputesForTheSavedFile) {
    TypeADeclaration();
    auto* reopened = new TfiE1;
    LoadE1Declaration(*reopened, QStringLiteral("123456783"));

    CodeTable windowCodes;
    tax::ClearanceInputs windowInputs;
    reopened->ComputeInputs(windowCodes, windowInputs);
    CodeTable fileCodes;
    tax::ClearanceInputs fileInputs;
    const E1Form fileForm = FormOfDeclaration(reopened->Declaration());
    InputsOfForm(fileForm, fileCodes, fileInputs);
    // The window shows exactly the form the saved file gives, box by box.
    const E1Form windowForm = reopened->Form();
    EXPECT_EQ(windowForm.ticked, fileForm.ticked);
    for (auto it = fileForm.boxes.cbegin(); it != fileForm.boxes.cend(); ++it) {
        EXPECT_EQ(windowForm.Text(it.key()), it.value().text) << it.key().toStdString();
        EXPECT_EQ(windowForm.Number(it.key()), it.value().number) << it.key().toStdString();
    }
    EXPECT_EQ(windowForm.boxes.size(), fileForm.boxes.size());
    for (int code = 0; code < CodeTable::kSlots; ++code)
        EXPECT_EQ(std::memcmp(&windowCodes.Slots()[code], &fileCodes.Slots()[code], sizeof(double)), 0)
            << "code " << code << ": " << windowCodes[code] << " / " << fileCodes[code];
    EXPECT_EQ(windowInputs.Married, fileInputs.Married);
    EXPECT_EQ(windowInputs.LateMonths, 4);
    EXPECT_EQ(windowInputs.LateMonths, fileInputs.LateMonths);
    EXPECT_EQ(windowInputs.FeeExempt, fileInputs.FeeExempt);
    EXPECT_EQ(windowInputs.FeeSeatTourist, fileInputs.FeeSeatTourist);
    EXPECT_EQ(windowInputs.FeeSeatLargeCity, fileInputs.FeeSeatLargeCity);
    EXPECT_EQ(windowInputs.FeeSeatLargeCity, (tax::FlagPair{false, true}));
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(windowInputs.LuxuryAssets.Base5[p], fileInputs.LuxuryAssets.Base5[p]) << p;
        EXPECT_EQ(windowInputs.LuxuryAssets.Base13[p], fileInputs.LuxuryAssets.Base13[p]) << p;
    }
    EXPECT_GT(windowInputs.LuxuryAssets.Base13[0], 0) << "the 2600 cc car, the boat, the pool, the aircraft";
    EXPECT_GT(windowInputs.LuxuryAssets.Base5[1], 0) << "the spouse's 2000 cc car";

    tax::ResultSet fromWindow;
    tax::ResultSet fromFile;
    tax::ComputeClearance(windowCodes, windowInputs, fromWindow);
    tax::ComputeClearance(fileCodes, fileInputs, fromFile);
    EXPECT_EQ(fromWindow.FinalBalance, fromFile.FinalBalance);
    EXPECT_EQ(fromWindow.LeviesTotal, fromFile.LeviesTotal);
    EXPECT_EQ(fromWindow.TotalIncome, fromFile.TotalIncome);
    EXPECT_EQ(fromWindow.LuxuryTax, fromFile.LuxuryTax);
    EXPECT_EQ(fromWindow.ProfessionalFee, fromFile.ProfessionalFee);
    EXPECT_EQ(fromWindow.IncomeTaxDue, fromFile.IncomeTaxDue);
    EXPECT_NE(fromWindow.FinalBalance, 0);
    delete reopened;
}

TEST_F(E1Commands, ComputeShowsTheClearanceNoteWithHeaderAndCodes) {
    TypeADeclaration();
    TypeAndLeave(QStringLiteral("edBigName"), QStringLiteral("ΠΑΠΑΣ"));
    TypeAndLeave(QStringLiteral("edName"), QStringLiteral("ΝΙΚΟΣ"));
    QString afm;
    QString name;
    QStringList codes;
    WhenModal([&](QWidget* modal) {
        auto* eka = qobject_cast<TfiEka*>(modal);
        ASSERT_NE(eka, nullptr);
        afm = eka->lbAFM->text();
        name = eka->lbBigName->text();
        for (int r = 0; r < eka->sgCodes->rowCount(); ++r)
            for (int c : {0, 2})
                if (auto* item = eka->sgCodes->item(r, c)) codes << item->text();
        eka->close();
    });
    window->miEka2003->trigger();
    EXPECT_EQ(afm, QStringLiteral("123456783"));
    EXPECT_EQ(name, QStringLiteral("ΠΑΠΑΣ ΝΙΚΟΣ"));
    for (const char* code : {"301", "302", "005", "013", "211", "851", "931"})
        EXPECT_TRUE(codes.contains(QLatin1String(code))) << code << " in " << codes.join(u' ').toStdString();
}

TEST(E1MainWindow, OpensEmptyFromTheIndexAndForwardsTheKeys) {
    TestFolder folder;
    folder.makeFolder(QStringLiteral("Tables"));
    TfiMain main;
    main.show();
    ScriptedDialogs dialogs;
    // No declaration yet: the message, and no window.
    main.acLoadE1->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{QStringLiteral("Δεν υπάρχει καταχωρημένη καμία δήλωση.")});
    EXPECT_EQ(main.childCount(), 0);

    main.acE1->trigger();
    ASSERT_EQ(main.activeChildName(), QStringLiteral("fiE1"));
    auto* e1 = qobject_cast<TfiE1*>(main.activeChild());
    ASSERT_NE(e1, nullptr);
    e1->ControlAs<QLineEdit>(QStringLiteral("edAFM"))->setText(QStringLiteral("123456783"));
    e1->ControlAs<QLineEdit>(QStringLiteral("edBigName"))->setText(QStringLiteral("ΠΑΠΑΣ"));
    main.acSave->trigger();  // F2
    EXPECT_TRUE(folder.exists(QStringLiteral("Tables/E1123456783.dta")));
    bool computed = false;
    WhenModal([&](QWidget* modal) {
        computed = qobject_cast<TfiEka*>(modal) != nullptr;
        modal->close();
    });
    main.acEka->trigger();  // F8
    EXPECT_TRUE(computed);
    e1->close();
    Settle();
    main.updateCommands();
    EXPECT_EQ(main.childCount(), 0);

    // From the index: the chosen declaration, shown and not modified.
    WhenModal([](QWidget* modal) {
        auto* index = qobject_cast<TfiEntypaList*>(modal);
        ASSERT_NE(index, nullptr);
        index->grid()->setCurrentCell(0, 0);
        index->accept();
    });
    main.acLoadE1->trigger();
    ASSERT_EQ(main.activeChildName(), QStringLiteral("fiE1"));
    auto* opened = qobject_cast<TfiE1*>(main.activeChild());
    EXPECT_EQ(opened->ControlAs<QLineEdit>(QStringLiteral("edBigName"))->text(), QStringLiteral("ΠΑΠΑΣ"));
    EXPECT_FALSE(opened->Modified());
    opened->close();
    Settle();
}

}  // namespace
}  // namespace dz::test
