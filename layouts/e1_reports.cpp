// Building an E1 report: sheet data, the form pages drawn from their descriptions, labels over the print areas.
#include "layouts/e1_reports.h"

#include <QPainter>
#include <algorithm>

#include "forms/form_page.h"
#include "forms/page_builder.h"
#include "render/page_render.h"
#include "render/print_areas.h"
#include "report/units.h"

namespace dz {
namespace {

using forms::kMarginLeft;
using forms::kMarginTop;

// The part of a form page that is printed: the page without its own white margins, in
// millimetres (the description counts tenths of a millimetre).
constexpr double kContentWidthMm = forms::kContentWidth / 10.0;
constexpr double kContentHeightMm = (forms::kPageHeight - kMarginTop - forms::kMarginBottom) / 10.0;

struct SheetData {
    E1Sheet sheet;
    const char16_t* title;
    QPageSize::PageSizeId paper;
    QPageLayout::Orientation orientation;
    QMarginsF margins;      // left, top, right, bottom (mm)
    std::vector<int> pages;  // form pages left to right
    std::vector<double> x;   // where each page's printed part starts on the layout (mm)
    double width;            // of the layout (mm)
};

// On an A3 sheet each page sits where it lies on a folded A4 page: 8 mm from the sheet's left
// edge and 8 mm right of the fold (the layout starts 4 mm in).
const SheetData kSheets[] = {
    {E1Sheet::Page1, u"E1 Σελ.1", QPageSize::A4, QPageLayout::Portrait, {8, 3.5, 8, 6.5}, {0}, {0}, kContentWidthMm},
    {E1Sheet::Page2, u"E1 Σελ.2", QPageSize::A4, QPageLayout::Portrait, {8, 3.5, 8, 6.5}, {1}, {0}, kContentWidthMm},
    {E1Sheet::Page3, u"E1 Σελ.3", QPageSize::A4, QPageLayout::Portrait, {8, 3.5, 8, 6.5}, {2}, {0}, kContentWidthMm},
    {E1Sheet::Page4, u"E1 Σελ.4", QPageSize::A4, QPageLayout::Portrait, {8, 3.5, 8, 6.5}, {3}, {0}, kContentWidthMm},
    {E1Sheet::Sheet41, u"E1 Σελ.1 (A3)", QPageSize::A3, QPageLayout::Landscape, {4, 3.5, 8, 6.5}, {3, 0}, {4, 214}, 408},
    {E1Sheet::Sheet23, u"E1 Σελ.2 (A3)", QPageSize::A3, QPageLayout::Landscape, {4, 3.5, 8, 6.5}, {1, 2}, {4, 214}, 408},
};

const SheetData& DataOf(E1Sheet sheet) {
    return *std::find_if(std::begin(kSheets), std::end(kSheets), [sheet](const SheetData& d) { return d.sheet == sheet; });
}

// The printed part of form page `index`, drawn from its description as lines, fills and text,
// its top-left corner at `x` on the layout. The painter counts in millimetres of the layout.
void DrawFormPage(QPainter& painter, int index, double x, const forms::PageLook& look) {
    painter.save();
    painter.setClipRect(QRectF(x, 0, kContentWidthMm, kContentHeightMm), Qt::IntersectClip);
    forms::PaintPageInMm(painter, forms::E1Page(index), QPointF(x - kMarginLeft / 10.0, -kMarginTop / 10.0), look);
    painter.restore();
}

report::Align AlignOf(int qtAlign) {
    if (qtAlign & Qt::AlignRight) return report::Align::Right;
    if (qtAlign & Qt::AlignHCenter) return report::Align::Centre;
    return report::Align::Left;
}

// A box's text: as large as the box's height allows within a readable range.
double PointsFor(double boxHeightMm) { return std::clamp(boxHeightMm * 2.3, 5.0, 9.0); }

constexpr double kInsetMm = 0.8;  // texts keep clear of the box's rules

void AddLabels(report::PageReport& report, int index, double x) {
    for (const forms::PrintArea& area : forms::PrintAreas(forms::E1Page(index))) {
        report::Label label;
        label.name = area.name;
        label.align = AlignOf(area.align);
        QRectF box((area.rect.x - kMarginLeft) / 10.0 + x, (area.rect.y - kMarginTop) / 10.0, area.rect.w / 10.0,
                   area.rect.h / 10.0);
        if (label.align != report::Align::Centre) box.adjust(kInsetMm, 0, -kInsetMm, 0);
        label.box = box;
        label.font.pointSize = PointsFor(box.height());
        label.fit = true;  // a long text is drawn smaller rather than over the next box
        label.fitGroup = area.group;
        report.AddLabel(std::move(label));
    }
}

}  // namespace

QString E1SheetTitle(E1Sheet sheet) { return QString::fromUtf16(DataOf(sheet).title); }

E1PrintPage::E1PrintPage(E1Sheet sheet)
    : report(DataOf(sheet).paper, DataOf(sheet).orientation),
      sheet_(sheet),
      pages_(DataOf(sheet).pages),
      inks_(std::make_shared<std::vector<QColor>>(pages_.size(), QColor(Qt::black))) {
    const SheetData& data = DataOf(sheet);
    report.title = QString::fromUtf16(data.title);
    report.setMargins(data.margins);
    report.setDesignArea(QRectF(0, 0, data.width, kContentHeightMm));
    // A page is drawn from its description unless a sheet picture takes its (empty) place.
    for (std::size_t i = 0; i < data.pages.size(); ++i) {
        report.AddImage(QImage(), QRectF(data.x[i], 0, kContentWidthMm, kContentHeightMm));
        report.AddDrawing([i, index = data.pages[i], x = data.x[i], inks = inks_](QPainter& painter,
                                                                                  const report::PageReport& drawn) {
            if (drawn.Images().at(i).image.isNull()) DrawFormPage(painter, index, x, {drawn.typeface, inks->at(i)});
        });
    }
    for (std::size_t i = 0; i < data.pages.size(); ++i) AddLabels(report, data.pages[i], data.x[i]);
}

void E1PrintPage::SetInk(int position, const QColor& ink) { inks_->at(static_cast<std::size_t>(position)) = ink; }

QColor E1PrintPage::Ink(int position) const { return inks_->at(static_cast<std::size_t>(position)); }

void E1PrintPage::SetSheetPicture(int position, const QImage& picture) {
    const double x = DataOf(sheet_).x.at(static_cast<std::size_t>(position));
    // The picture is the whole sheet: its margins lie outside the printed part.
    report.Images().at(static_cast<std::size_t>(position)) =
        report::ReportImage{picture, QRectF(x - kMarginLeft / 10.0, -kMarginTop / 10.0, forms::kPageWidth / 10.0,
                                            forms::kPageHeight / 10.0)};
}

}  // namespace dz
