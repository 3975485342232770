// The main window TfiMain: menus, toolbar, start panel, status bar, the one entry window.
#pragma once
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/shell_windows.h"

namespace dz {

class ClickablePicture;
class StartPanel;

inline const QString kAutoCheckFile = QStringLiteral("Autocheck15.ini");

class TfiMain : public QMainWindow {
    Q_OBJECT
public:
    static const QString kCaption;  // "DOVAZEZ 2015 (VER 4.00)"

    // FormCreate: builds the window, ticks miAutoCheck when "Autocheck15.ini" exists, sets
    // FirstActivation, and takes its windows from DefaultShellWindows().
    explicit TfiMain(QWidget* parent = nullptr);
    ~TfiMain() override;

    // The main window while it exists, for code that needs its active child window.
    static TfiMain* Instance();

    // Replaces the windows that the commands open (tests put fakes here) and re-evaluates the commands.
    void setShellWindows(ShellWindows windows);
    const ShellWindows& shellWindows() const { return windows_; }

    // The active entry window (the widget the factory returned), or null when none is open.
    QWidget* activeChild() const;
    // Its component name ("fiE1", "fiE2"), or empty.
    QString activeChildName() const;
    int childCount() const;

    // Shows `entry` as the child window, maximized. Does nothing for null.
    void placeChild(QWidget* entry);

    // The idle re-evaluation of the commands, the start panel and the status bar. Runs
    // whenever the event loop is about to wait (the idle moment) and after every
    // change of the child windows; callable at any time.
    void updateCommands();

    bool firstActivation() const { return FirstActivation; }

    // Commands, by their component names.
    QAction* acExit;
    QAction* acE1;
    QAction* acE2;
    QAction* acLoadE1;
    QAction* acLoadE2;
    QAction* acSave;
    QAction* acSaveAs;
    QAction* acPrint;
    QAction* acFastEntry;
    QAction* acEka;
    QAction* acUndo;  // the entry window's "Αναίρεση"
    QAction* acRedo;  // and "Επανάληψη"
    QAction* acEmptyFiles;
    QAction* miAbout;
    QAction* N12;
    QAction* miAutoCheck;

    // Menu items that show a command under their own caption.
    QAction* miE1;
    QAction* miFastEntry;
    QAction* miE2;

    QToolBar* ToolBar1;
    QToolButton* tbSave;
    QToolButton* tbPrint;
    QToolButton* tbEka;
    QToolButton* tbBebeosi;
    ClickablePicture* Image1;
    ClickablePicture* Image2;

    StartPanel* MainPanel1;
    QMdiArea* ClientArea;
    QStatusBar* StatusBar;

    // Handlers (each runs inside the general error handler).
    void acExitExecute();
    void acE1Execute();
    void acE2Execute();
    void acLoadE1Execute();
    void acLoadE2Execute();
    void acSaveExecute();
    void acSaveAsExecute();
    void acPrintExecute();
    void acFastEntryExecute();
    void acEkaExecute();
    void acUndoExecute();
    void acRedoExecute();
    void acEmptyFilesExecute();
    void miAboutClick();
    void N12Click();
    void miAutoCheckClick();
    void Image1Click();
    void Image2Click();
    // First activation: shows TfiPro when "Pro2015.rtf" exists, then offers work left unsaved.
    void FormActivate();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Asks the open entry window to close first (it asks its own save question); stays open
    // when the entry window refuses.
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* command(const QString& name, const QString& caption, const QString& hint, void (TfiMain::*handler)());
    QAction* menuItem(QAction* command, const QString& name, const QString& caption);
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void openChild(const ChildFactory& factory);
    // Runs the item `name` of the active entry window; nothing when it has none.
    void forwardToChild(const char* name);

    bool FirstActivation = true;
    ShellWindows windows_;
};

}  // namespace dz
