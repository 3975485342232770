// The one-time information window at start.
#include "app/fi_pro.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "model/rtf_reader.h"

namespace dz {

const QString TfiPro::kFileName = QStringLiteral("Pro2015.rtf");

TfiPro::TfiPro(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiPro"));
    setWindowTitle(QStringLiteral("DOVAZEZ 2015"));

    rePro = new QTextEdit(this);
    rePro->setObjectName(QStringLiteral("rePro"));
    rePro->setReadOnly(true);
    rePro->setTextInteractionFlags(Qt::TextSelectableByMouse);  // no blinking caret in a text to read
    rePro->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rePro->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    rePro->setFrameShape(QFrame::NoFrame);
    rePro->setTabStopDistance(24);  // a quarter inch, the hanging indent of RTF bullet lists
    QFile file(kFileName);
    if (file.open(QIODevice::ReadOnly)) rePro->setHtml(RtfToHtml(file.readAll()));

    // White margins 41 px wide left and right of the text.
    auto* sheet = new QFrame(this);
    sheet->setObjectName(QStringLiteral("pnSheet"));
    sheet->setFrameShape(QFrame::StyledPanel);
    sheet->setAutoFillBackground(true);
    QPalette white = sheet->palette();
    white.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(white);
    auto* sheetLayout = new QHBoxLayout(sheet);
    sheetLayout->setContentsMargins(41, 12, 41, 12);
    sheetLayout->addWidget(rePro);

    cbNot = new QCheckBox(QStringLiteral("Να μην εμφανιστεί ξανά αυτό το μήνυμα"), this);
    cbNot->setObjectName(QStringLiteral("cbNot"));
    QFont bold = cbNot->font();
    bold.setBold(true);
    cbNot->setFont(bold);
    cbNot->setChecked(false);

    Button2 = new QPushButton(QStringLiteral("Έξοδος"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button2->setMinimumWidth(110);
    connect(Button2, &QPushButton::clicked, this, &TfiPro::Button2Click);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cbNot);
    bottom->addStretch(1);
    bottom->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet, 1);
    layout->addLayout(bottom);

    setFixedSize(760, 620);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfiPro::Button2Click() {
    // A failure to delete is not reported: the window is then simply shown again next time.
    if (cbNot->isChecked()) QFile::remove(kFileName);
    accept();
}

void TfiPro::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Button2Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace dz
