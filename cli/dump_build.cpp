// dump: a declaration file as JSON; build: JSON back to the file the entry window would save.
#include <QFileInfo>
#include <cstdio>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "model/atomic_file.h"
#include "model/declaration_file.h"
#include "model/errors.h"
#include "model/record_json.h"

namespace dz::cli {
namespace {

std::optional<DeclarationKind> KindFromName(const QString& name) {
    if (name.compare(QLatin1String("e1"), Qt::CaseInsensitive) == 0) return DeclarationKind::E1;
    if (name.compare(QLatin1String("e2"), Qt::CaseInsensitive) == 0) return DeclarationKind::E2;
    return std::nullopt;
}

int Usage(const QString& message) {
    std::fprintf(stderr, "dovazez-cli: %s\n", message.toUtf8().constData());
    return kExitUsage;
}

}  // namespace

int RunDump(const QStringList& arguments) {
    QStringList args = arguments;
    std::optional<DeclarationKind> kind;
    try {
        if (const auto k = TakeOption(args, QStringLiteral("--kind"))) {
            kind = KindFromName(*k);
            if (!kind) return Usage(QStringLiteral("--kind takes e1 or e2"));
        }
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    if (args.size() != 1 || args.first().startsWith(u'-')) return Usage(QStringLiteral("usage: dovazez-cli dump PATH [--kind e1|e2]"));
    const QString path = args.first();
    if (!QFileInfo(path).isFile()) throw IoError(QStringLiteral("%1: no such file").arg(path));
    if (!kind) {
        const qint64 size = QFileInfo(path).size();
        if (size == kE1FileSize) kind = DeclarationKind::E1;
        else if (size == kE2FileSize) kind = DeclarationKind::E2;
        else
            throw DataError(QStringLiteral("%1: %2 bytes is neither an E1 (%3) nor an E2 (%4) file; name the kind with --kind")
                                .arg(path).arg(size).arg(kE1FileSize).arg(kE2FileSize));
    }
    const QByteArray image = *ReadDeclarationImageFromPath(path, *kind);
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.constData());
    try {
        if (*kind == DeclarationKind::E1) {
            E1Declaration declaration;
            DecodeE1(bytes, declaration);
            WriteJson(E1ToJson(declaration));
        } else {
            E2Record record;
            DecodeE2(bytes, record);
            WriteJson(E2ToJson(record));
        }
    } catch (const DataError& e) {
        throw DataError(QStringLiteral("%1: %2").arg(path, e.message()));
    }
    return kExitOk;
}

int RunBuild(const QStringList& arguments) {
    QStringList args = arguments;
    std::optional<QString> kindName, out;
    try {
        kindName = TakeOption(args, QStringLiteral("--kind"));
        out = TakeOption(args, QStringLiteral("--out"));
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    const auto kind = kindName ? KindFromName(*kindName) : std::nullopt;
    if (!kind || !out || !args.isEmpty()) return Usage(QStringLiteral("usage: dovazez-cli build --kind e1|e2 --out PATH"));
    const QJsonObject json = ParseJsonObject(ReadStandardInput());
    QByteArray image(RecordSize(*kind), '\0');
    auto* bytes = reinterpret_cast<uint8_t*>(image.data());
    if (*kind == DeclarationKind::E1) EncodeE1(E1FromJson(json), bytes);
    else EncodeE2(E2FromJson(json), bytes);
    WriteFileAtomically(*out, image);
    return kExitOk;
}

}  // namespace dz::cli
