// The E2 window's row labels: a right-click opens the row menu on that row, and only that menu.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "e2/fi_e2.h"
#include "e2/fi_e2_names.h"

namespace dz {

bool TfiE2::eventFilter(QObject* watched, QEvent* event) {
    if (auto* label = qobject_cast<QLabel*>(watched)) {
        const auto openRowMenu = [&](const QPoint& at) {
            CurrentRow = e2::NameNumber(label->objectName());
            pmEdit->popup(at);
        };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) break;
            openRowMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        case QEvent::ContextMenu:
            // The same right-click asks for a menu once more; passed on to the page it would
            // open the window's menu over the row menu.
            if (!pmEdit->isVisible()) openRowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        default:
            break;
        }
    }
    return EntryWindow::eventFilter(watched, event);
}

}  // namespace dz
