// EntryWindow: the pages, keys, wheel and closing questions of the entry windows.
#include "controls/entry_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "controls/edit_field.h"
#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "model/errors.h"
#include "controls/entry_texts.h"
#include "controls/focus_chain.h"

namespace dz {
namespace {

constexpr int kWheelNotch = 120;  // angle delta of one notch
constexpr int kViewMargin = 20;   // room kept around the focused field inside the page's view

}  // namespace

EntryWindow::EntryWindow(PageScrolling scrolling, QWidget* parent)
    : QWidget(parent), scrolling_(std::move(scrolling)) {
    setAttribute(Qt::WA_DeleteOnClose);
    pcPages = new QTabWidget(this);
    pcPages->setObjectName(QStringLiteral("pcPages"));
    pcPages->setDocumentMode(true);
    // The tabs change by PgUp/PgDn and by the mouse; holding the focus they would take the typing.
    pcPages->setFocusPolicy(Qt::NoFocus);
    pcPages->tabBar()->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pcPages);
    // Keys, clicks and a message box closing all end in a focus change.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { KeepInView(now); });
}

EntryWindow::~EntryWindow() = default;

void EntryWindow::AddPage(QScrollArea* page, const QString& title) {
    if (static_cast<int>(pages_.size()) < ScrolledPages()) page->viewport()->installEventFilter(this);
    // Holding the focus the page would scroll on the arrows and drop what is typed.
    page->setFocusPolicy(Qt::NoFocus);
    // The navigation keys that a check box or a button leaves unused travel up to the page.
    page->installEventFilter(this);
    pages_.push_back(page);
    pcPages->addTab(page, title);
}

void EntryWindow::FollowPageChanges() {
    connect(pcPages, &QTabWidget::currentChanged, this, [this](int index) {
        if (arriving_) arriving_->setFocus(Qt::OtherFocusReason);
        else FocusOnPage(index);
        if (keeper_) keeper_->KeepNow();
    });
}

void EntryWindow::KeepWorkSafe(RecoveryKind kind, std::function<KeptForm()> current) {
    keeper_ = new WorkKeeper(kind, [this] { return modified_; }, std::move(current), this);
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
    case QEvent::Resize:
        // A window opens small and then takes its size: the page keeps no more of a scroll
        // than the focused field needs at the size it has now.
        for (int page = 0; page < ScrolledPages(); ++page) {
            QWidget* focus = QApplication::focusWidget();
            if (watched != pages_[page]->viewport() || !focus || !pages_[page]->widget()->isAncestorOf(focus)) continue;
            pages_[page]->horizontalScrollBar()->setValue(0);
            KeepInView(focus);
        }
        break;
    case QEvent::KeyPress:
        if (std::find(pages_.begin(), pages_.end(), watched) != pages_.end() &&
            NavigationKey(static_cast<QKeyEvent*>(event)))
            return true;
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
        MoveFocus(true);
        return true;
    case Qt::Key_Up:
        MoveFocus(false);
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

void EntryWindow::MoveFocus(bool forward) {
    const int page = pcPages->currentIndex();
    const std::vector<QWidget*> fields = FieldsWithin(pages_[page]->widget());
    const auto at = std::find(fields.begin(), fields.end(), QApplication::focusWidget());
    if (at == fields.end()) {
        FocusOnPage(page);
        return;
    }
    const Qt::FocusReason reason = forward ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    if (forward ? at + 1 != fields.end() : at != fields.begin()) {
        Enter(forward ? at[1] : at[-1], reason);
        return;
    }
    const int next = page + (forward ? 1 : -1);
    if (next < 0 || next >= pcPages->count()) return;
    const std::vector<QWidget*> there = FieldsWithin(pages_[next]->widget());
    if (there.empty()) return;
    QWidget* target = forward ? there.front() : there.back();
    // The field is left before the page changes, and the new page opens on the field itself
    // rather than on the field last used there.
    Enter(target, reason);
    arriving_ = target;
    pcPages->setCurrentIndex(next);
    arriving_ = nullptr;
}

bool EntryWindow::focusNextPrevChild(bool next) {
    // Qt's own order runs on past the page's last field into the window, and from there to the
    // fields of pages that are not showing.
    MoveFocus(next);
    return true;
}

void EntryWindow::GoTo(QWidget* field) {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i]->widget() && pages_[i]->widget()->isAncestorOf(field)) ShowPage(int(i));
    Enter(field, Qt::OtherFocusReason);
    KeepInView(field);
}

void EntryWindow::Enter(QWidget* field, Qt::FocusReason reason) {
    QPointer<QWidget> wanted = field;
    QPointer<EditField> leaving = qobject_cast<EditField*>(QApplication::focusWidget());
    field->setFocus(reason);
    // Leaving the previous field may have shown a message box, which took the focus on its way.
    if (!wanted || QApplication::focusWidget() == wanted) return;
    // A field that refused the text it was left with keeps the focus until it is mended.
    QWidget* target = leaving && !leaving->Refusal().isEmpty() ? leaving.data() : wanted.data();
    // The box gave the activation back to nothing: the field would show no cursor and take no keys.
    if (!isActiveWindow()) activateWindow();
    target->setFocus(reason);
    KeepInView(target);
}

void EntryWindow::KeepInView(QWidget* focused) {
    if (!focused) return;
    for (QScrollArea* page : pages_) {
        if (!page->widget() || !page->widget()->isAncestorOf(focused)) continue;
        // The whole field, not only its text cursor, which is all that ensureWidgetVisible
        // shows of a line edit: a right-aligned amount would show its last digit alone.
        const QRect place(focused->mapTo(page->widget(), QPoint(0, 0)), focused->size());
        page->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + kViewMargin,
                            place.height() / 2 + kViewMargin);
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
    const QRect view(QPoint(page->horizontalScrollBar()->value(), page->verticalScrollBar()->value()),
                     page->viewport()->size());
    const std::vector<QWidget*> fields = FieldsWithin(page->widget());
    if (fields.empty()) return;
    const auto shown = std::find_if(fields.begin(), fields.end(), [&](QWidget* w) {
        return view.contains(w->mapTo(page->widget(), QPoint(0, 0)));
    });
    (shown != fields.end() ? *shown : fields.front())->setFocus(Qt::OtherFocusReason);
}

void EntryWindow::StopAtRefusedField() {
    for (QWidget* control : std::as_const(controls_))
        if (auto* edit = qobject_cast<EditField*>(control))
            if (const QString refusal = edit->Refusal(); !refusal.isEmpty()) {
                edit->setFocus(Qt::OtherFocusReason);
                throw DataError(refusal);
            }
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
        if (modified_) {
            event->ignore();
            return;
        }
    }
    if (keeper_) keeper_->Closed();
    event->accept();
}

}  // namespace dz
