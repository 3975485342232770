// Unit conversion and look-up for form page descriptions; the E1 pages built once.
#include "forms/form_page.h"

#include <QtMath>
#include <array>

#include <QHash>

#include "forms/e1_pages.h"
#include "forms/e2_pages.h"

namespace dz::forms {

QRect ToPixels(const FormRect& rect, QSize target) {
    const double sx = double(target.width()) / kPageWidth;
    const double sy = double(target.height()) / kPageHeight;
    const int left = qRound(rect.x * sx);
    const int top = qRound(rect.y * sy);
    const int right = qRound(rect.right() * sx);
    const int bottom = qRound(rect.bottom() * sy);
    return QRect(left, top, right - left, bottom - top);
}

QRectF ToDevice(const FormRect& rect, QSizeF target) {
    const double sx = target.width() / kPageWidth;
    const double sy = target.height() / kPageHeight;
    return QRectF(rect.x * sx, rect.y * sy, rect.w * sx, rect.h * sy);
}

double ToPixelsY(double units, QSizeF target) { return units * target.height() / kPageHeight; }

const FormBox* FormPage::Find(const QString& name) const {
    for (const FormBox& box : boxes)
        if (box.name == name) return &box;
    return nullptr;
}

const FormPage& E1Page(int index) {
    static const std::array<FormPage, kE1PageCount> pages{BuildE1Page1(), BuildE1Page2(), BuildE1Page3(),
                                                          BuildE1Page4()};
    return pages.at(static_cast<std::size_t>(index));
}

QString CodeLabel(int code) { return QStringLiteral("κωδικός %1").arg(code, 3, 10, QLatin1Char('0')); }

namespace {

using LabelTable = QHash<QString, QString>;

LabelTable LabelsOf(const FormPage& (*page)(int), int count) {
    LabelTable labels;
    for (int i = 0; i < count; ++i)
        for (const FormBox& box : page(i).boxes)
            if (!box.label.isEmpty()) labels.insert(box.name, box.label);
    return labels;
}

const LabelTable& Labels(Form form) {
    static const LabelTable e1 = LabelsOf(&E1Page, kE1PageCount);
    static const LabelTable e2 = LabelsOf(&E2Page, kE2PageCount);
    return form == Form::E1 ? e1 : e2;
}

}  // namespace

QString BoxLabel(const QString& name, Form form) {
    const Form other = form == Form::E1 ? Form::E2 : Form::E1;
    for (const Form f : {form, other}) {
        const auto found = Labels(f).constFind(name);
        if (found != Labels(f).constEnd()) return *found;
    }
    if (name.startsWith(QLatin1String("edP"), Qt::CaseInsensitive) || name.startsWith(QLatin1String("cbP"))) {
        bool ok = false;
        const int code = name.mid(3).toInt(&ok);
        if (ok && code > 0) return CodeLabel(code);
    }
    return {};
}

}  // namespace dz::forms
