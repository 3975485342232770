// `dovazez-cli compute`: one JSON object on standard input to the clearance result set.
#include <cstdio>

#include "cli/commands.h"
#include "cli/compute_json.h"
#include "tax/clearance.h"

namespace dz::cli {

namespace {

QByteArray ReadAllStdin() {
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin);
        if (n > 0) data.append(buffer, qsizetype(n));
        if (n < sizeof buffer) break;
    }
    return data;
}

}  // namespace

int RunCompute(const QStringList& arguments) {
    QStringList args = arguments;
    const bool explain = args.removeAll(QStringLiteral("--explain")) > 0;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--file") || arg.startsWith(QLatin1String("--file="))) return RunComputeFile(args, explain);
    }
    if (!args.isEmpty()) {
        std::fprintf(stderr,
                     "dovazez-cli compute: unexpected argument '%s' (usage: compute [--file E1FILE] [--explain])\n",
                     args.first().toUtf8().constData());
        return kExitUsage;
    }
    const QByteArray input = ReadAllStdin();
    if (std::ferror(stdin)) {
        std::fputs("dovazez-cli compute: cannot read standard input\n", stderr);
        return kExitBadInput;
    }
    QByteArray warning;
    ComputeRequest request = ParseComputeRequest(input, &warning);  // dz::DataError → exit 1 in main
    if (!warning.isEmpty()) {
        for (const QByteArray& line : warning.split('\n')) {
            if (!line.isEmpty()) std::fprintf(stderr, "dovazez-cli compute: warning: %s\n", line.constData());
        }
    }
    const QByteArray out = ComputedJson(request.Codes, request.Inputs, explain);
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBadInput;
}

}  // namespace dz::cli
