// Layout of form pages from tables of rows: every rectangle of a page is computed here.
#include "forms/page_builder.h"

#include "model/e1_codes.h"

namespace dz::forms {
namespace {

constexpr int kAlignLeft = 0x0081;    // Qt::AlignLeft | Qt::AlignVCenter
constexpr int kAlignCentre = 0x0084;  // Qt::AlignCenter
constexpr int kTitleHeight = 40;
constexpr int kHeadHeight = 30;
constexpr int kPad = 3;           // between a row's rules and its boxes
constexpr int kTextInset = 10;    // between a rule and a caption
constexpr int kBoxCaption = 24;   // the caption band at the top of a labelled box
constexpr int kButtonWidth = 56;

FieldKind KindOfCodeBox(int code) {
    switch (KindOfCode(code)) {
    case CodeKind::YesNo:
        return FieldKind::YesNo;
    case CodeKind::Integer:
        return FieldKind::Whole;
    default:
        return FieldKind::Amount;
    }
}

int BoxWidth(FieldKind kind) { return kind == FieldKind::YesNo ? kYesNoWidth : kAmountWidth; }

QString Text(const char16_t* text) { return text ? QString::fromUtf16(text) : QString(); }

// A printed caption as a label names it: without the explanation in brackets after the name
// ("ΕΠΩΝΥΜΟ (ΟΠΩΣ ΣΤΗΝ ΤΑΥΤΟΤΗΤΑ)"), the office's star and a closing colon, in «».
QString Quoted(QString caption) {
    const qsizetype bracket = caption.indexOf(QLatin1String(" ("));
    if (bracket > 0) caption.truncate(bracket);
    while (caption.endsWith(u'*') || caption.endsWith(u':')) caption.chop(1);
    return QStringLiteral("«%1»").arg(caption.trimmed());
}

QString Joined(const QString& label, const QString& of) { return of.isEmpty() ? label : label + u' ' + of; }

}  // namespace

PageBuilder::PageBuilder(int number, QSize pixels, int rowHeight) : rowHeight_(rowHeight) {
    page_.number = number;
    page_.pixels = pixels;
}

void PageBuilder::AddText(const FormRect& rect, const QString& text, TextStyle style, int align, Presence presence) {
    if (text.isEmpty()) return;
    page_.texts.push_back({rect, text, style, align, presence});
}

void PageBuilder::AddFrame(const FormRect& rect, Fill fill, bool border, Presence presence) {
    page_.frames.push_back({rect, fill, border, presence});
}

void PageBuilder::AddBox(FormBox box) { page_.boxes.push_back(std::move(box)); }

void PageBuilder::AddCodeBox(int code, const FormRect& slot, Presence presence, const QString& hint,
                             bool noDecimals, const char* name) {
    const FieldKind kind = name ? FieldKind::YesNo : KindOfCodeBox(code);
    const int h = slot.h;
    const FormRect number{slot.x, slot.y, kCodeCellWidth, h};
    AddFrame(number, Fill::Light, true, presence);
    AddText(number, QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')), TextStyle::CodeNumber, kAlignCentre,
            presence);
    FormBox box;
    box.name = name ? QString::fromLatin1(name) : CodeControlName(code);
    box.kind = kind;
    box.code = name ? 0 : code;
    box.rect = {slot.x + kCodeCellWidth, slot.y, std::min(BoxWidth(kind), slot.w - kCodeCellWidth), h};
    box.presence = presence;
    box.hint = hint;
    box.decimals = kind == FieldKind::Amount && !noDecimals;
    box.label = CodeLabel(code);
    AddBox(std::move(box));
}

void PageBuilder::Badge(const char16_t* text, int width, int height) {
    const FormRect mark{kMarginLeft, y_, width, height};
    AddFrame(mark, Fill::Light);
    AddText(mark, Text(text), TextStyle::Title, kAlignCentre);
}

void PageBuilder::LinePair(const char16_t* left, const char16_t* right, TextStyle style, int height) {
    AddText({Left(), y_, Width() / 2, height}, Text(left), style, kAlignLeft);
    AddText({Left() + Width() / 2, y_, Width() / 2, height}, Text(right), style, 0x0082 /* right */);
    y_ += height;
}

void PageBuilder::Line(const char16_t* text, TextStyle style, int height, int align) {
    AddText({Left(), y_, Width(), height}, Text(text), style, align);
    y_ += height;
}

void PageBuilder::Title(const char16_t* text) {
    sideBand_ = 0;
    const FormRect band{kMarginLeft, y_, kContentWidth, kTitleHeight};
    AddFrame(band, Fill::Dark);
    AddText({band.x + kTextInset, band.y, band.w - 2 * kTextInset, band.h}, Text(text), TextStyle::Heading, kAlignLeft);
    y_ += kTitleHeight;
}

void PageBuilder::SubTitle(const char16_t* text, Presence presence) {
    const FormRect band{Left(), y_, Width(), kHeadHeight + 4};
    AddFrame(band, Fill::Light, true, presence);
    AddText({band.x + kTextInset, band.y, band.w - 2 * kTextInset, band.h}, Text(text), TextStyle::SubHeading,
            kAlignLeft, presence);
    y_ += band.h;
}

void PageBuilder::WindowNote(const char16_t* text, int x, int width, int height) {
    AddText({kMarginLeft + x, y_, width, height}, Text(text), TextStyle::WindowNote, kAlignCentre, Presence::WindowOnly);
}

void PageBuilder::CodeTable(std::initializer_list<const char16_t*> heads, std::initializer_list<CodeRow> rows,
                            int firstNumber) {
    const int columns = static_cast<int>(heads.size());
    const int slotsLeft = kMarginLeft + kContentWidth - columns * kSlotWidth;
    const FormRect headRow{kMarginLeft, y_, kContentWidth, kHeadHeight};
    AddFrame(headRow, Fill::Light);
    int c = 0;
    for (const char16_t* head : heads) {
        // Centred over the box (not over the code number) of its column.
        const FormRect over{slotsLeft + c * kSlotWidth + kCodeCellWidth, y_, kAmountWidth, kHeadHeight};
        AddText(over, Text(head), TextStyle::ColumnHead, kAlignCentre);
        ++c;
    }
    y_ += kHeadHeight;
    CodeRows(columns, rows, firstNumber);
}

void PageBuilder::CodeRows(int columns, std::initializer_list<CodeRow> rows, int firstNumber) {
    int number = firstNumber;
    for (const CodeRow& row : rows) {
        const int shown = (row.sub || firstNumber == 0) ? 0 : number;
        RowLine(columns, row, shown);
        if (!row.sub && firstNumber != 0) ++number;
    }
}

void PageBuilder::RowLine(int columns, const CodeRow& row, int number) {
    const int slotsLeft = kMarginLeft + kContentWidth - columns * kSlotWidth;
    const int height = row.tall ? rowHeight_ * 8 / 5 : rowHeight_;
    const FormRect line{kMarginLeft, y_, kContentWidth, height};
    AddFrame(line, Fill::None, true, row.presence);
    int captionLeft = kMarginLeft + kTextInset;
    if (number > 0)
        AddText({kMarginLeft + kTextInset, y_, kRowNumberWidth - kTextInset, height}, QStringLiteral("%1.").arg(number),
                TextStyle::Caption, kAlignLeft, row.presence);
    captionLeft += kRowNumberWidth - kTextInset + (row.sub ? 40 : 0);
    AddText({captionLeft, y_, slotsLeft - captionLeft - kTextInset, height}, Text(row.caption), TextStyle::Caption,
            kAlignLeft, row.presence);
    // Boxes keep the common height, centred in a tall row.
    const int boxTop = y_ + (height - rowHeight_) / 2 + kPad;
    for (int c = 0; c < columns; ++c) {
        if (row.codes[c] <= 0) continue;
        const FormRect slot{slotsLeft + c * kSlotWidth, boxTop, kSlotWidth - kSlotGap, rowHeight_ - 2 * kPad};
        AddCodeBox(row.codes[c], slot, row.presence, Text(row.hint), row.noDecimals, row.names[c]);
    }
    y_ += height;
}

void PageBuilder::SideBand(const char16_t* text, int height, const char16_t* of) {
    constexpr int kBand = 50;
    const FormRect band{kMarginLeft, y_, kBand, height};
    AddFrame(band, Fill::Light);
    AddText(band, Text(text), TextStyle::SideHeading, kAlignCentre);
    sideBand_ = kBand;
    sideBandEnd_ = y_ + height;
    sideBandOf_ = Text(of);
}

void PageBuilder::FieldRow(std::initializer_list<FieldCell> cells, int height) {
    int totalWeight = 0;
    for (const FieldCell& cell : cells) totalWeight += cell.weight;
    int x = Left();
    int used = 0;
    int i = 0;
    const int count = static_cast<int>(cells.size());
    for (const FieldCell& cell : cells) {
        used += cell.weight;
        // The last cell ends exactly at the right margin whatever the rounding.
        const int right = (++i == count) ? Left() + Width() : Left() + Width() * used / totalWeight;
        const FormRect frame{x, y_, right - x, height};
        AddFrame(frame, Fill::None);
        AddText({x + 6, y_ + 1, frame.w - 12, kBoxCaption}, Text(cell.caption), TextStyle::BoxCaption, kAlignLeft);
        const QString label = Joined(cell.label ? QStringLiteral("«%1»").arg(Text(cell.label)) : Quoted(Text(cell.caption)),
                                     sideBand_ ? sideBandOf_ : QString());
        if (!cell.name.isEmpty()) {
            FormRect input{x + 6, y_ + kBoxCaption, frame.w - 12, height - kBoxCaption - kPad};
            if (cell.kind == FieldKind::YesNo) input.w = std::min(input.w, 2 * kYesNoWidth);
            if (!cell.button.isEmpty()) {
                input.w -= kButtonWidth + 4;
                FormBox button;
                button.name = cell.button;
                button.kind = FieldKind::Button;
                button.rect = {input.right() + 4, input.y, kButtonWidth, input.h};
                button.presence = Presence::WindowOnly;
                button.caption = QStringLiteral("...");
                button.hint = Text(cell.buttonHint);
                button.label = QStringLiteral("%1 για το %2").arg(button.hint, label);
                AddBox(std::move(button));
            }
            FormBox box;
            box.name = cell.name;
            box.kind = cell.kind;
            box.rect = input;
            box.maxLength = cell.maxLength;
            box.split = cell.split;
            box.cells = cell.cells;
            box.printName = cell.printName;
            box.label = label;
            AddBox(std::move(box));
        }
        x = right;
    }
    y_ += height;
    if (sideBand_ && y_ >= sideBandEnd_) {
        sideBand_ = 0;
        sideBandOf_.clear();
    }
}

std::vector<int> PageBuilder::ColumnWidths(const std::vector<GridColumn>& columns) const {
    int fixed = 0;
    int shared = 0;
    for (const GridColumn& column : columns) {
        fixed += column.width;
        if (column.width == 0) ++shared;
    }
    std::vector<int> widths;
    int left = Width() - fixed;
    for (const GridColumn& column : columns) {
        if (column.width) {
            widths.push_back(column.width);
        } else {
            const int w = left / shared--;
            widths.push_back(w);
            left -= w;
        }
    }
    return widths;
}

void PageBuilder::GridHead(const std::vector<GridColumn>& columns, int headHeight, Presence presence) {
    const std::vector<int> widths = ColumnWidths(columns);
    int x = Left();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int w = widths[c];
        const Presence shown = presence == Presence::Both ? columns[c].presence : presence;
        const FormRect cell{x, y_, w, headHeight};
        AddFrame(cell, Fill::Light, true, shown);
        AddText({x + 4, y_, w - 8, headHeight}, Text(columns[c].head), TextStyle::ColumnHead, kAlignCentre, shown);
        x += w;
    }
    y_ += headHeight;
}

