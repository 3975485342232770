// Colour backgrounds: the form page drawn in grey and tinted with the form's ink; a BMP file given in its place is used as it is.
#include "layouts/e1_colour.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "forms/form_page.h"
#include "render/page_render.h"
#include "model/errors.h"
#include "model/reference_files.h"
#include "report/units.h"

namespace dz {
namespace {

constexpr int kColourDpi = 150;
// The printed form's ink: rules and texts in a dark blue-green, shades in its light tints.
const QColor kInk(0x0B, 0x4F, 0x6C);

}  // namespace

QImage DrawE1ColourPage(int formPage) {
    const QSize size(qRound(forms::kPageWidth / 10.0 * kColourDpi / report::kMmPerInch),
                     qRound(forms::kPageHeight / 10.0 * kColourDpi / report::kMmPerInch));
    const QImage grey = forms::RenderPage(forms::E1Page(formPage), forms::RenderTarget::Print, size);
    // Each grey level becomes the same share of ink on white paper.
    QImage tinted = grey.convertToFormat(QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int g = 0; g < 256; ++g) {
        const double paper = g / 255.0;
        table << qRgb(qRound(kInk.red() + (255 - kInk.red()) * paper), qRound(kInk.green() + (255 - kInk.green()) * paper),
                      qRound(kInk.blue() + (255 - kInk.blue()) * paper));
    }
    // The grey picture's colour table maps index to grey level; keep the index, change the colour.
    QList<QRgb> levels = tinted.colorTable();
    for (QRgb& c : levels) c = table[qGray(c)];
    tinted.setColorTable(levels);
    tinted.setDotsPerMeterX(qRound(kColourDpi / report::kMmPerInch * 1000));
    tinted.setDotsPerMeterY(qRound(kColourDpi / report::kMmPerInch * 1000));
    return tinted;
}

QImage E1ColourBackground(const QString& relativePath, int formPage) {
    const QString path = FindReferenceFile(relativePath);
    if (QFileInfo::exists(path)) {
        QImageReader reader(path);
        QImage picture = reader.read();
        if (picture.isNull())
            throw IoError(QStringLiteral("Η εικόνα %1 δεν μπορεί να διαβαστεί (%2).").arg(path, reader.errorString()));
        return picture;
    }
    return DrawE1ColourPage(formPage);
}

}  // namespace dz
