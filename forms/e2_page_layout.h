// Layout of the E2 form pages from tables of columns: every rectangle of an E2 page is computed here.
#pragma once
#include <span>

#include "forms/form_page.h"

namespace dz {

// Coordinates of the E2 page data are tenths of a millimetre from the top-left corner of the
// print area, where the printed labels are measured from; the builder puts them on the sheet.
inline constexpr int kAlignLeft = 0x0081;    // Qt::AlignLeft | Qt::AlignVCenter
inline constexpr int kAlignRight = 0x0082;   // Qt::AlignRight | Qt::AlignVCenter
inline constexpr int kAlignCentre = 0x0084;  // Qt::AlignCenter

// One column of a table: its place, its heading and the field of each of its rows.
struct E2Column {
    int left = 0;
    int right = 0;
    const char16_t* head = u"";
    const char16_t* number = u"";  // the printed column number
    bool upright = false;          // a narrow column's heading, written upwards
    const char* field = nullptr;   // the field's name; "%1" is the row (or the position)
    forms::FieldKind kind = forms::FieldKind::Text;
    int maxLength = 0;
    bool byPosition = false;       // the field is named by the position, not the table row
    const char* button = nullptr;  // a pick button over the field's right end, named by the position
    const char* printName = nullptr;
    const char16_t* label = nullptr;  // the column's name in box labels when its head does not say it
};

// A heading over columns `first` to `last` (indexes into the table's columns).
struct E2ColumnGroup {
    int first = 0;
    int last = 0;
    const char16_t* text = u"";
};

struct E2Table {
    std::span<const E2Column> columns;
    std::span<const E2ColumnGroup> groups;
    int top = 0;           // the top of the heading
    int groupHeight = 0;   // the band of the group headings
    int numberHeight = 0;  // the row of column numbers; 0 for none
    int rowsTop = 0;
    int pitch = 0;         // hundredths of a millimetre from one row to the next
    int rows = 0;
    int firstPosition = 1;     // the position of the first row
    bool rowNumbers = false;   // the first column prints the row numbers
    const char16_t* of = u"";  // the table in a box label, after its row: " του πίνακα Ι"
};

inline constexpr int kE2ButtonWidth = 32;

class E2PageBuilder {
public:
    E2PageBuilder(int number, QSize pixels);

    void Text(const forms::FormRect& rect, const char16_t* text, forms::TextStyle style, int align = kAlignLeft,
              forms::Presence presence = forms::Presence::Both);
    void Frame(const forms::FormRect& rect, forms::Fill fill = forms::Fill::None);
    // `label`: how messages and screen readers name the box (forms::FormBox::label).
    void Field(const QString& name, forms::FieldKind kind, const forms::FormRect& rect, const QString& label,
               int maxLength = 0, const QString& printName = QString());
    void WindowButton(const QString& name, const char16_t* caption, const forms::FormRect& rect,
                      const QString& label = QString());
    void PrintOnly(const QString& name, const forms::FormRect& rect);
    void Hidden(const QString& name, forms::FieldKind kind, const QString& label);

    // The heading, the rows and the fields of every row.
    void Table(const E2Table& table);
    // The top of row `row` (0-based) of `table`, and its height.
    static int RowTop(const E2Table& table, int row);
    static int RowHeight(const E2Table& table, int row);

    forms::FormPage Finish();

private:
    static forms::FormRect OnSheet(const forms::FormRect& rect);
    void TableHead(const E2Table& table);

    forms::FormPage page_;
};

}  // namespace dz
