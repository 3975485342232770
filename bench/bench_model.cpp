// Speed of the E1 record codec and of declaration files on disk, synced saves included.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "model/declaration_file.h"
#include "model/e1_declaration.h"

namespace {

dz::E1Declaration FullDeclaration() {
    dz::E1Declaration d;
    auto fill = [](auto& text, char c) {
        std::string s(text.data.size(), c);
        text.AssignBytes(s.data(), static_cast<int>(s.size()));
    };
    fill(d.Afm, '1');
    fill(d.Surname, 'A');
    fill(d.FirstName, 'B');
    fill(d.HomeAddress, 'C');
    fill(d.Representative, 'D');
    for (auto& r : d.Residence) fill(r.Address, 'E');
    for (auto& r : d.Rent) { fill(r.OwnerName, 'F'); r.Area = 85.5; }
    for (auto& c : d.Car) { fill(c.Plate, 'G'); c.Cc = 1598; c.Months = 12; c.SharePercent = 100; c.FirstYear = 2008; }
    for (auto& dep : d.Dependant) { fill(dep.Name, 'H'); fill(dep.OtherAmka, 'I'); }
    for (int k = 0; k < dz::kE1CodeEntries; ++k) d.Codes[k] = {static_cast<int16_t>(100 + k), 1234.56 * (k + 1)};
    return d;
}

void BM_EncodeE1(benchmark::State& state) {
    const dz::E1Declaration d = FullDeclaration();
    dz::E1Image image{};
    for (auto _ : state) {
        dz::EncodeE1(d, image.data());
        benchmark::DoNotOptimize(image);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeE1);

void BM_DecodeE1(benchmark::State& state) {
    dz::E1Image image{};
    dz::EncodeE1(FullDeclaration(), image.data());
    dz::E1Declaration d;
    for (auto _ : state) {
        dz::DecodeE1(image.data(), d);
        benchmark::DoNotOptimize(d);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeE1);

class NoQuestions : public dz::Dialogs {
public:
    bool AskYesNo(const QString&) override { return true; }
    void Inform(const QString&) override {}
};

// Writes then reads back 10,000 declaration files in one folder.
void BM_TenThousandFiles(benchmark::State& state) {
    dz::E1Declaration d = FullDeclaration();
    NoQuestions dialogs;
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QDir().mkdir("Tables");
        for (int i = 0; i < 10000; ++i) {
            const std::string afm = std::to_string(100000000 + i);
            d.Afm.AssignBytes(afm.data(), static_cast<int>(afm.size()));
            dz::WriteDeclarationFile(d, dialogs);
        }
        dz::E1Declaration back;
        for (int i = 0; i < 10000; ++i)
            dz::ReadDeclarationFile(QString::number(100000000 + i), back);
        QDir::setCurrent(previous);
    }
}
BENCHMARK(BM_TenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(1);

// One save over an existing declaration as the entry windows make it: the new file and its
// folder synced to disk before and after it replaces the old one.
void BM_SaveOverExistingDeclaration(benchmark::State& state) {
    const dz::E1Declaration d = FullDeclaration();
    NoQuestions dialogs;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkdir("Tables");
    dz::WriteDeclarationFile(d, dialogs);
    for (auto _ : state) dz::WriteDeclarationFile(d, dialogs);
    QDir::setCurrent(previous);
}
BENCHMARK(BM_SaveOverExistingDeclaration)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
