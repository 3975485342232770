// Drives the write-failure library from tests: in this process through its functions, in a
// child program through its environment.
#include "support/write_failures.h"

#include <QDir>
#include <dlfcn.h>

#include "model/errors.h"

namespace dz::test {
namespace {

using ArmFunction = void (*)(long, long, long);
using CountFunction = long (*)();

template <typename Function>
Function Find(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_DEFAULT, name));
}

struct Library {
    ArmFunction arm = Find<ArmFunction>("dovazez_fail_writes_arm");
    CountFunction writes = Find<CountFunction>("dovazez_fail_writes_seen");
    CountFunction syncs = Find<CountFunction>("dovazez_fail_syncs_seen");
};

const Library& Loaded() {
    static const Library library;
    if (!library.arm) throw std::logic_error("the write-failure library is not preloaded (run the test through ctest)");
    return library;
}

// A writer run with one failure set; writes and failures alike are counted from 1.
FailedRun RunOnce(const WriterRuns& runs, long failing, bool sync, long chunk, long& made) {
    const Library& library = Loaded();
    runs.prepare();
    library.arm(sync ? 0 : failing, sync ? failing : 0, chunk);
    FailedRun run;
    try {
        runs.write();
    } catch (const Error& e) {
        run.reported = true;
        run.error = e.message();
    }
    made = sync ? library.syncs() : library.writes();
    library.arm(0, 0, 0);
    run.failingWrite = made >= failing ? failing : 0;
    return run;
}

long ForEach(const WriterRuns& runs, bool sync, long chunk) {
    // A writer never makes this many writes here; the bound keeps a broken count from looping.
    constexpr long kMostWrites = 1000;
    for (long failing = 1; failing <= kMostWrites; ++failing) {
        long made = 0;
        const FailedRun run = RunOnce(runs, failing, sync, chunk, made);
        runs.check(run);
        if (run.failingWrite == 0) return made;
    }
    throw std::logic_error("the writer never stopped writing");
}

}  // namespace

bool WriteFailuresLoaded() { return Find<ArmFunction>("dovazez_fail_writes_arm") != nullptr; }

long ForEachFailingWrite(const WriterRuns& runs, long chunk) { return ForEach(runs, false, chunk); }

long ForEachFailingSync(const WriterRuns& runs) { return ForEach(runs, true, 0); }

QProcessEnvironment FailingWriteEnvironment(long failingWrite, const QString& countFile, long chunk) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(DOVAZEZ_FAIL_WRITES));
    environment.insert(QStringLiteral("DOVAZEZ_FAIL_WRITE"), QString::number(failingWrite));
    environment.insert(QStringLiteral("DOVAZEZ_WRITE_CHUNK"), QString::number(chunk));
    environment.insert(QStringLiteral("DOVAZEZ_WRITE_COUNT"), countFile);
    return environment;
}

QStringList AllNames(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace dz::test
