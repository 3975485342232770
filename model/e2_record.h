// The E2 rental statement record, also the exact content of an E2 file.
#pragma once
#include <array>
#include <cstdint>

#include "model/text1253.h"

namespace dz {

inline constexpr int kE2FileSize = 7620;
inline constexpr int kE2Table1Rows = 16;
inline constexpr int kE2Table2Rows = 9;
inline constexpr int kE2Table3Rows = 4;
// Positions number the rows of all three tables in one sequence: 1-16, 17-25, 26-29.
inline constexpr int kE2Positions = kE2Table1Rows + kE2Table2Rows + kE2Table3Rows;
inline constexpr int kE2LeasePositions = kE2Table1Rows + kE2Table2Rows;
inline constexpr int kE2IncomeColumns = 4;

struct E2Record {
    struct Table1Row {
        FixedText<30> Location;
        FixedText<4> FloorText;
        FixedText<4> UseText;
        FixedText<5> Surface;
        FixedText<23> TenantName;
        FixedText<12> TenantAfm;
        FixedText<10> From;
        FixedText<10> To;
        double Months = 0;
        double Rent = 0;
        FixedText<8> Share;
        std::array<double, kE2IncomeColumns> Income{};  // form columns 13 to 16
        std::array<uint8_t, 5> IncomeFlags{};            // which column the lease type selects
        friend bool operator==(const Table1Row&, const Table1Row&) = default;
    };
    struct Table2Row {
        FixedText<30> Location;
        FixedText<4> FloorText;
        FixedText<4> UseText;
        FixedText<4> Surface;
        FixedText<30> CoOwnerName;
        FixedText<12> CoOwnerAfm;
        FixedText<34> CoOwnerAddress;
        FixedText<5> Share;
        double RentPaid = 0;
        friend bool operator==(const Table2Row&, const Table2Row&) = default;
    };
    struct Table3Row {
        FixedText<30> Location;
        FixedText<4> FloorText;
        FixedText<4> UseText;
        FixedText<4> Surface;
        FixedText<35> Title;
        friend bool operator==(const Table3Row&, const Table3Row&) = default;
    };

    int32_t Tag = 0;  // kept by Save, zeroed by Save As
    FixedText<12> Afm;
    FixedText<40> Surname;
    FixedText<40> FirstName;
    FixedText<15> FatherName;
    std::array<Table1Row, kE2Table1Rows> Table1{};
    std::array<Table2Row, kE2Table2Rows> Table2{};
    std::array<Table3Row, kE2Table3Rows> Table3{};
    bool CalcOff = false;
    std::array<double, kE2IncomeColumns> Totals{};
    std::array<uint8_t, kE2Positions> UseId{};
    std::array<uint8_t, kE2Positions> FloorId{};
    std::array<FixedText<15>, kE2Positions> SupplyNo{};
    std::array<FixedText<50>, kE2LeasePositions> LeaseType{};
    std::array<FixedText<20>, kE2Table1Rows> LeaseDeclNo{};

    friend bool operator==(const E2Record&, const E2Record&) = default;
};

using E2Image = std::array<uint8_t, kE2FileSize>;

// The income column (0..3 for form columns 13..16) a lease type selects, or -1.
int IncomeColumnOfLeaseType(int leaseType);
// The lease type of a table 1 row read as a whole number, 0 when empty or not a number.
int LeaseTypeNumber(const FixedText<50>& text);
// Sets every table 1 row's income-column flags from its lease type, as saving does.
void DeriveIncomeFlags(E2Record& record);

void ClearE2Record(E2Record& record);
// Record to image: reserved bytes and text tails zero; DataError for a Real6 overflow.
void EncodeE2(const E2Record& record, uint8_t* image);
void DecodeE2(const uint8_t* image, E2Record& record);

}  // namespace dz
