// The description of one printed form page: its boxes, texts and rules, in tenths of a millimetre on A4.
#pragma once
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace dz::forms {

// Every coordinate of a description is in tenths of a millimetre from the top-left corner of
// an A4 sheet (210 × 297 mm). The screen pictures and the printed pages both convert from it.
inline constexpr int kPageWidth = 2100;
inline constexpr int kPageHeight = 2970;

struct FormRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    int right() const { return x + w; }
    int bottom() const { return y + h; }
    bool Intersects(const FormRect& o) const {
        return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
    }
    bool Contains(const FormRect& o) const {
        return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom();
    }
    friend bool operator==(const FormRect&, const FormRect&) = default;
};

// The two-decimal area at the right end of an amount box that prints its decimals apart.
inline constexpr int kDecimalsWidth = 52;

// The one conversion from the description's unit to a picture or a printed page of `target`
// size: both axes are scaled to the whole sheet, and the edges are rounded (not the sizes), so
// boxes that touch in the description touch in every picture.
QRect ToPixels(const FormRect& rect, QSize target);
QRectF ToDevice(const FormRect& rect, QSizeF target);
// A length of the description (a font height, a line width) in the target's vertical pixels.
double ToPixelsY(double units, QSizeF target);

enum class FieldKind {
    Amount,     // euros with two decimals (TEditReal); printed as integer part and decimals
    Whole,      // whole number (TEditInt)
    YesNo,      // check box
    Text,       // free text
    TaxNumber,  // a tax number (TEditAFM)
    Button,     // a window command over the page; not drawn
    Picture,    // a window picture over the page; not drawn
};

enum class Presence {
    Both,        // a box of the printed form with a control over it
    WindowOnly,  // a control of the window that the printed form has no box for
    PrintOnly,   // a box the print fills that has no control of its own (accountant lines)
    Hidden,      // an invisible control of the window; nothing is drawn
};

// How the printed form divides a box that the window shows as one control.
enum class Split {
    None,
    Lines,    // `printParts` one under the other (an address on two printed lines)
    Columns,  // `printParts` side by side (the letters and the digits of a registration plate)
    Cells,    // name + 1..cells: one character per cell
};

struct FormBox {
    QString name;  // control and print-label name: "edP301", "cbP013", "edBigName", "edCarIppoi3"
    FieldKind kind = FieldKind::Text;
    FormRect rect;
    int code = 0;           // the E1 code of an "edP"/"cbP" box, 0 for a data field
    int maxLength = 0;      // text and tax-number boxes: what the record keeps
    Presence presence = Presence::Both;
    Split split = Split::None;
    int cells = 0;          // Split::Cells: how many character cells
    QStringList printParts; // Split::Lines and Split::Columns: the print labels of the parts
    bool decimals = true;   // amounts: the printed box has a two-decimal area
    QString printName;      // the print label when it differs from the control name
    QString caption;        // a button's or check box's own text
    QString hint;           // tooltip of the control
    // How messages and screen readers name the box: its code ("κωδικός 301") or its printed
    // caption with the row, car or person it belongs to ("«Μήνες κατοχής» του αυτοκινήτου 2").
    QString label;
};

enum class TextStyle {
    Title,       // the form's title lines
    Heading,     // a table's title band
    SubHeading,  // a sub-table's title
    ColumnHead,  // the heading above a column of boxes
    Caption,     // a row's caption
    BoxCaption,  // the small heading printed inside the top of a box (table 1)
    CodeNumber,  // the code printed beside its box
    Note,        // small print
    SideHeading, // a block's name written upwards in a narrow band at the left
    WindowNote,  // a text the window shows over the page; not part of the printed form
};

struct FormText {
    FormRect rect;
    QString text;
    TextStyle style = TextStyle::Caption;
    int align = 0x0081;  // Qt::AlignLeft | Qt::AlignVCenter
    Presence presence = Presence::Both;
};

enum class Fill { None, Light, Dark };

// A ruled rectangle; a rule of the form is a rectangle one unit high or wide with a fill.
struct FormFrame {
    FormRect rect;
    Fill fill = Fill::None;
    bool border = true;
    Presence presence = Presence::Both;
};

struct FormPage {
    int number = 0;  // 1..4
    QSize pixels;    // the screen picture's size
    std::vector<FormFrame> frames;
    std::vector<FormText> texts;
    std::vector<FormBox> boxes;

    const FormBox* Find(const QString& name) const;
};

// The four pages of the E1 form (index 0..3).
inline constexpr int kE1PageCount = 4;
const FormPage& E1Page(int index);

// The label of a code box as the form prints its code: "κωδικός 013".
QString CodeLabel(int code);

enum class Form { E1, E2 };
// The label of the box named `name` on the pages of `form` (the other form's box when `form`
// has none of that name; a code box's label for any "edP"/"cbP" name); empty for a name that
// no page describes.
QString BoxLabel(const QString& name, Form form = Form::E1);

}  // namespace dz::forms
