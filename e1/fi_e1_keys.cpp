// The E1 window's keyboard: the fields that take the navigation keys, the car fields' picture, page 1's first field.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

#include "e1/fi_e1.h"

namespace dz {

bool TfiE1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        // Every check box takes the navigation keys as the fields do; it keeps Space.
        if (std::binary_search(navigation_.begin(), navigation_.end(), watched) || qobject_cast<QCheckBox*>(watched))
            return NavigationKey(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (imAutoType && watched->objectName().startsWith(QLatin1String("edCarMeiwsi"))) imAutoType->show();
        break;
    case QEvent::FocusOut:
        if (imAutoType && watched->objectName().startsWith(QLatin1String("edCarMeiwsi"))) {
            imAutoType->hide();
            // Focus leaving for another window or a menu is not leaving the field.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) CalcCars();
        }
        break;
    default:
        break;
    }
    return EntryWindow::eventFilter(watched, event);
}

void TfiE1::FocusOnPage(int index) {
    if (index == 0) {
        Control(QStringLiteral("edDoy"))->setFocus(Qt::OtherFocusReason);
        return;
    }
    EntryWindow::FocusOnPage(index);
}

}  // namespace dz
