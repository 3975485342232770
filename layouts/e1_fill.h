// Filling the printed E1 reports from the declaration record: fields, row blocks, code entries.
#pragma once
#include <QString>
#include <utility>

#include "model/e1_declaration.h"
#include "layouts/e1_reports.h"

namespace dz {

// Each fill reads the declaration and whether colour backgrounds were asked for (the print
// dialog's cbColoredPrint); the typeface is applied before. IoError when a colour background
// file exists but cannot be read.
void FillE1Page1(TfiE11PrnFull& page, const E1Declaration& declaration, bool coloured);
void FillE1Page2(TfiE12PrnFull& page, const E1Declaration& declaration, bool coloured);
void FillE1Page3(TfiE13PrnFull& page, const E1Declaration& declaration, bool coloured);
void FillE1Page4(TfiE14PrnFull& page, const E1Declaration& declaration, bool coloured);
void FillE1SheetA3Pages41(TfiE1_41_Prn& sheet, const E1Declaration& declaration, bool coloured);
void FillE1SheetA3Pages23(TfiE1_23_Prn& sheet, const E1Declaration& declaration, bool coloured);
// Whichever report `page` is.
void FillE1Report(E1PrintPage& page, const E1Declaration& declaration, bool coloured);

// An amount as the form prints it: the part before the decimal comma (thousands and sign
// included) and the two decimals. 1234.5 gives {"1.234", "50"}.
std::pair<QString, QString> SplitAmount(double value);

// A registration number split at its first digit: {"ΙΚΑ", "1234"}; {"", number} without digits.
std::pair<QString, QString> SplitPlate(const QString& plate);

// Whether the declaration lists more cars than page 3 has rows for, so that its fourth row
// refers to the cars list.
bool HasCarsAttachment(const E1Declaration& declaration);

}  // namespace dz
