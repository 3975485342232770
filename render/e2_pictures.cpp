// Drawing the E2 pages on a landscape picture and keeping the pictures as JPEG with their description's fingerprint.
#include "render/e2_pictures.h"

#include <QDir>
#include <QFileInfo>

#include "forms/e2_pages.h"
#include "render/jpeg.h"
#include "render/page_pictures.h"
#include "model/errors.h"
#include "model/reference_files.h"

namespace dz {
namespace {

// The fingerprint names the form it was drawn for.
QByteArray E2Fingerprint(int index) {
    QByteArray fingerprint = forms::PageFingerprint(E2Page(index));
    return fingerprint.replace("DOVAZEZ E1 page", "DOVAZEZ E2 page");
}

}  // namespace

QImage RenderE2Page(int index, forms::RenderTarget target, QSize size, qreal ratio) {
    const forms::FormPage& page = E2Page(index);
    if (size.isEmpty()) size = page.pixels;
    return forms::RenderPage(page, target, size, ratio, UprightTarget(size));
}

QString E2PictureFile(int index) {
    const QString folder = FindReferenceFile(QStringLiteral("WParams"));
    return FindReferenceFile(folder + QStringLiteral("/E2P%1.jpg").arg(index + 1));
}

QImage E2PagePicture(int index, qreal ratio) {
    const forms::FormPage& page = E2Page(index);
    if (ratio != 1) return RenderE2Page(index, forms::RenderTarget::Screen, page.pixels, ratio);
    const QByteArray fingerprint = E2Fingerprint(index);
    const QString path = E2PictureFile(index);
    if (auto picture = forms::ReadJpegFile(path);
        picture && picture->comment == fingerprint && picture->image.size() == page.pixels)
        return std::move(picture->image);
    QImage image = RenderE2Page(index, forms::RenderTarget::Screen);
    // A folder that cannot be written still gets its window: the picture is drawn each time.
    QDir().mkpath(QFileInfo(path).path());
    try {
        forms::WriteJpegFile(path, image, forms::kPictureQuality, fingerprint);
    } catch (const IoError&) {
    }
    return image;
}

void WriteE2Pictures(const QString& folder, bool pngCopies) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw IoError(QStringLiteral("Δεν είναι δυνατή η δημιουργία του φακέλου %1").arg(folder));
    for (int i = 0; i < kE2PageCount; ++i) {
        const QImage image = RenderE2Page(i, forms::RenderTarget::Screen);
        const QString name = QStringLiteral("E2P%1").arg(i + 1);
        forms::WriteJpegFile(dir.filePath(name + QStringLiteral(".jpg")), image, forms::kPictureQuality,
                             E2Fingerprint(i));
        if (pngCopies) forms::WritePngCopy(dir.filePath(name + QStringLiteral(".png")), image);
    }
}

}  // namespace dz
