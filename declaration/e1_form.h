// The E1 form as a value: what every box of the four pages and the special cases holds, keyed
// by the names of the boxes ("edAFM", "edP301", "cbP013", "edCarIppoi3" …). The E1 window, the
// short declaration, dovazez-cli and print read and write declarations through it, so that a
// saved declaration computes and prints exactly as the window shows it.
#pragma once
#include <QHash>
#include <QSet>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/code_table.h"
#include "model/e1_declaration.h"
#include "model/errors.h"
#include "note/note_value.h"
#include "tax/result_set.h"

namespace dz {

// What one entry box holds: its text as shown, and for a number box the number it stands for,
// which may carry more than the text shows (12,345 typed shows 12,35 and stays 12.345).
struct E1FormBox {
    QString text;
    double number = 0;
    friend bool operator==(const E1FormBox&, const E1FormBox&) = default;
};

struct E1Form {
    QHash<QString, E1FormBox> boxes;  // entry boxes that hold something; absent ones are empty
    QSet<QString> ticked;             // check boxes that are ticked
    int32_t registrationNo = 0;       // shown in "edAACode", never taken back
    // The order in which the code boxes go into the code list of the record (the window's
    // own order); empty for ascending code order.
    std::vector<int> codeOrder;

    QString Text(const QString& box) const { return boxes.value(box).text; }
    double Number(const QString& box) const { return boxes.value(box).number; }
    bool Filled(const QString& box) const { return !Text(box).isEmpty(); }
    bool Ticked(const QString& box) const { return ticked.contains(box); }
    friend bool operator==(const E1Form&, const E1Form&) = default;
};

// The large-city boxes and the hidden code boxes (093, 095) that carry them in the code list.
struct LargeCityCarrier {
    int code;
    const char* box;
};
inline constexpr LargeCityCarrier kLargeCityCarriers[] = {{93, "cbTelos500F"}, {95, "cbTelos500S"}};

// A value that its field of the record cannot hold, naming the box that holds it.
class BoxError : public DataError {
public:
    BoxError(const QString& message, QString box) : DataError(message), box_(std::move(box)) {}
    const QString& box() const { return box_; }

private:
    QString box_;
};

// Record to form, as the window shows a declaration: texts as stored; numbers of the record
// above 0 (amounts in the amount text); each code of the code list in its box (later entries
// of a code win; an amount as its amount text reads back, a whole number rounded half to even,
// a yes/no box ticked when the value is not 0; codes without a box left out); the large-city
// boxes ticked when their codes 093/095 hold exactly 1.
E1Form FormOfDeclaration(const E1Declaration& declaration);

// Form to record, as saving gathers it. The large-city boxes become codes 093/095 (1 when
// ticked). A value that its field cannot hold raises a DataError (BoxError for a number out of
// its range) and the record stays as it was; more than 150 filled code boxes keep the first
// 150 and give true.
bool GatherForm(const E1Form& form, E1Declaration& declaration);

// The computation's inputs: the code table from the code boxes, married and late months, the
// six fee flags, the luxury-tax bases from cars, boats and codes.
void InputsOfForm(const E1Form& form, CodeTable& codes, tax::ClearanceInputs& inputs);

// The clearance note of a computed form: its header, the codes list, the results, the luxury
// amounts the computation was given and the registration numbers of cars 1 to 4.
ClearanceNote NoteOfForm(const E1Form& form, const tax::ResultSet& results, const tax::LuxuryRecord& luxury);

// The whole way from a saved declaration to its note, as the window computes it once shown.
ClearanceNote NoteOfDeclaration(const E1Declaration& declaration);

}  // namespace dz
