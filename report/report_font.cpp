// Reading and writing the typeface file; applying the typeface to a page report's labels.
#include "report/report_font.h"

#include <QFile>

#include "model/atomic_file.h"
#include "model/errors.h"
#include "model/reference_files.h"
#include "model/text1253.h"
#include "report/page_report.h"

namespace dz::report {
namespace {

// The font file's path: its folder and name found without regard to case, as given otherwise.
QString FontFilePath() {
    const QString file = QString::fromLatin1(kFontFile);
    const QString folder = FindReferenceFile(file.section(u'/', 0, 0));
    return FindReferenceFile(folder + u'/' + file.section(u'/', 1));
}

}  // namespace

QString ReportFontName() {
    const QString path = FontFilePath();
    QFile file(path);
    if (!file.exists()) return kDefaultReportFont;
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου %1 (%2).").arg(path, file.errorString()));
    QByteArray line = file.readLine();
    const QString name = DecodeWin1253(line.constData(), int(line.size())).trimmed();
    return name.isEmpty() ? kDefaultReportFont : name;
}

void StoreReportFontName(const QString& name) {
    const QString path = FontFilePath();
    QByteArray bytes(name.size() * 1 + 2, '\0');
    int written = 0;
    if (EncodeWin1253(name, bytes.data(), int(name.size()), &written) >= 0)
        throw IoError(QStringLiteral("Η γραμματοσειρά «%1» δεν μπορεί να γραφτεί στο αρχείο %2.").arg(name, path));
    bytes.resize(written);
    bytes.append("\r\n");
    WriteFileAtomically(path, bytes);
}

void ApplyReportFont(PageReport& report, const QString& family) {
    report.typeface = family;
    for (Label& label : report.Labels()) label.font.family = family;
}

void ApplyReportFont(PageReport& report) { ApplyReportFont(report, ReportFontName()); }

}  // namespace dz::report
