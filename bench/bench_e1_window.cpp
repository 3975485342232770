// Speed of the E1 window: created and shown (under 300 ms), gathered and saved (under 10 ms), computed to the
// clearance note (under 100 ms), a keystroke to the live clearance panel's new figures (under 2 ms).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "e1/fi_e1.h"
#include "e1/live_clearance_panel.h"
#include "render/page_pictures.h"
#include "model/declaration_file.h"

namespace {

// Saves without asking: the benchmark overwrites its own file each time.
class Silent : public dz::Dialogs {
public:
    bool AskYesNo(const QString&) override { return true; }
    void Inform(const QString&) override {}
};

// A working folder with its pictures, current for the whole run.
class Folder {
public:
    Folder() {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QDir().mkdir(QStringLiteral("Tables"));
        for (int page = 0; page < dz::forms::kE1PageCount; ++page) dz::forms::E1PagePicture(page);
    }
    ~Folder() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A declaration of a married couple with salaries, rents, a residence, two cars and expenses.
void Fill(dz::TfiE1& window) {
    const struct {
        const char* field;
        const char* text;
    } typed[] = {
        {"edAFM", "123456783"},   {"edBigName", "ΠΑΠΑΔΟΠΟΥΛΟΣ"}, {"edName", "ΓΙΩΡΓΟΣ"},  {"edDoy", "Α' ΑΘΗΝΩΝ"},
        {"edSyzAFM", "100000090"}, {"edSyzBigName", "ΠΑΠΑΔΟΠΟΥΛΟΥ"}, {"edP301", "30.000,00"}, {"edP302", "18.500,00"},
        {"edP313", "4.100,00"},   {"edP314", "1.900,00"},        {"edP315", "3.900,00"}, {"edP316", "1.800,00"},
        {"edP103", "6.000,00"},   {"edP104", "2.000,00"},        {"edP049", "9.000,00"}, {"edP051", "700,00"},
        {"edP052", "350,00"},     {"edP211", "120"},             {"edP212", "15"},       {"edP213", "50"},
        {"edP214", "50"},         {"edP215", "12"},              {"edP216", "2.900,00"}, {"edP115", "4.452,00"},
        {"edP116", "4.452,00"},   {"edCarIppoi1", "1600"},       {"edCarMonths1", "12"}, {"edCarPosost1", "100"},
        {"edCarYear1", "2008"},   {"edP851", "4.480,00"},        {"edCarIppoi2", "1200"}, {"edCarMonths2", "12"},
        {"edCarPosost2", "100"},  {"edCarYear2", "2012"},        {"edP854", "4.000,00"}, {"edP901", "500,00"},
    };
    for (const auto& t : typed) window.ControlAs<QLineEdit>(QLatin1String(t.field))->setText(QString::fromUtf8(t.text));
    for (const char* box : {"cbMarried", "cbP327", "cbCarWhich2"})
        window.ControlAs<QAbstractButton>(QLatin1String(box))->setChecked(true);
}

void BM_E1WindowCreatedAndShown(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) {
        auto* window = new dz::TfiE1;
        window->resize(1100, 800);
        window->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->pcPages);
        delete window;
    }
}
BENCHMARK(BM_E1WindowCreatedAndShown)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first start in a folder without pictures: the four pages are drawn and written too.
void BM_E1WindowFirstStart(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(QStringLiteral("WParams")).removeRecursively();
        state.ResumeTiming();
        auto* window = new dz::TfiE1;
        window->resize(1100, 800);
        window->show();
        QCoreApplication::processEvents();
        delete window;
    }
}
BENCHMARK(BM_E1WindowFirstStart)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_E1GatherAndSave(benchmark::State& state) {
    Folder folder;
    dz::TfiE1 window;
    Fill(window);
    Silent dialogs;
    for (auto _ : state) {
        window.GatherDeclaration();
        dz::WriteDeclarationFile(window.Declaration(), dialogs);
    }
    window.SetModified(false);
}
BENCHMARK(BM_E1GatherAndSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_E1ComputeToClearanceNote(benchmark::State& state) {
    Folder folder;
    dz::TfiE1 window;
    Fill(window);
    window.show();
    int shown = 0;
    for (auto _ : state) {
        // The clearance note closes as soon as it is on the screen.
        QTimer::singleShot(0, [&shown] {
            if (QWidget* note = QApplication::activeModalWidget(); note && note->isVisible()) {
                ++shown;
                note->close();
            }
        });
        window.miEka2003Click();
    }
    if (shown != state.iterations()) state.SkipWithError("the clearance note was not shown every time");
    window.SetModified(false);
}
BENCHMARK(BM_E1ComputeToClearanceNote)->Unit(benchmark::kMillisecond)->UseRealTime();

// A digit typed before the decimal comma of code 301 and taken back with Backspace, key by key: from the key
// event sent to the field to the panel showing the new total income, with all the processing
// the key event brings. With `paint` the panel's repaint that follows is counted too.
void KeystrokeToLivePanel(benchmark::State& state, bool paint) {
    Folder folder;
    dz::TfiE1 window;
    Fill(window);
    window.resize(1280, 1000);
    window.show();
    if (!window.miLiveClearance->isChecked()) window.miLiveClearance->trigger();
    auto* field = window.ControlAs<QLineEdit>(QStringLiteral("edP301"));
    for (int page = 0; page < dz::TfiE1::kPageCount; ++page)
        if (window.pcPages->widget(page)->isAncestorOf(field)) window.pcPages->setCurrentIndex(page);
    field->setFocus();
    QCoreApplication::processEvents();
    field->setCursorPosition(int(field->text().indexOf(u',')));
    const auto figure = [&window] { return window.pnLive->Figure(QStringLiteral("TotalIncome"), 0); };
    bool typed = false;
    for (auto _ : state) {
        const QString before = figure();
        QKeyEvent press(QEvent::KeyPress, typed ? Qt::Key_Backspace : Qt::Key_5, Qt::NoModifier,
                        typed ? QString() : QStringLiteral("5"));
        QApplication::sendEvent(field, &press);
        if (paint) QCoreApplication::processEvents();
        if (figure() == before) {
            state.SkipWithError("the panel did not follow the key");
            break;
        }
        typed = !typed;
    }
    window.SetModified(false);
}

void BM_E1KeystrokeToLivePanel(benchmark::State& state) { KeystrokeToLivePanel(state, false); }
BENCHMARK(BM_E1KeystrokeToLivePanel)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_E1KeystrokeToLivePanelPainted(benchmark::State& state) { KeystrokeToLivePanel(state, true); }
BENCHMARK(BM_E1KeystrokeToLivePanelPainted)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

// One undo and one redo of a step of a filled declaration: the whole form shown back, the live
// panel refreshed (target: under 5 ms a step).
void BM_E1UndoRedoStep(benchmark::State& state) {
    Folder folder;
    dz::TfiE1 window;
    window.resize(1100, 800);
    window.show();
    Fill(window);
    QCoreApplication::processEvents();  // the edits settle into steps
    window.ControlAs<QLineEdit>(QStringLiteral("edP303"))->setText(QStringLiteral("1.000,00"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.UndoEdit();
        window.RedoEdit();
    }
    state.counters["steps"] = double(window.History().Steps());
    window.SetModified(false);
}
BENCHMARK(BM_E1UndoRedoStep)->Unit(benchmark::kMillisecond)->UseRealTime();

// The recovery file of a filled, modified declaration: what the window's thread spends on it
// (the form taken and handed over; target: under 5 ms, and never on a keystroke), and the
// whole write on the journal's thread through the atomic writer, synced to disk.
void KeepRecovery(benchmark::State& state, bool timeTheWrite) {
    Folder folder;
    dz::TfiE1 window;
    Fill(window);
    window.SetModified(true);
    int n = 0;
    for (auto _ : state) {
        window.ControlAs<QLineEdit>(QStringLiteral("edP303"))->setText(QString::number(++n));
        window.Keeper().KeepNow();
        if (!timeTheWrite) state.PauseTiming();
        window.Keeper().Flush();
        if (!timeTheWrite) state.ResumeTiming();
    }
    state.counters["bytes"] = double(QFileInfo(window.Keeper().RecoveryPath()).size());
    window.Keeper().Closed();
    window.SetModified(false);
}

void BM_E1KeepRecoveryOnWindowThread(benchmark::State& state) { KeepRecovery(state, false); }
BENCHMARK(BM_E1KeepRecoveryOnWindowThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_E1KeepRecoveryWritten(benchmark::State& state) { KeepRecovery(state, true); }
BENCHMARK(BM_E1KeepRecoveryWritten)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The live panel's shown state is kept in the configuration folder: not the user's.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
