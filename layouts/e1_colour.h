// The colour E1 pages: a picture file given for a page ("WParams/E1P1Color15.bmp" …, found whatever its case), else the page drawn in the form's ink.
#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

namespace dz {

// The printed form's ink: rules and texts in a dark blue-green, shades in its light tints.
inline const QColor kE1ColourInk{0x0B, 0x4F, 0x6C};

// The colour picture of a whole A4 sheet read from `relativePath` (found without regard to
// case); nothing when there is no such file. IoError naming the file when it exists but cannot
// be read as a picture.
std::optional<QImage> ReadE1ColourFile(const QString& relativePath);

}  // namespace dz
