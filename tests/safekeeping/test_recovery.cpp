// Recovery files: written whole off the caller's thread, newest content kept, offered again only
// when their program has ended, removed when discarded.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTimeZone>
#include <QProcess>

#include "model/atomic_file.h"
#include "safekeeping/recovery_journal.h"
#include "support/test_folder.h"

namespace dz {
namespace {

qint64 EndedPid() {
    QProcess shell;
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    shell.waitForFinished();
    return shell.readAllStandardOutput().trimmed().toLongLong();
}

RecoveryEntry Entry(const ProcessMark& process, const QString& surname, int minute) {
    RecoveryEntry entry;
    entry.kind = RecoveryKind::E1;
    entry.name = surname + QStringLiteral(" ΓΙΑΝΝΗΣ");
    entry.afm = QStringLiteral("123456789");
    entry.time = QDateTime(QDate(2026, 12, 10), QTime(10, minute), Qt::UTC);
    entry.process = process;
    entry.file = QStringLiteral("Tables/E1123456789.dta");
    entry.opened = {true, 2049, 77, QByteArray(32, '\x5a')};
    entry.form = {{QStringLiteral("boxes"), QJsonObject{{QStringLiteral("edP301"), QJsonArray{QStringLiteral("30.000,00"), 30000}}}}};
    return entry;
}

TEST(RecoveryFiles, ReadBackAsWrittenAndRefuseWhatIsNotOne) {
    const RecoveryEntry entry = Entry(ThisProcess(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"), 5);
    EXPECT_EQ(DecodeRecovery(EncodeRecovery(entry)), entry);
    for (RecoveryKind kind : {RecoveryKind::E2, RecoveryKind::ShortDeclaration}) {
        RecoveryEntry other = entry;
        other.kind = kind;
        EXPECT_EQ(DecodeRecovery(EncodeRecovery(other)), other) << static_cast<int>(kind);
    }
    QByteArray wrongKind = EncodeRecovery(entry);
    wrongKind.replace("\"E1\"", "\"E9\"");
    const struct {
        const char* name;
        QByteArray bytes;
    } bad[] = {{"empty", ""}, {"not JSON", "\x01\x02"}, {"another JSON", R"({"boxes":{}})"}, {"unknown kind", wrongKind}};
    for (const auto& c : bad) EXPECT_FALSE(DecodeRecovery(c.bytes)) << c.name;
}

TEST(RecoveryFiles, OnlyThoseOfAnEndedProgramAreOfferedOldestFirst) {
    test::TestFolder folder;
    const ProcessMark here = ThisProcess();
    ProcessMark ended = here;
    ended.pid = EndedPid();
    ended.started = 0;
    ProcessMark elsewhere = ended;
    elsewhere.host = QStringLiteral("grafeio-2");
    const QString dir = folder.file(QStringLiteral("recovery"));
    QDir().mkpath(dir);
    WriteFileAtomically(dir + QStringLiteral("/a.json"), EncodeRecovery(Entry(ended, QStringLiteral("ΒΗΤΑ"), 30)));
    WriteFileAtomically(dir + QStringLiteral("/b.json"), EncodeRecovery(Entry(ended, QStringLiteral("ΑΛΦΑ"), 10)));
    WriteFileAtomically(dir + QStringLiteral("/c.json"), EncodeRecovery(Entry(here, QStringLiteral("ΤΡΕΧΕΙ"), 1)));
    WriteFileAtomically(dir + QStringLiteral("/d.json"), EncodeRecovery(Entry(elsewhere, QStringLiteral("ΑΛΛΟΥ"), 2)));
    WriteFileAtomically(dir + QStringLiteral("/e.json"), "half a fi");

    const auto left = LeftRecoveries(dir, here);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].entry.name, QStringLiteral("ΑΛΦΑ ΓΙΑΝΝΗΣ"));
    EXPECT_EQ(left[1].entry.name, QStringLiteral("ΒΗΤΑ ΓΙΑΝΝΗΣ"));
    EXPECT_EQ(QFileInfo(left[0].path).fileName(), QStringLiteral("b.json"));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/e.json"))) << "a file that does not read is left alone";

    const QString question = RecoveryQuestion(left[0].entry);
    for (const QString& part : {QStringLiteral("Δήλωση Ε1"), QStringLiteral("ΑΛΦΑ ΓΙΑΝΝΗΣ"),
                                QStringLiteral("Α.Φ.Μ. 123456789"), QStringLiteral("Απόρριψη")})
        EXPECT_TRUE(question.contains(part)) << part.toStdString() << " in " << question.toStdString();
}

TEST(RecoveryJournals, KeepTheNewestEntryAndRemoveItWhenDiscarded) {
    test::TestFolder folder;
    const QString dir = folder.file(QStringLiteral("data/recovery"));
    RecoveryJournal journal(dir);
    ASSERT_TRUE(journal.Path().startsWith(dir + u'/'));
    for (int minute = 0; minute < 50; ++minute) journal.Keep(Entry(ThisProcess(), QStringLiteral("Α"), minute));
    journal.Flush();
    QFile file(journal.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(DecodeRecovery(file.readAll())->time.time().minute(), 49);
    EXPECT_EQ(QFile::permissions(dir) & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions())
        << "the folder is the user's alone";
    EXPECT_TRUE(journal.LastError().isEmpty());

    journal.Keep(Entry(ThisProcess(), QStringLiteral("Α"), 50));
    journal.Discard();
    journal.Flush();
    EXPECT_FALSE(QFile::exists(journal.Path())) << "removed after the write asked for before";
}

TEST(RecoveryJournals, AnEarlierRunsFileIsTakenOverAndAFailedWriteIsReported) {
    test::TestFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("recovery")));
    const QString left = folder.file(QStringLiteral("recovery/left.json"));
    WriteFileAtomically(left, EncodeRecovery(Entry(ThisProcess(), QStringLiteral("Α"), 1)));
    {
        RecoveryJournal journal(folder.file(QStringLiteral("recovery")));
        journal.Keep(Entry(ThisProcess(), QStringLiteral("Α"), 2));
        journal.Adopt(left);
        journal.Keep(Entry(ThisProcess(), QStringLiteral("Α"), 3));
    }  // the journal's end waits for its writes
    EXPECT_EQ(QDir(folder.file(QStringLiteral("recovery"))).entryList(QDir::Files), QStringList{QStringLiteral("left.json")});
    QFile file(left);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(DecodeRecovery(file.readAll())->time.time().minute(), 3);

    folder.writeFile(QStringLiteral("blocked"), "a file where the folder should be");
    RecoveryJournal blocked(folder.file(QStringLiteral("blocked")));
    blocked.Keep(Entry(ThisProcess(), QStringLiteral("Α"), 4));
    blocked.Flush();
    EXPECT_FALSE(blocked.LastError().isEmpty());
}

}  // namespace
}  // namespace dz
