// Print jobs: the report side (what to print) and the system printers behind the sink seam.
#include "print/print_job.h"

#include <QPainter>
#include <QPrinter>

#include "model/errors.h"
#include "report/page_report.h"

namespace dz::report {
namespace {

QPrinter::DuplexMode DuplexModeOf(Duplex duplex) {
    switch (duplex) {
    case Duplex::LongEdge:
        return QPrinter::DuplexLongSide;
    case Duplex::ShortEdge:
        return QPrinter::DuplexShortSide;
    case Duplex::None:
        break;
    }
    return QPrinter::DuplexNone;
}

class SystemPrinters : public PrintSink {
public:
    void Print(const PrintJob& job) override {
        if (job.pages.empty()) return;
        QPrinter printer(QPrinter::HighResolution);
        if (!job.printerName.isEmpty()) printer.setPrinterName(job.printerName);
        printer.setFullPage(true);  // the reports place everything from the sheet's corner
        printer.setDocName(job.title);
        printer.setCopyCount(std::max(1, job.copies));
        printer.setDuplex(DuplexModeOf(job.duplex));
        printer.setPageLayout(PageLayoutOf(*job.pages.front()));
        QPainter painter;
        if (!painter.begin(&printer))
            throw IoError(QStringLiteral("Η εκτύπωση «%1» δεν ήταν δυνατή στον εκτυπωτή «%2».")
                              .arg(job.title, printer.printerName()));
        for (std::size_t i = 0; i < job.pages.size(); ++i) {
            if (i > 0) {
                printer.setPageLayout(PageLayoutOf(*job.pages[i]));
                printer.newPage();
            }
            RenderReport(*job.pages[i], painter);
        }
        painter.end();
    }
};

PrintSink*& SinkSlot() {
    static SystemPrinters printers;
    static PrintSink* sink = &printers;
    return sink;
}

}  // namespace

PrintSink& CurrentPrintSink() { return *SinkSlot(); }

ScopedPrintSink::ScopedPrintSink(PrintSink& sink) : previous_(SinkSlot()) { SinkSlot() = &sink; }
ScopedPrintSink::~ScopedPrintSink() { SinkSlot() = previous_; }

void PrintReport(PageReport& report) {
    report.RunBeforePrint();
    CurrentPrintSink().Print({report.title, report.printerName, report.copies, Duplex::None, {&report}});
}

void CompositeReport::Print() {
    Clear();
    if (addReports) addReports(*this);
    PrintJob job{title, printerName, copies, duplex, {}};
    for (PageReport* report : reports_) {
        report->RunBeforePrint();
        job.pages.push_back(report);
    }
    CurrentPrintSink().Print(job);
}

}  // namespace dz::report
