// JPEG files of the page pictures through libjpeg: encoding a QImage and decoding into one.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace dz::forms {

struct JpegPicture {
    QImage image;        // Format_Grayscale8 or Format_RGB888, as the file is stored
    QByteArray comment;  // the first COM marker, empty when there is none
};

// Grey-scale images are stored with one component, all others as RGB. `comment` (when not
// empty) is stored in a COM marker. Throws IoError when the encoder fails.
QByteArray EncodeJpeg(const QImage& image, int quality, const QByteArray& comment = QByteArray());
// Empty optional for data that is not a JPEG libjpeg can read.
std::optional<JpegPicture> DecodeJpeg(const QByteArray& data);

// Whole-file versions. Writing replaces the file only once all its bytes are written
// (IoError when it cannot be written); reading gives nothing for a missing or unreadable file.
void WriteJpegFile(const QString& path, const QImage& image, int quality, const QByteArray& comment = QByteArray());
std::optional<JpegPicture> ReadJpegFile(const QString& path);

// Only the comment of a file (its headers, not its pixels), or nothing when it cannot be read.
std::optional<QByteArray> ReadJpegComment(const QString& path);

}  // namespace dz::forms
