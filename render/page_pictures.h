// The E1 page pictures in the working folder: made from the descriptions when missing or out of date.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

#include "forms/form_page.h"

namespace dz::forms {

inline constexpr int kPictureQuality = 90;

// "WParams/E1P1.jpg" … "WParams/E1P4.jpg" (an existing folder or file is found whatever its case).
QString E1PictureFile(int index);

// What a picture file carries to say which description it was drawn from.
QByteArray PageFingerprint(const FormPage& page);

// The screen picture of page `index` for a screen of device-pixel ratio `ratio`, of the page's
// size in logical pixels. At ratio 1: the file when it is there and was drawn from the current
// description; otherwise the page is drawn, written to its file (when the folder can be
// written) and returned. At a higher ratio the page is drawn at that ratio each time: the
// files keep the size the folder has always had.
QImage E1PagePicture(int index, qreal ratio = 1);

// Draws and writes all four pictures anew; IoError when a file cannot be written. With
// `pngCopies`, a PNG beside each JPEG (to look at).
void WriteE1Pictures(const QString& folder, bool pngCopies);

// A PNG copy of a page picture, written whole or not at all; IoError when it cannot be written.
void WritePngCopy(const QString& path, const QImage& image);

}  // namespace dz::forms
