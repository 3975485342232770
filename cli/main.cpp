// dovazez-cli: compute, inspect and build declaration files without the windows.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/commands.h"
#include "model/errors.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList&);
    const char* usage;
};

const Command kCommands[] = {
    {"compute", dz::cli::RunCompute,
     "compute [--file E1FILE] [--explain]\n"
     "                           JSON on standard input (or a saved E1 file) to the clearance result set;\n"
     "                             with --explain also \"explain\": per result the codes (\"049\") and other\n"
     "                             inputs (\"Married\", \"LateMonths\", \"FeeExempt[0]\", \"LuxuryAssets.Tax5[1]\", ...)\n"
     "                             it was computed from, the rules it passed and a Greek explanation"},
    {"dump", dz::cli::RunDump, "dump PATH [--kind e1|e2]   a declaration file as JSON"},
    {"build", dz::cli::RunBuild, "build --kind e1|e2 --out PATH   JSON on standard input to a declaration file"},
    {"e2", dz::cli::RunE2,
     "e2 --file E2FILE [--out E2FILE2]\n"
     "                           the statement's arithmetic as the E2 window does it with automatic\n"
     "                             calculation on, as JSON: per table-1 row its months, rent, share and lease\n"
     "                             texts (emptied when refused), income column (13-16 or null) and the four\n"
     "                             columns; the four totals; with --out the recalculated statement is written"},
    {"pdf", dz::cli::RunPdf, "pdf clearance|e1|e2|cars --file FILE --out OUT.pdf [...]   printed pages as PDF (pdf --help)"},
    {"batch", dz::cli::RunBatch,
     "batch DIR [--pdf DIR2]     every E1 file of DIR computed: a CSV header, then one line per declaration\n"
     "                             (afm, surname, first name, total income, income tax due and solidarity\n"
     "                             contribution of taxpayer and spouse, final balance; amounts with two\n"
     "                             decimals after a point, rounded as the clearance note rounds them);\n"
     "                             damaged files are named on standard error and skipped (exit status 1\n"
     "                             when any was); with --pdf each clearance note is also written to\n"
     "                             DIR2/<AFM>.pdf, whole or not at all (a note not written is named on\n"
     "                             standard error, exit status 1); then, when DIR holds E2 statements, an\n"
     "                             empty line and a second CSV: a header, then per statement its afm,\n"
     "                             surname, first name and the totals of columns 13-16 as \"e2\" computes them"},
};

void PrintUsage(FILE* to) {
    std::fputs("usage: dovazez-cli COMMAND [ARGS]\n\ncommands:\n", to);
    for (const Command& c : kCommands) std::fprintf(to, "  %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
    const auto app = dz::cli::MakeApplication(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty()) {
        PrintUsage(stderr);
        return dz::cli::kExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return dz::cli::kExitOk;
    }
    for (const Command& c : kCommands) {
        if (name != QLatin1String(c.name)) continue;
        try {
            const int status = c.run(args);
            // Output that did not reach its file (a full disk, a closed pipe) is a failure, never a success.
            if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
                std::fprintf(stderr, "dovazez-cli %s: standard output could not be written\n", c.name);
                return dz::cli::kExitBadInput;
            }
            return status;
        } catch (const dz::Error& e) {
            std::fprintf(stderr, "dovazez-cli %s: %s\n", c.name, e.message().toUtf8().constData());
            return dz::cli::kExitBadInput;
        }
    }
    std::fprintf(stderr, "dovazez-cli: unknown command '%s'\n", name.toUtf8().constData());
    PrintUsage(stderr);
    return dz::cli::kExitUsage;
}
