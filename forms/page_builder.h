// Small layout functions that turn tables of rows into the boxes, texts and rules of a form page.
#pragma once
#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

#include "forms/form_page.h"

namespace dz::forms {

// Page geometry shared by the E1 pages (units of form_page.h).
inline constexpr int kMarginLeft = 80;
inline constexpr int kMarginRight = 80;
inline constexpr int kMarginTop = 45;
inline constexpr int kMarginBottom = 45;
inline constexpr int kContentWidth = kPageWidth - kMarginLeft - kMarginRight;

// Sizes inside a table of codes.
inline constexpr int kCodeCellWidth = 62;   // the printed code number beside a box
inline constexpr int kAmountWidth = 210;
inline constexpr int kYesNoWidth = 110;
inline constexpr int kSlotGap = 18;
inline constexpr int kSlotWidth = kCodeCellWidth + kAmountWidth + kSlotGap;
inline constexpr int kRowNumberWidth = 58;

// One row of a table of codes: a caption and a code per column (0: no box in that column).
struct CodeRow {
    const char16_t* caption = u"";
    std::array<int, 3> codes{};
    bool sub = false;  // a sub-row of the row above: no number of its own, caption indented
    Presence presence = Presence::Both;
    const char16_t* hint = nullptr;  // tooltip of the row's boxes
    bool noDecimals = false;         // amounts the printed form shows as whole numbers
    bool tall = false;               // a caption long enough for two lines
    // Boxes that carry a printed code number but are data fields of the declaration, not code
    // controls (question 2.11: codes 027/028 are the check boxes cbExairesiF/cbExairesiS).
    std::array<const char*, 3> names{};
};

// One column of a grid table (cars, boats, rents, dependants ...).
struct GridColumn {
    const char16_t* head = u"";
    int width = 0;  // 0: an equal share of what the fixed columns leave
    Presence presence = Presence::Both;
    const char16_t* label = nullptr;  // the column's name in box labels when the head repeats in the row
};

// One cell of a grid row. A cell with a code is a code box with its number printed at its
// left; a cell without a name shows `caption` as a static text.
struct GridCell {
    QString name{};
    FieldKind kind = FieldKind::Text;
    int maxLength = 0;
    int code = 0;
    Presence presence = Presence::Both;
    Split split = Split::None;
    int cells = 0;
    QStringList printParts{};
    QString caption{};
    QString printName{};
    bool decimals = true;
    int align = 0x0084;  // a caption-only cell's alignment (centred)
    QString hint{};
    QString label{};  // the box's label when the column's head and the row do not name it
    std::optional<Presence> rules{};  // the cell's frame, when it is drawn where its box is not
};

// One labelled box of a field row (table 1): a small caption at the top of the cell and the
// box under it.
struct FieldCell {
    const char16_t* caption = u"";
    QString name{};  // empty: a box the office fills (nothing to type)
    FieldKind kind = FieldKind::Text;
    int weight = 1;     // share of the row's width
    int maxLength = 0;
    Split split = Split::None;
    int cells = 0;
    QString printName{};
    QString button{};     // a window button at the right end of the box (tax-office list)
    const char16_t* buttonHint = nullptr;
    const char16_t* label = nullptr;  // the box's name when its caption repeats in the block
};

class PageBuilder {
public:
    // `rowHeight`: height of one row of codes on this page.
    PageBuilder(int number, QSize pixels, int rowHeight);

    int y() const { return y_; }
    void Skip(int units) { y_ += units; }

    // A framed mark at the left margin of the current line (the form's name), `height` high.
    void Badge(const char16_t* text, int width, int height);
    // Two texts on one line, at the left and at the right margin.
    void LinePair(const char16_t* left, const char16_t* right, TextStyle style, int height);
    // A centred line of text across the page.
    void Line(const char16_t* text, TextStyle style, int height, int align = 0x0084 /* centred */);
    // A table's title band across the page.
    void Title(const char16_t* text);
    // A sub-table's title.
    void SubTitle(const char16_t* text, Presence presence = Presence::Both);
    // A text the window shows over the page (not printed), on the current line from `x`.
    void WindowNote(const char16_t* text, int x, int width, int height);

    // A table of codes: the head row (`heads`, one per column of boxes) and the rows,
    // numbered from `firstNumber` (0: no numbers).
    void CodeTable(std::initializer_list<const char16_t*> heads, std::initializer_list<CodeRow> rows,
                   int firstNumber = 1);
    // Rows of codes that continue a table without a head row of their own.
    void CodeRows(int columns, std::initializer_list<CodeRow> rows, int firstNumber = 0);

    // A block of labelled boxes in one line (table 1, the heading of page 1).
    void FieldRow(std::initializer_list<FieldCell> cells, int height);
    // A left-hand band naming the rows that follow (ΤΟΥ ΥΠΟΧΡΕΟΥ ...), `height` high; `of`
    // ends the labels of the band's boxes ("του υπόχρεου").
    void SideBand(const char16_t* text, int height, const char16_t* of = nullptr);

    // A grid table: the heads of its columns (`headHeight` high) and its rows. A box of a row
    // is labelled by its column's head followed by `of`, the row it is in ("του αυτοκινήτου 2").
    void GridHead(const std::vector<GridColumn>& columns, int headHeight, Presence presence = Presence::Both);
    void GridRow(const std::vector<GridColumn>& columns, const std::vector<GridCell>& cells, int height = 0,
                 const QString& of = QString());

    // A window control placed at `x` (from the left margin) and `dy` below the current line:
    // a command button, or the picture of the car exemption categories.
    // `label` names a control without a caption of its own.
    void WindowControl(const QString& name, FieldKind kind, const char16_t* caption, int x, int dy, int width,
                       int height, const char16_t* label = nullptr);
    // A box that only the print fills, at `x` (from the left margin) and `dy` below the current line.
    void PrintOnlyBox(const QString& name, int x, int dy, int width, int height);
    // A box of the window that has no place on the page (hidden carriers).
    void HiddenBox(int code);

    FormPage Finish();

private:
    std::vector<int> ColumnWidths(const std::vector<GridColumn>& columns) const;
    int Left() const { return kMarginLeft + sideBand_; }
    int Width() const { return kContentWidth - sideBand_; }
    void AddText(const FormRect& rect, const QString& text, TextStyle style, int align,
                 Presence presence = Presence::Both);
    void AddFrame(const FormRect& rect, Fill fill, bool border = true, Presence presence = Presence::Both);
    // A code box with its number printed at its left, inside `slot`.
    void AddCodeBox(int code, const FormRect& slot, Presence presence, const QString& hint = QString(),
                    bool noDecimals = false, const char* name = nullptr);
    void AddBox(FormBox box);
    void RowLine(int columns, const CodeRow& row, int number);

    FormPage page_;
    int rowHeight_;
    int y_ = kMarginTop;
    int sideBand_ = 0;      // width of the band at the left while a side band is open
    int sideBandEnd_ = 0;   // where it ends
    QString sideBandOf_;    // how the open band's boxes end their labels
};

}  // namespace dz::forms
