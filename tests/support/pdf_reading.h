// A PDF read back through poppler's tools: its text, its pages and the typefaces it embeds.
#pragma once
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace dz::test {

// The standard output of a poppler tool run on a PDF.
inline QString PopplerOutput(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF laid out as on the page (pdftotext -layout), all pages or page `page`.
inline QString PdfText(const QString& path, int page = 0) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return PopplerOutput(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
}

// The size of each page in points (pdfinfo), in page order.
inline std::vector<QSizeF> PdfPageSizes(const QString& path) {
    const QString info = PopplerOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                                   QStringLiteral("-l"), QStringLiteral("99"), path});
    std::vector<QSizeF> sizes;
    static const QRegularExpression line(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    for (auto it = line.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

// The number of pages; 0 when the file is no PDF.
inline int PdfPages(const QString& path) {
    const QString info = PopplerOutput(QStringLiteral("pdfinfo"), {path});
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? 0 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

// One line per font of the PDF (pdffonts without its two heading lines).
inline QStringList PdfFonts(const QString& path) {
    return PopplerOutput(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

// One line per picture of the PDF (pdfimages -list without its two heading lines).
inline QStringList PdfImages(const QString& path) {
    return PopplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

}  // namespace dz::test
