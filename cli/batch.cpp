// `dovazez-cli batch DIR`: every E1 declaration of a folder computed, one CSV line each.
#include <QDir>
#include <cstdio>
#include <string>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/declaration_inputs.h"
#include "cli/pdf_command.h"
#include "model/amount_text.h"
#include "model/declaration_file.h"
#include "model/declaration_index.h"
#include "model/errors.h"
#include "tax/clearance.h"

namespace dz::cli {
namespace {

const char* const kHeader =
    "afm,surname,first_name,total_income_taxpayer,total_income_spouse,income_tax_due_taxpayer,"
    "income_tax_due_spouse,solidarity_taxpayer,solidarity_spouse,final_balance\n";

// A text field of the CSV: quoted when it holds a comma, a quote or a line break.
std::string CsvText(const QString& text) {
    std::string s = text.toStdString();
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string quoted = "\"";
    for (char c : s) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const E1Declaration& d, const tax::ResultSet& r) {
    std::string line = CsvText(d.Afm.ToString()) + ',' + CsvText(d.Surname.ToString()) + ',' +
                       CsvText(d.FirstName.ToString());
    const double numbers[] = {r.TotalIncome[0],   r.TotalIncome[1],
                              r.IncomeTaxDue[0],  r.IncomeTaxDue[1],
                              r.SolidarityContribution[0], r.SolidarityContribution[1],
                              r.FinalBalance};
    // Rounded as the clearance note rounds them, with the decimal point other programs read.
    for (double n : numbers) line += ',' + FormatPlainAmount(n, u'.').toStdString();
    return line + '\n';
}

}  // namespace

int RunBatch(const QStringList& arguments) {
    QStringList args = arguments;
    std::optional<QString> pdfFolder;
    try {
        pdfFolder = TakeOption(args, QStringLiteral("--pdf"));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "dovazez-cli batch: %s\n", e.message.toUtf8().constData());
        return kExitUsage;
    }
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        std::fputs("dovazez-cli batch: usage: batch DIR [--pdf DIR2]\n", stderr);
        return kExitUsage;
    }
    if (pdfFolder && !QDir().mkpath(*pdfFolder)) throw IoError(QStringLiteral("%1: cannot create the folder").arg(*pdfFolder));
    const QDir folder(args.first());
    if (!folder.exists()) throw IoError(QStringLiteral("%1: no such folder").arg(args.first()));

    QStringList names = folder.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    std::fputs(kHeader, stdout);
    int skipped = 0;
    CodeTable codes;
    tax::ClearanceInputs inputs;
    tax::ResultSet results;
    E1Declaration declaration;
    for (const QString& name : names) {
        const auto fileAfm = AfmOfDeclarationFileName(DeclarationKind::E1, name);
        if (!fileAfm) continue;
        try {
            const QByteArray image = *ReadDeclarationImageFromPath(folder.filePath(name), DeclarationKind::E1);
            DecodeE1(reinterpret_cast<const uint8_t*>(image.constData()), declaration);
            InputsFromDeclaration(declaration, codes, inputs);
            tax::ComputeClearance(codes, inputs, results);
            const std::string line = CsvLine(declaration, results);
            std::fwrite(line.data(), 1, line.size(), stdout);
            // The note is named after the tax number of its file ("E1.dta", saved without one, gives "E1.pdf").
            if (pdfFolder)
                WriteClearancePdf(declaration, QDir(*pdfFolder).filePath((fileAfm->isEmpty() ? QStringLiteral("E1") : *fileAfm) +
                                                                         QStringLiteral(".pdf")));
        } catch (const Error& e) {
            std::fprintf(stderr, "dovazez-cli batch: %s: skipped: %s\n", name.toUtf8().constData(),
                         e.message().toUtf8().constData());
            ++skipped;
        }
    }
    if (std::fflush(stdout) != 0) return kExitBadInput;
    return skipped ? kExitBadInput : kExitOk;
}

}  // namespace dz::cli
