// The colour backgrounds of the E1 pages: "WParams/E1P1Color15.bmp" … found whatever their case, drawn when missing.
#pragma once
#include <QImage>
#include <QString>

namespace dz {

// The colour picture of the whole A4 sheet of form page `formPage` (0-based), read from
// `relativePath` (found without regard to case). A missing file is drawn from the page
// description in colour, in memory: the working folder is not filled with large pictures.
// IoError naming the file when it exists but cannot be read as a picture.
QImage E1ColourBackground(const QString& relativePath, int formPage);

// The colour version of a page as it is drawn when its file is missing.
QImage DrawE1ColourPage(int formPage);

}  // namespace dz
