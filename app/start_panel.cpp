// The press, release and hover behaviour of the start panel's picture buttons.
#include "app/start_panel.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "controls/pictures.h"

namespace dz {

StartPanel::StartPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainPanel1"));
    setMouseTracking(true);
    auto* row = new QHBoxLayout;
    row->setSpacing(48);
    row->addStretch(1);
    for (int n = 1; n <= 3; ++n) {
        const int above = n == 1 ? 4 : 7;  // how far the front lies above its back
        auto* button = new QWidget(this);
        button->setMouseTracking(true);
        button->setFixedSize(kBackSize.width() + 7, std::max(kFrontSize.height(), above + kBackSize.height()));

        auto* back = new QFrame(button);
        back->setObjectName(QStringLiteral("P%1B").arg(n));
        back->setGeometry(QRect(QPoint(7, above), kBackSize));
        back->setAutoFillBackground(true);

        auto* front = new QFrame(button);
        front->setObjectName(QStringLiteral("P%1F").arg(n));
        front->setGeometry(QRect(QPoint(0, 0), kFrontSize));
        front->setAutoFillBackground(true);
        front->setFrameShape(QFrame::Box);
        front->setLineWidth(1);

        auto* picture = new QLabel(front);
        picture->setObjectName(QStringLiteral("imgP%1").arg(n));
        picture->setProperty("tag", n);
        picture->setGeometry(front->rect().adjusted(1, 1, -1, -1));
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(pictures::StartButton(n, picture->size()));
        picture->setMouseTracking(true);
        picture->installEventFilter(this);

        backs_[n - 1] = back;
        fronts_[n - 1] = front;
        pictures_[n - 1] = picture;
        QPalette shadow = back->palette();
        shadow.setColor(QPalette::Window, shadowColour());
        back->setPalette(shadow);
        setFrontColour(n, highlightColour());
        row->addWidget(button);
    }
    row->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addStretch(1);
    column->addLayout(row);
    column->addStretch(2);
}

QPoint StartPanel::frontHome(int) const { return {0, 0}; }

// The colours are the desktop palette's colours of the same roles.
QColor StartPanel::highlightColour() const { return palette().color(QPalette::Light); }
QColor StartPanel::pressedColour() const { return palette().color(QPalette::ToolTipBase); }
QColor StartPanel::shadowColour() const { return palette().color(QPalette::Dark); }

void StartPanel::setFrontColour(int n, const QColor& colour) {
    QFrame* front = fronts_[n - 1];
    QPalette pal = front->palette();
    if (pal.color(QPalette::Window) == colour) return;
    pal.setColor(QPalette::Window, colour);
    front->setPalette(pal);
}

void StartPanel::setButtonEnabled(int n, bool enabled) {
    QLabel* picture = pictures_[n - 1];
    if (picture->isEnabled() == enabled) return;
    if (!enabled && pressed_[n - 1]) {  // never leave a pressed front behind
        pressed_[n - 1] = false;
        fronts_[n - 1]->move(frontHome(n));
        setFrontColour(n, highlightColour());
    }
    picture->setEnabled(enabled);
    picture->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void StartPanel::setButtonToolTip(int n, const QString& tip) { pictures_[n - 1]->setToolTip(tip); }

int StartPanel::buttonOf(QObject* picture) const {
    for (int i = 0; i < 3; ++i)
        if (pictures_[i] == picture) return i + 1;
    return 0;
}

bool StartPanel::eventFilter(QObject* watched, QEvent* event) {
    const int n = buttonOf(watched);
    if (n == 0) return QWidget::eventFilter(watched, event);
    QFrame* front = fronts_[n - 1];
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && !pressed_[n - 1]) {
            pressed_[n - 1] = true;
            front->move(front->pos() + QPoint(4, 4));
            setFrontColour(n, pressedColour());
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && pressed_[n - 1]) {
            pressed_[n - 1] = false;
            front->move(front->pos() - QPoint(4, 4));
            setFrontColour(n, highlightColour());
            if (pictures_[n - 1]->rect().contains(me->position().toPoint())) emit pictureClicked(n);
        }
        return true;
    }
    case QEvent::MouseMove:
        setFrontColour(n, highlightColour());
        return false;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void StartPanel::mouseMoveEvent(QMouseEvent* event) {
    for (int n = 1; n <= 3; ++n)
        if (!pressed_[n - 1]) setFrontColour(n, highlightColour());
    QWidget::mouseMoveEvent(event);
}

}  // namespace dz
