// Speed of the E2 statement's arithmetic without windows: one full statement recalculated, and
// `dovazez-cli batch` over a folder of 10,000 statements (target: under 3 s), in a fresh process
// as an accountant runs it.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "e2calc/e2_statement.h"
#include "model/text1253.h"

namespace {

// Sixteen leases of every income column and kind of share.
dz::E2Record FullStatement(int n) {
    const char* shares[] = {"100", "50", "1/3", "33,33"};
    dz::E2Record record;
    dz::ClearE2Record(record);
    dz::AssignCut(record.Afm, QString::number(100000000 + n), "Afm");
    dz::AssignCut(record.Surname, QStringLiteral("ΙΔΙΟΚΤΗΤΗΣ %1").arg(n), "Surname");
    for (int r = 0; r < dz::kE2Table1Rows; ++r) {
        auto& row = record.Table1[r];
        dz::AssignCut(row.From, QStringLiteral("%1/03").arg(r + 1, 2, 10, QLatin1Char('0')), "From");
        dz::AssignCut(row.To, QStringLiteral("31/12"), "To");
        dz::AssignCut(row.Share, QString::fromLatin1(shares[r % 4]), "Share");
        dz::AssignCut(record.LeaseType[r], QString::number(r * 2 + 1), "LeaseType");
        row.Rent = 250.5 * (r + 1) + n % 7;
    }
    return record;
}

void BM_RecalculateE2(benchmark::State& state) {
    const dz::E2Record stored = FullStatement(1);
    dz::QuietDialogs quiet;
    for (auto _ : state) {
        dz::E2Record record = stored;
        benchmark::DoNotOptimize(dz::RecalculateE2(record, quiet));
    }
}
BENCHMARK(BM_RecalculateE2)->Unit(benchmark::kMicrosecond);

// The batch command over 10,000 statements, timed from outside the process.
void TimeBatch(const QString& cli) {
    QTemporaryDir folder;
    constexpr int kStatements = 10'000;
    for (int n = 0; n < kStatements; ++n) {
        dz::E2Image image{};
        dz::EncodeE2(FullStatement(n), image.data());
        QFile file(folder.filePath(QStringLiteral("E2%1.dta").arg(100000000 + n)));
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(reinterpret_cast<const char*>(image.data()), image.size());
    }
    for (int run = 0; run < 3; ++run) {
        QProcess batch;
        batch.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        batch.start(cli, {QStringLiteral("batch"), folder.path()});
        batch.waitForFinished(600'000);
        std::printf("batch over %d E2 statements: %.2f s (exit %d)\n", kStatements, clock.nsecsElapsed() / 1e9,
                    batch.exitCode());
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TimeBatch(QStringLiteral(DOVAZEZ_CLI));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
