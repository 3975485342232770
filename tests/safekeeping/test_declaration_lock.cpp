// Lock files: another running program's lock is reported, a dead one's is taken over, and a
// program lets go only of a lock that is still its own.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <functional>

#include "safekeeping/declaration_lock.h"
#include "safekeeping/file_snapshot.h"
#include "model/atomic_file.h"
#include "support/test_folder.h"

namespace dz {
namespace {

const QString kDeclaration = QStringLiteral("Tables/E1123456789.dta");

// A process of this computer that runs while the test needs it, and one that has ended.
class OtherPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.makeFolder(QStringLiteral("Tables"));
        running_.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        ASSERT_TRUE(running_.waitForStarted());
        QProcess ended;  // a shell that says its own number and ends
        ended.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
        ASSERT_TRUE(ended.waitForFinished());
        endedPid_ = ended.readAllStandardOutput().trimmed().toLongLong();
    }
    void TearDown() override {
        running_.kill();
        running_.waitForFinished();
    }

    ProcessMark Running() const { return {QStringLiteral("maria"), here_.host, running_.processId(), 0}; }
    ProcessMark Ended() const { return {QStringLiteral("maria"), here_.host, endedPid_, 0}; }
    ProcessMark Elsewhere() const { return {QStringLiteral("maria"), QStringLiteral("grafeio-2"), 4242, 0}; }

    void WriteLock(const ProcessMark& mark) const {
        QJsonObject json = ProcessMarkJson(mark);
        json.insert(QStringLiteral("since"), QStringLiteral("2026-12-10T09:15:00Z"));
        WriteFileAtomically(LockFileName(kDeclaration), QJsonDocument(json).toJson());
    }

    test::TestFolder folder_;
    ProcessMark here_ = ThisProcess();
    QProcess running_;
    qint64 endedPid_ = 0;
};

TEST_F(OtherPrograms, LockFilesOfOthersAreHonouredAndDeadOnesTakenOver) {
    struct Case {
        const char* name;
        std::function<void()> prepare;
        bool heldByOther;
    };
    const Case cases[] = {
        {"no lock file", [] {}, false},
        {"a running program of this computer", [&] { WriteLock(Running()); }, true},
        {"a program of this computer that has ended", [&] { WriteLock(Ended()); }, false},
        {"a program of another computer", [&] { WriteLock(Elsewhere()); }, true},
        {"this program's own lock", [&] { WriteLock(here_); }, false},
        {"a lock file that does not read", [] { WriteFileAtomically(LockFileName(kDeclaration), "\x01garbage"); }, false},
        {"an empty lock file", [] { WriteFileAtomically(LockFileName(kDeclaration), ""); }, false},
    };
    for (const Case& c : cases) {
        QFile::remove(LockFileName(kDeclaration));
        c.prepare();
        const QByteArray before = folder_.exists(LockFileName(kDeclaration)) ? folder_.readFile(LockFileName(kDeclaration)) : "";
        EXPECT_EQ(OtherHolder(kDeclaration, here_).has_value(), c.heldByOther) << c.name;
        DeclarationLock lock;
        EXPECT_EQ(lock.Take(kDeclaration, here_), !c.heldByOther) << c.name;
        if (c.heldByOther) {
            EXPECT_EQ(folder_.readFile(LockFileName(kDeclaration)), before) << c.name << ": the other's lock stays";
            EXPECT_TRUE(lock.Held().isEmpty()) << c.name;
        } else {
            const auto mine = QJsonDocument::fromJson(folder_.readFile(LockFileName(kDeclaration))).object();
            EXPECT_EQ(ProcessMarkOfJson(mine), here_) << c.name;
            lock.Release();
            EXPECT_FALSE(folder_.exists(LockFileName(kDeclaration))) << c.name << ": released";
        }
    }
}

TEST_F(OtherPrograms, TheQuestionSaysWhoHoldsTheDeclarationAndSinceWhen) {
    WriteLock(Elsewhere());
    const auto holder = OtherHolder(kDeclaration, here_);
    ASSERT_TRUE(holder);
    const QString question = HeldQuestion(*holder);
    EXPECT_TRUE(question.contains(QStringLiteral("maria"))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("grafeio-2"))) << question.toStdString();
    EXPECT_TRUE(question.contains(holder->since.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))))
        << question.toStdString();
}

TEST_F(OtherPrograms, ALockTakenOverByAnotherProgramIsLeftToIt) {
    DeclarationLock lock;
    ASSERT_TRUE(lock.Take(kDeclaration, here_));
    WriteLock(Running());  // the other program opened it anyway after this one's lock went stale for it
    lock.Release();
    ASSERT_TRUE(folder_.exists(LockFileName(kDeclaration)));
    EXPECT_TRUE(OtherHolder(kDeclaration, here_).has_value());

    // Taking another declaration's lock lets go of the first.
    DeclarationLock moving;
    ASSERT_TRUE(moving.Take(QStringLiteral("Tables/E1111111111.dta"), here_));
    ASSERT_TRUE(moving.Take(QStringLiteral("Tables/E1222222222.dta"), here_));
    EXPECT_FALSE(folder_.exists(QStringLiteral("Tables/E1111111111.dta.lock")));
    EXPECT_TRUE(folder_.exists(QStringLiteral("Tables/E1222222222.dta.lock")));
}

TEST(FileSnapshots, AnotherWriterIsNoticedWhateverItDid) {
    test::TestFolder folder;
    const QString path = QStringLiteral("E1123456789.dta");
    struct Case {
        const char* name;
        std::function<void()> change;
        bool noticed;
    };
    const Case cases[] = {
        {"nothing done", [] {}, false},
        {"read by another program", [&] { (void)folder.readFile(path); }, false},
        {"content changed in place",
         [&] {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.write("B");
         },
         true},
        {"replaced by another save of the same bytes", [&] { WriteFileAtomically(path, "AAAA"); }, true},
        {"replaced by other bytes", [&] { WriteFileAtomically(path, "AAAB"); }, true},
        {"deleted", [&] { QFile::remove(path); }, true},
    };
    for (const Case& c : cases) {
        WriteFileAtomically(path, "AAAA");
        const FileSnapshot opened = SnapshotOf(path);
        ASSERT_TRUE(opened.exists) << c.name;
        c.change();
        EXPECT_EQ(SnapshotOf(path) != opened, c.noticed) << c.name;
        EXPECT_EQ(FileSnapshotOfJson(FileSnapshotJson(opened)), opened) << c.name << ": kept in a recovery file";
    }
    EXPECT_FALSE(SnapshotOf(QStringLiteral("missing.dta")).exists);
}

}  // namespace
}  // namespace dz
