// Printing the cars list from the E1 window, on paper only.
#include "print/cars_print_command.h"

#include "e1/fi_e1.h"
#include "layouts/cars_print.h"
#include "print/platform_dialogs.h"
#include "print/print_job.h"
#include "report/report_font.h"

namespace dz {

void PrintCarsAttachment(TfiE1& window) {
    PrinterSettings& printer = MainPrinterSettings();
    if (!CurrentPlatformDialogs().ChoosePrinter(printer, &window)) return;
    window.GatherDeclaration();
    TfiPrintAuto layout;
    layout.qrPrintAuto.copies = printer.copies;
    layout.qrPrintAuto.printerName = printer.printerName;
    report::ApplyReportFont(layout.qrPrintAuto);
    layout.qrPrintAuto.title = TfiPrintAuto::kTitle;
    FillCarsAttachment(layout, window.Declaration());
    report::PrintReport(layout.qrPrintAuto);
}

}  // namespace dz
