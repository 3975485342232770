// Focus movement inside one window.
#include "controls/focus_chain.h"

#include <QApplication>
#include <QTabBar>
#include <QWidget>

namespace dz {

void MoveFocusWithin(QWidget* window, bool forward) {
    QWidget* start = QApplication::focusWidget();
    if (!start || !window->isAncestorOf(start)) start = window;
    QWidget* w = start;
    while (true) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start) return;
        if (!window->isAncestorOf(w) || qobject_cast<QTabBar*>(w)) continue;
        if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

}  // namespace dz
