// Building E2 page descriptions: headings, rows and fields of tables of columns, placed on the landscape sheet.
#include "forms/e2_page_layout.h"

#include "forms/e2_pages.h"

namespace dz {
namespace {

using forms::FieldKind;
using forms::Fill;
using forms::FormBox;
using forms::FormRect;
using forms::Presence;
using forms::TextStyle;

constexpr int kTextInset = 6;  // between a rule and a heading

QString Named(const char* pattern, int number) { return QString::fromLatin1(pattern).arg(number); }

}  // namespace

E2PageBuilder::E2PageBuilder(int number, QSize pixels) {
    page_.number = number;
    page_.pixels = pixels;
}

FormRect E2PageBuilder::OnSheet(const FormRect& rect) {
    return {rect.x + kE2AreaLeft, rect.y + kE2AreaTop, rect.w, rect.h};
}

void E2PageBuilder::Text(const FormRect& rect, const char16_t* text, TextStyle style, int align, Presence presence) {
    if (!text || !*text) return;
    page_.texts.push_back({OnSheet(rect), QString::fromUtf16(text), style, align, presence});
}

void E2PageBuilder::Frame(const FormRect& rect, Fill fill) { page_.frames.push_back({OnSheet(rect), fill, true}); }

void E2PageBuilder::Field(const QString& name, FieldKind kind, const FormRect& rect, const QString& label,
                          int maxLength, const QString& printName) {
    FormBox box;
    box.label = label;
    box.name = name;
    box.kind = kind;
    box.rect = OnSheet(rect);
    box.maxLength = maxLength;
    box.decimals = false;  // the E2 form prints amounts whole in their column
    box.printName = printName;
    page_.boxes.push_back(std::move(box));
}

void E2PageBuilder::WindowButton(const QString& name, const char16_t* caption, const FormRect& rect,
                                 const QString& label) {
    FormBox box;
    box.label = label.isEmpty() ? QString::fromUtf16(caption) : label;
    box.name = name;
    box.kind = FieldKind::Button;
    box.rect = OnSheet(rect);
    box.presence = Presence::WindowOnly;
    box.caption = QString::fromUtf16(caption);
    page_.boxes.push_back(std::move(box));
}

void E2PageBuilder::PrintOnly(const QString& name, const FormRect& rect) {
    FormBox box;
    box.name = name;
    box.kind = FieldKind::Text;
    box.rect = OnSheet(rect);
    box.presence = Presence::PrintOnly;
    page_.boxes.push_back(std::move(box));
}

void E2PageBuilder::Hidden(const QString& name, FieldKind kind, const QString& label) {
    FormBox box;
    box.label = label;
    box.name = name;
    box.kind = kind;
    box.presence = Presence::Hidden;
    page_.boxes.push_back(std::move(box));
}

int E2PageBuilder::RowTop(const E2Table& table, int row) { return table.rowsTop + (table.pitch * row + 5) / 10; }

int E2PageBuilder::RowHeight(const E2Table& table, int row) { return RowTop(table, row + 1) - RowTop(table, row); }

void E2PageBuilder::TableHead(const E2Table& table) {
    const int numbersTop = table.rowsTop - table.numberHeight;
    const int groupBottom = table.top + table.groupHeight;
    std::vector<bool> grouped(table.columns.size(), false);
    for (const E2ColumnGroup& group : table.groups) {
        const FormRect band{table.columns[group.first].left, table.top,
                            table.columns[group.last].right - table.columns[group.first].left, table.groupHeight};
        Frame(band, Fill::Light);
        Text({band.x + kTextInset, band.y, band.w - 2 * kTextInset, band.h}, group.text, TextStyle::ColumnHead,
             kAlignCentre);
        for (int c = group.first; c <= group.last; ++c) grouped[c] = true;
    }
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const E2Column& column = table.columns[c];
        const int top = grouped[c] ? groupBottom : table.top;
        const FormRect head{column.left, top, column.right - column.left, numbersTop - top};
        Frame(head);
        const FormRect inside{head.x + kTextInset / 2, head.y + kTextInset / 2, head.w - kTextInset, head.h - kTextInset};
        Text(inside, column.head, column.upright ? TextStyle::SideHeading : TextStyle::ColumnHead, kAlignCentre);
        if (table.numberHeight > 0) {
            const FormRect number{column.left, numbersTop, column.right - column.left, table.numberHeight};
            Frame(number, Fill::Light);
            Text(number, column.number, TextStyle::CodeNumber, kAlignCentre);
        }
    }
}

void E2PageBuilder::Table(const E2Table& table) {
    TableHead(table);
    for (int row = 0; row < table.rows; ++row) {
        const int y = RowTop(table, row);
        const int h = RowHeight(table, row);
        const int position = table.firstPosition + row;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const E2Column& column = table.columns[c];
            const FormRect cell{column.left, y, column.right - column.left, h};
            Frame(cell);
            if (c == 0 && table.rowNumbers) {
                const QString number = QString::number(row + 1);
                page_.texts.push_back({OnSheet(cell), number, TextStyle::Caption, kAlignCentre, Presence::Both});
            }
            if (!column.field) continue;
            const int n = column.byPosition ? position : row + 1;
            const QString label = QStringLiteral("«%1» της γραμμής %2%3")
                                      .arg(QString::fromUtf16(column.label ? column.label : column.head))
                                      .arg(row + 1)
                                      .arg(QString::fromUtf16(table.of));
            Field(Named(column.field, n), column.kind, cell, label, column.maxLength,
                  column.printName ? Named(column.printName, n) : QString());
            if (column.button)
                WindowButton(Named(column.button, position), u"...",
                             {cell.right() - kE2ButtonWidth - 2, cell.y + 3, kE2ButtonWidth, cell.h - 6},
                             QStringLiteral("Επιλογή για το ") + label);
        }
    }
}

forms::FormPage E2PageBuilder::Finish() { return std::move(page_); }

}  // namespace dz
