// The main window: commands, their enabling on idle, forwarding to the entry window, start-up texts.
#include "app/fi_main.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "controls/clickable_picture.h"
#include "app/fi_pro.h"
#include "controls/open_url.h"
#include "controls/pictures.h"
#include "controls/run_command.h"
#include "app/start_panel.h"
#include "controls/user_dialogs.h"
#include "model/atomic_file.h"
#include "model/declaration_index.h"
#include "model/errors.h"
#include "support/about_box.h"

namespace dz {

const QString TfiMain::kCaption = QStringLiteral("DOVAZEZ 2015 (VER 4.00)");

namespace {

TfiMain* g_instance = nullptr;

const QString kEmptyFilesQuestion = QStringLiteral(
    "Να γίνει διαγραφή όλων των αρχείων;  Προσοχή με την επιλογή αυτή διαγράφονται όλες οι δηλώσεις.");

// Closes the main window's bookkeeping of an entry window that closed itself (its own
// Escape, its own close()): such a widget is hidden inside a still-listed child frame.
// (Explicitly hidden: a child not yet shown with its frame is hidden too, but not explicitly.)
bool EntryGone(QMdiSubWindow* sub) {
    const QWidget* entry = sub->widget();
    return !entry || (entry->isHidden() && entry->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

}  // namespace

TfiMain::TfiMain(QWidget* parent) : QMainWindow(parent), windows_(DefaultShellWindows()) {
    g_instance = this;
    setObjectName(QStringLiteral("fiMain"));
    setWindowTitle(kCaption);
    setWindowIcon(pictures::AppIcon());

    acExit = command(QStringLiteral("acExit"), QStringLiteral("Έξοδος"), QString(), &TfiMain::acExitExecute);
    acExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    acE1 = command(QStringLiteral("acE1"), QStringLiteral("Δήλωση Εισοδήματος Ε1 (Φυσικών Προσώπων)"),
                   QStringLiteral("Δήλωση Ε1 (Φυσικών Προσώπων)"), &TfiMain::acE1Execute);
    acE2 = command(QStringLiteral("acE2"), QStringLiteral("Δήλωση Μισθώματα Ακινήτων Ε2"),
                   QStringLiteral("Δήλωση Ε2 (Μισθώματα Ακινήτων)"), &TfiMain::acE2Execute);
    acLoadE1 = command(QStringLiteral("acLoadE1"), QStringLiteral("Ευρετήριο Δηλώσεων Ε1"),
                       QStringLiteral("Ευρετήριο Δηλώσεων Ε1"), &TfiMain::acLoadE1Execute);
    acLoadE2 = command(QStringLiteral("acLoadE2"), QStringLiteral("Ευρετήριο Δηλώσεων Ε2"),
                       QStringLiteral("Ευρετήριο Δηλώσεων Ε2"), &TfiMain::acLoadE2Execute);
    acSave = command(QStringLiteral("acSave"), QStringLiteral("Αποθήκευση"), QStringLiteral("Αποθήκευση"),
                     &TfiMain::acSaveExecute);
    acSave->setShortcut(QKeySequence(Qt::Key_F2));
    acSave->setIcon(pictures::SaveIcon());
    acSaveAs = command(QStringLiteral("acSaveAs"), QStringLiteral("Αποθήκευση Ως..."), QStringLiteral("Αποθήκευση Ως..."),
                       &TfiMain::acSaveAsExecute);
    acPrint = command(QStringLiteral("acPrint"), QStringLiteral("Εκτύπωση"), QStringLiteral("Εκτύπωση"),
                      &TfiMain::acPrintExecute);
    acPrint->setIcon(pictures::PrintIcon());
    acFastEntry = command(QStringLiteral("acFastEntry"), QStringLiteral("Σύντομη Δήλωση με κωδικούς"),
                          QStringLiteral("Σύντομη Δήλωση"), &TfiMain::acFastEntryExecute);
    acEka = command(QStringLiteral("acEka"), QStringLiteral("Εκκαθάριση φόρου"), QStringLiteral("Εκκαθάριση φόρου"),
                    &TfiMain::acEkaExecute);
    acEka->setShortcut(QKeySequence(Qt::Key_F8));
    acEka->setIcon(pictures::ComputeIcon());
    // The entry windows' own commands hold the keys where their fields have the focus; here
    // the keys are shown, and they work only where no entry window has them.
    acUndo = command(QStringLiteral("acUndo"), QStringLiteral("Αναίρεση"), QStringLiteral("Αναίρεση της τελευταίας μεταβολής"),
                     &TfiMain::acUndoExecute);
    acUndo->setShortcut(QKeySequence::Undo);
    acUndo->setIcon(pictures::UndoIcon());
    acRedo = command(QStringLiteral("acRedo"), QStringLiteral("Επανάληψη"), QStringLiteral("Επανάληψη της μεταβολής που αναιρέθηκε"),
                     &TfiMain::acRedoExecute);
    acRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    acRedo->setIcon(pictures::RedoIcon());
    for (QAction* history : {acUndo, acRedo}) history->setShortcutContext(Qt::WidgetShortcut);
    acEmptyFiles = command(QStringLiteral("acEmptyFiles"), QStringLiteral("Διαγραφή Αρχείων"), QString(),
                           &TfiMain::acEmptyFilesExecute);
    miAbout = command(QStringLiteral("miAbout"), QStringLiteral("Πληροφορίες για το \"DOVAZEZ 2015\""), QString(),
                      &TfiMain::miAboutClick);
    N12 = command(QStringLiteral("N12"), QStringLiteral("Έλεγχος Νέας Έκδοσης"), QString(), &TfiMain::N12Click);
    miAutoCheck = command(QStringLiteral("miAutoCheck"), QStringLiteral("Αυτόματος έλεγχος νέων εκδόσεων κατα την εκκίνηση"),
                          QString(), &TfiMain::miAutoCheckClick);
    miAutoCheck->setCheckable(true);  // a click toggles the tick before the handler runs

    miE1 = menuItem(acE1, QStringLiteral("miE1"), QStringLiteral("Δήλωση Εισοδήματος Ε1"));
    miFastEntry = menuItem(acFastEntry, QStringLiteral("miFastEntry"), QStringLiteral("Σύντομη Δήλωση με κωδικούς Ε1"));
    miE2 = menuItem(acE2, QStringLiteral("miE2"), QStringLiteral("Δήλωση Μισθωμάτων Ακινήτων Ε2"));

    buildMenus();
    buildToolBar();

    MainPanel1 = new StartPanel(this);
    MainPanel1->setButtonToolTip(1, acE1->toolTip());
    MainPanel1->setButtonToolTip(2, acE2->toolTip());
    MainPanel1->setButtonToolTip(3, N12->text());
    connect(MainPanel1, &StartPanel::pictureClicked, this, [this](int tag) {
        if (tag == 1) acE1->trigger();
        else if (tag == 2) acE2->trigger();
        else if (tag == 3) N12->trigger();
    });

    ClientArea = new QMdiArea(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ClientArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(ClientArea, &QMdiArea::subWindowActivated, this, &TfiMain::updateCommands);

    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MainPanel1, 1);
    layout->addWidget(ClientArea, 1);
    setCentralWidget(centre);

    buildStatusBar();

    // FormCreate.
    miAutoCheck->setChecked(QFile::exists(kAutoCheckFile));
    FirstActivation = true;

    // Commands are re-evaluated whenever the event loop is about to wait (the idle moment).
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TfiMain::updateCommands);

    resize(1024, 740);
    updateCommands();
}

TfiMain::~TfiMain() {
    if (g_instance == this) g_instance = nullptr;
}

TfiMain* TfiMain::Instance() { return g_instance; }

QAction* TfiMain::command(const QString& name, const QString& caption, const QString& hint, void (TfiMain::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!hint.isEmpty()) action->setToolTip(hint);
    addAction(action);  // the shortcuts work wherever the focus is in the window
    OnTriggered(action, this, [this, handler] { (this->*handler)(); });
    return action;
}

QAction* TfiMain::menuItem(QAction* cmd, const QString& name, const QString& caption) {
    auto* item = new QAction(caption, this);
    item->setObjectName(name);
    item->setToolTip(cmd->toolTip());
    item->setEnabled(cmd->isEnabled());
    connect(item, &QAction::triggered, cmd, [cmd] { cmd->trigger(); });
    connect(cmd, &QAction::changed, item, [item, cmd] { item->setEnabled(cmd->isEnabled()); });
    return item;
}

void TfiMain::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("Αρχείο"));
    file->setObjectName(QStringLiteral("mnFile"));
    file->addAction(acSave);
    file->addAction(acSaveAs);
    file->addSeparator();
    file->addAction(acPrint);
    file->addSeparator();
    file->addAction(acExit);

