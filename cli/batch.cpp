// `dovazez-cli batch DIR`: every E1 declaration of a folder computed, one CSV line each; then
// every E2 statement recalculated, one line each in a CSV of its own.
#include <QDir>
#include <cstdio>
#include <string>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/pdf_command.h"
#include "cli/e2_statement_file.h"
#include "declaration/e1_form.h"
#include "e2calc/e2_statement.h"
#include "model/amount_text.h"
#include "model/atomic_file.h"
#include "model/declaration_file.h"
#include "model/declaration_index.h"
#include "model/errors.h"
#include "report/pdf_document.h"
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

const char* const kE2Header = "afm,surname,first_name,total_13,total_14,total_15,total_16\n";

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

// The statement recalculated as the E2 window does it: its names and the four column totals.
std::string E2CsvLine(E2Record& record) {
    QuietDialogs quiet;
    RecalculateE2(record, quiet);
    std::string line = CsvText(record.Afm.ToString()) + ',' + CsvText(record.Surname.ToString()) + ',' +
                       CsvText(record.FirstName.ToString());
    for (double total : record.Totals) line += ',' + FormatPlainAmount(total, u'.').toStdString();
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
    int failures = 0;
    // A declaration whose note cannot be written keeps its line: its computation stands.
    auto reportNote = [&](const QString& name, const QString& error) {
        std::fprintf(stderr, "dovazez-cli batch: %s: clearance note not written: %s\n", name.toUtf8().constData(),
                     error.toUtf8().constData());
        ++failures;
    };
    // The notes are written in groups that share their waits for the disk.
    constexpr size_t kNotesPerWrite = 32;
    std::vector<FileToWrite> notes;
    QStringList notesOf;  // the declaration file of each note
    // False when standard output refused the lines: the run stops before it replaces an
    // earlier note, since the lines reach standard output before their notes are written.
    auto writeNotes = [&] {
        if (std::fflush(stdout) != 0) return false;
        const QStringList reasons = TryWriteFilesAtomically(notes);
        for (qsizetype i = 0; i < reasons.size(); ++i)
            if (!reasons[i].isEmpty()) reportNote(notesOf[i], report::PdfWriteError(notes[size_t(i)].path, reasons[i]));
        notes.clear();
        notesOf.clear();
        return true;
    };
    CodeTable codes;
    tax::ClearanceInputs inputs;
    tax::ResultSet results;
    E1Declaration declaration;
    for (const QString& name : names) {
        const auto fileAfm = AfmOfDeclarationFileName(DeclarationKind::E1, name);
        if (!fileAfm) continue;
        std::string line;
        try {
            const QByteArray image = *ReadDeclarationImageFromPath(folder.filePath(name), DeclarationKind::E1);
            DecodeE1(reinterpret_cast<const uint8_t*>(image.constData()), declaration);
            InputsOfForm(FormOfDeclaration(declaration), codes, inputs);
            tax::ComputeClearance(codes, inputs, results);
            line = CsvLine(declaration, results);
        } catch (const Error& e) {
            std::fprintf(stderr, "dovazez-cli batch: %s: skipped: %s\n", name.toUtf8().constData(),
                         e.message().toUtf8().constData());
            ++failures;
            continue;
        }
        std::fwrite(line.data(), 1, line.size(), stdout);
        if (!pdfFolder) continue;
        // The note is named after the tax number of its file ("E1.dta", saved without one, gives "E1.pdf").
        const QString path =
            QDir(*pdfFolder).filePath((fileAfm->isEmpty() ? QStringLiteral("E1") : *fileAfm) + QStringLiteral(".pdf"));
        try {
            report::PdfDocument note(path);
            AddClearanceNote(note, declaration);
            notes.push_back({path, note.Finish()});
            notesOf << name;
        } catch (const Error& e) {
            reportNote(name, e.message());
        }
        if (notes.size() == kNotesPerWrite && !writeNotes()) return kExitBadInput;
    }
    if (!writeNotes()) return kExitBadInput;

    // The E2 statements follow as a second CSV of their own, after an empty line.
    bool e2Header = false;
    for (const QString& name : names) {
        if (!AfmOfDeclarationFileName(DeclarationKind::E2, name)) continue;
        std::string line;
        try {
            E2Record record = ReadE2Statement(folder.filePath(name));
            line = E2CsvLine(record);
        } catch (const Error& e) {
            std::fprintf(stderr, "dovazez-cli batch: %s: skipped: %s\n", name.toUtf8().constData(),
                         e.message().toUtf8().constData());
            ++failures;
            continue;
        }
        if (!e2Header) {
            std::fputs("\n", stdout);
            std::fputs(kE2Header, stdout);
            e2Header = true;
        }
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return failures ? kExitBadInput : kExitOk;
}

}  // namespace dz::cli
