// Print areas from the page description: the printed form's label names and where each one goes.
#include "render/print_areas.h"

#include "render/page_render.h"

namespace dz::forms {
namespace {

constexpr int kLeft = 0x0081;    // Qt::AlignLeft | Qt::AlignVCenter
constexpr int kRight = 0x0082;   // Qt::AlignRight | Qt::AlignVCenter
constexpr int kCentre = 0x0084;  // Qt::AlignCenter

}  // namespace

FormRect PartOf(const FormRect& rect, Split split, int k, int n) {
    if (n <= 1) return rect;
    if (split == Split::Lines) {
        const int top = rect.y + rect.h * k / n;
        return {rect.x, top, rect.w, rect.y + rect.h * (k + 1) / n - top};
    }
    const int left = rect.x + rect.w * k / n;
    return {left, rect.y, rect.x + rect.w * (k + 1) / n - left, rect.h};
}

FormRect IntegerPartOf(const FormBox& box) {
    if (box.kind != FieldKind::Amount || !box.decimals) return box.rect;
    return {box.rect.x, box.rect.y, box.rect.w - kDecimalsWidth, box.rect.h};
}

FormRect DecimalsOf(const FormBox& box) {
    return {box.rect.right() - kDecimalsWidth, box.rect.y, kDecimalsWidth, box.rect.h};
}

std::vector<PrintArea> PrintAreas(const FormPage& page) {
    std::vector<PrintArea> areas;
    for (const FormBox& box : page.boxes) {
        if (box.kind == FieldKind::Button || !DrawnOn(box.presence, RenderTarget::Print)) continue;
        const QString name = box.printName.isEmpty() ? box.name : box.printName;
        switch (box.kind) {
        case FieldKind::Amount:
            areas.push_back({name, IntegerPartOf(box), kRight, {}});
            if (box.decimals && box.code > 0)
                areas.push_back({QStringLiteral("edFP%1").arg(box.code, 3, 10, QLatin1Char('0')), DecimalsOf(box), kCentre, {}});
            break;
        case FieldKind::Whole:
            areas.push_back({name, box.rect, kRight, {}});
            break;
        case FieldKind::YesNo:
            areas.push_back({name, box.rect, kCentre, {}});
            break;
        default:
            if (box.split == Split::Cells) {
                for (int k = 0; k < box.cells; ++k)
                    areas.push_back({name + QString::number(k + 1), PartOf(box.rect, Split::Cells, k, box.cells), kCentre, {}});
            } else if (box.split != Split::None) {
                const int n = int(box.printParts.size());
                const QString group = box.split == Split::Lines ? name : QString();
                for (int k = 0; k < n; ++k)
                    areas.push_back({box.printParts[k], PartOf(box.rect, box.split, k, n), kLeft, group});
            } else {
                areas.push_back({name, box.rect, kLeft, {}});
            }
        }
    }
    return areas;
}

}  // namespace dz::forms
