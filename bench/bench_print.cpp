// Speed and size of the printed pages: the four E1 pages into one PDF (target: under 1.5 s and
// 2 MB) and the clearance note's PDF (target: under 300 ms and 600 KB).
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "bench/joint_declaration.h"
#include "note/note_lines.h"
#include "layouts/eka_print.h"
#include "model/e1_codes.h"
#include "layouts/e1_print_request.h"
#include "report/pdf_document.h"
#include "report/report_font.h"
#include "tax/clearance.h"

namespace {

// The joint declaration as a saved record: its codes in the code list, names and four cars.
dz::E1Declaration JointRecord() {
    dz::CodeTable codes;
    dz::tax::ClearanceInputs inputs;
    dz::bench::FillJointDeclaration(codes, inputs);
    dz::E1Declaration d{};
    std::size_t n = 0;
    for (const dz::E1CodeBox& box : dz::E1CodeBoxes()) {
        const double value = box.kind == dz::CodeKind::YesNo ? (codes.IsTicked(box.code) ? 1 : 0) : codes.Value(box.code);
        if (value != 0 && n < d.Codes.size()) d.Codes[n++] = {int16_t(box.code), value};
    }
    dz::AssignCut(d.Afm, u"123456783", "Afm");
    dz::AssignCut(d.Surname, u"ΠΑΠΑΔΟΠΟΥΛΟΣ", "Surname");
    dz::AssignCut(d.FirstName, u"ΓΕΩΡΓΙΟΣ", "FirstName");
    dz::AssignCut(d.HomeAddress, u"ΕΡΜΟΥ 10 ΑΘΗΝΑ", "HomeAddress");
    dz::AssignCut(d.Residence[0].Address, u"ΛΕΩΦΟΡΟΣ ΒΑΣΙΛΙΣΣΗΣ ΣΟΦΙΑΣ 120 ΚΑΙ ΟΔΟΙ ΜΙΧΑΛΑΚΟΠΟΥΛΟΥ", "Address");
    for (int c = 0; c < 4; ++c) {
        dz::AssignCut(d.Car[c].Plate, u"ΙΚΑ1234", "Plate");
        d.Car[c].Cc = 1600;
        d.Car[c].Months = 12;
    }
    return d;
}

QString OutFile(const char* name) {
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

void WriteE1Pages(const dz::E1Declaration& d, const QString& path) {
    const QString family = dz::report::ReportFontName();
    dz::report::PdfDocument pdf(path);
    for (dz::E1Sheet sheet : dz::E1SheetsOf(false, {true, true, true, true})) {
        auto page = dz::BuildE1Page(sheet, d, false, family);
        dz::SetE1SingleSidedMargins(*page);
        pdf.Export(page->report);
    }
    pdf.Close();
}

void WriteClearance(const dz::E1Declaration& d, const QString& path) {
    dz::CodeTable codes;
    dz::tax::ClearanceInputs inputs;
    dz::bench::FillJointDeclaration(codes, inputs);
    dz::ClearanceNote in;
    dz::tax::ComputeClearance(codes, inputs, in.results);
    in.lines = dz::FillEkaLines(in.results);
    in.luxury = inputs.LuxuryAssets;
    in.header = {d.Afm.ToString(), d.Surname.ToString() + u' ' + d.FirstName.ToString(), d.HomeAddress.ToString(),
                 {}, {}, {}};
    in.carNumbers = std::array<QString, 4>{QStringLiteral("ΙΚΑ1234")};
    dz::TfiEkaPrn layout;
    dz::report::ApplyReportFont(layout.qrEka);
    dz::FillEkaPrint(layout, in);
    dz::report::PdfDocument pdf(path);
    pdf.Export(layout.qrEka);
    pdf.Close();
}

// The first print of a run also draws the pages' pictures.
void BM_E1FourPagesPdfFirst(benchmark::State& state) {
    const dz::E1Declaration d = JointRecord();
    const QString path = OutFile("first.pdf");
    for (auto _ : state) WriteE1Pages(d, path);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_E1FourPagesPdfFirst)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_E1FourPagesPdf(benchmark::State& state) {
    const dz::E1Declaration d = JointRecord();
    const QString path = OutFile("e1.pdf");
    for (auto _ : state) WriteE1Pages(d, path);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_E1FourPagesPdf)->Unit(benchmark::kMillisecond);

void BM_ClearanceNotePdf(benchmark::State& state) {
    const dz::E1Declaration d = JointRecord();
    const QString path = OutFile("eka.pdf");
    for (auto _ : state) WriteClearance(d, path);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ClearanceNotePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