    QMenu* edit = bar->addMenu(QStringLiteral("Επεξεργασία"));
    edit->setObjectName(QStringLiteral("mnEdit"));
    edit->addAction(acUndo);
    edit->addAction(acRedo);

    QMenu* persons = bar->addMenu(QStringLiteral("Φυσικά Πρόσωπα"));
    persons->setObjectName(QStringLiteral("mnPersons"));
    persons->addAction(miE1);
    persons->addAction(miFastEntry);
    persons->addAction(acLoadE1);

    QMenu* property = bar->addMenu(QStringLiteral("Ακίνητα"));
    property->setObjectName(QStringLiteral("mnProperty"));
    property->addAction(miE2);
    property->addAction(acLoadE2);

    QMenu* tools = bar->addMenu(QStringLiteral("Βοηθητικά"));
    tools->setObjectName(QStringLiteral("mnTools"));
    tools->setSeparatorsCollapsible(false);  // the menu has two separators in a row
    tools->addAction(acEmptyFiles);
    tools->addSeparator();
    tools->addSeparator();
    tools->addAction(miAbout);
    tools->addSeparator();
    tools->addAction(N12);
    tools->addAction(miAutoCheck);
}

void TfiMain::buildToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);  // no toolbar-hiding menu

    ToolBar1->addAction(acSave);
    tbSave = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(acSave));
    tbSave->setObjectName(QStringLiteral("tbSave"));

    // The print button is drawn with a drop-down arrow that opens nothing.
    tbPrint = new QToolButton(ToolBar1);
    tbPrint->setObjectName(QStringLiteral("tbPrint"));
    tbPrint->setDefaultAction(acPrint);
    tbPrint->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbPrint->setPopupMode(QToolButton::MenuButtonPopup);
    tbPrint->setMenu(new QMenu(tbPrint));
    ToolBar1->addWidget(tbPrint);

    ToolBar1->addAction(acEka);
    tbEka = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(acEka));
    tbEka->setObjectName(QStringLiteral("tbEka"));
    // The history's arrows need no words beside them.
    for (QAction* history : {acUndo, acRedo}) {
        ToolBar1->addAction(history);
        qobject_cast<QToolButton*>(ToolBar1->widgetForAction(history))->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

    // No window of this system enables it.
    tbBebeosi = new QToolButton(ToolBar1);
    tbBebeosi->setObjectName(QStringLiteral("tbBebeosi"));
    tbBebeosi->setText(QStringLiteral("Εκτύπωση Βεβαιώσεων"));
    tbBebeosi->setIcon(pictures::CertificatesIcon());
    tbBebeosi->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbBebeosi->setEnabled(false);
    ToolBar1->addWidget(tbBebeosi);

    auto* spacer = new QWidget(ToolBar1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ToolBar1->addWidget(spacer);

    Image1 = new ClickablePicture(ToolBar1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::MakerBadge(QSize(150, 30)));
    Image1->setToolTip(kMakerSite);
    connect(Image1, &ClickablePicture::clicked, this, [this] { RunCommand(this, [this] { Image1Click(); }); });
    ToolBar1->addWidget(Image1);

    Image2 = new ClickablePicture(ToolBar1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(pictures::DistributorBadge(QSize(150, 30)));
    Image2->setToolTip(kDistributorSite);
    Image2->setContentsMargins(6, 0, 6, 0);
    connect(Image2, &ClickablePicture::clicked, this, [this] { RunCommand(this, [this] { Image2Click(); }); });
    ToolBar1->addWidget(Image2);
}

void TfiMain::buildStatusBar() {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(StatusBar);
    struct Panel {
        const char16_t* text;
        int width;
    };
    static const Panel panels[] = {{u"PgDn = Επόμενη Σελίδα", 140},
                                   {u"PgUp = Προηγούμενη Σελίδα", 150},
                                   {u"Ctrl + PgDn = Μετακίνηση Κάτω", 170},
                                   {u"Ctrl + PgUp = Μετακίνηση Πάνω", 170},
                                   {u"F2 = Αποθήκευση", 50}};
    int i = 0;
    for (const Panel& p : panels) {
        auto* label = new QLabel(QString::fromUtf16(p.text), StatusBar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // The widths are fixed; a text wider than its panel widens it rather than being cut.
        label->setMinimumWidth(p.width);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        StatusBar->addPermanentWidget(label, i == 4 ? 1 : 0);
        ++i;
    }
}

void TfiMain::setShellWindows(ShellWindows windows) {
    windows_ = std::move(windows);
    updateCommands();
}

int TfiMain::childCount() const {
    int n = 0;
    for (QMdiSubWindow* sub : ClientArea->subWindowList())
        if (!EntryGone(sub)) ++n;
    return n;
}

QWidget* TfiMain::activeChild() const {
    QMdiSubWindow* sub = ClientArea->activeSubWindow();
    if (!sub || EntryGone(sub)) sub = ClientArea->currentSubWindow();
    if (!sub || EntryGone(sub)) {
        sub = nullptr;
        const QList<QMdiSubWindow*> subs = ClientArea->subWindowList(QMdiArea::StackingOrder);
        for (auto it = subs.rbegin(); it != subs.rend(); ++it)
            if (!EntryGone(*it)) {
                sub = *it;
                break;
            }
    }
    return sub ? sub->widget() : nullptr;
}

QString TfiMain::activeChildName() const {
    QWidget* child = activeChild();
    return child ? child->objectName() : QString();
}

void TfiMain::placeChild(QWidget* entry) {
    if (!entry) return;
    MainPanel1->hide();
    ClientArea->show();
    QMdiSubWindow* sub = ClientArea->addSubWindow(entry);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    // An entry window that closes itself only hides (or deletes) itself inside its frame.
    entry->installEventFilter(this);
    connect(entry, &QObject::destroyed, this, &TfiMain::updateCommands, Qt::QueuedConnection);
    for (const char* history : {"miUndo", "miRedo"})
        if (QAction* action = entry->findChild<QAction*>(QLatin1String(history)))
            connect(action, &QAction::changed, this, &TfiMain::updateCommands);
    sub->showMaximized();
    ClientArea->setActiveSubWindow(sub);
    entry->setFocus();
    updateCommands();
}

void TfiMain::updateCommands() {
    // Drop the frames of entry windows that closed themselves.
    for (QMdiSubWindow* sub : ClientArea->subWindowList()) {
        if (EntryGone(sub)) {
            ClientArea->removeSubWindow(sub);
            sub->deleteLater();
        }
    }
    const bool hasChild = childCount() > 0;
    const bool e1Active = hasChild && activeChildName() == QLatin1String("fiE1");

    StatusBar->setVisible(hasChild);
    acSave->setEnabled(hasChild);
    acSaveAs->setEnabled(hasChild);
    acPrint->setEnabled(hasChild);
    acEka->setEnabled(e1Active);
    // As the entry window's own commands are.
    for (const auto& [mine, its] : {std::pair{acUndo, "miUndo"}, std::pair{acRedo, "miRedo"}}) {
        QAction* child = hasChild && activeChild() ? activeChild()->findChild<QAction*>(QLatin1String(its)) : nullptr;
        mine->setEnabled(child && child->isEnabled());
    }
    // Commands whose window does not exist yet stay disabled.
    acE1->setEnabled(!hasChild && windows_.newE1);
    acE2->setEnabled(!hasChild && windows_.newE2);
    acFastEntry->setEnabled(!hasChild && windows_.fastEntry);
    acLoadE1->setEnabled(!hasChild && windows_.loadE1);
    acLoadE2->setEnabled(!hasChild && windows_.loadE2);
    N12->setEnabled(static_cast<bool>(windows_.newVersion));

    MainPanel1->setButtonEnabled(1, acE1->isEnabled());
    MainPanel1->setButtonEnabled(2, acE2->isEnabled());
    MainPanel1->setButtonEnabled(3, N12->isEnabled());
    MainPanel1->setVisible(!hasChild);
    ClientArea->setVisible(hasChild);
}

bool TfiMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && FirstActivation)
        QMetaObject::invokeMethod(this, &TfiMain::FormActivate, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

bool TfiMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType())
        QMetaObject::invokeMethod(this, &TfiMain::updateCommands, Qt::QueuedConnection);
    return QMainWindow::eventFilter(watched, event);
}

void TfiMain::closeEvent(QCloseEvent* event) {
    // The open entry window asks its save question before the program ends.
    const QList<QMdiSubWindow*> subs = ClientArea->subWindowList();
    for (QMdiSubWindow* sub : subs) {
        if (EntryGone(sub)) continue;
        if (!sub->close()) {
            event->ignore();
            updateCommands();
            return;
        }
    }
    updateCommands();
    event->accept();
}

void TfiMain::FormActivate() {
    if (!FirstActivation) return;
    FirstActivation = false;
    RunCommand(this, [this] {
        if (!QFile::exists(TfiPro::kFileName)) return;
        TfiPro information(this);
        information.exec();
    });
    RunCommand(this, [this] {
        if (windows_.leftWork && childCount() == 0) placeChild(windows_.leftWork(this));
    });
}

void TfiMain::openChild(const ChildFactory& factory) {
    if (!factory || childCount() > 0) return;  // one entry window at a time
    placeChild(factory(this));
}

void TfiMain::forwardToChild(const char* name) {
    QWidget* child = activeChild();
    if (!child) return;
    if (QAction* item = child->findChild<QAction*>(QLatin1String(name))) item->trigger();
}

void TfiMain::acExitExecute() { close(); }
void TfiMain::acE1Execute() { openChild(windows_.newE1); }
void TfiMain::acE2Execute() { openChild(windows_.newE2); }
void TfiMain::acLoadE1Execute() { openChild(windows_.loadE1); }
void TfiMain::acLoadE2Execute() { openChild(windows_.loadE2); }
void TfiMain::acSaveExecute() { forwardToChild("miSave"); }
void TfiMain::acUndoExecute() { forwardToChild("miUndo"); }
void TfiMain::acRedoExecute() { forwardToChild("miRedo"); }
void TfiMain::acSaveAsExecute() { forwardToChild("miSaveAs"); }
void TfiMain::acPrintExecute() { forwardToChild("miPrint"); }

void TfiMain::acFastEntryExecute() {
    if (windows_.fastEntry && childCount() == 0) windows_.fastEntry(this);
}

void TfiMain::acEkaExecute() {
    if (activeChildName() == QLatin1String("fiE1")) forwardToChild("miEka2003");
}

void TfiMain::acEmptyFilesExecute() {
    if (!AppDialogs().AskBeforeDestroying(kEmptyFilesQuestion)) return;
    const DeletedFiles outcome = DeleteAllDeclarationFiles();
    if (!outcome.failed.isEmpty()) {
        AppDialogs().ShowError(QStringLiteral("Δεν ήταν δυνατή η διαγραφή των παρακάτω αρχείων του φακέλου Tables:\n") +
                               outcome.failed.join(QLatin1Char('\n')));
        return;
    }
    AppDialogs().Inform(outcome.deleted == 0   ? QStringLiteral("Δεν υπήρχε κανένα αρχείο δήλωσης στον φάκελο Tables.")
                        : outcome.deleted == 1 ? QStringLiteral("Διαγράφηκε 1 αρχείο δήλωσης από τον φάκελο Tables.")
                                               : QStringLiteral("Διαγράφηκαν %1 αρχεία δηλώσεων από τον φάκελο Tables.")
                                                     .arg(outcome.deleted));
}

void TfiMain::miAboutClick() {
    TfiAbout about(this);
    about.exec();
}

void TfiMain::N12Click() {
    if (windows_.newVersion) windows_.newVersion(this);
}

void TfiMain::miAutoCheckClick() {
    // Whatever happens, the tick ends up showing whether the switch file exists.
    struct Resync {
        QAction* item;
        ~Resync() { item->setChecked(QFile::exists(kAutoCheckFile)); }
    } resync{miAutoCheck};
    if (miAutoCheck->isChecked()) {
        WriteFileAtomically(kAutoCheckFile, QByteArrayView("Not OK\r\n"));
    } else if (QFile::exists(kAutoCheckFile)) {
        if (!QFile::remove(kAutoCheckFile))
            throw IoError(QStringLiteral("Δεν είναι δυνατή η διαγραφή του αρχείου %1").arg(kAutoCheckFile));
    }
}

void TfiMain::Image1Click() { OpenUrl(QUrl(kMakerSite)); }
void TfiMain::Image2Click() { OpenUrl(QUrl(kDistributorSite)); }

}  // namespace dz
