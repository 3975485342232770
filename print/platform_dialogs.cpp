// The platform's printer and font dialogs, and the seam that replaces them in tests.
#include "print/platform_dialogs.h"

#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace dz {
namespace {

class QtDialogs : public PlatformDialogs {
public:
    bool ChoosePrinter(PrinterSettings& settings, QWidget* parent) override {
        QPrinter printer;
        if (!settings.printerName.isEmpty()) printer.setPrinterName(settings.printerName);
        printer.setCopyCount(std::max(1, settings.copies));
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        if (dialog.exec() != QDialog::Accepted) return false;
        settings.printerName = printer.printerName();
        settings.copies = printer.copyCount();
        return true;
    }
    std::optional<QString> ChooseFont(const QString& family, QWidget* parent) override {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(family), parent);
        if (!ok) return std::nullopt;
        return font.family();
    }
};

PlatformDialogs*& Slot() {
    static QtDialogs platform;
    static PlatformDialogs* current = &platform;
    return current;
}

}  // namespace

PlatformDialogs& CurrentPlatformDialogs() { return *Slot(); }

ScopedPlatformDialogs::ScopedPlatformDialogs(PlatformDialogs& dialogs) : previous_(Slot()) { Slot() = &dialogs; }
ScopedPlatformDialogs::~ScopedPlatformDialogs() { Slot() = previous_; }

PrinterSettings& MainPrinterSettings() {
    static PrinterSettings settings;
    return settings;
}

}  // namespace dz
