// `dovazez-cli compute --file E1FILE`: a saved E1 declaration computed as the E1 window would.
#include <QFileInfo>
#include <cstdio>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/compute_json.h"
#include "declaration/e1_form.h"
#include "model/declaration_file.h"
#include "model/errors.h"
#include "tax/clearance.h"

namespace dz::cli {

int RunComputeFile(const QStringList& arguments, bool explain) {
    QStringList args = arguments;
    for (QString& a : args)
        if (a.startsWith(QLatin1String("--file="))) a = a.mid(7).prepend(QStringLiteral("--file\n"));
    args = args.join(u'\n').split(u'\n');
    std::optional<QString> path;
    try {
        path = TakeOption(args, QStringLiteral("--file"));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "dovazez-cli compute: %s\n", e.message.toUtf8().constData());
        return kExitUsage;
    }
    if (!path || !args.isEmpty()) {
        std::fputs("dovazez-cli compute: usage: compute --file E1FILE [--explain]\n", stderr);
        return kExitUsage;
    }
    if (!QFileInfo(*path).isFile()) throw IoError(QStringLiteral("%1: no such file").arg(*path));
    const QByteArray image = *ReadDeclarationImageFromPath(*path, DeclarationKind::E1);
    E1Declaration declaration;
    DecodeE1(reinterpret_cast<const uint8_t*>(image.constData()), declaration);

    CodeTable codes;
    tax::ClearanceInputs inputs;
    InputsOfForm(FormOfDeclaration(declaration), codes, inputs);
    const QByteArray out = ComputedJson(codes, inputs, explain);
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBadInput;
}

}  // namespace dz::cli
