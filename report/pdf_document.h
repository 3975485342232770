// A PDF document that collects the pages of several exports and is written when it is closed.
#pragma once
#include <QPainter>
#include <QBuffer>
#include <QString>
#include <memory>

class QPdfWriter;

namespace dz::report {

class PageReport;

class PdfDocument {
public:
    // IoError (in Greek, naming the file) at once when `path` may not be written. The pages
    // are made in memory; an earlier file of that name stays as it is until Close.
    explicit PdfDocument(const QString& path);
    // Without Close nothing is written and an earlier file of that name stays intact.
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Runs the report's before-print hook and adds its page (its own paper and orientation).
    void Export(PageReport& report);
    // Writes the document over `path` in one piece through the program's file writer. IoError
    // when it cannot be written completely; the earlier file then stays intact. A document
    // without pages writes nothing: false.
    bool Close();
    // Ends the document and gives its bytes instead of writing them, for a caller that writes
    // several files together; empty for a document without pages or one already ended.
    QByteArray Finish();

    int PageCount() const { return pages_; }
    const QString& Path() const { return path_; }

private:
    QString path_;
    QBuffer bytes_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pages_ = 0;
    bool closed_ = false;
};

// The text of a failed PDF write, shown to the user.
QString PdfWriteError(const QString& path, const QString& reason);

}  // namespace dz::report
