// The E1 window's keyboard: moving between fields and pages, scrolling the pages; the mouse wheel.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "controls/focus_chain.h"
#include "e1/fi_e1.h"

namespace dz {
namespace {

constexpr int kWheelNotch = 120;  // angle delta of one notch

}  // namespace

bool TfiE1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        for (QScrollArea* page : sbPages) {
            if (watched != page->viewport()) continue;
            auto* wheel = static_cast<QWheelEvent*>(event);
            // Fine-grained wheels send parts of a notch: they add up to whole notches.
            wheelPending_ += wheel->angleDelta().y();
            const int notches = wheelPending_ / kWheelNotch;
            wheelPending_ -= notches * kWheelNotch;
            QScrollBar* bar = page->verticalScrollBar();
            bar->setValue(bar->value() - notches * kWheelStep);
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (std::binary_search(navigation_.begin(), navigation_.end(), watched))
            return NavigationKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            for (QScrollArea* page : sbPages)
                if (page->widget()->isAncestorOf(widget)) page->ensureWidgetVisible(widget, 20, 20);
            if (imAutoType && widget->objectName().startsWith(QLatin1String("edCarMeiwsi"))) imAutoType->show();
        }
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
    return QWidget::eventFilter(watched, event);
}

bool TfiE1::NavigationKey(QWidget*, QKeyEvent* event) {
    const auto modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrlAlone = modifiers == Qt::ControlModifier;
    const int page = pcPages->currentIndex();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        MoveFocus(true);
        return true;
    case Qt::Key_Up:
        MoveFocus(false);
        return true;
    case Qt::Key_Escape:
        EscapeClose();
        return true;
    case Qt::Key_PageDown:
        if (ctrlAlone && page < kFormPages) ScrollPage(page, kCtrlPageStep);
        else ShowPage(page + 1);
        return true;
    case Qt::Key_PageUp:
        if (ctrlAlone && page < kFormPages) ScrollPage(page, -kCtrlPageStep);
        else ShowPage(page - 1);
        return true;
    case Qt::Key_Home:
        // Page 1's box, whichever page is showing.
        if (!ctrlAlone) return false;
        sbPages[0]->verticalScrollBar()->setValue(0);
        return true;
    case Qt::Key_End:
        if (!ctrlAlone) return false;
        sbPages[0]->verticalScrollBar()->setValue(kCtrlEndPosition);
        return true;
    default:
        return false;
    }
}

void TfiE1::MoveFocus(bool forward) { MoveFocusWithin(this, forward); }

void TfiE1::ShowPage(int index) { pcPages->setCurrentIndex((index + kPageCount) % kPageCount); }

void TfiE1::ScrollPage(int index, int delta) {
    QScrollBar* bar = sbPages[index]->verticalScrollBar();
    bar->setValue(bar->value() + delta);  // the bar keeps to its range
}

void TfiE1::FocusOnPage(int index) {
    if (index == 0) {
        Control(QStringLiteral("edDoy"))->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The first field in view on the page, so that the keys go on working there.
    QScrollArea* page = index < kFormPages ? sbPages[index] : sbSpecial;
    const QRect view(QPoint(0, page->verticalScrollBar()->value()), page->viewport()->size());
    QWidget* first = nullptr;
    for (QWidget* w = page->widget()->nextInFocusChain(); w && page->widget()->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if (!w->isVisibleTo(page) || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()) continue;
        if (!first) first = w;
        if (view.contains(w->mapTo(page->widget(), QPoint(0, 0)))) {
            first = w;
            break;
        }
    }
    if (first) first->setFocus(Qt::OtherFocusReason);
}

}  // namespace dz
