// A fixed page report: paper, margins, background pictures and drawings, text labels found by name.
#pragma once
#include <QHash>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "model/errors.h"

class QPainter;

namespace dz::report {

// A fault of a layout: a label name that is missing, unknown or given twice. It names the label,
// so that a layout never prints a value silently in the wrong box or not at all.
class ReportError : public Error {
    using Error::Error;
};

enum class Align { Left, Centre, Right };

struct FontSpec {
    QString family = QStringLiteral("Arial");
    double pointSize = 8;
    bool bold = false;
};

// A text label. Its box is in millimetres from the top-left corner of the layout's area. The
// text is anchored by the alignment: a left-aligned text starts at the box's left edge, a
// right-aligned one ends at its right edge, a centred one is centred on it; a text longer than
// the box runs past it from the anchor (unless `fit`). A box of height 0 puts the text's top at
// y; otherwise the text is centred in the box's height.
// A fitted text is drawn smaller, down to a readable floor, and below that narrower; the
// labels of one `fitGroup` (the lines of one box) are drawn at one size and width, the
// smallest that any of them needs.
struct Label {
    QString name;  // empty for a static text that nothing addresses
    QString text;
    QRectF box;
    Align align = Align::Left;
    FontSpec font;
    bool enabled = true;  // a disabled label is not printed
    bool fit = false;     // a text wider than the box is drawn smaller to stay inside it
    QString fitGroup;     // with `fit`: labels printed at one size (empty: none)
};

// A background picture stretched over `rect` (millimetres of the layout's area).
struct ReportImage {
    QImage image;
    QRectF rect;
};

class PageReport;

// Lines, frames and texts drawn by the layout itself; the painter counts in millimetres of the
// layout. The report is the one being drawn (its typeface, for texts).
using ReportDrawing = std::function<void(QPainter&, const PageReport&)>;

class PageReport {
public:
    explicit PageReport(QPageSize::PageSizeId paper = QPageSize::A4,
                        QPageLayout::Orientation orientation = QPageLayout::Portrait);
    PageReport(const PageReport&) = delete;
    PageReport& operator=(const PageReport&) = delete;
    PageReport(PageReport&&) = default;
    PageReport& operator=(PageReport&&) = default;

    // --- the job ---
    QString title;        // the print job's name
    int copies = 1;
    QString printerName;  // empty: the system's default printer
    QString typeface;     // the typeface chosen for printed texts; empty: each text's own

    QPageSize::PageSizeId paper() const { return paper_; }
    QPageLayout::Orientation orientation() const { return orientation_; }
    void setPaper(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation);
    // The sheet as it lies (landscape: the long side across), in millimetres.
    QSizeF PaperSizeMm() const;

    // Margins in millimetres: left, top, right, bottom.
    const QMarginsF& margins() const { return margins_; }
    void setMargins(const QMarginsF& margins) { margins_ = margins; }
    void setTopMargin(double mm) { margins_.setTop(mm); }
    void setBottomMargin(double mm) { margins_.setBottom(mm); }
    void setLeftMargin(double mm) { margins_.setLeft(mm); }
    void setRightMargin(double mm) { margins_.setRight(mm); }
    // The area inside the margins, in millimetres of the sheet.
    QRectF PrintableRectMm() const;

    // The part of the layout that must be on the sheet (millimetres of the layout). Its
    // top-left corner is drawn at the top-left corner of the area inside the margins; when it is
    // larger than that area (margins made wider for a printer), the whole content is drawn
    // smaller to fit, centred across. Empty: the layout is drawn at its size from that corner.
    void setDesignArea(const QRectF& mm) { designArea_ = mm; }
    QRectF designArea() const { return designArea_; }

    // --- labels ---
    // ReportError when a label of the same name is already there.
    Label& AddLabel(Label label);
    // ReportError naming `name` when the report has no such label.
    Label& label(const QString& name);
    const Label& label(const QString& name) const;
    Label* Find(const QString& name);
    const Label* Find(const QString& name) const;
    bool Has(const QString& name) const { return Find(name) != nullptr; }
    void SetText(const QString& name, const QString& text) { label(name).text = text; }
    const QString& Text(const QString& name) const { return label(name).text; }
    std::deque<Label>& Labels() { return labels_; }
    const std::deque<Label>& Labels() const { return labels_; }

    // Every label whose text is exactly one of `texts` gets an empty text, except those `keep`
    // accepts.
    void BlankTexts(std::initializer_list<QStringView> texts, const std::function<bool(const Label&)>& keep = {});

    // --- backgrounds, drawn under the labels in the order added ---
    void AddImage(QImage image, const QRectF& rect);
    std::vector<ReportImage>& Images() { return images_; }
    const std::vector<ReportImage>& Images() const { return images_; }
    void AddDrawing(ReportDrawing drawing) { drawings_.push_back(std::move(drawing)); }
    const std::vector<ReportDrawing>& Drawings() const { return drawings_; }

    // --- the hook run each time the report is about to be printed or exported ---
    void setBeforePrint(std::function<void(PageReport&)> hook) { beforePrint_ = std::move(hook); }
    void RunBeforePrint();

private:
    QPageSize::PageSizeId paper_;
    QPageLayout::Orientation orientation_;
    QMarginsF margins_;
    QRectF designArea_;
    std::deque<Label> labels_;  // a deque keeps references to labels valid as labels are added
    QHash<QString, std::size_t> byName_;
    std::vector<ReportImage> images_;
    std::vector<ReportDrawing> drawings_;
    std::function<void(PageReport&)> beforePrint_;
};

// The page layout a device gets for `report`: its paper and orientation, no device margins
// (the report places everything from the sheet's corner itself).
QPageLayout PageLayoutOf(const PageReport& report);

// Draws the report on a page whose top-left corner is the painter's origin; the device's
// resolution turns millimetres and points into dots.
void RenderReport(const PageReport& report, QPainter& painter);

}  // namespace dz::report
