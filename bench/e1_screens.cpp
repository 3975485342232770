// Pictures of the E1 window's pages, top and bottom, with a few boxes filled in, for a person to
// look at. Usage: e1_screens OUT_FOLDER (bench/screenshots.sh runs it).
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/application.h"
#include "e1/fi_e1.h"

namespace {

// Shows the page of `control` so that it can take the focus.
void ShowPageOf(dz::TfiE1& window, QWidget* control) {
    for (int page = 0; page < dz::TfiE1::kPageCount; ++page)
        if (window.pcPages->widget(page)->isAncestorOf(control)) window.pcPages->setCurrentIndex(page);
}

// Types into a field as the user does, key by key, then leaves it.
void TypeAndLeave(dz::TfiE1& window, const QString& name, const QString& text) {
    auto* field = window.ControlAs<QLineEdit>(name);
    if (!field) {
        std::fprintf(stderr, "no field %s\n", qPrintable(name));
        return;
    }
    ShowPageOf(window, field);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    for (const QChar c : text) {
        // QTest knows only ASCII keys; Greek letters arrive as the text of a key event.
        QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : 0,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
    field->clearFocus();
}

void Tick(dz::TfiE1& window, const QString& name) {
    auto* box = window.ControlAs<QCheckBox>(name);
    if (!box) {
        std::fprintf(stderr, "no box %s\n", qPrintable(name));
        return;
    }
    ShowPageOf(window, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

}  // namespace

int main(int argc, char** argv) {
    dz::Application app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: e1_screens OUT_FOLDER\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(out));
        return 1;
    }
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));

    // The window works relative to the current folder: a scratch one keeps the user's files out of it.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir().mkpath(QStringLiteral("Tables"));

    dz::TfiE1 window;
    window.resize(1040, 900);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) std::fprintf(stderr, "the window did not become active\n");

    // Something in the boxes, to see the type over the form.
    const std::pair<const char*, const char*> typed[] = {
        {"edBigName", "ΠΑΠΑΔΟΠΟΥΛΟΣ"}, {"edAFM", "123456783"}, {"edP301", "23456,78"}, {"edP005", "2"},
        {"edCarIppoi1", "1600"},       {"edCarMonths1", "12"},  {"edCarPosost1", "100"}, {"edCarYear1", "7"},
        {"edP211", "100"},             {"edP213", "100"},       {"edP215", "12"},        {"edP216", "1500"},
        {"edTrapezaCode", "011"},      {"edIBAN", "1601101250000000012300695"},
    };
    for (const auto& [name, text] : typed) TypeAndLeave(window, QString::fromLatin1(name), QString::fromUtf8(text));
    Tick(window, QStringLiteral("cbP327"));
    Tick(window, QStringLiteral("cbMarried"));

    int written = 0;
    const auto save = [&](const QString& file) {
        QApplication::processEvents();
        const QString path = out + u'/' + file;
        if (window.grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++written;
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        }
    };
    for (int page = 0; page < dz::TfiE1::kPageCount; ++page) {
        window.pcPages->setCurrentIndex(page);
        save(QStringLiteral("page%1-top.png").arg(page + 1));
        if (page < dz::TfiE1::kFormPages) {
            QScrollBar* bar = window.sbPages[page]->verticalScrollBar();
            bar->setValue(bar->maximum());
            save(QStringLiteral("page%1-bottom.png").arg(page + 1));
            bar->setValue(0);
        }
    }
    window.SetModified(false);  // no closing question
    return written == dz::TfiE1::kPageCount + dz::TfiE1::kFormPages ? 0 : 1;
}
