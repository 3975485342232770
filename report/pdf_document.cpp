// The collecting PDF document: every export paints one page; Close renames the finished file into place.
#include "report/pdf_document.h"

#include <QFileInfo>
#include <QPdfWriter>

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

PdfDocument::PdfDocument(const QString& path) : path_(path), file_(path) {
    // Never written over in place: a failure leaves the earlier file whole.
    file_.setDirectWriteFallback(false);
    if (!file_.open(QIODevice::WriteOnly)) throw IoError(PdfWriteError(path_, file_.errorString()));
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setResolution(kPdfResolution);
    writer_->setCreator(kCreator);
}

PdfDocument::~PdfDocument() {
    if (painter_.isActive()) painter_.end();
    writer_.reset();
    if (!closed_) file_.cancelWriting();
}

void PdfDocument::Export(PageReport& report) {
    if (closed_) throw IoError(PdfWriteError(path_, QStringLiteral("το έγγραφο έχει ήδη κλείσει")));
    report.RunBeforePrint();
    writer_->setPageLayout(PageLayoutOf(report));
    if (pages_ == 0) {
        writer_->setTitle(report.title);
        if (!painter_.begin(writer_.get())) throw IoError(PdfWriteError(path_, file_.errorString()));
    } else if (!writer_->newPage()) {
        throw IoError(PdfWriteError(path_, file_.errorString()));
    }
    RenderReport(report, painter_);
    ++pages_;
}

bool PdfDocument::Close() {
    if (closed_) return false;
    closed_ = true;
    if (pages_ == 0) {
        file_.cancelWriting();
        return false;
    }
    painter_.end();
    writer_.reset();
    if (file_.error() != QFileDevice::NoError || !file_.commit())
        throw IoError(PdfWriteError(path_, file_.errorString()));
    return true;
}

}  // namespace dz::report
