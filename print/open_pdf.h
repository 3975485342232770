// Opening a PDF just written with the desktop's viewer.
#pragma once
#include <QString>

class QWidget;

namespace dz {

// Opens `path` with the system's default application; when nothing can open it, says so
// (the file itself was written).
void OpenWrittenPdf(const QString& path, QWidget* parent);

}  // namespace dz
