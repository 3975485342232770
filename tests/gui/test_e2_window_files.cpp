// The E2 statement saved and opened again: its bytes, Save As, what is cut, what fails, and how the main window opens it.
#include <QTableWidget>

#include "controls/fi_entypa_list.h"
#include "app/shell_windows.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "controls/entry_texts.h"
#include "e2/e2_texts.h"
#include "model/declaration_file.h"
#include "test_e2_window.h"

namespace dz {
namespace {

using test::E2WindowTest;

constexpr const char* kAfm = "123456783";
const QString kFile = QStringLiteral("Tables/E2123456783.dta");

class E2FilesTest : public E2WindowTest {
protected:
    // A statement typed into the window: the header, two rows of table 1, one of each other table.
    void TypeStatement() {
        Type(QStringLiteral("edBigName"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        Type(QStringLiteral("edName"), QStringLiteral("ΓΙΩΡΓΟΣ"));
        Type(QStringLiteral("edFatherName"), QStringLiteral("ΝΙΚΟΣ"));
        Type(QStringLiteral("edAFM"), QString::fromLatin1(kAfm));
        Type("edTopos%1", 1, QStringLiteral("Αθηνάς 5, Αθήνα"));
        Pick("sbGetThesi%1", 1, 4);
        Pick("sbGetXrisi%1", 1, 3);
        Type("edSurfa%1", 1, QStringLiteral("85"));
        Pick("sbGetEidosMist%1", 1, 5);
        Type("edParoxesDEH%1", 1, QStringLiteral("123456789"));
        Type("edEName%1", 1, QStringLiteral("ΟΕ ΚΑΦΕ"));
        Type("edAFM%1", 1, QStringLiteral("094014201"));
        Type("edArMist%1", 1, QStringLiteral("ΑΡ-2014/77"));
        Type("edDate1%1", 1, QStringLiteral("1/3"));
        Type("edDate2%1", 1, QStringLiteral("31/12"));
        Type("edEnoikio%1", 1, QStringLiteral("1234,56"));
        Type("edSinid%1", 1, QStringLiteral("1/3"));
        Pick("sbGetEidosMist%1", 2, 10);
        Type("edDate1%1", 2, QStringLiteral("1/1"));
        Type("edDate2%1", 2, QStringLiteral("31/12"));
        Type("edSinid%1", 2, QStringLiteral("50"));
        Type("edGr%1", 2, QStringLiteral("4800"));
        Type("edPin2Topos%1", 1, QStringLiteral("Κύπρου 3"));
        Pick("sbGetXrisi%1", 17, 1);
        Type("edPin2SName%1", 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ"));
        Type("edPin2Sinid%1", 1, QStringLiteral("50"));
        Type("edPin2Misto%1", 1, QStringLiteral("300"));
        Type("edPin3Topos%1", 4, QStringLiteral("Οικόπεδο Κηφισιάς"));
        Type("edParoxesDEH%1", 29, QStringLiteral("99"));
        Type("edPin3Title%1", 4, QStringLiteral("Συμβόλαιο 1234/2014"));
    }

    QByteArray SaveAnswering(std::initializer_list<bool> answers) {
        dialogs.answers(answers);
        UserDialogs::ClearShownTexts();
        window->miSave->trigger();
        return folder.exists(kFile) ? folder.readFile(kFile) : QByteArray();
    }

    void Reopen() {
        delete window.data();
        window = new TfiE2;
        window->show();
        window->OpenStatement(QString::fromLatin1(kAfm));
    }

    static E2Record Decoded(const QByteArray& bytes) {
        E2Record record;
        DecodeE2(reinterpret_cast<const uint8_t*>(bytes.constData()), record);
        return record;
    }
};

TEST_F(E2FilesTest, SavedStatementOpensAndSavesAgainByteForByte) {
    TypeStatement();
    EXPECT_EQ(T("edMonths%1", 1), QStringLiteral("10,00"));
    EXPECT_EQ(T("edKat%1", 1), QStringLiteral("4.115,20")) << "1234,56 × 10 / 3";
    EXPECT_EQ(T("edEnoikio%1", 2), QStringLiteral("400,00")) << "the yearly 4800 gives the monthly rent";
    const QByteArray saved = SaveAnswering({});
    ASSERT_EQ(saved.size(), kE2FileSize);
    EXPECT_EQ(UserDialogs::ShownTexts().last(), kSaveSucceeded);
    EXPECT_FALSE(window->Modified());

    // What is stored, field by field, and nothing anywhere else: reserved bytes and text tails zero.
    const E2Record r = Decoded(saved);
    E2Image again{};
    EncodeE2(r, again.data());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(again.data()), kE2FileSize), saved);
    EXPECT_EQ(r.Surname.ToString(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(r.Afm.ToString(), QString::fromLatin1(kAfm));
    EXPECT_EQ(r.Table1[0].From.ToString(), QStringLiteral("01/03"));
    EXPECT_EQ(r.Table1[0].FloorText.ToString(), QStringLiteral("2"));
    EXPECT_EQ(r.Table1[0].UseText.ToString(), QStringLiteral("Επαγ")) << "the long use name cut to the row's four characters";
    EXPECT_EQ(r.UseId[0], 3);
    EXPECT_EQ(r.FloorId[0], 4);
    EXPECT_EQ(r.LeaseType[0].ToString(), QStringLiteral("5"));
    EXPECT_EQ(r.Table1[0].IncomeFlags, (std::array<uint8_t, 5>{1, 0, 0, 0, 0}));
    EXPECT_EQ(r.Table1[1].IncomeFlags, (std::array<uint8_t, 5>{0, 1, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(r.Table1[0].Months, 10);
    EXPECT_NEAR(r.Table1[0].Income[0], 4115.20, 1e-6) << "as near as the six-byte real keeps it";
    EXPECT_NEAR(r.Totals[1], 2400, 1e-9);
    EXPECT_EQ(r.UseId[16], 1);
    EXPECT_NEAR(r.Table2[0].RentPaid, 300, 1e-9);
    EXPECT_EQ(r.SupplyNo[28].ToString(), QStringLiteral("99"));
    EXPECT_EQ(r.Table3[3].Title.ToString(), QStringLiteral("Συμβόλαιο 1234/2014"));
    EXPECT_FALSE(r.CalcOff);

    Reopen();
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(T("edInUse%1", 1), QStringLiteral("Επαγγ. Στέγη")) << "the use shows its long name again";
    EXPECT_EQ(T("edPin2InUse%1", 1), QStringLiteral("Οικία"));
    EXPECT_EQ(T("edKat%1", 1), QStringLiteral("4.115,20"));
    const QByteArray resaved = SaveAnswering({true});
    EXPECT_EQ(UserDialogs::ShownTexts().first(), kOverwriteQuestion);
    EXPECT_EQ(resaved, saved) << "opening and saving changes no byte";
}

TEST_F(E2FilesTest, SaveKeepsTheFirstFourBytesAndSaveAsClearsThem) {
    E2Record record;
    AssignCut(record.Afm, QString::fromLatin1(kAfm), "Afm");
    AssignCut(record.Surname, QStringLiteral("ΝΕΟΣ"), "Surname");
    record.Tag = 0x01020304;
    E2Image image{};
    EncodeE2(record, image.data());
    folder.writeFile(kFile, QByteArray(reinterpret_cast<const char*>(image.data()), kE2FileSize));

    Reopen();
    EXPECT_EQ(Decoded(SaveAnswering({true})).Tag, 0x01020304);
    dialogs.answers({true});
    window->miSaveAs->trigger();
    EXPECT_EQ(Decoded(folder.readFile(kFile)).Tag, 0);
}

TEST_F(E2FilesTest, LongTextsAreCutToTheirRecordField) {
    Type(QStringLiteral("edAFM"), QString::fromLatin1(kAfm));
    Type("edArMist%1", 1, QStringLiteral("123456789012345678901234567890"));
    Type("edSinid%1", 1, QStringLiteral("0,33333333"));
    const E2Record r = Decoded(SaveAnswering({}));
    EXPECT_EQ(r.LeaseDeclNo[0].ToString(), QStringLiteral("12345678901234567890"));
    EXPECT_EQ(r.Table1[0].Share.ToString(), QStringLiteral("0,333333"));
}

TEST_F(E2FilesTest, StoredUseIdentifierShowsItsLongName) {
    E2Record record;
    AssignCut(record.Afm, QString::fromLatin1(kAfm), "Afm");
    AssignCut(record.Table1[2].UseText, QStringLiteral("Οικ"), "UseText");
    record.UseId[2] = 3;
    AssignCut(record.Table1[3].UseText, QStringLiteral("Αποθ"), "UseText");
    record.UseId[3] = 0;
    AssignCut(record.Table1[4].FloorText, QStringLiteral("0"), "FloorText");
    record.FloorId[4] = 2;
    E2Image image{};
    EncodeE2(record, image.data());
    folder.writeFile(kFile, QByteArray(reinterpret_cast<const char*>(image.data()), kE2FileSize));
    Reopen();
    EXPECT_EQ(T("edInUse%1", 3), QStringLiteral("Επαγγ. Στέγη"));
    EXPECT_EQ(T("edInUse%1", 4), QStringLiteral("Αποθ")) << "without an identifier the stored text stays";
    EXPECT_EQ(T("edPlace%1", 5), QStringLiteral("0"));
    EXPECT_EQ(static_cast<TEditInt*>(F("edThesiID%1", 5))->Value(), 2);
}

TEST_F(E2FilesTest, OpeningAndSavingKeepsStoredTextsLongerThanTheUserMayType) {
    E2Record record;
    AssignCut(record.Afm, QString::fromLatin1(kAfm), "Afm");
    AssignCut(record.SupplyNo[0], QStringLiteral("123456789012345"), "SupplyNo");
    AssignCut(record.LeaseType[16], QStringLiteral("12345"), "LeaseType");
    AssignCut(record.Table1[0].Share, QStringLiteral("50"), "Share");
    E2Image image{};
    EncodeE2(record, image.data());
    const QByteArray original(reinterpret_cast<const char*>(image.data()), kE2FileSize);
    folder.writeFile(kFile, original);
    Reopen();
    EXPECT_EQ(T("edParoxesDEH%1", 1), QStringLiteral("123456789012345"));
    EXPECT_EQ(T("edEidosMist%1", 17), QStringLiteral("12345"));
    EXPECT_EQ(SaveAnswering({true}), original);
}

TEST_F(E2FilesTest, WithoutCalculationTheStoredTotalsAreShownAsStored) {
    E2Record record;
    AssignCut(record.Afm, QString::fromLatin1(kAfm), "Afm");
    record.CalcOff = true;
    record.Table1[0].Income[0] = 100;
    record.Totals = {999, 0, 0, 1};
    E2Image image{};
    EncodeE2(record, image.data());
    folder.writeFile(kFile, QByteArray(reinterpret_cast<const char*>(image.data()), kE2FileSize));
    Reopen();
    EXPECT_FALSE(window->sbCalcOff->isChecked());
    EXPECT_EQ(window->sbCalcOff->text(), e2::kCalcOff);
    EXPECT_EQ(T("edTotal%1", 1), QStringLiteral("999,00"));
    EXPECT_EQ(T("edKat%1", 1), QStringLiteral("100,00"));
    EXPECT_TRUE(F("edKat1")->isEnabled());
    EXPECT_TRUE(F("edTotal4")->isEnabled());
    EXPECT_TRUE(Decoded(SaveAnswering({true})).CalcOff);
}

TEST_F(E2FilesTest, SavingWithoutTaxNumberWarnsAndStillSaves) {
    Type(QStringLiteral("edBigName"), QStringLiteral("ΧΩΡΙΣ ΑΦΜ"));
    window->miSave->trigger();
    ASSERT_GE(UserDialogs::ShownTexts().size(), 2);
    EXPECT_EQ(UserDialogs::ShownTexts()[0], entry::kNoAfmWarning);
    EXPECT_EQ(UserDialogs::ShownTexts()[1], kSaveSucceeded);
    EXPECT_TRUE(folder.exists("Tables/E2.dta"));
}

TEST_F(E2FilesTest, FailedSavesKeepTheChangesAndTheFile) {
    const struct { const char* name; const char* surname; bool tablesFolder; } cases[] = {
        {"no Tables folder", "ΝΕΟΣ", false},
        {"a character outside the code page", "漢", true},
    };
    for (const auto& c : cases) {
        test::TestFolder scratch;
        if (c.tablesFolder) scratch.makeFolder("Tables");
        Type(QStringLiteral("edAFM"), QString::fromLatin1(kAfm));
        Type(QStringLiteral("edBigName"), QString::fromUtf8(c.surname));
        const E2Record before = window->Record();
        UserDialogs::ClearShownTexts();
        window->miSave->trigger();
        EXPECT_TRUE(window->Modified()) << c.name;
        EXPECT_FALSE(scratch.exists(kFile)) << c.name;
        ASSERT_EQ(UserDialogs::ShownTexts().size(), 1) << c.name << ": the error is reported";
        if (c.tablesFolder) {
            EXPECT_EQ(window->Record(), before) << c.name << ": the record stays as it was";
        }

        // Closing asks to save; a save that fails keeps the window open.
        dialogs.answers({true});
        EXPECT_FALSE(window->close()) << c.name;
        EXPECT_TRUE(window->isVisible()) << c.name;
    }
}

TEST_F(E2FilesTest, ClosingWithChangesSavesWhenAsked) {
    Type(QStringLiteral("edAFM"), QString::fromLatin1(kAfm));
    dialogs.answers({true});
    QPointer<TfiE2> watched = window;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(UserDialogs::ShownTexts().first(), entry::kCloseQuestion);
    EXPECT_TRUE(folder.exists(kFile));
}

TEST_F(E2FilesTest, MainWindowOpensTheStatementEmptyOrFromTheIndex) {
    const ShellWindows windows = DefaultShellWindows();
    ASSERT_TRUE(windows.newE2 && windows.loadE2);
    {
        std::unique_ptr<QWidget> empty(windows.newE2(nullptr));
        EXPECT_EQ(empty->objectName(), QStringLiteral("fiE2"));
        for (const char* item : {"miSave", "miSaveAs", "miPrint"})
            EXPECT_NE(empty->findChild<QAction*>(QLatin1String(item)), nullptr) << item;
    }

    UserDialogs::ClearShownTexts();
    EXPECT_EQ(windows.loadE2(nullptr), nullptr);
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{entry::kNoDeclarations});

    TypeStatement();
    SaveAnswering({});
    delete window.data();
    test::WhenModal([](QWidget* modal) {
        auto* index = qobject_cast<TfiEntypaList*>(modal);
        ASSERT_NE(index, nullptr);
        EXPECT_EQ(index->DeclarationCount(), 1);
        index->grid()->setCurrentCell(0, 0);
        index->accept();
    });
    window = qobject_cast<TfiE2*>(windows.loadE2(nullptr));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(F("edBigName")->text(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(T("edTopos%1", 1), QStringLiteral("Αθηνάς 5, Αθήνα"));
    EXPECT_FALSE(window->Modified()) << "showing the statement is no change";
}

}  // namespace
}  // namespace dz
