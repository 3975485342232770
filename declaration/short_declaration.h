// The short declaration's rules without its window: which codes are its check boxes, and how
// its list of codes becomes the declaration record and the code table.
#pragma once
#include <QString>
#include <QStringList>
#include <set>
#include <vector>

#include "model/code_table.h"
#include "model/e1_declaration.h"

namespace dz {

// A check box of the window: its code, its group (0 first-page codes, 1 residence codes),
// and its row and column inside the group.
struct ShortDeclarationBox {
    int code;
    int group;
    int row;
    int column;
};

// In the window's control order (group by group, row by row, left to right).
const std::vector<ShortDeclarationBox>& ShortDeclarationBoxes();
bool IsShortDeclarationBox(int code);

struct CodeRow {
    QString code;
    QString amount;
    friend bool operator==(const CodeRow&, const CodeRow&) = default;
};

// How a message names a cell of the list: "γραμμή 3, στήλη «Κωδικός»" (rows counted from 1).
QString CodeRowCellLabel(int row, bool amount);

// What the window shows of a declaration.
struct ShortDeclarationView {
    std::vector<CodeRow> rows;
    std::set<int> ticked;
};

// Sorts the record's code list in place (empty entries keep their places) and returns the
// rows and ticked boxes the window shows: a code with a box ticks it whatever its value;
// every other code becomes a row (three-digit code, amount text).
ShortDeclarationView ShowShortDeclaration(E1Declaration& declaration);

// Save: surname, tax number and married flag, then the code list from the ticked boxes (in
// control order, value 1) and the rows with both a code and an amount. A code that is not a
// whole number of 16 bits, an amount that is not a number, or more than 150 entries is a
// DataError naming the row and column, raised before the record changes.
void GatherShortDeclaration(const QString& afm, const QString& surname, bool married, const std::set<int>& ticked,
                            const std::vector<CodeRow>& rows, E1Declaration& declaration);

// Compute: the code table from the rows and boxes. Codes 067 and 068 are capped at 3000 and
// their row then reads "3000". A code that is not a whole number, an amount that is not a
// number, or a code outside 0..1000 with an amount is a DataError; the table is then unusable.
void FillCodeTableFromShort(std::vector<CodeRow>& rows, const std::set<int>& ticked, CodeTable& codes);

}  // namespace dz
