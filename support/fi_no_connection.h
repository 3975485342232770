// The wait window TfiNoConnection shown while the version query runs, with its link to the download page.
#pragma once
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QWidget>

namespace dz {

class ClickablePicture;

// The status panels and the bar of both version-check windows, while `received` of `total`
// bytes are in (DescribeProgress).
void ShowProgress(QLabel* receivedPanel, QLabel* totalPanel, QProgressBar* bar, qint64 received, qint64 total);

class TfiNoConnection : public QWidget {
    Q_OBJECT
public:
    static const QString kCaption;   // "Ελεγχος νέων εκδόσεων "
    static const QString kLinkText;  // "Πατήστε εδώ για να γίνει η εγκατάσταση  μέσω browser"

    // A window of its own (not a child widget), centred on the screen. Give the modal window
    // that runs the check as `parent`, so that the link stays clickable beside it.
    explicit TfiNoConnection(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;           // "Δελτανό 2015"
    QLabel* Label3;           // "Παρακαλώ περιμένετε ..."
    ClickablePicture* Label2; // the link, with a hand cursor
    QStatusBar* StatusBar1;
    QLabel* StatusPanel0;     // bytes received
    QLabel* StatusPanel1;     // of the expected total
    QProgressBar* ProgressBar1;

    // Opens the download page in the browser, closes the window and tells the running check
    // (installThroughBrowser) that there is nothing more to wait for.
    void Label2Click();

    void showProgress(qint64 received, qint64 total);

signals:
    void installThroughBrowser();
};

}  // namespace dz
