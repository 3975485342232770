// The E1 window's live clearance panel: beside the pages, its command, its kept state, its refreshes.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>

#include "e1/fi_e1.h"
#include "e1/live_clearance_panel.h"

namespace dz {
namespace {

const QString kShownKey = QStringLiteral("LiveClearance/Shown");
// Room either side of a field in view, as the pages keep it when they scroll to the focus.
constexpr int kFieldRoom = 2 * 20;

bool KeptShown() { return QSettings(TfiE1::LivePanelSettingsFile(), QSettings::IniFormat).value(kShownKey, true).toBool(); }

void KeepShown(bool shown) {
    QSettings settings(TfiE1::LivePanelSettingsFile(), QSettings::IniFormat);
    settings.setValue(kShownKey, shown);
}

}  // namespace

QString TfiE1::LivePanelSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/e1_window.ini");
}

void TfiE1::BuildLiveClearance() {
    pnLive = new LiveClearancePanel;
    spLive = new QSplitter(Qt::Horizontal, this);
    spLive->setObjectName(QStringLiteral("spLiveClearance"));
    spLive->setChildrenCollapsible(false);
    delete layout()->replaceWidget(pcPages, spLive);
    spLive->addWidget(pcPages);
    spLive->addWidget(pnLive);
    spLive->setStretchFactor(0, 1);
    spLive->setStretchFactor(1, 0);

    miLiveClearance = new QAction(QStringLiteral("Εκκαθάριση ζωντανά"), this);
    miLiveClearance->setObjectName(QStringLiteral("miLiveClearance"));
    miLiveClearance->setToolTip(QStringLiteral("Εκκαθάριση ζωντανά (F9)\nCtrl+F9: μετάβαση στα ποσά, Esc: επιστροφή"));
    miLiveClearance->setCheckable(true);
    miLiveClearance->setShortcut(QKeySequence(Qt::Key_F9));
    // Wherever the focus is in this window, and only there: another window's F9 is its own.
    miLiveClearance->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(miLiveClearance);
    miLiveFigures = new QAction(QStringLiteral("Μετάβαση στα ποσά της εκκαθάρισης"), this);
    miLiveFigures->setObjectName(QStringLiteral("miLiveFigures"));
    miLiveFigures->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    miLiveFigures->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(miLiveFigures);
    connect(miLiveFigures, &QAction::triggered, this, [this] {
        if (!pnLive->isHidden()) pnLive->FocusFigures();
    });
    connect(pnLive, &LiveClearancePanel::LineActivated, this, &TfiE1::ExplainFigure);
    connect(pnLive, &LiveClearancePanel::LeaveRequested, this, [this] {
        if (lastField_) lastField_->setFocus(Qt::OtherFocusReason);
        else FocusOnPage(pcPages->currentIndex());
    });
    // Beside the page tabs, where it takes none of the pages' height.
    auto* bar = new QToolBar(pcPages);
    bar->setObjectName(QStringLiteral("tbLiveClearance"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(miLiveClearance);
    pcPages->setCornerWidget(bar, Qt::TopRightCorner);

    const bool shown = KeptShown();
    miLiveClearance->setChecked(shown);
    pnLive->setVisible(shown);
    connect(miLiveClearance, &QAction::toggled, this, [this](bool on) {
        ShowLiveClearance(on);
        KeepShown(on);
    });

    // Every change of a box, as it is typed, ticked or picked; not only when a field is left.
    for (QWidget* control : std::as_const(controls_)) {
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, &TfiE1::RefreshLiveClearance);
        else if (auto* box = qobject_cast<QCheckBox*>(control))
            connect(box, &QCheckBox::toggled, this, &TfiE1::RefreshLiveClearance);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && pcPages->isAncestorOf(now)) lastField_ = now;
        MakeRoomFor(now);
    });
    StartLiveChanges();
}

void TfiE1::ShowLiveClearance(bool shown) {
    pnLive->setVisible(shown);
    if (shown) MakeRoomFor(QApplication::focusWidget());
    RefreshLiveClearance();
}

void TfiE1::MakeRoomFor(QWidget* focused) {
    const auto* shown = qobject_cast<QScrollArea*>(pcPages->currentWidget());
    if (!miLiveClearance->isChecked() || !focused || !shown || !pcPages->isAncestorOf(focused)) return;
    const int panel = pnLive->isHidden() ? std::max(pnLive->width(), pnLive->minimumWidth()) + spLive->handleWidth() : 0;
    const bool fits = focused->width() + kFieldRoom <= shown->viewport()->width() - panel;
    if (fits == !pnLive->isHidden()) return;
    pnLive->setVisible(fits);
    // At once, not at the next layout pass: the page scrolls to the focused field on its resize.
    spLive->refresh();
    RefreshLiveClearance();
}

void TfiE1::resizeEvent(QResizeEvent* event) {
    EntryWindow::resizeEvent(event);
    if (miLiveClearance) MakeRoomFor(QApplication::focusWidget());
}

void TfiE1::RefreshLiveClearance() {
    if (liveHeld_ == 0 && pnLive && !pnLive->isHidden()) ComputeLiveClearance();
}

void TfiE1::StartLiveChanges() {
    // Also while hidden: the panel computes nothing as the user types then, and shown later it
    // counts its changes from here.
    ComputeLiveClearance();
    pnLive->ResetChanges();
}

}  // namespace dz
