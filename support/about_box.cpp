// The about box: pictures drawn by app/pictures, links through the open-url seam.
#include "support/about_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/clickable_picture.h"
#include "controls/open_url.h"
#include "controls/pictures.h"
#include "controls/run_command.h"

namespace dz {

TfiAbout::TfiAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiAbout"));
    setWindowTitle(QStringLiteral("Πληροφορίες για το \" Δελτανό 2015\""));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::Cover(QSize(170, 240)));

    Image2 = new ClickablePicture(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(pictures::MakerBadge(QSize(300, 48)));
    Image2->setToolTip(kMakerSite);
    Image2->setAlignment(Qt::AlignCenter);

    lbTitle = new QLabel(QStringLiteral("DOVAZEZ 2015 VER 4.00"), this);
    lbTitle->setObjectName(QStringLiteral("lbTitle"));
    lbTitle->setAlignment(Qt::AlignCenter);
    lbTitle->setWordWrap(true);
    QFont big = lbTitle->font();
    big.setPointSize(16);
    big.setBold(true);
    lbTitle->setFont(big);

    Image4 = new ClickablePicture(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setPixmap(pictures::MakerBadge(QSize(200, 36)));
    Image4->setToolTip(kMakerSite);
    Image4->setAlignment(Qt::AlignCenter);

    Image3 = new ClickablePicture(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setPixmap(pictures::DistributorBadge(QSize(200, 36)));
    Image3->setToolTip(kDistributorSite);
    Image3->setAlignment(Qt::AlignCenter);

    BitBtn1 = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(110);

    connect(Image2, &ClickablePicture::clicked, this, [this] { RunCommand(this, [this] { Image2Click(); }); });
    connect(Image4, &ClickablePicture::clicked, this, [this] { RunCommand(this, [this] { Image2Click(); }); });
    connect(Image3, &ClickablePicture::clicked, this, [this] { RunCommand(this, [this] { Image3Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, &TfiAbout::BitBtn1Click);

    auto* right = new QVBoxLayout;
    right->addWidget(Image2);
    right->addSpacing(8);
    right->addWidget(lbTitle);
    right->addSpacing(8);
    right->addWidget(Image4);
    right->addWidget(Image3);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfiAbout::Image2Click() { OpenUrl(QUrl(kMakerSite)); }
void TfiAbout::Image3Click() { OpenUrl(QUrl(kDistributorSite)); }
void TfiAbout::BitBtn1Click() { accept(); }

}  // namespace dz
