// Every file dovazez-cli writes, with each of its writes failing in turn: a failure is reported
// and the earlier file stays byte for byte, or the run succeeds with a complete file.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "gui/test_print_sample.h"
#include "support/test_folder.h"
#include "support/write_failures.h"

namespace dz {
namespace {

using test::RunCli;

struct CliRun {
    int status = -1;
    QByteArray err;
    long writes = 0;  // writes to files the run made
};

CliRun RunWithFailingWrite(const QStringList& args, const QByteArray& input, long failingWrite, long chunk) {
    const QString countFile = QDir::current().absoluteFilePath(QStringLiteral("../write-count"));
    QFile::remove(countFile);
    QProcess process;
    process.setProcessEnvironment(test::FailingWriteEnvironment(failingWrite, countFile, chunk));
    process.start(QStringLiteral(DOVAZEZ_CLI), args);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    QFile count(countFile);
    count.open(QIODevice::ReadOnly);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError(),
            count.readAll().trimmed().toLong()};
}

bool IsWholePdf(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(60000);
    QFile file(path);
    return info.exitCode() == 0 && file.open(QIODevice::ReadOnly) && file.readAll().trimmed().endsWith("%%EOF");
}

struct WriterCase {
    const char* name;
    QStringList args;
    QByteArray input;
    QString output;  // the file the command writes, alone in the folder "out"
    bool isPdf;
    long chunk;  // the most one write writes, so that each file takes several writes
};

class CliWriteFailures : public ::testing::Test {
protected:
    void SetUp() override {
        // The test folder lives inside a parent folder of its own, where the write counts go.
        folder.makeFolder("work");
        ASSERT_TRUE(QDir::setCurrent(folder.file("work")));
        QDir().mkpath("Tables");
        for (const auto& [path, json, kind] : {std::tuple{"Tables/E1123456783.dta", test::kPrintSampleE1, "e1"},
                                               std::tuple{"E2.dta", test::kPrintSampleE2, "e2"}}) {
            const auto r = RunCli({"build", "--kind", kind, "--out", path}, json);
            ASSERT_EQ(r.status, 0) << r.err.toStdString();
        }
    }

    // Runs the command with its 1st, 2nd, … write to a file failing, each time over an
    // earlier output, until a run makes fewer writes than the one set to fail.
    void Check(const WriterCase& c) {
        const QByteArray earlier("the earlier file, which must survive");
        for (long n = 1;; ++n) {
            ASSERT_LT(n, 200) << c.name << ": the command never stopped writing";
            QDir(QStringLiteral("out")).removeRecursively();
            QDir().mkpath(QStringLiteral("out"));
            {
                QFile f(c.output);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(earlier) == earlier.size());
            }
            const CliRun run = RunWithFailingWrite(c.args, c.input, n, c.chunk);
            const std::string where = std::string(c.name) + ", write " + std::to_string(n);
            EXPECT_EQ(test::AllNames(QFileInfo(c.output).path()), QStringList{QFileInfo(c.output).fileName()})
                << where << ": no temporary file is left";
            if (run.writes < n) {
                ASSERT_EQ(run.status, 0) << where << ": " << run.err.toStdString();
                if (c.isPdf) EXPECT_TRUE(IsWholePdf(c.output)) << where;
                else EXPECT_EQ(QFileInfo(c.output).size(), 6991) << where;
                EXPECT_GT(n, 1) << c.name << ": the command wrote nothing";
                return;
            }
            EXPECT_EQ(run.status, 1) << where << ": a failed write is never a success";
            EXPECT_TRUE(run.err.contains(QFileInfo(c.output).fileName().toUtf8())) << where << ": " << run.err.toStdString();
            QFile kept(c.output);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), earlier) << where;
        }
    }

    test::TestFolder folder;
};

TEST_F(CliWriteFailures, EveryWriterReportsEachFailingWriteAndKeepsTheEarlierFile) {
    const WriterCase cases[] = {
        {"build", {"build", "--kind", "e1", "--out", "out/copy.dta"}, test::kPrintSampleE1, "out/copy.dta", false, 1000},
        {"pdf clearance", {"pdf", "clearance", "--file", "Tables/E1123456783.dta", "--out", "out/note.pdf"}, {}, "out/note.pdf", true, 8192},
        {"pdf e1", {"pdf", "e1", "--file", "Tables/E1123456783.dta", "--out", "out/e1.pdf"}, {}, "out/e1.pdf", true, 65536},
        {"pdf e1 in colour", {"pdf", "e1", "--file", "Tables/E1123456783.dta", "--out", "out/e1.pdf", "--pages", "1", "--color"}, {},
         "out/e1.pdf", true, 262144},
        {"pdf e2", {"pdf", "e2", "--file", "E2.dta", "--out", "out/e2.pdf"}, {}, "out/e2.pdf", true, 65536},
        {"pdf cars", {"pdf", "cars", "--file", "Tables/E1123456783.dta", "--out", "out/cars.pdf"}, {}, "out/cars.pdf", true, 8192},
        {"batch --pdf", {"batch", "Tables", "--pdf", "out"}, {}, "out/123456783.pdf", true, 8192},
    };
    for (const WriterCase& c : cases) Check(c);
    EXPECT_EQ(test::AllNames("."), (QStringList{"E2.dta", "Tables", "out"})) << "nothing written beside the files asked for";
}

TEST_F(CliWriteFailures, BatchNamesANoteItCannotWriteAndWritesTheOthers) {
    for (const char* afm : {"111111118", "222222226"}) {
        QByteArray json(test::kPrintSampleE1);
        json.replace("123456783", afm);
        ASSERT_EQ(RunCli({"build", "--kind", "e1", "--out", QStringLiteral("Tables/E1%1.dta").arg(afm)}, json).status, 0);
    }
    QDir().mkpath("out");
    QFile locked("out/123456783.pdf");
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly) && locked.write("earlier") == 7);
    locked.close();
    locked.setPermissions(QFileDevice::ReadOwner);

    const auto r = RunCli({"batch", "Tables", "--pdf", "out"});
    EXPECT_EQ(r.status, 1) << "a note not written is a failure of the run";
    EXPECT_TRUE(r.err.contains("E1123456783.dta")) << r.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("μόνο για ανάγνωση"))) << r.err.toStdString();
    EXPECT_EQ(r.out.count('\n'), 4) << "the header and every declaration's line";
    for (const char* written : {"out/111111118.pdf", "out/222222226.pdf"}) EXPECT_TRUE(IsWholePdf(written)) << written;
    ASSERT_TRUE(locked.open(QIODevice::ReadOnly));
    EXPECT_EQ(locked.readAll(), "earlier");
}

TEST_F(CliWriteFailures, OutputThatCannotReachStandardOutputIsAFailure) {
    for (const QStringList& args : {QStringList{"batch", "Tables"}, QStringList{"dump", "E2.dta"},
                                    QStringList{"compute", "--file", "Tables/E1123456783.dta"}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(DOVAZEZ_CLI), args);
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitCode(), 1) << args.join(' ').toStdString();
        EXPECT_FALSE(process.readAllStandardError().isEmpty()) << args.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace dz
