// The E2 pages: the form drawn from its description, the data labels at their anchors, and their fill.
#include "layouts/e2_print.h"

#include <QPainter>

#include "e2calc/e2_lists.h"
#include "forms/e2_pages.h"
#include "render/page_render.h"
#include "model/amount_text.h"

namespace dz {
namespace {

using report::Align;

constexpr QMarginsF kPageMargins(3.5, 5.0, 4.0, 6.5);  // left, top, right, bottom (mm)
// The part of the layout that must be on the sheet: the grids and texts end before it.
constexpr QRectF kDesignArea(0, 0, 280, 198);

void SetUp(report::PageReport& page, int index) {
    page.setPaper(QPageSize::A4, QPageLayout::Landscape);
    page.setMargins(kPageMargins);
    page.setDesignArea(kDesignArea);
    page.title = E2PageTitle(index + 1);
    // The form drawn from its description as lines, fills and text, in the chosen typeface.
    page.AddDrawing([index](QPainter& painter, const report::PageReport& drawn) {
        forms::PaintPageInMm(painter, E2Page(index), QPointF(-kE2AreaLeft / 10.0, -kE2AreaTop / 10.0),
                             {drawn.typeface});
    });
}

// A label sized by its text, anchored at x.
report::Label Anchored(const QString& name, double x, double y, Align align, double pt, bool bold = false) {
    report::Label l;
    l.name = name;
    l.box = QRectF(x, y, 0, 0);
    l.align = align;
    l.font.pointSize = pt;
    l.font.bold = bold;
    return l;
}

// A column of a table: label name ("%1" the row, or the position with `offset`), anchor, top of
// the first row, alignment and size.
struct Column {
    const char* name;
    double x;
    double top;
    Align align;
    double points;
    int offset = 0;  // the label's number is the row plus this (positions 17 … of page 2)
};

void AddRows(report::PageReport& page, std::initializer_list<Column> columns, int rows, double pitch) {
    for (int n = 1; n <= rows; ++n)
        for (const Column& c : columns)
            page.AddLabel(Anchored(QString::fromLatin1(c.name).arg(n + c.offset), c.x, c.top + pitch * (n - 1), c.align,
                                   c.points));
}

constexpr double kTable1Pitch = 6.43, kTableIPitch = 6.19, kTableIIPitch = 6.07;
constexpr int kTableIFirst = kE2Table1Rows;                   // positions 17 to 25
constexpr int kTableIIFirst = kE2Table1Rows + kE2Table2Rows;  // positions 26 to 29

const char* const kIncomeNames[kE2IncomeColumns] = {"edKat%1", "edGr%1", "edGi%1", "edLi%1"};
const char* const kTotalNames[kE2IncomeColumns] = {"edKatTotal", "edGrTotal", "edGiTotal", "edLiTotal"};
constexpr double kTotalX[kE2IncomeColumns] = {226.0, 242.4, 258.0, 273.6};
constexpr double kAccountantX[7] = {117.7, 117.7, 117.7, 117.7, 126.0, 143.1, 129.0};

QString Row(const char* name, int n) { return QString::fromLatin1(name).arg(n); }

// "0,00" and "0" print nothing, except a floor, whose "0" is the ground floor.
void BlankZeros(report::PageReport& page, std::initializer_list<const char*> floors) {
    page.BlankTexts({u"0,00", u"0"}, [floors](const report::Label& l) {
        for (const char* floor : floors)
            if (l.name.startsWith(QLatin1String(floor)) && l.name.size() > qsizetype(qstrlen(floor)) &&
                l.name.at(qstrlen(floor)).isDigit())
                return true;
        return false;
    });
}

// Months as an amount, without ",00" for whole months.
QString MonthsText(double months) {
    const QString text = FormatAmount(months);
    return text.contains(QStringLiteral(",00")) ? text.section(kDecimalSeparator, 0, 0) : text;
}

}  // namespace

QString E2PageTitle(int page) { return QStringLiteral("E2 Σελ.%1").arg(page); }

TfiE21Prn::TfiE21Prn() {
    report::PageReport& p = qrE21Prn;
    SetUp(p, 0);
    p.AddLabel(Anchored("edBigName", 159.0, 6.3, Align::Left, 9));
    p.AddLabel(Anchored("edName", 194.7, 6.3, Align::Left, 9));
    p.AddLabel(Anchored("edFatherName", 247.4, 6.3, Align::Left, 9));
    p.AddLabel(Anchored("edAFM", 159.3, 12.4, Align::Left, 9));
    AddRows(p,
            {{"qrNbr%1", 4.6, 66.7, Align::Centre, 6.75},     {"edTopos%1", 7.9, 66.7, Align::Left, 6},
             {"edPlace%1", 50.8, 66.7, Align::Centre, 6.75},  {"edInUse%1", 62.1, 66.7, Align::Centre, 6.75},
             {"edSurfa%1", 74.3, 66.7, Align::Centre, 6.75},  {"edEidosMist%1", 88.7, 66.7, Align::Centre, 6.75},
             {"edParoxesDEH%1", 104.1, 66.7, Align::Centre, 6}, {"edEName%1", 113.8, 66.1, Align::Left, 6.75},
             {"edAFM%1", 157.0, 66.7, Align::Centre, 6.75},   {"edArMist%1", 170.4, 66.7, Align::Centre, 6.75},
             {"edDate1%1", 179.2, 67.2, Align::Centre, 6},    {"edDate2%1", 185.2, 67.2, Align::Centre, 6},
             {"edMonths%1", 191.7, 67.2, Align::Centre, 6},   {"edEnoikio%1", 205.6, 66.7, Align::Right, 6},
             {"edSinid%1", 208.9, 66.9, Align::Centre, 6},    {"edKat%1", 225.7, 66.4, Align::Right, 6.75},
             {"edGr%1", 242.1, 66.4, Align::Right, 6.75},     {"edGi%1", 257.7, 66.4, Align::Right, 6.75},
             {"edLi%1", 273.3, 66.4, Align::Right, 6.75}},
            kE2Table1Rows, kTable1Pitch);
    for (int c = 0; c < kE2IncomeColumns; ++c)
        p.AddLabel(Anchored(QString::fromLatin1(kTotalNames[c]), kTotalX[c], 168.8, Align::Right, 6.75));
    for (int k = 0; k < 7; ++k)
        p.AddLabel(Anchored(QStringLiteral("qrLog%1").arg(k + 1), kAccountantX[k], 171.7 + 3.57 * k, Align::Left, 6));
    report::Label pageNumber = Anchored("qrPageNumber", 47.1, 190.0, Align::Left, 9.75, true);
    pageNumber.text = QStringLiteral("Αρ. Σελίδας");
    p.AddLabel(pageNumber);
}

TfiE22Prn::TfiE22Prn() {
    report::PageReport& p = qrE22Prn;
    SetUp(p, 1);
    AddRows(p,
            {{"edPin2Topos%1", 6.1, 41.5, Align::Left, 6.75},
             {"edPin2Place%1", 45.6, 41.5, Align::Centre, 6.75},
             {"edPin2InUse%1", 57.1, 41.5, Align::Centre, 6.75},
             {"edPin2Surfa%1", 70.6, 41.5, Align::Right, 6.75},
             {"edEidosMist%1", 86.7, 41.5, Align::Centre, 6, kTableIFirst},
             {"edParoxesDEH%1", 102.3, 41.5, Align::Centre, 6, kTableIFirst},
             {"edPin2SName%1", 110.1, 41.5, Align::Left, 6.75},
             {"edPin2SAFM%1", 161.3, 41.5, Align::Centre, 6.75},
             {"edPin2Addre%1", 173.0, 41.5, Align::Left, 6.75},
             {"edPin2Sinid%1", 235.2, 41.5, Align::Centre, 6.75},
             {"edPin2Misto%1", 269.9, 41.5, Align::Right, 6.75}},
            kE2Table2Rows, kTableIPitch);
    AddRows(p,
            {{"edPin3Topos%1", 5.8, 115.9, Align::Left, 6.75},
             {"edPin3Place%1", 56.0, 115.9, Align::Centre, 6.75},
             {"edPin3InUse%1", 67.7, 115.9, Align::Centre, 6.75},
             {"edPin3Surfa%1", 83.1, 115.9, Align::Right, 6.75},
             {"edParoxesDEH%1", 94.9, 115.9, Align::Centre, 6, kTableIIFirst},
             {"edPin3Title%1", 104.8, 115.9, Align::Left, 6.75}},
            kE2Table3Rows, kTableIIPitch);
}

void FillE2Page1(TfiE21Prn& layout, const E2Record& r) {
    report::PageReport& p = layout.qrE21Prn;
    p.SetText("edBigName", r.Surname.ToString());
    p.SetText("edName", r.FirstName.ToString());
    p.SetText("edFatherName", r.FatherName.ToString());
    p.SetText("edAFM", r.Afm.ToString());
    std::array<double, kE2IncomeColumns> sums{};
    for (int n = 1; n <= kE2Table1Rows; ++n) {
        const E2Record::Table1Row& row = r.Table1[static_cast<std::size_t>(n - 1)];
        const std::size_t position = static_cast<std::size_t>(n - 1);
        p.SetText(Row("qrNbr%1", n), QString::number(n));
        p.SetText(Row("edParoxesDEH%1", n), r.SupplyNo[position].ToString());
        p.SetText(Row("edTopos%1", n), row.Location.ToString());
        p.SetText(Row("edPlace%1", n), row.FloorText.ToString());
        p.SetText(Row("edInUse%1", n), UseShortName(r.UseId[position]));
        p.SetText(Row("edEidosMist%1", n), r.LeaseType[position].ToString());
        p.SetText(Row("edArMist%1", n), r.LeaseDeclNo[position].ToString());
        p.SetText(Row("edSurfa%1", n), row.Surface.ToString());
        p.SetText(Row("edEName%1", n), row.TenantName.ToString());
        p.SetText(Row("edAFM%1", n), row.TenantAfm.ToString());
        p.SetText(Row("edDate1%1", n), row.From.ToString());
        p.SetText(Row("edDate2%1", n), row.To.ToString());
        p.SetText(Row("edSinid%1", n), row.Share.ToString());
        p.SetText(Row("edEnoikio%1", n), FormatAmount(row.Rent));
        p.SetText(Row("edMonths%1", n), MonthsText(row.Months));
        for (int c = 0; c < kE2IncomeColumns; ++c) {
            p.SetText(Row(kIncomeNames[c], n), FormatAmount(row.Income[static_cast<std::size_t>(c)]));
            sums[static_cast<std::size_t>(c)] += row.Income[static_cast<std::size_t>(c)];
        }
    }
    // With the automatic calculation off the user's own totals are printed.
    for (int c = 0; c < kE2IncomeColumns; ++c)
        p.SetText(QString::fromLatin1(kTotalNames[c]),
                  FormatAmount(r.CalcOff ? r.Totals[static_cast<std::size_t>(c)] : sums[static_cast<std::size_t>(c)]));
    for (int k = 1; k <= 7; ++k) p.SetText(QStringLiteral("qrLog%1").arg(k), QString());
    BlankZeros(p, {"edPlace"});
}

void FillE2Page2(TfiE22Prn& layout, const E2Record& r) {
    report::PageReport& p = layout.qrE22Prn;
    for (int n = 1; n <= kE2Table2Rows; ++n) {
        const E2Record::Table2Row& row = r.Table2[static_cast<std::size_t>(n - 1)];
        const std::size_t position = static_cast<std::size_t>(kTableIFirst + n - 1);
        p.SetText(Row("edParoxesDEH%1", kTableIFirst + n), r.SupplyNo[position].ToString());
        p.SetText(Row("edEidosMist%1", kTableIFirst + n), r.LeaseType[position].ToString());
        p.SetText(Row("edPin2Topos%1", n), row.Location.ToString());
        p.SetText(Row("edPin2Place%1", n), row.FloorText.ToString());
        p.SetText(Row("edPin2InUse%1", n), UseShortName(r.UseId[position]));
        p.SetText(Row("edPin2Surfa%1", n), row.Surface.ToString());
        p.SetText(Row("edPin2SName%1", n), row.CoOwnerName.ToString());
        p.SetText(Row("edPin2SAFM%1", n), row.CoOwnerAfm.ToString());
        p.SetText(Row("edPin2Addre%1", n), row.CoOwnerAddress.ToString());
        p.SetText(Row("edPin2Sinid%1", n), row.Share.ToString());
        p.SetText(Row("edPin2Misto%1", n), FormatAmount(row.RentPaid));
    }
    for (int n = 1; n <= kE2Table3Rows; ++n) {
        const E2Record::Table3Row& row = r.Table3[static_cast<std::size_t>(n - 1)];
        const std::size_t position = static_cast<std::size_t>(kTableIIFirst + n - 1);
        p.SetText(Row("edParoxesDEH%1", kTableIIFirst + n), r.SupplyNo[position].ToString());
        p.SetText(Row("edPin3Topos%1", n), row.Location.ToString());
        p.SetText(Row("edPin3Place%1", n), row.FloorText.ToString());
        p.SetText(Row("edPin3InUse%1", n), UseShortName(r.UseId[position]));
        p.SetText(Row("edPin3Surfa%1", n), row.Surface.ToString());
        p.SetText(Row("edPin3Title%1", n), row.Title.ToString());
    }
    BlankZeros(p, {"edPin2Place", "edPin3Place"});
}

void NumberE2Rows(TfiE21Prn& layout, int first) {
    if (first <= 0) return;
    for (int n = 1; n <= kE2Table1Rows; ++n) layout.qrE21Prn.SetText(Row("qrNbr%1", n), QString::number(first + n - 1));
}

void SetE2PrintMargins(report::PageReport& page, double moreTop, double moreLeft) {
    constexpr double kMargin = 5;
    page.setMargins(QMarginsF(kMargin + moreLeft, kMargin + moreTop, kMargin, kMargin));
}

void ShiftE2Content(report::PageReport& page, double moreTop, double moreLeft) {
    const QMarginsF m = page.margins();
    page.setMargins(QMarginsF(m.left() + moreLeft, m.top() + moreTop, m.right() - moreLeft, m.bottom() - moreTop));
}

}  // namespace dz
