// Printing page reports on paper: one report as a job, a composite report as one two-sided job.
#pragma once
#include <QString>
#include <functional>
#include <vector>

namespace dz::report {

class PageReport;

enum class Duplex {
    None,
    LongEdge,   // the sheet turns over its long edge (duplex mode 2)
    ShortEdge,  // over its short edge (duplex mode 3)
};

// One job as it goes to a printer: what the printer is told and the pages in order.
struct PrintJob {
    QString title;
    QString printerName;  // empty: the default printer
    int copies = 1;
    Duplex duplex = Duplex::None;
    std::vector<const PageReport*> pages;
};

// Where print jobs go: the system's printers, or a recorder in tests.
class PrintSink {
public:
    virtual ~PrintSink() = default;
    // IoError when the printer cannot take the job.
    virtual void Print(const PrintJob& job) = 0;
};

// The sink in use: the system's printers unless a test has put a recorder in place.
PrintSink& CurrentPrintSink();

// Test seam: while it lives, every job goes to `sink`.
class ScopedPrintSink {
public:
    explicit ScopedPrintSink(PrintSink& sink);
    ~ScopedPrintSink();
    ScopedPrintSink(const ScopedPrintSink&) = delete;
    ScopedPrintSink& operator=(const ScopedPrintSink&) = delete;

private:
    PrintSink* previous_;
};

// Runs the report's before-print hook and prints it as one job with its own title, printer and
// number of copies.
void PrintReport(PageReport& report);

// Several page reports printed as one job (two-sided printing puts them back to back). When it
// is printed it asks `addReports` for its list of reports.
class CompositeReport {
public:
    QString title;
    QString printerName;
    int copies = 1;
    Duplex duplex = Duplex::None;
    std::function<void(CompositeReport&)> addReports;

    void Clear() { reports_.clear(); }
    void Add(PageReport& report) { reports_.push_back(&report); }
    const std::vector<PageReport*>& Reports() const { return reports_; }

    // Empties the list, asks for the reports, runs each one's before-print hook and prints them
    // as one job.
    void Print();

private:
    std::vector<PageReport*> reports_;
};

}  // namespace dz::report
