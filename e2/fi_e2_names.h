// The E2 window's fields as data: what each kind of field does, and the fields of a position and of a row.
#pragma once
#include <QString>

namespace dz::e2 {

// What a field of the window is for.
enum class FieldRole {
    Entry,       // typed by the user (pale yellow)
    PickedText,  // read-only, filled by a pick button
    Computed,    // an income column or a total (white)
    Identifier,  // a hidden floor or use identifier
    RowLabel,    // a row number of table 1, carrying the row menu
};

// The role of a field by its name without the row or position number.
FieldRole RoleOf(const QString& name);

// The name without its trailing row or position number, and that number (0 for none).
QString BaseName(const QString& name);
int NameNumber(const QString& name);

// The floor and use text fields of a position 1..29 (tables 1, 2 and 3).
QString FloorFieldName(int position);
QString UseFieldName(int position);

// The copyable columns of a table-1 row, in the row menu's order; "%1" is the row.
inline constexpr const char* kRowColumns[] = {
    "edTopos%1",  "edPlace%1",  "edInUse%1", "edSurfa%1",     "edEName%1",      "edAFM%1",      "edDate1%1",
    "edDate2%1",  "edMonths%1", "edEnoikio%1", "edSinid%1",   "edKat%1",        "edGr%1",       "edGi%1",
    "edLi%1",     "edParoxesDEH%1", "edThesiID%1", "edXrisiID%1", "edEidosMist%1", "edArMist%1",
};

// What "Μεταφορά γραμμής στον πίνακα 2" copies: from a table-1 row to a table-2 row (or to
// the table-2 row's position).
struct TransferredField {
    const char* from;
    const char* to;
    bool toPosition;
};
inline constexpr TransferredField kTransferredFields[] = {
    {"edTopos%1", "edPin2Topos%1", false},      {"edPlace%1", "edPin2Place%1", false},
    {"edInUse%1", "edPin2InUse%1", false},      {"edSurfa%1", "edPin2Surfa%1", false},
    {"edParoxesDEH%1", "edParoxesDEH%1", true}, {"edThesiID%1", "edThesiID%1", true},
    {"edXrisiID%1", "edXrisiID%1", true},       {"edEidosMist%1", "edEidosMist%1", true},
};

}  // namespace dz::e2
