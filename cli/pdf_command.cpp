// `dovazez-cli pdf`: printed pages of a saved declaration written to a PDF, with the program's own page layouts.
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/declaration_inputs.h"
#include "clearance/eka_print.h"
#include "model/declaration_file.h"
#include "model/errors.h"
#include "report/pdf_document.h"
#include "report/report_font.h"
#include "tax/clearance.h"

namespace dz::cli {
namespace {

const char* const kUsage =
    "usage: dovazez-cli pdf clearance --file E1FILE --out OUT.pdf\n";

int Usage(const QString& message) {
    std::fprintf(stderr, "dovazez-cli pdf: %s\n%s", message.toUtf8().constData(), kUsage);
    return kExitUsage;
}

QByteArray ReadImage(const QString& path, DeclarationKind kind) {
    if (!QFileInfo(path).isFile()) throw IoError(QStringLiteral("%1: no such file").arg(path));
    return *ReadDeclarationImageFromPath(path, kind);
}

E1Declaration ReadE1(const QString& path) {
    const QByteArray image = ReadImage(path, DeclarationKind::E1);
    E1Declaration declaration;
    DecodeE1(reinterpret_cast<const uint8_t*>(image.constData()), declaration);
    return declaration;
}

// The pages into one PDF, written in one piece (an earlier file stays whole when writing fails).
void WritePdf(const QString& out, const std::vector<report::PageReport*>& pages) {
    report::PdfDocument document(out);
    for (report::PageReport* page : pages) document.Export(*page);
    document.Close();
}

// The clearance note computed as `compute --file` does, its header filled as the E1 window fills it.
void ClearancePdf(const QString& file, const QString& out) {
    const E1Declaration d = ReadE1(file);
    CodeTable codes;
    tax::ClearanceInputs inputs;
    InputsFromDeclaration(d, codes, inputs);
    EkaPrintInput in;
    tax::ComputeClearance(codes, inputs, in.results);
    in.lines = FillEkaLines(in.results);
    in.luxury = inputs.LuxuryAssets;
    in.header = {d.Afm.ToString(),
                 d.Surname.ToString() + u' ' + d.FirstName.ToString(),
                 d.HomeAddress.ToString(),
                 d.TaxOffice.ToString(),
                 d.SpouseSurname.ToString() + u' ' + d.SpouseFirstName.ToString(),
                 d.SpouseAfm.ToString()};
    std::array<QString, 4> numbers;
    for (int i = 0; i < 4; ++i) numbers[i] = d.Car[i].Plate.ToString();
    in.carNumbers = numbers;
    TfiEkaPrn layout;
    report::ApplyReportFont(layout.qrEka);
    FillEkaPrint(layout, in);
    WritePdf(out, {&layout.qrEka});
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    // Printed pages need fonts, hence a QGuiApplication; without a display it draws offscreen.
    const bool pages = argc > 1 && (qstrcmp(argv[1], "pdf") == 0 || qstrcmp(argv[1], "batch") == 0);
    if (!pages) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the command's own message only; the platform's notices about its
    // run-time folder and the like are not the user's business.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

int RunPdf(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return Usage(QStringLiteral("name what to write: clearance"));
    const QString kind = args.takeFirst();
    std::optional<QString> file, out;
    try {
        file = TakeOption(args, QStringLiteral("--file"));
        out = TakeOption(args, QStringLiteral("--out"));
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    if (!file || !out) return Usage(QStringLiteral("--file and --out are required"));
    if (kind == u"clearance") {
        if (!args.isEmpty()) return Usage(QStringLiteral("unexpected '%1'").arg(args.first()));
        ClearancePdf(*file, *out);
    } else {
        return Usage(QStringLiteral("unknown page kind '%1'").arg(kind));
    }
    return kExitOk;
}

}  // namespace dz::cli
