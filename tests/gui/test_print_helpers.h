// Helpers of the print tests: a PDF's text and pages through poppler, a report drawn on a picture, recorded print jobs.
#pragma once
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

#include "report/page_report.h"
#include "report/print_job.h"
#include "report/units.h"

namespace dz::test {

// The text of a PDF laid out as on the page (pdftotext -layout), all pages or page `page`.
inline QString PdfText(const QString& path, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << path << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The size of each page in points (pdfinfo), in page order.
inline std::vector<QSizeF> PdfPageSizes(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                              QStringLiteral("99"), path});
    process.waitForFinished(60000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    std::vector<QSizeF> sizes;
    static const QRegularExpression line(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = line.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

// The report drawn on a white picture of its sheet at `dotsPerMm` dots per millimetre.
inline QImage RenderToImage(const report::PageReport& page, double dotsPerMm = 10) {
    const QSizeF mm = page.PaperSizeMm();
    QImage image(qRound(mm.width() * dotsPerMm), qRound(mm.height() * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    report::RenderReport(page, painter);
    painter.end();
    return image;
}

// The smallest rectangle holding every dark pixel inside `within` (null when there is none).
inline QRect InkBounds(const QImage& image, QRect within = QRect()) {
    if (within.isNull()) within = image.rect();
    within &= image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A print sink that keeps what it is given: the job settings and, per page, its title and
// margins and the label texts at the moment of printing.
class RecordingSink : public report::PrintSink {
public:
    struct Page {
        QString title;
        QMarginsF margins;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        int copies;
        QString printerName;
        std::vector<std::pair<QString, QString>> texts;  // named labels
        QString Text(const QString& name) const {
            for (const auto& [n, t] : texts)
                if (n == name) return t;
            return QStringLiteral("<no label %1>").arg(name);
        }
    };
    struct Job {
        report::PrintJob settings;  // pages not kept (they are released after printing)
        std::vector<Page> pages;
    };
    void Print(const report::PrintJob& job) override {
        Job j;
        j.settings = job;
        j.settings.pages.clear();
        for (const report::PageReport* p : job.pages) {
            Page page{p->title, p->margins(), p->paper(), p->orientation(), p->copies, p->printerName, {}};
            for (const report::Label& l : p->Labels())
                if (!l.name.isEmpty()) page.texts.emplace_back(l.name, l.text);
            j.pages.push_back(std::move(page));
        }
        jobs.push_back(std::move(j));
    }
    std::vector<Job> jobs;
};

}  // namespace dz::test
