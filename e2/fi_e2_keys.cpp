// The E2 window's row labels: a right-click opens the row menu on that row.
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "e2/fi_e2.h"
#include "e2/fi_e2_names.h"

namespace dz {

bool TfiE2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto* label = qobject_cast<QLabel*>(watched);
            label && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            CurrentRow = e2::NameNumber(label->objectName());
            pmEdit->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
    }
    return EntryWindow::eventFilter(watched, event);
}

}  // namespace dz
