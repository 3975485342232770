// The declaration index over a folder of 10,000 E1 files: listed, filled and sorted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "controls/fi_entypa_list.h"
#include "controls/user_dialogs.h"
#include "model/declaration_file.h"
#include "model/declaration_index.h"

namespace {

// Greek surnames in no order, so the sort has work to do.
const char* const kSurnames[] = {"Παπαδόπουλος", "αλεξίου", "Βλάχος", "Ζαχαρίου", "Ιωάννου", "Κωνσταντίνου",
                                 "Λαμπράκης", "Μαυρίδης", "Νικολάου", "Ξανθόπουλος", "Οικονόμου", "Ραφαηλίδης"};

class Folder {
public:
    Folder() {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QDir().mkdir("Tables");
        dz::E1Image image{};
        for (int i = 0; i < 10000; ++i) {
            dz::E1Declaration d;
            const QString afm = QString::number(100000000 + (i * 7919) % 900000000);
            dz::AssignCut(d.Afm, afm, "Afm");
            dz::AssignCut(d.Surname, QString::fromUtf8(kSurnames[i % 12]) + QString::number(i % 997), "Surname");
            dz::AssignCut(d.FirstName, QStringLiteral("Όνομα"), "FirstName");
            dz::EncodeE1(d, image.data());
            QFile f(dz::DeclarationFileName(dz::DeclarationKind::E1, afm));
            f.open(QIODevice::WriteOnly);
            f.write(reinterpret_cast<const char*>(image.data()), image.size());
        }
    }
    ~Folder() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

void BM_ListDeclarations(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) benchmark::DoNotOptimize(dz::ListDeclarations(dz::DeclarationKind::E1));
}
BENCHMARK(BM_ListDeclarations)->Unit(benchmark::kMillisecond);

void BM_FillIndex(benchmark::State& state) {
    Folder folder;
    for (auto _ : state) {
        dz::TfiEntypaList index;
        index.FillIndex(dz::DeclarationKind::E1);
        benchmark::DoNotOptimize(index.DeclarationCount());
    }
}
BENCHMARK(BM_FillIndex)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dz::ScriptedDialogs quiet;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
