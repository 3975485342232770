// The typeface of every printed text: the first line of "wParams/Font.txt", "Arial" without it.
#pragma once
#include <QString>

namespace dz::report {

class PageReport;

inline constexpr const char* kFontFile = "wParams/Font.txt";
inline const QString kDefaultReportFont = QStringLiteral("Arial");

// The typeface named by the font file (found whatever the case of its folder and name);
// "Arial" when the file does not exist or its first line is blank. IoError when it exists but
// cannot be read.
QString ReportFontName();

// Writes `name` as the only line of the font file, replacing it. IoError when the file or its
// folder cannot be written, or the name has a character Windows-1253 cannot hold.
void StoreReportFontName(const QString& name);

// Gives every text label of the report, and its drawn texts, the typeface of the font file;
// sizes and styles stay.
void ApplyReportFont(PageReport& report);
// The same with a typeface already read.
void ApplyReportFont(PageReport& report, const QString& family);

}  // namespace dz::report
