// Speed of the clearance note window: created, filled and shown offscreen (target: under 100 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <cstdio>

#include "bench/joint_declaration.h"
#include "notewindow/fi_eka.h"
#include "model/e1_codes.h"
#include "tax/clearance.h"

namespace {

struct Declaration {
    dz::CodeTable codes;
    dz::tax::ResultSet results;
    std::vector<dz::CodeEntry> entries;

    Declaration() {
        dz::tax::ClearanceInputs inputs;
        dz::bench::FillJointDeclaration(codes, inputs);
        dz::tax::ComputeClearance(codes, inputs, results);
        for (const dz::E1CodeBox& box : dz::E1CodeBoxes()) {
            const double value = box.kind == dz::CodeKind::YesNo ? (codes.IsTicked(box.code) ? 1 : 0)
                                                                 : codes.Value(box.code);
            if (auto text = dz::CodeEntryText(box.kind, value)) entries.emplace_back(box.code, *text);
        }
    }
};

const Declaration& Joint() {
    static const Declaration declaration;
    return declaration;
}

// What the E1 window does after its computation, up to the window on the screen and painted.
void OpenWindow() {
    const Declaration& d = Joint();
    dz::TfiEka window(dz::MakeClearanceNote({"123456783", "ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ", "ΣΤΑΔΙΟΥ 10, 10564 ΑΘΗΝΑ", "Α' ΑΘΗΝΩΝ",
                                             "ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ", "100000090"},
                                            d.entries, d.results));
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window.sgEka);
}

void BM_OpenClearanceWindow(benchmark::State& state) {
    for (auto _ : state) OpenWindow();
}
BENCHMARK(BM_OpenClearanceWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Joint();
    // The first window of a run pays for loading fonts and styles: timed once on its own.
    QElapsedTimer first;
    first.start();
    OpenWindow();
    std::printf("first clearance window: %.1f ms\n", first.nsecsElapsed() / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
