// Nothing typed is lost: a killed program's unsaved form is offered at the next start and comes
// back exactly; a save never silently writes over another writer's; a declaration another
// running program holds is not opened unasked, and a dead program's lock is ignored.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

#include "app/left_work.h"
#include "controls/user_dialogs.h"
#include "declaration/form_json.h"
#include "e1/fi_e1.h"
#include "e1/fi_e1_open.h"
#include "e1/code_list_editor.h"
#include "e1/fi_fast_dil.h"
#include "e2/fi_e2.h"
#include "gui_helpers.h"
#include "model/declaration_index.h"
#include "model/atomic_file.h"
#include "model/declaration_file.h"
#include "model/text1253.h"
#include "safekeeping/declaration_lock.h"
#include "test_e1_fixture.h"

namespace dz {
namespace {

constexpr char kChildOutput[] = "DOVAZEZ_TEST_FORM_BEFORE_KILL";
const QString kAfm = QStringLiteral("123456783");
const QString kFile = QStringLiteral("Tables/E1123456783.dta");

QByteArray ImageOf(const QString& surname, std::initializer_list<std::pair<int, double>> codes = {}) {
    E1Declaration d;
    ClearDeclaration(d);
    AssignCut(d.Afm, kAfm, QStringLiteral("Afm"));
    AssignCut(d.Surname, surname, QStringLiteral("Surname"));
    int k = 0;
    for (const auto& [code, value] : codes) d.Codes[k++] = {static_cast<int16_t>(code), value};
    QByteArray image(kE1FileSize, '\0');
    EncodeE1(d, reinterpret_cast<uint8_t*>(image.data()));
    return image;
}

E1Declaration DeclarationIn(const QString& path) {
    E1Declaration d;
    const auto image = ReadDeclarationImageFromPath(path, DeclarationKind::E1);
    EXPECT_TRUE(image) << path.toStdString();
    if (image) DecodeE1(reinterpret_cast<const uint8_t*>(image->constData()), d);
    return d;
}

qint64 EndedPid() {
    QProcess shell;
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    shell.waitForFinished();
    return shell.readAllStandardOutput().trimmed().toLongLong();
}

class Safekeeping : public test::E1Window {
protected:
    void TypeAndTab(const QString& name, const QString& text) {
        Type(name, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }
    // Another page showing, as Ctrl+PgDn or a click on its tab does.
    void TurnPage() {
        window->pcPages->setCurrentIndex((window->pcPages->currentIndex() + 1) % TfiE1::kPageCount);
    }
    void Open() {
        WriteFileAtomically(kFile, ImageOf(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), {{301, 30000}}));
        ASSERT_TRUE(LoadE1Declaration(*window, kAfm));
    }
};

// Run only as the child of the next test: types a declaration, lets the window keep it, and dies.
TEST_F(Safekeeping, ChildTypesAndIsKilled) {
    const QString output = qEnvironmentVariable(kChildOutput);
    if (output.isEmpty()) GTEST_SKIP() << "the child of AKilledProgramsFormIsOfferedAndComesBackExactly";
    TypeAndTab(QStringLiteral("edAFM"), kAfm);
    TypeAndTab(QStringLiteral("edBigName"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    TypeAndTab(QStringLiteral("edP301"), QStringLiteral("30000,55"));
    Click(QStringLiteral("cbMarried"));
    TypeAndTab(QStringLiteral("edCarIppoi1"), QStringLiteral("1600"));
    QApplication::processEvents();
    // Changing the page keeps the form, as the interval does.
    TurnPage();
    window->Keeper().Flush();
    WriteFileAtomically(output, QJsonDocument(E1FormJson(window->Form())).toJson());
    std::raise(SIGKILL);
}

TEST(LeftWork, AKilledProgramsFormIsOfferedAndComesBackExactly) {
    test::TestFolder folder;
    folder.makeFolder(QStringLiteral("Tables"));
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kChildOutput), folder.file(QStringLiteral("typed.json")));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Safekeeping.ChildTypesAndIsKilled")});
    ASSERT_TRUE(child.waitForFinished(120'000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().toStdString();
    const auto typed = E1FormOfJson(QJsonDocument::fromJson(folder.readFile(QStringLiteral("typed.json"))).object());
    ASSERT_TRUE(typed);
    const auto left = LeftRecoveries(DefaultRecoveryFolder(), ThisProcess());
    ASSERT_EQ(left.size(), 1u);

    {
        ScriptedDialogs dialogs;
        dialogs.choices({1});
        EXPECT_EQ(OfferLeftWork({}, nullptr), nullptr);
        const QString question = UserDialogs::ShownTexts().value(0);
        for (const QString& part : {kAfm, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), QStringLiteral("Δήλωση Ε1")})
            EXPECT_TRUE(question.contains(part)) << part.toStdString() << " in " << question.toStdString();
        EXPECT_TRUE(QFile::exists(left[0].path)) << "«Όχι» keeps it for the next start";
    }
    ScriptedDialogs dialogs;
    dialogs.choices({0});
    std::unique_ptr<TfiE1> restored(qobject_cast<TfiE1*>(OfferLeftWork({}, nullptr)));
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->Form(), *typed) << "every box as it was typed";
    EXPECT_TRUE(restored->Modified());
    restored->miSaveClick();
    const E1Declaration saved = DeclarationIn(kFile);
    EXPECT_EQ(saved.Surname.ToString(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
    EXPECT_EQ(saved.Codes[0].Code, 301);
    EXPECT_NEAR(saved.Codes[0].Value, 30000.55, 1e-6);
    EXPECT_TRUE(saved.Married);
    restored->Keeper().Flush();
    EXPECT_FALSE(QFile::exists(left[0].path)) << "saved: nothing left to recover";
    restored->SetModified(false);
}

TEST(LeftWork, DiscardedWorkIsDeletedAndAFormThatDoesNotReadIsReported) {
    test::TestFolder folder;
    const QString dir = DefaultRecoveryFolder();
    QDir().mkpath(dir);
    RecoveryEntry entry;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.process = ThisProcess();
    entry.process.pid = EndedPid();
    entry.process.started = 0;
    entry.form = E1FormJson(E1Form{});
    WriteFileAtomically(dir + QStringLiteral("/left.json"), EncodeRecovery(entry));
    {
        ScriptedDialogs dialogs;
        dialogs.choices({2});
        EXPECT_EQ(OfferLeftWork({}, nullptr), nullptr);
        EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/left.json"))) << "«Απόρριψη» deletes it";
    }
    entry.form = QJsonObject{{QStringLiteral("boxes"), 5}};
    WriteFileAtomically(dir + QStringLiteral("/bad.json"), EncodeRecovery(entry));
    ScriptedDialogs dialogs;
    dialogs.choices({0});
    EXPECT_THROW(OfferLeftWork({}, nullptr), DataError);
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/bad.json"))) << "kept for what it may still hold";
    QFile::remove(dir + QStringLiteral("/bad.json"));
}

TEST_F(Safekeeping, ASaveAfterAnotherWritersSaveAsksFirst) {
    const QByteArray theirs = ImageOf(QStringLiteral("ΑΛΛΟΣ ΧΡΗΣΤΗΣ"), {{301, 1}});
    struct Case {
        const char* name;
        std::function<void()> otherWriter;
        QString question;  // empty: the usual overwrite question only
    };
    const Case cases[] = {
        {"nobody else wrote", [] {}, {}},
        {"another program saved over it", [&] { WriteFileAtomically(kFile, theirs); }, kChangedOnDiskQuestion},
        {"another program deleted it", [] { QFile::remove(kFile); }, kDeletedOnDiskQuestion},
    };
    for (const Case& c : cases) {
        Open();
        TypeAndTab(QStringLiteral("edP301"), QStringLiteral("45000"));
        c.otherWriter();
        const QByteArray before = folder.exists(kFile) ? folder.readFile(kFile) : QByteArray();
        if (!c.question.isEmpty()) {
            ScriptedDialogs dialogs({false});
            window->miSave->trigger();
            EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{c.question}) << c.name;
            EXPECT_EQ(folder.exists(kFile) ? folder.readFile(kFile) : QByteArray(), before) << c.name << ": nothing written";
            EXPECT_TRUE(window->Modified()) << c.name << ": the changes stay";

            // Closing with a save the user stops keeps the window open.
            ScriptedDialogs closing({true, false});
            EXPECT_FALSE(window->close()) << c.name;
            EXPECT_TRUE(window->isVisible()) << c.name;
        }
        ScriptedDialogs dialogs({true});
        window->miSave->trigger();
        const QStringList shown = UserDialogs::ShownTexts();
        EXPECT_EQ(shown.value(0), c.question.isEmpty() ? kOverwriteQuestion : c.question) << c.name;
        EXPECT_EQ(shown.value(1), kSaveSucceeded) << c.name << ": one question only";
        EXPECT_EQ(DeclarationIn(kFile).Codes[0].Value, 45000) << c.name;
        EXPECT_FALSE(window->Modified()) << c.name;
    }
}

TEST_F(Safekeeping, ADeclarationHeldByARunningProgramIsOpenedOnlyWhenTheUserSays) {
    QProcess running;
    running.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(running.waitForStarted());
    const ProcessMark here = ThisProcess();
    const auto lockBy = [](ProcessMark mark) {
        QJsonObject json = ProcessMarkJson(mark);
        json.insert(QStringLiteral("since"), QStringLiteral("2026-12-10T08:00:00Z"));
        WriteFileAtomically(LockFileName(kFile), QJsonDocument(json).toJson());
    };
    const ProcessMark other{QStringLiteral("eleni"), here.host, running.processId(), 0};
    const ProcessMark dead{QStringLiteral("eleni"), here.host, EndedPid(), 0};
    struct Case {
        const char* name;
        ProcessMark holder;
        QList<bool> answers;
        bool asked;
        bool opened;
        bool lockMine;
    };
    const Case cases[] = {
        {"held by a running program, not opened", other, {false}, true, false, false},
        {"held by a running program, opened all the same", other, {true}, true, true, false},
        {"left by a program that ended", dead, {}, false, true, true},
    };
    for (const Case& c : cases) {
        auto* fresh = new TfiE1;
        WriteFileAtomically(kFile, ImageOf(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ")));
        lockBy(c.holder);
        ScriptedDialogs dialogs;
        UserDialogs::ScriptAnswers(c.answers);
        EXPECT_EQ(LoadE1Declaration(*fresh, kAfm), c.opened) << c.name;
        EXPECT_EQ(!UserDialogs::ShownTexts().isEmpty(), c.asked) << c.name;
        if (c.asked) {
            EXPECT_TRUE(UserDialogs::ShownTexts().value(0).contains(QStringLiteral("eleni"))) << c.name;
        }
        const auto lock = QJsonDocument::fromJson(folder.readFile(LockFileName(kFile))).object();
        EXPECT_EQ(ProcessMarkOfJson(lock) == here, c.lockMine) << c.name;
        fresh->close();
        EXPECT_EQ(folder.exists(LockFileName(kFile)), !c.lockMine) << c.name << ": closing lets go of its own lock only";
        QFile::remove(LockFileName(kFile));
    }
    running.kill();
    running.waitForFinished();
}

TEST_F(Safekeeping, TheRecoveryFileFollowsTheChangesAndGoesWithASaveOrAClose) {
    Open();
    const QString recovery = window->Keeper().RecoveryPath();
    window->Keeper().KeepNow();
    window->Keeper().Flush();
    EXPECT_FALSE(QFile::exists(recovery)) << "nothing unsaved, nothing kept";

    TypeAndTab(QStringLiteral("edP301"), QStringLiteral("45000"));
    TurnPage();
    window->Keeper().Flush();
    ASSERT_TRUE(QFile::exists(recovery)) << "kept at the page change";
    QFile file(recovery);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto kept = DecodeRecovery(file.readAll());
    ASSERT_TRUE(kept);
    EXPECT_EQ(E1FormOfJson(kept->form), window->Form());
    EXPECT_EQ(kept->file, kFile);
    EXPECT_FALSE(recovery.startsWith(folder.path())) << "never in the working folder";

    {
        ScriptedDialogs dialogs({true});
        window->miSave->trigger();
    }
    window->Keeper().Flush();
    EXPECT_FALSE(QFile::exists(recovery)) << "saved";

    TypeAndTab(QStringLiteral("edP301"), QStringLiteral("46000"));
    TurnPage();
    window->Keeper().Flush();
    ASSERT_TRUE(QFile::exists(recovery));
    ScriptedDialogs dialogs({false});  // leave without saving
    window->close();
    window->Keeper().Flush();
    EXPECT_FALSE(QFile::exists(recovery)) << "closed";
    EXPECT_FALSE(folder.exists(LockFileName(kFile)));
}

// The file a window kept, as a program that died would have left it.
QString LeftBehind(WorkKeeper& keeper) {
    keeper.KeepNow();
    keeper.Flush();
    QFile file(keeper.RecoveryPath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "kept";
    auto entry = DecodeRecovery(file.readAll());
    EXPECT_TRUE(entry);
    if (!entry) return {};
    entry->process.pid = EndedPid();
    entry->process.started = 0;
    WriteFileAtomically(keeper.RecoveryPath(), EncodeRecovery(*entry));
    return keeper.RecoveryPath();
}

TEST(LeftWork, EveryEntryWindowsFormComesBackInItsOwnWindow) {
    test::TestFolder folder;
    folder.makeFolder(QStringLiteral("Tables"));
    struct Case {
        const char* name;
        // Edits a new window of the kind, leaves its recovery file behind and gives its form.
        std::function<QJsonObject()> edit;
        // The form of the window the offer opened (closing it when modal).
        std::function<void(QJsonObject&)> openRestored;
    };
    const Case cases[] = {
        {"E1",
         [] {
             TfiE1 window;
             window.ControlAs<QLineEdit>(QStringLiteral("edBigName"))->setText(QStringLiteral("ΑΛΦΑ"));
             window.ControlAs<QLineEdit>(QStringLiteral("edP301"))->setText(QStringLiteral("1.000,00"));
             window.SetModified(true);
             LeftBehind(window.Keeper());
             window.SetModified(false);
             return E1FormJson(window.Form());
         },
         [](QJsonObject& form) {
             std::unique_ptr<TfiE1> w(qobject_cast<TfiE1*>(OfferLeftWork({}, nullptr)));
             ASSERT_TRUE(w);
             EXPECT_TRUE(w->Modified());
             form = E1FormJson(w->Form());
             UserDialogs::ScriptAnswers({false});  // leave without saving
             w.release()->close();
         }},
        {"E2",
         [] {
             TfiE2 window;
             window.Field("edTopos%1", 1)->setText(QStringLiteral("Οδός Άλφα 1"));
             window.Field("edParoxesDEH%1", 1)->setText(QStringLiteral("123456789012345"));
             window.SetModified(true);
             LeftBehind(window.Keeper());
             window.SetModified(false);
             return E2FormJson(window.Form());
         },
         [](QJsonObject& form) {
             std::unique_ptr<TfiE2> w(qobject_cast<TfiE2*>(OfferLeftWork({}, nullptr)));
             ASSERT_TRUE(w);
             EXPECT_TRUE(w->Modified());
             form = E2FormJson(w->Form());
             UserDialogs::ScriptAnswers({false});  // leave without saving
             w.release()->close();
         }},
        {"short declaration",
         [] {
             TfiFastDil window;
             window.surnameField()->setText(QStringLiteral("ΒΗΤΑ"));
             window.codes()->SetRows({{"301", "2.000,00"}});
             window.box(30)->setChecked(true);
             LeftBehind(window.Keeper());
             return ShortFormJson(window.Form());
         },
         [](QJsonObject& form) {
             test::WhenModal([&form](QWidget* modal) {
                 auto* dialog = qobject_cast<TfiFastDil*>(modal);
                 ASSERT_NE(dialog, nullptr);
                 EXPECT_TRUE(dialog->Modified());
                 form = ShortFormJson(dialog->Form());
                 UserDialogs::ScriptAnswers({true});  // leave without saving
                 dialog->reject();
             });
             EXPECT_EQ(OfferLeftWork({}, nullptr), nullptr) << "shown modally";
         }},
    };
    for (const Case& c : cases) {
        ScriptedDialogs dialogs;
        dialogs.choices({0});
        const QJsonObject typed = c.edit();
        QJsonObject restored;
        c.openRestored(restored);
        EXPECT_EQ(restored, typed) << c.name;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(QDir(DefaultRecoveryFolder()).entryList(QDir::Files), QStringList())
            << c.name << ": closed without saving, nothing is left to recover";
    }
}

TEST(LockFiles, TheIndexAndTheDeletionOfAllFilesPassThemBy) {
    test::TestFolder folder;
    folder.makeFolder(QStringLiteral("Tables"));
    WriteFileAtomically(kFile, ImageOf(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ")));
    DeclarationLock lock;
    ASSERT_TRUE(lock.Take(kFile, ThisProcess()));
    const IndexListing listing = ListDeclarations(DeclarationKind::E1);
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].fileAfm, kAfm);
    EXPECT_TRUE(listing.unreadable.isEmpty());
    const DeletedFiles deleted = DeleteAllDeclarationFiles();
    EXPECT_EQ(deleted.deleted, 1);
    EXPECT_TRUE(deleted.failed.isEmpty());
    EXPECT_TRUE(folder.exists(LockFileName(kFile))) << "left to the program that holds it";
}

}  // namespace
}  // namespace dz
