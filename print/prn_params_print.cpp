// The print dialog's print and PDF requests: one-sided pages, two-sided composite jobs, the PDF file.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <sys/file.h>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "model/errors.h"
#include "layouts/e1_fill.h"
#include "layouts/e1_print_request.h"
#include "layouts/e2_print.h"
#include "print/fi_prn_params.h"
#include "print/open_pdf.h"
#include "print/platform_dialogs.h"
#include "report/pdf_document.h"
#include "report/report_font.h"

namespace dz {
namespace {

const QString kPdfFiles[] = {QStringLiteral("DilosiE1.Pdf"), QStringLiteral("DilosiE2.Pdf")};

// Whether another program holds the file: it cannot be opened for writing, or someone keeps a
// lock on it.
bool HeldElsewhere(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return true;
    const int fd = file.handle();
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return true;
    flock(fd, LOCK_UN);
    return false;
}

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

std::array<bool, 4> TfiPrnParams::Ticked() const {
    return {cbPage1->isChecked(), cbPage2->isChecked(), cbPage3->isChecked(), cbPage4->isChecked()};
}

void TfiPrnParams::ShowPdfClick() {
    const std::array<bool, 4> ticked = Ticked();
    const bool any = std::find(ticked.begin(), ticked.end(), true) != ticked.end();
    if (any && !cbDuplex->isChecked()) {
        PdfMode = true;
        btPrintClick();
    } else if (!any) {
        AppDialogs().Inform(kNoPagesForPdf);
    } else {
        AppDialogs().Inform(kPdfNotTwoSided);
    }
}

void TfiPrnParams::btPrintClick() {
    RunCommand(this, [this] { PrintRequest(); });
    // However the request ended.
    PdfMode = false;
    PdfDocument.reset();
    prepared_.clear();
    selectedPair_.clear();
}

void TfiPrnParams::PrintRequest() {
    const QString path = kPdfFiles[kind_ == FormKind::E1 ? 0 : 1];
    PrinterSettings& printer = MainPrinterSettings();
    printer.copies = ud2->value();
    if (!PdfMode && !CurrentPlatformDialogs().ChoosePrinter(printer, this)) return;
    if (PdfMode) {
        if (HeldElsewhere(path)) {
            AppDialogs().Inform(kPdfFileOpen);
            return;
        }
        PdfDocument = std::make_unique<report::PdfDocument>(path);
    }
    family_ = report::ReportFontName();
    if (kind_ == FormKind::E1) PrintE1();
    else PrintE2();
    if (PdfMode && PdfDocument->Close()) OpenWrittenPdf(path, this);
}

void TfiPrnParams::Prepare(report::PageReport& page, const QString& title) const {
    report::ApplyReportFont(page, family_);
    page.copies = MainPrinterSettings().copies;
    page.printerName = MainPrinterSettings().printerName;
    page.title = title;
}

void TfiPrnParams::PrintPage(report::PageReport& page) {
    if (PdfMode) PdfDocument->Export(page);
    else report::PrintReport(page);
}

void TfiPrnParams::PrintComposite(report::CompositeReport& composite, std::vector<Prepared> pages) {
    prepared_ = std::move(pages);
    selectedPair_.clear();
    for (const Prepared& p : prepared_) selectedPair_.insert(p.number);
    {
        BusyCursor busy;
        composite.Clear();
        composite.title = kCompositeTitle;
        composite.copies = MainPrinterSettings().copies;
        composite.printerName = MainPrinterSettings().printerName;
        composite.Print();
    }
    prepared_.clear();
    selectedPair_.clear();
}

// The prepared reports of the selected pair, in ascending order, into one job.
void TfiPrnParams::qrCompRepA4AddReports(report::CompositeReport& composite) {
    std::vector<const Prepared*> pair;
    for (const Prepared& p : prepared_)
        if (selectedPair_.count(p.number)) pair.push_back(&p);
    std::sort(pair.begin(), pair.end(), [](const Prepared* a, const Prepared* b) { return a->number < b->number; });
    for (const Prepared* p : pair) composite.Add(*p->report);
}

void TfiPrnParams::qrCompRepA3AddReports(report::CompositeReport& composite) { qrCompRepA4AddReports(composite); }

void TfiPrnParams::PrintE1() {
    const std::array<bool, 4> ticked = Ticked();
    const bool a3 = rgTiposIndex() == 1;
    const bool colour = cbColoredPrint->isChecked();
    const auto build = [&](E1Sheet sheet, int number) {
        std::shared_ptr<E1PrintPage> page = MakeE1Page(sheet);
        Prepare(page->report, E1SheetTitle(sheet));
        FillE1Report(*page, e1_, colour);
        return Prepared{page, &page->report, number};
    };
    if (!cbDuplex->isChecked()) {
        for (E1Sheet sheet : E1SheetsOf(a3, ticked)) {
            Prepared page = build(sheet, 0);
            SetE1SingleSidedMargins(*static_cast<E1PrintPage*>(page.owner.get()));
            PrintPage(*page.report);
        }
        return;
    }
    if (!a3) {
        qrCompRepA4.duplex = report::Duplex::LongEdge;
        constexpr E1Sheet kPairs[2][2] = {{E1Sheet::Page1, E1Sheet::Page2}, {E1Sheet::Page3, E1Sheet::Page4}};
        for (int i = 0; i < 2; ++i)
            if (ticked[i]) PrintComposite(qrCompRepA4, {build(kPairs[i][0], 2 * i + 1), build(kPairs[i][1], 2 * i + 2)});
    } else if (ticked[0]) {
        qrCompRepA3.duplex = cbDupE2Ver->isChecked() ? report::Duplex::LongEdge : report::Duplex::ShortEdge;
        PrintComposite(qrCompRepA3, {build(E1Sheet::Sheet41, 1), build(E1Sheet::Sheet23, 2)});
    }
}

void TfiPrnParams::PrintE2() {
    const std::array<bool, 4> ticked = Ticked();
    const double moreTop = edMoreMargin->Value();
    const double moreLeft = edMoreMarginLeft->Value();
    const auto build = [&](int number) {
        Prepared prepared;
        prepared.number = number;
        if (number == 1) {
            auto page = std::make_shared<TfiE21Prn>();
            Prepare(page->qrE21Prn, E2PageTitle(1));
            FillE2Page1(*page, e2_);
            NumberE2Rows(*page, edE2FirstNbr->Value());
            prepared.report = &page->qrE21Prn;
            prepared.owner = page;
        } else {
            auto page = std::make_shared<TfiE22Prn>();
            Prepare(page->qrE22Prn, E2PageTitle(2));
            FillE2Page2(*page, e2_);
            prepared.report = &page->qrE22Prn;
            prepared.owner = page;
        }
        return prepared;
    };
    if (!cbDuplex->isChecked()) {
        for (int number = 1; number <= 2; ++number) {
            if (!ticked[number - 1]) continue;
            Prepared page = build(number);
            SetE2PrintMargins(*page.report, moreTop, moreLeft);
            PrintPage(*page.report);
        }
        return;
    }
    if (!ticked[0]) return;
    qrCompRepA4.duplex = cbDupE2Ver->isChecked() ? report::Duplex::LongEdge : report::Duplex::ShortEdge;
    std::vector<Prepared> pair{build(1), build(2)};
    for (Prepared& page : pair) ShiftE2Content(*page.report, moreTop, moreLeft);
    PrintComposite(qrCompRepA4, std::move(pair));
}

}  // namespace dz
