// The clearance note's print command: gathers what the page shows, then prints it or exports it.
#include "print/eka_print_command.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "app/run_command.h"
#include "clearance/eka_print.h"
#include "clearance/fi_eka.h"
#include "e1/fi_e1.h"
#include "model/errors.h"
#include "model/reference_files.h"
#include "print/open_pdf.h"
#include "print/platform_dialogs.h"
#include "report/pdf_document.h"
#include "report/print_job.h"
#include "report/report_font.h"

namespace dz {
namespace {

// The E1 window the note was opened from, if it was.
const TfiE1* OpeningE1Window(const TfiEka& window) {
    for (QObject* o = window.parent(); o; o = o->parent())
        if (auto* e1 = qobject_cast<const TfiE1*>(o)) return e1;
    return nullptr;
}

QString FieldText(const TfiE1& e1, const QString& name) {
    const auto* field = e1.ControlAs<QLineEdit>(name);
    return field ? field->text() : QString();
}

}  // namespace

EkaPrintInput EkaPrintInputOf(const TfiEka& window) {
    EkaPrintInput in;
    in.header = {window.lbAFM->text(),  window.lbBigName->text(),    window.lbAddress->text(),
                 window.lbDoy->text(),  window.lbSyzBigName->text(), window.lbSyzAfm->text()};
    in.lines = LastEkaLines();
    in.results = window.Results();
    if (const TfiE1* e1 = OpeningE1Window(window)) {
        // The modal note leaves the window's fields as they were computed.
        CodeTable codes;
        tax::ClearanceInputs inputs;
        e1->ComputeInputs(codes, inputs);
        in.luxury = inputs.LuxuryAssets;
        std::array<QString, 4> numbers;
        for (int i = 0; i < 4; ++i) numbers[i] = FieldText(*e1, QStringLiteral("edCarNumber%1").arg(i + 1));
        in.carNumbers = numbers;
    }
    return in;
}

void PrintClearanceNote(TfiEka& window, bool pdf) {
    RunCommand(&window, [&window, pdf] {
        const EkaPrintInput input = EkaPrintInputOf(window);
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
