// The version-check dialog TfiNewVer, CheckNewVersion, and the two ways the main window runs it.
#pragma once
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "support/version_check.h"

namespace dz {

class TfiNewVer : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;       // "Έλεγχος για νέα έκδοση της εφαρμογής"
    static const QString kNewerQuestion; // "Υπάρχει νέα έκδοση της εφαρμογής. ..." (Yes / No)
    static const QString kNoNewer;       // "Δεν υπάρχει νεότερη έκδοση της εφαρμογής"
    static const QString kNoConnection;  // "Δεν ήταν δυνατή η σύνδεση με τον διακομιστή ενημερώσεων."

    using Outcome = VersionCheckOutcome;

    // A tool window centred on the screen. Start-up creates it without showing it.
    explicit TfiNewVer(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;  // why the internet is needed
    QLabel* Label2;  // the firewall warning
    QPushButton* btNewVersion;  // "Έλεγχος"
    QPushButton* btExit;        // "Έξοδος"
    QStatusBar* sbInfo;
    QLabel* sbInfoPanel0;
    QLabel* sbInfoPanel1;
    QProgressBar* pbInfo;

    // Asks the server for its version text while the wait window TfiNoConnection shows.
    // Newer: asks whether to download it; Yes opens the download page and marks the program
    // to end (endRequested). Not newer: "Δεν υπάρχει νεότερη έκδοση" when `announce`. No
    // answer: kNoConnection when `announce`; the program always goes on. A call while a check
    // runs does nothing (NotNewer).
    Outcome CheckNewVersion(bool announce);

    // True after "Yes" to a newer version: whoever opened the dialog ends the program.
    bool endRequested() const { return endRequested_; }

    void btNewVersionClick();  // CheckNewVersion(true); the dialog closes after "Yes"
    void btExitClick();

public slots:
    void reject() override;  // Escape and the close box do nothing while a check runs

private:
    void showProgress(qint64 received, qint64 total);

    bool checking_ = false;
    bool endRequested_ = false;
};

// N12 and start-panel button 3: the dialog, modally. After "Yes" to a newer version the main
// window (`parent`'s window) is closed the normal way, so an entry window with changes asks
// its save question first.
void ShowNewVersionDialog(QWidget* parent);

// Start-up, when "Autocheck15.ini" exists: the silent check with the dialog never shown. A
// failure is silent; the caller starts the program unless the outcome says otherwise
// (ProgramStartsAfter).
VersionCheckOutcome RunStartupVersionCheck(QWidget* parent);

}  // namespace dz
