// The clearance note's print command: the note the window shows, printed or exported.
#include "print/eka_print_command.h"

#include <QDir>
#include <memory>

#include "controls/run_command.h"
#include "layouts/eka_print.h"
#include "notewindow/fi_eka.h"
#include "model/errors.h"
#include "model/reference_files.h"
#include "print/open_pdf.h"
#include "print/platform_dialogs.h"
#include "report/pdf_document.h"
#include "print/print_job.h"
#include "report/report_font.h"

namespace dz {

void PrintClearanceNote(TfiEka& window, bool pdf) {
    RunCommand(&window, [&window, pdf] {
        const ClearanceNote& input = window.Note();
        std::unique_ptr<report::PdfDocument> document;
        QString path;
        if (pdf) {
            const QString folder = FindReferenceFile(QString::fromLatin1(kEkaPdfFolder));
            if (!QDir().mkpath(folder))
                throw IoError(QStringLiteral("Δεν είναι δυνατή η δημιουργία του φακέλου %1.").arg(folder));
            path = EkaPdfFileName(input.header.AFM);
            document = std::make_unique<report::PdfDocument>(path);
        }
        TfiEkaPrn layout;
        report::ApplyReportFont(layout.qrEka);
        FillEkaPrint(layout, input);
        if (!pdf) {
            PrinterSettings& printer = MainPrinterSettings();
            if (!CurrentPlatformDialogs().ChoosePrinter(printer, &window)) return;
            layout.qrEka.printerName = printer.printerName;
            layout.qrEka.copies = printer.copies;
            report::PrintReport(layout.qrEka);
            return;
        }
        document->Export(layout.qrEka);
        document->Close();
        document.reset();
        OpenWrittenPdf(path, &window);
    });
}

}  // namespace dz
