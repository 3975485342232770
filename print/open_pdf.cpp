// Opening a written PDF through the program's one road to the desktop.
#include "print/open_pdf.h"

#include <QDir>
#include <QFileInfo>

#include "controls/open_url.h"
#include "controls/user_dialogs.h"

namespace dz {

void OpenWrittenPdf(const QString& path, QWidget*) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    OpenLocalFile(absolute, [absolute] {
        AppDialogs().Inform(QStringLiteral("Το αρχείο %1 δημιουργήθηκε, αλλά δεν βρέθηκε πρόγραμμα για να ανοίξει.")
                                .arg(QDir::toNativeSeparators(absolute)));
    });
}

}  // namespace dz
