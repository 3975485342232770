// The wait window of the version check: title, "please wait", the download link and the progress panels.
#include "support/fi_no_connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/clickable_picture.h"
#include "controls/open_url.h"
#include "controls/pictures.h"
#include "controls/run_command.h"
#include "support/version_check.h"

namespace dz {

const QString TfiNoConnection::kCaption = QStringLiteral("Ελεγχος νέων εκδόσεων ");
const QString TfiNoConnection::kLinkText = QStringLiteral("Πατήστε εδώ για να γίνει η εγκατάσταση  μέσω browser");

void ShowProgress(QLabel* receivedPanel, QLabel* totalPanel, QProgressBar* bar, qint64 received, qint64 total) {
    const ProgressTexts texts = DescribeProgress(received, total);
    receivedPanel->setText(texts.received);
    totalPanel->setText(texts.total);
    bar->setValue(texts.percent);
}

TfiNoConnection::TfiNoConnection(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("fiNoConnection"));
    setWindowTitle(kCaption);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::StartButton(3, QSize(160, 140)));
    Image1->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(QStringLiteral("Δελτανό 2015"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont big = Label1->font();
    big.setPointSize(14);
    big.setBold(true);
    Label1->setFont(big);

    Label3 = new QLabel(QStringLiteral("Παρακαλώ περιμένετε ..."), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);

    Label2 = new ClickablePicture(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setText(kLinkText);
    Label2->setAlignment(Qt::AlignCenter);
    QFont link = Label2->font();
    link.setUnderline(true);
    Label2->setFont(link);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label2->setPalette(blue);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel1 = new QLabel(StatusBar1);
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximumWidth(120);
    StatusBar1->addWidget(StatusPanel0, 1);
    StatusBar1->addWidget(StatusPanel1, 1);
    StatusBar1->addPermanentWidget(ProgressBar1);

    connect(Label2, &ClickablePicture::clicked, this, [this] { RunCommand(this, [this] { Label2Click(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Image1);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(Label3);
    layout->addSpacing(6);
    layout->addWidget(Label2);
    layout->addWidget(StatusBar1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfiNoConnection::Label2Click() {
    OpenUrl(DownloadPageUrl());
    close();
    emit installThroughBrowser();
}

void TfiNoConnection::showProgress(qint64 received, qint64 total) {
    ShowProgress(StatusPanel0, StatusPanel1, ProgressBar1, received, total);
}

}  // namespace dz
