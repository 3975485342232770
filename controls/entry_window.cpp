// EntryWindow: the pages, keys, wheel and closing questions of the entry windows.
#include "controls/entry_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "controls/entry_texts.h"
#include "controls/focus_chain.h"

namespace dz {
namespace {

constexpr int kWheelNotch = 120;  // angle delta of one notch

}  // namespace

EntryWindow::EntryWindow(PageScrolling scrolling, QWidget* parent)
    : QWidget(parent), scrolling_(std::move(scrolling)) {
    setAttribute(Qt::WA_DeleteOnClose);
    pcPages = new QTabWidget(this);
    pcPages->setObjectName(QStringLiteral("pcPages"));
    pcPages->setDocumentMode(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pcPages);
}

EntryWindow::~EntryWindow() = default;

void EntryWindow::AddPage(QScrollArea* page, const QString& title) {
    if (static_cast<int>(pages_.size()) < ScrolledPages()) page->viewport()->installEventFilter(this);
    pages_.push_back(page);
    pcPages->addTab(page, title);
}

void EntryWindow::FollowPageChanges() {
    connect(pcPages, &QTabWidget::currentChanged, this, [this](int index) { FocusOnPage(index); });
}

void EntryWindow::ShowFirstPage() {
    pcPages->setCurrentIndex(0);
    for (int page = 0; page < ScrolledPages(); ++page) pages_[page]->verticalScrollBar()->setValue(0);
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Wheel:
        for (int page = 0; page < ScrolledPages(); ++page) {
            if (watched != pages_[page]->viewport()) continue;
            auto* wheel = static_cast<QWheelEvent*>(event);
            // Fine-grained wheels send parts of a notch: they add up to whole notches.
            wheelPending_ += wheel->angleDelta().y();
            const int notches = wheelPending_ / kWheelNotch;
            wheelPending_ -= notches * kWheelNotch;
            ScrollPage(page, -notches * scrolling_.wheelStep[page]);
            return true;
        }
        break;
    case QEvent::FocusIn:
        if (auto* widget = qobject_cast<QWidget*>(watched))
            for (int page = 0; page < ScrolledPages(); ++page)
                if (pages_[page]->widget()->isAncestorOf(widget)) pages_[page]->ensureWidgetVisible(widget, 20, 20);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool EntryWindow::NavigationKey(QKeyEvent* event) {
    const auto modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrlAlone = modifiers == Qt::ControlModifier;
    const int page = pcPages->currentIndex();
    const bool scrolled = page < ScrolledPages();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        MoveFocusWithin(this, true);
        return true;
    case Qt::Key_Up:
        MoveFocusWithin(this, false);
        return true;
    case Qt::Key_Escape:
        EscapeClose();
        return true;
    case Qt::Key_PageDown:
        if (ctrlAlone && scrolled) ScrollPage(page, scrolling_.ctrlPageStep);
        else ShowPage(page + 1);
        return true;
    case Qt::Key_PageUp:
        if (ctrlAlone && scrolled) ScrollPage(page, -scrolling_.ctrlPageStep);
        else ShowPage(page - 1);
        return true;
    case Qt::Key_Home:
    case Qt::Key_End: {
        if (!ctrlAlone) return false;
        const int target = scrolling_.homeEndOnShownPage ? page : 0;
        pages_[target]->verticalScrollBar()->setValue(event->key() == Qt::Key_Home ? 0 : scrolling_.ctrlEndPosition);
        return true;
    }
    default:
        return false;
    }
}

void EntryWindow::NextPage() { ShowPage(pcPages->currentIndex() + 1); }

void EntryWindow::PrevPage() { ShowPage(pcPages->currentIndex() - 1); }

void EntryWindow::ShowPage(int index) {
    const int count = pcPages->count();
    pcPages->setCurrentIndex((index + count) % count);
}

void EntryWindow::ScrollPage(int index, int delta) {
    QScrollBar* bar = pages_[index]->verticalScrollBar();
    bar->setValue(bar->value() + delta);  // the bar keeps to its range
}

void EntryWindow::FocusOnPage(int index) {
    QScrollArea* page = pages_[index];
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

void EntryWindow::EscapeClose() {
    if (modified_ && !AppDialogs().AskBeforeDestroying(entry::kEscapeQuestion)) return;
    close();
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    if (modified_ && AppDialogs().AskYesNo(entry::kCloseQuestion)) {
        try {
            miSaveClick();
        } catch (...) {
            // A save that failed keeps the window and its changes.
            ShowCurrentException(this);
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace dz
