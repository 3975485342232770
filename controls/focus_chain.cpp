// The fields of one page in tab order.
#include "controls/focus_chain.h"

#include <QAbstractScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace dz {

std::vector<QWidget*> FieldsWithin(QWidget* area) {
    std::vector<QWidget*> fields;
    // The chain is a ring through the whole top-level window; the area's fields need not follow
    // the area itself.
    for (QWidget* w = area->nextInFocusChain(); w && w != area; w = w->nextInFocusChain()) {
        if (!area->isAncestorOf(w) || !w->isVisibleTo(area) || !w->isEnabled()) continue;
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()) continue;
        if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QTabBar*>(w) || qobject_cast<QTabWidget*>(w))
            continue;
        fields.push_back(w);
    }
    return fields;
}

}  // namespace dz
