// Page pictures on disk: file names, the description fingerprint in the JPEG comment, drawing when stale.
#include "render/page_pictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include "render/jpeg.h"
#include "render/page_render.h"
#include "model/atomic_file.h"
#include "model/errors.h"
#include "model/reference_files.h"

namespace dz::forms {
namespace {

// Raised whenever the drawing itself changes, so that old pictures are drawn again.
constexpr int kRendererVersion = 1;

void Add(QCryptographicHash& hash, const FormRect& r) {
    const int values[] = {r.x, r.y, r.w, r.h};
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(values), sizeof values));
}

void Add(QCryptographicHash& hash, int value) {
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof value));
}

void Add(QCryptographicHash& hash, const QString& text) {
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    Add(hash, int(text.size()));
}

}  // namespace

QString E1PictureFile(int index) {
    // The folder first, so that a missing picture is made in the folder that is there.
    const QString folder = FindReferenceFile(QStringLiteral("WParams"));
    return FindReferenceFile(folder + QStringLiteral("/E1P%1.jpg").arg(index + 1));
}

QByteArray PageFingerprint(const FormPage& page) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    Add(hash, kRendererVersion);
    Add(hash, page.pixels.width());
    Add(hash, page.pixels.height());
    for (const FormFrame& f : page.frames) {
        Add(hash, f.rect);
        Add(hash, int(f.fill) * 4 + int(f.border) * 2);
        Add(hash, int(f.presence));
    }
    for (const FormText& t : page.texts) {
        Add(hash, t.rect);
        Add(hash, t.text);
        Add(hash, int(t.style));
        Add(hash, t.align);
        Add(hash, int(t.presence));
    }
    for (const FormBox& b : page.boxes) {
        Add(hash, b.rect);
        Add(hash, int(b.kind));
        Add(hash, int(b.presence));
        Add(hash, int(b.split) * 1000 + b.cells);
        Add(hash, int(b.decimals));
    }
    return QByteArrayLiteral("DOVAZEZ E1 page ") + QByteArray::number(page.number) + ' ' + hash.result().toHex();
}

QImage E1PagePicture(int index, qreal ratio) {
    const FormPage& page = E1Page(index);
    if (ratio != 1) return RenderPage(page, RenderTarget::Screen, page.pixels, ratio);
    const QByteArray fingerprint = PageFingerprint(page);
    const QString path = E1PictureFile(index);
    if (auto picture = ReadJpegFile(path); picture && picture->comment == fingerprint && picture->image.size() == page.pixels)
        return std::move(picture->image);
    QImage image = RenderPage(page, RenderTarget::Screen);
    // A folder that cannot be written still gets its window: the picture is drawn each time.
    QDir().mkpath(QFileInfo(path).path());
    try {
        WriteJpegFile(path, image, kPictureQuality, fingerprint);
    } catch (const IoError&) {
    }
    return image;
}

void WriteE1Pictures(const QString& folder, bool pngCopies) {
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw IoError(QStringLiteral("Δεν είναι δυνατή η δημιουργία του φακέλου %1").arg(folder));
    for (int i = 0; i < kE1PageCount; ++i) {
        const FormPage& page = E1Page(i);
        const QImage image = RenderPage(page, RenderTarget::Screen);
        const QString name = QStringLiteral("E1P%1").arg(i + 1);
        WriteJpegFile(dir.filePath(name + QStringLiteral(".jpg")), image, kPictureQuality, PageFingerprint(page));
        if (pngCopies) WritePngCopy(dir.filePath(name + QStringLiteral(".png")), image);
    }
}

void WritePngCopy(const QString& path, const QImage& image) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!image.save(&png, "PNG")) throw IoError(QStringLiteral("Η εικόνα %1 δεν κωδικοποιήθηκε ως PNG.").arg(path));
    WriteFileAtomically(path, png.data());
}

}  // namespace dz::forms
