// The page report's settings and its labels found by name.
#include "report/page_report.h"

namespace dz::report {

PageReport::PageReport(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation)
    : paper_(paper), orientation_(orientation) {}

void PageReport::setPaper(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) {
    paper_ = paper;
    orientation_ = orientation;
}

QSizeF PageReport::PaperSizeMm() const {
    const QSizeF size = QPageSize(paper_).size(QPageSize::Millimeter);
    return orientation_ == QPageLayout::Landscape ? size.transposed() : size;
}

QRectF PageReport::PrintableRectMm() const {
    const QSizeF paper = PaperSizeMm();
    return QRectF(margins_.left(), margins_.top(), paper.width() - margins_.left() - margins_.right(),
                  paper.height() - margins_.top() - margins_.bottom());
}

Label& PageReport::AddLabel(Label label) {
    if (!label.name.isEmpty()) {
        if (byName_.contains(label.name))
            throw ReportError(QStringLiteral("Η ετικέτα «%1» υπάρχει δύο φορές στη σελίδα «%2».").arg(label.name, title));
        byName_.insert(label.name, labels_.size());
    }
    labels_.push_back(std::move(label));
    return labels_.back();
}

Label* PageReport::Find(const QString& name) {
    const auto it = byName_.constFind(name);
    return it == byName_.constEnd() ? nullptr : &labels_[*it];
}

const Label* PageReport::Find(const QString& name) const {
    const auto it = byName_.constFind(name);
    return it == byName_.constEnd() ? nullptr : &labels_[*it];
}

Label& PageReport::label(const QString& name) {
    if (Label* found = Find(name)) return *found;
    throw ReportError(QStringLiteral("Η σελίδα «%1» δεν έχει ετικέτα «%2».").arg(title, name));
}

const Label& PageReport::label(const QString& name) const {
    if (const Label* found = Find(name)) return *found;
    throw ReportError(QStringLiteral("Η σελίδα «%1» δεν έχει ετικέτα «%2».").arg(title, name));
}

void PageReport::BlankTexts(std::initializer_list<QStringView> texts, const std::function<bool(const Label&)>& keep) {
    for (Label& l : labels_) {
        if (keep && keep(l)) continue;
        for (QStringView t : texts) {
            if (l.text == t) {
                l.text.clear();
                break;
            }
        }
    }
}

void PageReport::AddImage(QImage image, const QRectF& rect) { images_.push_back({std::move(image), rect}); }

void PageReport::RunBeforePrint() {
    if (beforePrint_) beforePrint_(*this);
}

QPageLayout PageLayoutOf(const PageReport& report) {
    return QPageLayout(QPageSize(report.paper()), report.orientation(), QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace dz::report
