// The printer and font dialogs of the platform behind a small interface that tests script.
#pragma once
#include <QString>
#include <optional>

class QWidget;

namespace dz {

// What the printer dialog chooses: the printer and the number of copies.
struct PrinterSettings {
    QString printerName;  // empty: the system's default printer
    int copies = 1;
};

class PlatformDialogs {
public:
    virtual ~PlatformDialogs() = default;
    // Shows the printer dialog with `settings`; true when the user confirms, and `settings` then
    // hold the choice.
    virtual bool ChoosePrinter(PrinterSettings& settings, QWidget* parent) = 0;
    // Shows the font dialog starting at `family`; the chosen typeface, nothing when cancelled.
    virtual std::optional<QString> ChooseFont(const QString& family, QWidget* parent) = 0;
};

// The dialogs in use: the platform's QPrintDialog and QFontDialog unless a test put its own.
PlatformDialogs& CurrentPlatformDialogs();

// Test seam: while it lives, `dialogs` answers instead of the platform's dialogs.
class ScopedPlatformDialogs {
public:
    explicit ScopedPlatformDialogs(PlatformDialogs& dialogs);
    ~ScopedPlatformDialogs();
    ScopedPlatformDialogs(const ScopedPlatformDialogs&) = delete;
    ScopedPlatformDialogs& operator=(const ScopedPlatformDialogs&) = delete;

private:
    PlatformDialogs* previous_;
};

// The program's one printer dialog keeps its printer and copies from one print to the next.
PrinterSettings& MainPrinterSettings();

}  // namespace dz
