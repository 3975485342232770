// EntryWindow: the shell the E1 and E2 entry windows share: the page tabs, the controls by
// name, the navigation keys and the wheel, and the questions on Escape and on closing.
#pragma once
#include <QHash>
#include <QWidget>
#include <functional>
#include <vector>

#include "controls/work_keeper.h"

class QCloseEvent;
class QKeyEvent;
class QScrollArea;
class QTabWidget;

namespace dz {

// How a window's pages answer the wheel and the Ctrl keys. The first wheelStep.size() tabs
// are the scrolled pages; the tabs after them keep the wheel of their own scroll area.
struct PageScrolling {
    std::vector<int> wheelStep;       // pixels per wheel notch, one per scrolled page
    int ctrlPageStep = 50;            // Ctrl+PgUp / Ctrl+PgDn
    int ctrlEndPosition = 400;        // Ctrl+End
    bool homeEndOnShownPage = false;  // Ctrl+Home/End move the page showing; otherwise page 1
};

class EntryWindow : public QWidget {
    Q_OBJECT
public:
    ~EntryWindow() override;

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The window's save command; the closing question runs it. A save the user stopped
    // leaves the window modified, and then the window stays open.
    virtual void miSaveClick() = 0;

    // The lock, the disk check before saving and the recovery file of the window's work.
    WorkKeeper& Keeper() const { return *keeper_; }

    // Controls by component name; null when none.
    QWidget* Control(const QString& name) const { return controls_.value(name); }
    template <typename T>
    T* ControlAs(const QString& name) const {
        return qobject_cast<T*>(Control(name));
    }

    void NextPage();
    void PrevPage();

    QTabWidget* pcPages = nullptr;

protected:
    // The window deletes itself when it closes.
    EntryWindow(PageScrolling scrolling, QWidget* parent);

    // The page's tab; a scrolled page's viewport takes the wheel from here.
    void AddPage(QScrollArea* page, const QString& title);
    // Changing the tab puts the focus on the new page and keeps the work in its recovery
    // file. Connected once the pages are built.
    void FollowPageChanges();
    // The window's work is kept safe from here on, its form taken from `current`.
    void KeepWorkSafe(RecoveryKind kind, std::function<KeptForm()> current);
    // Page 1 showing, every scrolled page at its top.
    void ShowFirstPage();

    // Return, Enter and the arrows walk the fields; Escape asks; PgUp/PgDn change the page; with
    // Ctrl alone PgUp/PgDn, Home and End scroll. False for any other key.
    bool NavigationKey(QKeyEvent* event);
    // The next (or previous) field of the page showing. Past the page's last field the next
    // page's first one, before its first field the previous page's last one; the first and the
    // last page keep the focus at their ends.
    void MoveFocus(bool forward);
    void ShowPage(int index);
    void ScrollPage(int index, int delta);
    // The first field in view on the page, so that the keys go on working there.
    virtual void FocusOnPage(int index);
    // The page of `field` showing, scrolled to it, the focus in it.
    void GoTo(QWidget* field);
    // Closes, after asking whether to leave changes unsaved.
    void EscapeClose();
    // A number field left with a text it refused would be taken as its last good value: the
    // focus goes to such a field and DataError, with the field's reason, stops the command.
    void StopAtRefusedField();

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab walk the fields as Enter and Up do.
    bool focusNextPrevChild(bool next) override;
    // Changes: asks whether to save them first; a save that fails keeps the window open.
    void closeEvent(QCloseEvent* event) override;

    bool modified_ = false;
    QHash<QString, QWidget*> controls_;
    WorkKeeper* keeper_ = nullptr;

private:
    int ScrolledPages() const { return static_cast<int>(scrolling_.wheelStep.size()); }

    // The focused field's page shows it whole, scrolled no further than needed.
    void KeepInView(QWidget* focused);
    // The focus to `field`, and there it stays even when leaving the previous field shows a box.
    void Enter(QWidget* field, Qt::FocusReason reason);

    PageScrolling scrolling_;
    std::vector<QScrollArea*> pages_;  // one per tab
    int wheelPending_ = 0;             // parts of a wheel notch not yet scrolled
    QWidget* arriving_ = nullptr;      // the field a page change by MoveFocus goes to
};

}  // namespace dz
