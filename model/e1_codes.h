// Which E1 codes have a box on the form, and of which kind: the mapping between the
// window's "edP"/"cbP" + three-digit controls and the code table.
#pragma once
#include <QString>
#include <vector>

namespace dz {

enum class CodeKind { None, YesNo, Integer, Amount };

// Page 0..3 are the four form pages, 4 the special-cases page.
inline constexpr int kSpecialCasesPage = 4;

struct E1CodeBox {
    int code;
    CodeKind kind;
    int page;
};

// Every code box, in ascending code order.
const std::vector<E1CodeBox>& E1CodeBoxes();
CodeKind KindOfCode(int code);
int PageOfCode(int code);  // -1 when the code has no box

// "edP301", "cbP013", and for the hidden carriers of codes 093 and 095 "edp093"/"edp095".
QString CodeControlName(int code);

}  // namespace dz