void PageBuilder::GridRow(const std::vector<GridColumn>& columns, const std::vector<GridCell>& cells, int height,
                          const QString& of) {
    const int h = height ? height : rowHeight_;
    const std::vector<int> widths = ColumnWidths(columns);
    int x = Left();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int w = widths[c];
        const FormRect cellRect{x, y_, w, h};
        GridCell cell = c < cells.size() ? cells[c] : GridCell{};
        Presence rules = cell.rules.value_or(cell.presence);
        if (columns[c].presence != Presence::Both) cell.presence = rules = columns[c].presence;
        AddFrame(cellRect, Fill::None, true, rules);
        const FormRect inner{x + kPad, y_ + kPad, w - 2 * kPad, h - 2 * kPad};
        if (cell.code > 0) {
            AddCodeBox(cell.code, inner, cell.presence, cell.hint, !cell.decimals);
        } else if (!cell.name.isEmpty()) {
            FormBox box;
            box.name = cell.name;
            box.kind = cell.kind;
            box.rect = inner;
            if (cell.kind == FieldKind::YesNo) box.rect.w = std::min(inner.w, kYesNoWidth);
            box.maxLength = cell.maxLength;
            box.presence = cell.presence;
            box.split = cell.split;
            box.cells = cell.cells;
            box.printParts = cell.printParts;
            box.caption = cell.caption;
            box.printName = cell.printName;
            box.decimals = cell.decimals;
            box.hint = cell.hint;
            box.label = !cell.label.isEmpty()
                            ? cell.label
                            : Joined(QStringLiteral("«%1»").arg(Text(columns[c].label ? columns[c].label : columns[c].head)),
                                     of);
            AddBox(std::move(box));
        } else {
            AddText({inner.x + kTextInset / 2, inner.y, inner.w - kTextInset, inner.h}, cell.caption, TextStyle::Caption,
                    cell.align, cell.presence);
        }
        x += w;
    }
    y_ += h;
}

void PageBuilder::WindowControl(const QString& name, FieldKind kind, const char16_t* caption, int x, int dy,
                                int width, int height, const char16_t* label) {
    FormBox box;
    box.name = name;
    box.kind = kind;
    box.rect = {kMarginLeft + x, y_ + dy, width, height};
    box.presence = Presence::WindowOnly;
    box.caption = Text(caption);
    box.label = label ? Text(label) : box.caption;
    AddBox(std::move(box));
}

void PageBuilder::PrintOnlyBox(const QString& name, int x, int dy, int width, int height) {
    FormBox box;
    box.name = name;
    box.kind = FieldKind::Text;
    box.rect = {kMarginLeft + x, y_ + dy, width, height};
    box.presence = Presence::PrintOnly;
    AddBox(std::move(box));
}

void PageBuilder::HiddenBox(int code) {
    FormBox box;
    box.name = CodeControlName(code);
    box.kind = KindOfCodeBox(code);
    box.code = code;
    box.presence = Presence::Hidden;
    box.label = CodeLabel(code);
    AddBox(std::move(box));
}

FormPage PageBuilder::Finish() { return std::move(page_); }

}  // namespace dz::forms
