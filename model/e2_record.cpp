// E2 record to and from its file image, and the income-column flags of table 1.
#include "model/e2_record.h"

#include <cstring>

#include "model/amount_text.h"
#include "model/byte_image.h"
#include "model/e2_layout.h"

namespace dz {

int IncomeColumnOfLeaseType(int leaseType) {
    struct Range { int first, last; };
    static constexpr Range kColumns[kE2IncomeColumns] = {{1, 9}, {10, 22}, {23, 25}, {26, 38}};
    for (int c = 0; c < kE2IncomeColumns; ++c)
        if (leaseType >= kColumns[c].first && leaseType <= kColumns[c].last) return c;
    return -1;
}

int LeaseTypeNumber(const FixedText<50>& text) {
    if (text.empty()) return 0;
    return ParseInteger(text.ToString()).value_or(0);
}

void DeriveIncomeFlags(E2Record& record) {
    for (int i = 0; i < kE2Table1Rows; ++i) {
        auto& flags = record.Table1[i].IncomeFlags;
        flags.fill(0);
        const int column = IncomeColumnOfLeaseType(LeaseTypeNumber(record.LeaseType[i]));
        if (column >= 0) flags[column] = 1;
    }
}

void ClearE2Record(E2Record& record) { record = E2Record{}; }

void EncodeE2(const E2Record& record, uint8_t* image) {
    std::memset(image, 0, kE2FileSize);
    ImageWriter writer(image);
    VisitE2Layout(record, writer);
}

void DecodeE2(const uint8_t* image, E2Record& record) {
    ImageReader reader(image);
    VisitE2Layout(record, reader);
}

}  // namespace dz
