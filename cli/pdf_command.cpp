// `dovazez-cli pdf`: printed pages of a saved declaration written to a PDF, with the program's own page layouts.
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/pdf_command.h"
#include "layouts/eka_print.h"
#include "declaration/e1_form.h"
#include "layouts/cars_print.h"
#include "layouts/e1_print_request.h"
#include "layouts/e2_print.h"
#include "model/declaration_file.h"
#include "model/amount_text.h"
#include "model/errors.h"
#include "report/pdf_document.h"
#include "report/report_font.h"
#include "tax/clearance.h"

namespace dz::cli {
namespace {

const char* const kUsage =
    "usage: dovazez-cli pdf clearance --file E1FILE --out OUT.pdf\n"
    "       dovazez-cli pdf e1 --file E1FILE --out OUT.pdf [--pages 1,2,3,4] [--a3] [--color]\n"
    "         (with --a3, page 1 is the sheet of pages 4 and 1, page 2 the sheet of pages 2 and 3)\n"
    "       dovazez-cli pdf cars --file E1FILE --out OUT.pdf\n"
    "       dovazez-cli pdf e2 --file E2FILE --out OUT.pdf [--pages 1,2] [--first-number N]\n";

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

// "1,3" to the ticked pages; nothing when an entry is not a page from 1 to `count`.
std::optional<std::array<bool, 4>> ParsePages(const QString& list, int count) {
    std::array<bool, 4> ticked{};
    for (const QString& part : list.split(u',')) {
        const std::optional<int> page = ParseInteger(part);
        if (!page || *page < 1 || *page > count) return std::nullopt;
        ticked[*page - 1] = true;
    }
    return ticked;
}

// The E1 form pages one-sided, as the print dialog exports them.
void E1Pdf(const QString& file, const QString& out, const std::array<bool, 4>& ticked, bool a3, bool colour) {
    const E1Declaration d = ReadE1(file);
    const QString family = report::ReportFontName();
    std::vector<std::unique_ptr<E1PrintPage>> built;
    std::vector<report::PageReport*> pages;
    for (E1Sheet sheet : E1SheetsOf(a3, ticked)) {
        built.push_back(BuildE1Page(sheet, d, colour, family));
        SetE1SingleSidedMargins(*built.back());
        pages.push_back(&built.back()->report);
    }
    WritePdf(out, pages);
}

E2Record ReadE2(const QString& path) {
    const QByteArray image = ReadImage(path, DeclarationKind::E2);
    E2Record record;
    DecodeE2(reinterpret_cast<const uint8_t*>(image.constData()), record);
    return record;
}

// The E2 pages one-sided, as the print dialog exports them (5 mm margins, rows numbered from
// `first` when it is above 0).
void E2Pdf(const QString& file, const QString& out, const std::array<bool, 4>& ticked, int first) {
    const E2Record r = ReadE2(file);
    const QString family = report::ReportFontName();
    TfiE21Prn one;
    TfiE22Prn two;
    std::vector<report::PageReport*> pages;
    if (ticked[0]) {
        report::ApplyReportFont(one.qrE21Prn, family);
        FillE2Page1(one, r);
        NumberE2Rows(one, first);
        pages.push_back(&one.qrE21Prn);
    }
    if (ticked[1]) {
        report::ApplyReportFont(two.qrE22Prn, family);
        FillE2Page2(two, r);
        pages.push_back(&two.qrE22Prn);
    }
    for (report::PageReport* page : pages) SetE2PrintMargins(*page, 0, 0);
    WritePdf(out, pages);
}

// The cars list of cars 4 to 7.
void CarsPdf(const QString& file, const QString& out) {
    const E1Declaration d = ReadE1(file);
    TfiPrintAuto layout;
    report::ApplyReportFont(layout.qrPrintAuto);
    FillCarsAttachment(layout, d);
    WritePdf(out, {&layout.qrPrintAuto});
}

}  // namespace

void AddClearanceNote(report::PdfDocument& document, const E1Declaration& d) {
    TfiEkaPrn layout;
    report::ApplyReportFont(layout.qrEka);
    FillEkaPrint(layout, NoteOfDeclaration(d));
    document.Export(layout.qrEka);
}

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv) {
    // Printed pages need fonts, hence a QGuiApplication; without a display it draws offscreen.
    bool pages = argc > 1 && qstrcmp(argv[1], "pdf") == 0;
    for (int i = 2; i < argc && argc > 1 && qstrcmp(argv[1], "batch") == 0; ++i)
        pages = pages || qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0;
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
    if (args.isEmpty()) return Usage(QStringLiteral("name what to write: clearance, e1, e2 or cars"));
    const QString kind = args.takeFirst();
    if (kind == u"--help" || kind == u"-h") {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
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
        const E1Declaration declaration = ReadE1(*file);
        report::PdfDocument document(*out);
        AddClearanceNote(document, declaration);
        document.Close();
    } else if (kind == u"cars") {
        if (!args.isEmpty()) return Usage(QStringLiteral("unexpected '%1'").arg(args.first()));
        CarsPdf(*file, *out);
    } else if (kind == u"e2") {
        std::optional<QString> list, first;
        try {
            list = TakeOption(args, QStringLiteral("--pages"));
            first = TakeOption(args, QStringLiteral("--first-number"));
        } catch (const UsageError& e) {
            return Usage(e.message);
        }
        if (!args.isEmpty()) return Usage(QStringLiteral("unexpected '%1'").arg(args.first()));
        const auto ticked = list ? ParsePages(*list, 2) : std::array<bool, 4>{true, true, false, false};
        if (!ticked) return Usage(QStringLiteral("--pages takes 1, 2 or 1,2"));
        const std::optional<int> number = first ? ParseInteger(*first) : std::optional<int>(0);
        if (!number) return Usage(QStringLiteral("--first-number takes a whole number"));
        E2Pdf(*file, *out, *ticked, *number);
    } else if (kind == u"e1") {
        std::optional<QString> list;
        bool a3 = false, colour = false;
        try {
            list = TakeOption(args, QStringLiteral("--pages"));
            a3 = TakeFlag(args, QStringLiteral("--a3"));
            colour = TakeFlag(args, QStringLiteral("--color"));
        } catch (const UsageError& e) {
            return Usage(e.message);
        }
        if (!args.isEmpty()) return Usage(QStringLiteral("unexpected '%1'").arg(args.first()));
        const int count = a3 ? 2 : 4;
        const auto ticked = list ? ParsePages(*list, count) : std::array<bool, 4>{true, true, true, true};
        if (!ticked) return Usage(QStringLiteral("--pages takes page numbers from 1 to %1, separated by commas").arg(count));
        E1Pdf(*file, *out, *ticked, a3, colour);
    } else {
        return Usage(QStringLiteral("unknown page kind '%1'").arg(kind));
    }
    return kExitOk;
}

}  // namespace dz::cli
