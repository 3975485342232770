// The E2 window's keyboard and wheel: moving between fields and pages, scrolling, the row labels' menu.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "controls/focus_chain.h"
#include "e2/fi_e2.h"
#include "e2/fi_e2_names.h"

namespace dz {
namespace {

constexpr int kWheelNotch = 120;  // angle delta of one notch

}  // namespace

bool TfiE2::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        for (int page = 0; page < kPageCount; ++page) {
            if (watched != sbPages[page]->viewport()) continue;
            auto* wheel = static_cast<QWheelEvent*>(event);
            // Fine-grained wheels send parts of a notch: they add up to whole notches.
            wheelPending_ += wheel->angleDelta().y();
            const int notches = wheelPending_ / kWheelNotch;
            wheelPending_ -= notches * kWheelNotch;
            ScrollPage(page, -notches * kWheelStep[page]);
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (auto* label = qobject_cast<QLabel*>(watched);
            label && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            CurrentRow = e2::NameNumber(label->objectName());
            pmEdit->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::FocusIn:
        if (auto* widget = qobject_cast<QWidget*>(watched))
            for (QScrollArea* page : sbPages)
                if (page->widget()->isAncestorOf(widget)) page->ensureWidgetVisible(widget, 20, 20);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TfiE2::NavigationKey(QKeyEvent* event) {
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
        CloseAsk();
        return true;
    case Qt::Key_PageDown:
        if (ctrlAlone) ScrollPage(page, kCtrlPageStep);
        else NextPage();
        return true;
    case Qt::Key_PageUp:
        if (ctrlAlone) ScrollPage(page, -kCtrlPageStep);
        else PrevPage();
        return true;
    case Qt::Key_Home:
        // The page showing: moving page 1 out of sight would have no visible effect.
        if (!ctrlAlone) return false;
        sbPages[page]->verticalScrollBar()->setValue(0);
        return true;
    case Qt::Key_End:
        if (!ctrlAlone) return false;
        sbPages[page]->verticalScrollBar()->setValue(kCtrlEndPosition);
        return true;
    default:
        return false;
    }
}

void TfiE2::MoveFocus(bool forward) { MoveFocusWithin(this, forward); }

void TfiE2::NextPage() { ShowPage(pcPages->currentIndex() + 1); }

void TfiE2::PrevPage() { ShowPage(pcPages->currentIndex() - 1); }

void TfiE2::ShowPage(int index) { pcPages->setCurrentIndex((index + kPageCount) % kPageCount); }

void TfiE2::ScrollPage(int index, int delta) {
    QScrollBar* bar = sbPages[index]->verticalScrollBar();
    bar->setValue(bar->value() + delta);  // the bar keeps to its range
}

void TfiE2::FocusOnPage(int index) {
    // The first field in view on the page, so that the keys go on working there.
    QScrollArea* page = sbPages[index];
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
