// Filling the printed clearance note from the clearance lines, the result set and the header.
#include "layouts/eka_print.h"

#include "layouts/eka_print_rows.h"
#include "model/amount_text.h"
#include "model/reference_files.h"

namespace dz {
namespace {

using ekaprint::Show;

QString Shown(double value, Show show) {
    if (show == Show::Positive && !(value > 0)) return QString();
    return FormatAmount(value);
}

QString PersonName(const char* prefix, int k, int person) {
    return QStringLiteral("%1%2%3").arg(QLatin1String(prefix)).arg(k).arg(QChar(person == 0 ? u'F' : u'S'));
}

// A label's text read back as an amount; an empty text reads 0.
double ReadBack(const report::PageReport& page, const char* name) {
    return ParseAmount(page.Text(QString::fromLatin1(name))).value_or(0);
}

void FillHeader(report::PageReport& page, const EkaHeader& h) {
    page.SetText("qrAFM", h.AFM);
    page.SetText("qrBigName", h.BigName);
    page.SetText("qrAddress", h.Address);
    page.SetText("qrDoy", h.Doy);
    page.SetText("qrSyzBigName", h.SyzBigName);
    page.SetText("qrSyzAfm", h.SyzAfm);
}

void FillG1(report::PageReport& page, const EkaLines& lines) {
    int k = 1;
    for (const ekaprint::LineRow& row : ekaprint::G1Rows()) {
        for (int p = 0; p < 2; ++p) {
            QString text = lines.person[p][row.line];
            // The first row is the line read back and written again (an empty line gives 0,00).
            if (k == 1) text = FormatAmount(ParseAmount(text).value_or(0));
            page.SetText(PersonName("qr", k, p), text);
        }
        ++k;
    }
}

void FillPairBlocks(report::PageReport& page, const ClearanceNote& in) {
    for (const ekaprint::PairBlock& block : ekaprint::PairBlocks())
        for (const ekaprint::PairRow& row : block.rows)
            for (int p = 0; p < 2; ++p)
                page.SetText(QString::fromLatin1(row.names[p]), row.value ? Shown(row.value(in, p), block.show) : QString());
}

void FillG4(report::PageReport& page, const ClearanceNote& in) {
    for (const ekaprint::LuxuryColumn& column : ekaprint::G4Columns())
        for (int p = 0; p < 2; ++p)
            page.SetText(QString::fromLatin1(column.name) + (p == 0 ? u'F' : u'S'), Shown(column.value(in, p), Show::Positive));
}

void FillSummary(report::PageReport& page, const ClearanceNote& in) {
    for (const ekaprint::SummaryCell& cell : ekaprint::SummaryCells())
        page.SetText(QString::fromLatin1(cell.name), Shown(cell.value(in), Show::Positive));
    // Last: the totals add the rounded amounts just shown in their row.
    for (const ekaprint::TotalCell& cell : ekaprint::TotalCells()) {
        double sum = 0;
        for (const char* addend : cell.addends) sum += ReadBack(page, addend);
        page.SetText(QString::fromLatin1(cell.name), Shown(sum, Show::Positive));
    }
    const tax::ResultSet& r = in.results;
    page.SetText("qrDiaforaSimp", r.SettlementDiscount != 0 ? FormatAmount(r.SettlementDiscount) : QString());
    // The final amount's caption says whether it is owed or refunded.
    const bool refund = r.FinalBalance < 0;
    page.SetText("qrTelikoPosoStr", refund ? QStringLiteral("ΤΕΛΙΚΟ ΠΟΣΟ ΕΠΙΣΤΡΟΦΗΣ") : QStringLiteral("ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ"));
    page.SetText("qrTelikoPoso", FormatAmount(refund ? -r.FinalBalance : r.FinalBalance));
}

void FillNotes(report::PageReport& page, const ClearanceNote& in) {
    for (int i = 1; i <= 4; ++i) page.SetText(QStringLiteral("edCarNumber%1").arg(i), QString());
    for (int i = 1; i <= 3; ++i) page.SetText(QStringLiteral("qrComma%1").arg(i), QString());
    if (!in.carNumbers) return;
    for (int i = 1; i <= 4; ++i) page.SetText(QStringLiteral("edCarNumber%1").arg(i), (*in.carNumbers)[i - 1]);
    // A separator with no number after it is not printed.
    for (int i = 1; i <= 3; ++i)
        page.label(QStringLiteral("qrComma%1").arg(i)).enabled = !(*in.carNumbers)[i].isEmpty();
}

}  // namespace

void qrEkaBeforePrint(report::PageReport& report) { report.BlankTexts({u"0,00"}); }

void FillEkaPrint(TfiEkaPrn& layout, const ClearanceNote& input) {
    report::PageReport& page = layout.qrEka;
    FillHeader(page, input.header);
    FillG1(page, input.lines);
    FillPairBlocks(page, input);
    FillG4(page, input);
    FillSummary(page, input);
    FillNotes(page, input);
}

QString EkaPdfFileName(const QString& afm) {
    QString name = afm;
    for (QChar& c : name)
        if (c < u' ' || QStringView(u"/\\:*?\"<>|").contains(c)) c = u'_';
    return FindReferenceFile(QString::fromLatin1(kEkaPdfFolder)) + u'/' + name + QStringLiteral(".pdf");
}

}  // namespace dz
