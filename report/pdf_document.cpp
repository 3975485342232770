// The collecting PDF document: every export paints one page; Close renames the finished file into place.
#include "report/pdf_document.h"

#include <QFileInfo>
#include <QPdfWriter>

#include "model/atomic_file.h"
#include "model/errors.h"
#include "report/page_report.h"

namespace dz::report {
namespace {

// Positions and fonts are exact at any resolution; pictures keep their own pixels.
constexpr int kPdfResolution = 1200;
const QString kCreator = QStringLiteral("DOVAZEZ 2015 (VER 4.00)");

}  // namespace

QString PdfWriteError(const QString& path, const QString& reason) {
    return QStringLiteral("Δεν ήταν δυνατή η δημιουργία του αρχείου PDF «%1» (%2). "
                          "Ελέγξτε ότι ο φάκελος υπάρχει, ότι επιτρέπεται η εγγραφή σε αυτόν "
                          "και ότι υπάρχει ελεύθερος χώρος στο δίσκο.")
        .arg(QFileInfo(path).absoluteFilePath(), reason);
}

PdfDocument::PdfDocument(const QString& path) : path_(path) {
    // Refused before any page is made, so a long export does not end in an error it could foresee.
    if (const QString refusal = WriteRefusal(path_); !refusal.isEmpty()) throw IoError(PdfWriteError(path_, refusal));
    bytes_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&bytes_);
    writer_->setResolution(kPdfResolution);
    writer_->setCreator(kCreator);
}

PdfDocument::~PdfDocument() {
    if (painter_.isActive()) painter_.end();
    writer_.reset();
}

void PdfDocument::Export(PageReport& report) {
    if (closed_) throw IoError(PdfWriteError(path_, QStringLiteral("το έγγραφο έχει ήδη κλείσει")));
    report.RunBeforePrint();
    writer_->setPageLayout(PageLayoutOf(report));
    if (pages_ == 0) {
        writer_->setTitle(report.title);
        if (!painter_.begin(writer_.get())) throw IoError(PdfWriteError(path_, QStringLiteral("η σελίδα δεν ξεκίνησε")));
    } else if (!writer_->newPage()) {
        throw IoError(PdfWriteError(path_, QStringLiteral("η νέα σελίδα δεν ξεκίνησε")));
    }
    RenderReport(report, painter_);
    ++pages_;
}

QByteArray PdfDocument::Finish() {
    if (closed_ || pages_ == 0) {
        closed_ = true;
        return {};
    }
    closed_ = true;
    painter_.end();
    writer_.reset();
    return bytes_.data();
}

bool PdfDocument::Close() {
    const QByteArray pdf = Finish();
    if (pdf.isEmpty()) return false;
    if (const QString reason = TryWriteFileAtomically(path_, pdf); !reason.isEmpty())
        throw IoError(PdfWriteError(path_, reason));
    return true;
}

}  // namespace dz::report
