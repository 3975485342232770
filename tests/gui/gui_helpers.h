// Helpers for the widget tests: answering modal windows, fake entry windows.
#pragma once
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "controls/user_dialogs.h"

namespace dz::test {

// Runs `act` on the next modal window that appears (polling every 10 ms), so a test can
// drive a dialog that the code under test exec()s. Gives up after `timeoutMs`.
inline void WhenModal(std::function<void(QWidget*)> act, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            if (modal) act(modal);
        }
    });
    timer->start();
}

inline const QString kCloseQuestion =
    QStringLiteral("Έχετε κάνει μεταβολές στη Δήλωση. Να αποθηκευτούν πρίν από την έξοδo;");

// A stand-in for an entry window: named items counted when triggered, and the
// closing question asked through the dialogs seam.
class FakeEntry : public QWidget {
public:
    FakeEntry(const QString& name, const QStringList& items) {
        setObjectName(name);
        setWindowTitle(name);
        for (const QString& item : items) {
            auto* action = new QAction(item, this);
            action->setObjectName(item);
            QObject::connect(action, &QAction::triggered, this, [this, item] { ++runs[item]; });
        }
    }
    int count(const QString& item) const { return runs.value(item); }

    QHash<QString, int> runs;
    bool modified = false;
    bool refuseClose = false;
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        if (refuseClose) {
            event->ignore();
            return;
        }
        if (modified && AppDialogs().AskYesNo(kCloseQuestion)) {
            if (QAction* save = findChild<QAction*>(QStringLiteral("miSave"))) save->trigger();
        }
        event->accept();
    }
};

}  // namespace dz::test
