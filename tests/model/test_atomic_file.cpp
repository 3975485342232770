// The one file writer: whole or nothing under every failing write and sync, permissions kept,
// read-only files and folders refused; declaration saves through it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <functional>
#include <tuple>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/atomic_file.h"
#include "model/declaration_file.h"
#include "model/errors.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"
#include "support/write_failures.h"

namespace dz {
namespace {

mode_t ModeOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

gid_t GroupOf(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_gid;
}

void SetMode(const QString& path, mode_t mode) { ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0); }

// Sets the umask for one test and puts the old one back.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

using test::ScriptedDialogs;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::WriteFailuresLoaded()) << "run through ctest: it preloads the library"; }
    test::TestFolder folder;
};

// A payload of many pieces, each different, so that a lost or repeated piece shows.
QByteArray Payload(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = char('a' + (i * 7 + i / 251) % 26);
    return bytes;
}

TEST_F(AtomicFile, EachFailingWriteIsReportedAndLeavesTheEarlierFileWhole) {
    const QByteArray earlier("the declaration as it was");
    const QByteArray next = Payload(10000);
    const struct {
        const char* name;
        bool earlierFile;
    } cases[] = {{"over an earlier file", true}, {"a new file", false}};
    for (const auto& c : cases) {
        const QString path = folder.file(QStringLiteral("out.dta"));
        QFile::remove(path);
        test::WriterRuns runs;
        runs.prepare = [&] {
            if (c.earlierFile) folder.writeFile("out.dta", earlier);
            else QFile::remove(path);
        };
        runs.write = [&] { WriteFileAtomically(path, next); };
        runs.check = [&](const test::FailedRun& run) {
                const std::string where = std::string(c.name) + ", write " + std::to_string(run.failingWrite);
                EXPECT_EQ(test::AllNames(folder.path()), c.earlierFile || !run.reported ? QStringList{"out.dta"} : QStringList{})
                    << where << ": no temporary file is left";
                if (run.failingWrite == 0) {
                    EXPECT_FALSE(run.reported) << where << ": " << run.error.toStdString();
                    EXPECT_EQ(folder.readFile("out.dta"), next) << where;
                    return;
                }
                ASSERT_TRUE(run.reported) << where << ": a failed write is never a success";
                EXPECT_TRUE(run.error.contains(QStringLiteral("δεν υπάρχει ελεύθερος χώρος στο δίσκο"))) << where;
                EXPECT_TRUE(run.error.contains(path)) << where;
                if (c.earlierFile) {
                    EXPECT_EQ(folder.readFile("out.dta"), earlier) << where;
                }
        };
        EXPECT_EQ(test::ForEachFailingWrite(runs, /*chunk=*/1500), 7) << c.name << ": 10,000 bytes in pieces of 1,500";
    }
}

TEST_F(AtomicFile, AFailingSyncIsReportedAndLeavesTheEarlierFileWhole) {
    test::WriterRuns runs;
    runs.prepare = [&] { folder.writeFile("out.dta", "earlier"); };
    runs.write = [&] { WriteFileAtomically(folder.file("out.dta"), "later"); };
    runs.check = [&](const test::FailedRun& run) {
        EXPECT_EQ(run.reported, run.failingWrite != 0) << "sync " << run.failingWrite;
        EXPECT_EQ(folder.readFile("out.dta"), run.reported ? "earlier" : "later") << "sync " << run.failingWrite;
        EXPECT_EQ(test::AllNames(folder.path()), QStringList{"out.dta"}) << "sync " << run.failingWrite;
    };
    EXPECT_EQ(test::ForEachFailingSync(runs), 1) << "the file is synced before it replaces the earlier one";
}

