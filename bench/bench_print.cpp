// Speed and size of the printed pages, drawn as lines and text: the four E1 pages into one PDF
// (under 300 ms for the first, 100 KB), two colour E1 pages (200 KB), the two E2 pages (60 KB),
// the cars list, the clearance note (about 27 KB); and the page pictures of a high-density screen.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "bench/joint_declaration.h"
#include "note/note_lines.h"
#include "layouts/eka_print.h"
#include "model/e1_codes.h"
#include "layouts/cars_print.h"
#include "layouts/e1_print_request.h"
#include "layouts/e2_print.h"
#include "forms/e2_pages.h"
#include "render/e2_pictures.h"
#include "render/page_pictures.h"
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

void WriteE1Pages(const dz::E1Declaration& d, const QString& path, const std::array<bool, 4>& pages = {true, true, true, true},
                  bool coloured = false) {
    const QString family = dz::report::ReportFontName();
    dz::report::PdfDocument pdf(path);
    for (dz::E1Sheet sheet : dz::E1SheetsOf(false, pages)) {
        auto page = dz::BuildE1Page(sheet, d, coloured, family);
        dz::SetE1SingleSidedMargins(*page);
        pdf.Export(page->report);
    }
    pdf.Close();
}

// The reports, filled and with their typeface, as one PDF.
void WritePdf(const QString& path, std::initializer_list<dz::report::PageReport*> pages) {
    dz::report::PdfDocument pdf(path);
    for (dz::report::PageReport* page : pages) pdf.Export(*page);
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
    WritePdf(path, {&layout.qrEka});
}

// The first print of a run also loads and measures the typefaces.
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

void BM_E1TwoColourPagesPdf(benchmark::State& state) {
    const dz::E1Declaration d = JointRecord();
    const QString path = OutFile("colour.pdf");
    for (auto _ : state) WriteE1Pages(d, path, {true, true, false, false}, true);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_E1TwoColourPagesPdf)->Unit(benchmark::kMillisecond);

// A statement with every row of its three tables written.
dz::E2Record FullStatement() {
    dz::E2Record r{};
    dz::AssignCut(r.Surname, u"ΠΑΠΑΔΟΠΟΥΛΟΣ", "Surname");
    dz::AssignCut(r.Afm, u"123456783", "Afm");
    for (auto& row : r.Table1) {
        dz::AssignCut(row.Location, u"ΕΡΜΟΥ 10 ΑΘΗΝΑ", "Location");
        dz::AssignCut(row.TenantName, u"ΙΩΑΝΝΟΥ ΠΕΤΡΟΣ", "TenantName");
        row.Rent = 500;
        row.Months = 12;
        row.Income[1] = 6000;
    }
    for (auto& row : r.Table2) dz::AssignCut(row.Location, u"ΠΑΤΗΣΙΩΝ 20", "Location");
    for (auto& row : r.Table3) dz::AssignCut(row.Location, u"ΚΗΦΙΣΙΑΣ 5", "Location");
    return r;
}

void BM_E2TwoPagesPdf(benchmark::State& state) {
    const dz::E2Record r = FullStatement();
    const QString path = OutFile("e2.pdf");
    for (auto _ : state) {
        dz::TfiE21Prn one;
        dz::TfiE22Prn two;
        for (dz::report::PageReport* page : {&one.qrE21Prn, &two.qrE22Prn}) dz::report::ApplyReportFont(*page);
        dz::FillE2Page1(one, r);
        dz::FillE2Page2(two, r);
        WritePdf(path, {&one.qrE21Prn, &two.qrE22Prn});
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_E2TwoPagesPdf)->Unit(benchmark::kMillisecond);

void BM_CarsListPdf(benchmark::State& state) {
    const dz::E1Declaration d = JointRecord();
    const QString path = OutFile("cars.pdf");
    for (auto _ : state) {
        dz::TfiPrintAuto layout;
        dz::report::ApplyReportFont(layout.qrPrintAuto);
        dz::FillCarsAttachment(layout, d);
        WritePdf(path, {&layout.qrPrintAuto});
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_CarsListPdf)->Unit(benchmark::kMillisecond);

// The six pictures the E1 and E2 windows show on a screen of device-pixel ratio 2.
void BM_PagePicturesAtRatio2(benchmark::State& state) {
    for (auto _ : state) {
        for (int page = 0; page < dz::forms::kE1PageCount; ++page) benchmark::DoNotOptimize(dz::forms::E1PagePicture(page, 2));
        for (int page = 0; page < dz::kE2PageCount; ++page) benchmark::DoNotOptimize(dz::E2PagePicture(page, 2));
    }
}
BENCHMARK(BM_PagePicturesAtRatio2)->Unit(benchmark::kMillisecond);

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
