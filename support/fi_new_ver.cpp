// The version-check dialog and CheckNewVersion: the query under the wait window, the comparison, the answers.
#include "support/fi_new_ver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/open_url.h"
#include "controls/pictures.h"
#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "support/fi_no_connection.h"
#include "support/version_check.h"

namespace dz {

const QString TfiNewVer::kCaption = QStringLiteral("Έλεγχος για νέα έκδοση της εφαρμογής");
const QString TfiNewVer::kNewerQuestion = QStringLiteral(
    "Υπάρχει νέα έκδοση της εφαρμογής.\r\n Η διαδικασία ενημέρωσης θα διαρκέσει πολύ λίγο χρόνο. "
    "Θέλετε να την κατεβάσετε τώρα;");
const QString TfiNewVer::kNoNewer = QStringLiteral("Δεν υπάρχει νεότερη έκδοση της εφαρμογής");
const QString TfiNewVer::kNoConnection = QStringLiteral("Δεν ήταν δυνατή η σύνδεση με τον διακομιστή ενημερώσεων.");

TfiNewVer::TfiNewVer(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiNewVer"));
    setWindowTitle(kCaption);
    setWindowFlag(Qt::Tool);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::StartButton(3, QSize(180, 156)));

    Label1 = new QLabel(QStringLiteral("Για να μπορέσετε να ενημερωθείτε με τη νέα έκδοση της εφαρμογής πρέπει "
                                       "απαραιτήτως να συνδεθείτε στο internet"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    Label2 = new QLabel(
        QStringLiteral("ΠΡΟΣΟΧΗ !! Αν χρησιμοποιείτε κάποιο firewall που απαγορεύει σε προγράμματα την πρόσβαση στο "
                       "internet, στην ερώτηση αν επιτρέπεται η πρόσβαση του VEZOZAR15.exe πρέπει να απαντήσετε "
                       "\"NAI\" ( \"YES\") ή \"Επιτρέπεται\" (\"Allow\") ή \"Άρση Αποκλεισμού\" ώστε να μπορέσετε "
                       "να κατεβάσετε τα δεδομένα που χρειάζονται"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, Qt::darkRed);
    Label2->setPalette(red);

    btNewVersion = new QPushButton(QStringLiteral("Έλεγχος"), this);
    btNewVersion->setObjectName(QStringLiteral("btNewVersion"));
    btNewVersion->setDefault(true);
    btExit = new QPushButton(QStringLiteral("Έξοδος"), this);
    btExit->setObjectName(QStringLiteral("btExit"));

    sbInfo = new QStatusBar(this);
    sbInfo->setObjectName(QStringLiteral("sbInfo"));
    sbInfo->setSizeGripEnabled(false);
    sbInfoPanel0 = new QLabel(sbInfo);
    sbInfoPanel1 = new QLabel(sbInfo);
    pbInfo = new QProgressBar(sbInfo);
    pbInfo->setObjectName(QStringLiteral("pbInfo"));
    pbInfo->setRange(0, 100);
    pbInfo->setValue(0);
    pbInfo->setMaximumWidth(140);
    sbInfo->addWidget(sbInfoPanel0, 1);
    sbInfo->addWidget(sbInfoPanel1, 1);
    sbInfo->addPermanentWidget(pbInfo);

    connect(btNewVersion, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { btNewVersionClick(); }); });
    connect(btExit, &QPushButton::clicked, this, &TfiNewVer::btExitClick);

    auto* texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addSpacing(10);
    texts->addWidget(Label2);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(10);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btNewVersion);
    buttons->addWidget(btExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    layout->addWidget(sbInfo);

    resize(560, 300);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfiNewVer::Outcome TfiNewVer::CheckNewVersion(bool announce) {
    if (checking_) return Outcome::NotNewer;  // the wait lets clicks through; one check at a time
    checking_ = true;
    btNewVersion->setEnabled(false);
    btExit->setEnabled(false);
    struct Restore {
        TfiNewVer* dialog;
        ~Restore() {
            dialog->checking_ = false;
            dialog->btNewVersion->setEnabled(true);
            dialog->btExit->setEnabled(true);
        }
    } restore{this};

    EnsureUpgradeFolder();  // a folder that cannot be made does not stop the check

    VersionRequest request;
    VersionReply reply;
    {
        TfiNoConnection wait(this);
        connect(&request, &VersionRequest::progress, &wait, &TfiNoConnection::showProgress);
        connect(&request, &VersionRequest::progress, this, &TfiNewVer::showProgress);
        connect(&wait, &TfiNoConnection::installThroughBrowser, &request, &VersionRequest::cancel);
        wait.show();
        QCoreApplication::processEvents();  // once, so that it appears before the wait
        reply = request.get(VersionQueryUrl(), VersionReadTimeoutMs());
    }  // the wait is over: no "please wait" beside the answer

    if (request.canceled()) return Outcome::WentToBrowser;  // the link did all there is to do
    if (!reply.ok) {
        // A failed check never ends the program: silent at start-up, a notice on demand.
        if (announce) AppDialogs().Inform(kNoConnection);
        return Outcome::Failed;
    }
    if (IsNewerVersion(reply.text)) {
        if (!AppDialogs().AskYesNo(kNewerQuestion)) return Outcome::Declined;
        OpenUrl(DownloadPageUrl());
        endRequested_ = true;
        return Outcome::Install;
    }
    if (announce) AppDialogs().Inform(kNoNewer);
    return Outcome::NotNewer;
}

void TfiNewVer::btNewVersionClick() {
    if (CheckNewVersion(true) == Outcome::Install) accept();
}

void TfiNewVer::btExitClick() { reject(); }

void TfiNewVer::reject() {
    if (!checking_) QDialog::reject();
}

void TfiNewVer::showProgress(qint64 received, qint64 total) {
    ShowProgress(sbInfoPanel0, sbInfoPanel1, pbInfo, received, total);
}

void ShowNewVersionDialog(QWidget* parent) {
    TfiNewVer dialog(parent);
    dialog.exec();
    if (!dialog.endRequested()) return;
    // The normal way out: the main window asks its entry window to close first.
    if (QWidget* main = parent ? parent->window() : nullptr) main->close();
    else QApplication::closeAllWindows();
}

VersionCheckOutcome RunStartupVersionCheck(QWidget* parent) {
    TfiNewVer dialog(parent);
    return dialog.CheckNewVersion(false);
}

}  // namespace dz