TEST_F(AtomicFile, AGroupWritesEachFileWholeOrNotAtAllAndGivesEachFailure) {
    // Written in this order, each in one write and one sync; "b" is refused before writing.
    const QStringList writtenInOrder{"a.pdf", "c.pdf", "d.pdf"};
    const std::vector<FileToWrite> files{
        {folder.file("a.pdf"), "new a"}, {folder.file("b.pdf"), "new b"}, {folder.file("c.pdf"), "new c"}, {folder.file("d.pdf"), "new d"}};
    for (const bool failSync : {false, true}) {
        QStringList reasons;
        test::WriterRuns runs;
        runs.prepare = [&] {
            for (const QString& name : test::AllNames(folder.path())) {
                QFile::setPermissions(folder.file(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                QFile::remove(folder.file(name));
            }
            folder.writeFile("b.pdf", "earlier b");
            SetMode(folder.file("b.pdf"), 0444);
            folder.writeFile("c.pdf", "earlier c");
        };
        runs.write = [&] { reasons = TryWriteFilesAtomically(files); };
        runs.check = [&](const test::FailedRun& run) {
            const QString failed = run.failingWrite ? writtenInOrder.value(run.failingWrite - 1) : QString();
            const std::string where = (failSync ? "sync of " : "write of ") + failed.toStdString();
            ASSERT_EQ(reasons.size(), 4) << where;
            EXPECT_TRUE(reasons[1].contains(QStringLiteral("μόνο για ανάγνωση"))) << where;
            EXPECT_EQ(folder.readFile("b.pdf"), "earlier b") << where;
            for (const auto& [index, name, earlier] : {std::tuple{0, "a.pdf", ""}, std::tuple{2, "c.pdf", "earlier c"},
                                                       std::tuple{3, "d.pdf", ""}}) {
                const bool fails = failed == QLatin1String(name);
                EXPECT_EQ(reasons[index].isEmpty(), !fails) << where << ", " << name;
                EXPECT_EQ(folder.exists(name), !fails || *earlier) << where << ", " << name;
                if (folder.exists(name)) {
                    EXPECT_EQ(folder.readFile(name), fails ? QByteArray(earlier) : files[size_t(index)].bytes) << where << ", " << name;
                }
            }
            EXPECT_EQ(test::AllNames(folder.path()).filter(QRegularExpression(QStringLiteral("^\\."))), QStringList{})
                << where << ": no temporary file is left";
        };
        EXPECT_EQ(failSync ? test::ForEachFailingSync(runs) : test::ForEachFailingWrite(runs), 3);
    }
}

TEST_F(AtomicFile, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
    const struct {
        const char* name;
        mode_t umask;
        mode_t earlierMode;  // 0: no earlier file
        mode_t expected;
    } cases[] = {
        {"new file, usual umask", 022, 0, 0644},
        {"new file, group-writable umask", 002, 0, 0664},
        {"new file, private umask", 077, 0, 0600},
        {"replaced 0640 file", 022, 0640, 0640},
        {"replaced 0666 file under a private umask", 077, 0666, 0666},
        {"replaced 0600 file under the usual umask", 022, 0600, 0600},
    };
    for (const auto& c : cases) {
        const Umask umask(c.umask);
        const QString path = folder.file(QStringLiteral("f.pdf"));
        QFile::remove(path);
        if (c.earlierMode) {
            folder.writeFile("f.pdf", "earlier");
            SetMode(path, c.earlierMode);
        }
        WriteFileAtomically(path, "written");
        EXPECT_EQ(ModeOf(path), c.expected) << c.name;
        EXPECT_EQ(folder.readFile("f.pdf"), "written") << c.name;
    }
}

TEST_F(AtomicFile, AReplacedFileKeepsItsGroupWhereAllowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file another group needs the administrator here";
    const gid_t other = getgrnam("daemon") ? getgrnam("daemon")->gr_gid : 1;
    folder.writeFile("shared.dta", "earlier");
    ASSERT_EQ(::chown(QFile::encodeName(folder.file("shared.dta")).constData(), uid_t(-1), other), 0);
    SetMode(folder.file("shared.dta"), 0660);
    WriteFileAtomically(folder.file("shared.dta"), "written");
    EXPECT_EQ(GroupOf(folder.file("shared.dta")), other);
    EXPECT_EQ(ModeOf(folder.file("shared.dta")), 0660u);
}

TEST_F(AtomicFile, ReadOnlyFilesAndFoldersAndFoldersInTheWayAreRefused) {
    const struct {
        const char* name;
        const char* target;
        std::function<void(const test::TestFolder&)> prepare;
        const char* reason;
    } cases[] = {
        {"read-only file", "ro.dta",
         [](const test::TestFolder& f) {
             f.writeFile("ro.dta", "earlier");
             SetMode(f.file("ro.dta"), 0444);
         },
         "το αρχείο είναι μόνο για ανάγνωση"},
        {"folder without write permission", "locked/new.dta",
         [](const test::TestFolder& f) {
             f.makeFolder("locked");
             f.writeFile("locked/old.dta", "earlier");
             SetMode(f.file("locked"), 0555);
         },
         "δεν επιτρέπεται η εγγραφή στο φάκελο"},
        {"folder in the way", "taken.dta", [](const test::TestFolder& f) { f.makeFolder("taken.dta"); },
         "υπάρχει φάκελος με αυτό το όνομα"},
        {"missing folder", "nowhere/new.dta", [](const test::TestFolder&) {}, "δεν υπάρχει"},
    };
    for (const auto& c : cases) {
        c.prepare(folder);
        const QStringList before = test::AllNames(folder.path());
        const QString target = folder.file(QString::fromUtf8(c.target));
        EXPECT_TRUE(WriteRefusal(target).contains(QString::fromUtf8(c.reason))) << c.name << ": " << WriteRefusal(target).toStdString();
        try {
            WriteFileAtomically(target, "written");
            ADD_FAILURE() << c.name << ": written";
        } catch (const IoError& e) {
            EXPECT_TRUE(e.message().contains(target)) << c.name << ": names the file";
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << c.name << ": " << e.message().toStdString();
        }
        EXPECT_EQ(test::AllNames(folder.path()), before) << c.name;
    }
    EXPECT_EQ(folder.readFile("ro.dta"), "earlier");
    EXPECT_EQ(test::AllNames(folder.file("locked")), QStringList{"old.dta"});
    SetMode(folder.file("locked"), 0755);
}

TEST_F(AtomicFile, ALinkIsWrittenThroughAndStaysALink) {
    folder.makeFolder("real");
    folder.writeFile("real/target.pdf", "earlier");
    ASSERT_TRUE(QFile::link(folder.file("real/target.pdf"), folder.file("link.pdf")));
    WriteFileAtomically(folder.file("link.pdf"), "written");
    EXPECT_TRUE(QFileInfo(folder.file("link.pdf")).isSymLink());
    EXPECT_EQ(folder.readFile("real/target.pdf"), "written");
    EXPECT_EQ(test::AllNames(folder.file("real")), QStringList{"target.pdf"});
}

class DeclarationSave : public AtomicFile {
protected:
    static E1Declaration Named(const char* surname) {
        E1Declaration d;
        AssignCut(d.Afm, QStringLiteral("123456783"), "Afm");
        AssignCut(d.Surname, QString::fromUtf8(surname), "Surname");
        return d;
    }
    QString Saved() const { return folder.file(QStringLiteral("Tables/E1123456783.dta")); }
};

TEST_F(DeclarationSave, EachFailingWriteKeepsTheEarlierDeclarationAndSaysNoSuccess) {
    folder.makeFolder("Tables");
    ScriptedDialogs first;
    WriteDeclarationFile(Named("ΠΡΩΤΟΣ"), first);
    const QByteArray earlier = folder.readFile("Tables/E1123456783.dta");
    test::WriterRuns runs;
    runs.write = [&] {
            ScriptedDialogs dialogs;
            dialogs.answers = {true};
            try {
                WriteDeclarationFile(Named("ΔΕΥΤΕΡΟΣ"), dialogs);
            } catch (const IoError&) {
                EXPECT_TRUE(dialogs.informed.isEmpty()) << "no success notice after a failed save";
                throw;
            }
            EXPECT_EQ(dialogs.informed, QStringList{kSaveSucceeded});
    };
    runs.check = [&](const test::FailedRun& run) {
            const std::string where = "write " + std::to_string(run.failingWrite);
            EXPECT_EQ(test::AllNames(folder.file("Tables")), QStringList{"E1123456783.dta"}) << where;
            if (run.failingWrite == 0) {
                EXPECT_FALSE(run.reported) << run.error.toStdString();
                return;
            }
            EXPECT_TRUE(run.reported) << where;
            EXPECT_EQ(folder.readFile("Tables/E1123456783.dta"), earlier) << where;
    };
    EXPECT_EQ(test::ForEachFailingWrite(runs, /*chunk=*/1000), 7) << "6,991 bytes in pieces of 1,000";
    E1Declaration back;
    ASSERT_TRUE(ReadDeclarationFile(u"123456783", back));
    EXPECT_EQ(back.Surname.ToString(), QStringLiteral("ΔΕΥΤΕΡΟΣ"));
}

TEST_F(DeclarationSave, ASharedDeclarationKeepsItsModeAndANewOneFollowsTheUmask) {
    const Umask umask(022);
    folder.makeFolder("Tables");
    ScriptedDialogs dialogs;
    WriteDeclarationFile(Named("ΠΡΩΤΟΣ"), dialogs);
    EXPECT_EQ(ModeOf(Saved()), 0644u) << "a new declaration";
    SetMode(Saved(), 0640);
    dialogs.answers = {true};
    WriteDeclarationFile(Named("ΔΕΥΤΕΡΟΣ"), dialogs);
    EXPECT_EQ(ModeOf(Saved()), 0640u) << "a replaced declaration";
}

TEST_F(DeclarationSave, AReadOnlyDeclarationIsRefusedBeforeAnyQuestion) {
    folder.makeFolder("Tables");
    ScriptedDialogs first;
    WriteDeclarationFile(Named("ΠΡΩΤΟΣ"), first);
    const QByteArray earlier = folder.readFile("Tables/E1123456783.dta");
    for (const auto& [name, fileMode, folderMode] :
         {std::tuple{"read-only declaration", 0444, 0755}, std::tuple{"read-only Tables folder", 0644, 0555}}) {
        SetMode(Saved(), mode_t(fileMode));
        SetMode(folder.file("Tables"), mode_t(folderMode));
        ScriptedDialogs dialogs;  // no answers: a question would fail the test
        try {
            WriteDeclarationFile(Named("ΔΕΥΤΕΡΟΣ"), dialogs);
            ADD_FAILURE() << name << ": saved";
        } catch (const IoError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Tables/E1123456783.dta"))) << name << ": " << e.message().toStdString();
        }
        EXPECT_TRUE(dialogs.asked.isEmpty()) << name;
        EXPECT_TRUE(dialogs.informed.isEmpty()) << name;
        SetMode(folder.file("Tables"), 0755);
        EXPECT_EQ(folder.readFile("Tables/E1123456783.dta"), earlier) << name;
        EXPECT_EQ(ModeOf(Saved()), mode_t(fileMode)) << name;
    }
}

}  // namespace
}  // namespace dz
