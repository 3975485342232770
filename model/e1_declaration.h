// The E1 declaration record: everything that is saved, loaded and printed of an E1 declaration.
#pragma once
#include <array>
#include <cstdint>

#include "model/text1253.h"

namespace dz {

inline constexpr int kE1FileSize = 6991;
inline constexpr int kE1CodeEntries = 150;

struct E1Declaration {
    struct ResidenceEntry {
        FixedText<255> Address;
        FixedText<5> Floor;
        FixedText<60> SupplyNo;  // 60 characters for the main residence, 20 for the others
        friend bool operator==(const ResidenceEntry&, const ResidenceEntry&) = default;
    };
    struct RentEntry {
        FixedText<25> OwnerName;
        FixedText<10> OwnerAfm;
        double Area = 0;
        friend bool operator==(const RentEntry&, const RentEntry&) = default;
    };
    struct OtherRentEntry {
        FixedText<25> Name;
        FixedText<10> Afm;
        double Area = 0;
        friend bool operator==(const OtherRentEntry&, const OtherRentEntry&) = default;
    };
    struct CarEntry {
        FixedText<25> OwnerAfm;
        FixedText<10> Plate;
        int16_t Cc = 0;
        uint8_t Months = 0;
        uint8_t SharePercent = 0;
        int16_t FirstYear = 0;
        bool ForSpouse = false;
        FixedText<1> ExemptMark;
        friend bool operator==(const CarEntry&, const CarEntry&) = default;
    };
    struct BoatEntry {
        FixedText<40> OwnerAfm;
        FixedText<40> Registration;
        uint8_t Length = 0;
        bool Cabin = false;
        bool Sailing = false;
        int16_t Months = 0;
        uint8_t ShareTaxpayer = 0;
        uint8_t ShareSpouse = 0;
        friend bool operator==(const BoatEntry&, const BoatEntry&) = default;
    };
    struct AircraftEntry {
        FixedText<40> Registration;
        FixedText<20> Type;
        FixedText<40> Serial;
        FixedText<20> Base;
        int32_t Power = 0;
        int16_t Months = 0;
        friend bool operator==(const AircraftEntry&, const AircraftEntry&) = default;
    };
    struct PoolEntry {
        double OutdoorArea = 0;
        double OutdoorShareTaxpayer = 0;
        double OutdoorShareSpouse = 0;
        double IndoorArea = 0;
        double IndoorShareTaxpayer = 0;
        double IndoorShareSpouse = 0;
        friend bool operator==(const PoolEntry&, const PoolEntry&) = default;
    };
    struct DependantEntry {
        FixedText<15> Name;
        FixedText<4> BirthYear;
        FixedText<15> School;
        FixedText<12> ChildAfm;
        FixedText<28> ChildAmka;
        FixedText<9> OtherAfm;
        FixedText<50> OtherAmka;  // 50, 20, 30 and 50 characters for rows 1 to 4
        FixedText<10> WithTaxpayer;
        FixedText<10> WithSpouse;
        friend bool operator==(const DependantEntry&, const DependantEntry&) = default;
    };
    struct CodeEntry {
        int16_t Code = 0;  // 0 or below: an empty entry
        double Value = 0;
        friend bool operator==(const CodeEntry&, const CodeEntry&) = default;
    };

    int32_t RegistrationNo = 0;
    FixedText<12> Afm;
    FixedText<40> Surname;
    FixedText<40> FirstName;
    FixedText<15> FatherName;
    FixedText<10> IdCardNo;
    FixedText<40> BusinessAddress;
    FixedText<15> BusinessPhone;
    FixedText<15> Amka;
    FixedText<50> HomeAddress;
    FixedText<10> HomePhone;
    bool Married = false;
    FixedText<30> TaxOffice;
    FixedText<6> TaxOfficePostcode;
    FixedText<30> PreviousTaxOffice;
    uint8_t LateMonths = 0;
    bool FeeExemptTaxpayer = false;
    bool FeeExemptSpouse = false;
    bool FeeSeatTouristTaxpayer = false;
    bool FeeSeatTouristSpouse = false;

    FixedText<25> SpouseSurname;
    FixedText<15> SpouseFirstName;
    FixedText<15> SpouseFatherName;
    FixedText<10> SpouseIdCardNo;
    FixedText<12> SpouseAfm;
    FixedText<50> SpouseAddress;
    FixedText<15> SpousePhone;
    FixedText<15> SpouseAmka;
    FixedText<80> Representative;
    FixedText<12> RepresentativeAfm;

    std::array<ResidenceEntry, 3> Residence{};
    std::array<RentEntry, 7> Rent{};
    OtherRentEntry OtherRent{};
    std::array<CarEntry, 7> Car{};
    std::array<BoatEntry, 2> Boat{};
    AircraftEntry Aircraft{};
    PoolEntry Pool{};
    std::array<DependantEntry, 4> Dependant{};
    FixedText<20> BankName;
    FixedText<3> BankCode;
    FixedText<26> Iban;
    std::array<CodeEntry, kE1CodeEntries> Codes{};

    friend bool operator==(const E1Declaration&, const E1Declaration&) = default;
};

// Sets the record to its empty state (the all-zero file image).
void ClearDeclaration(E1Declaration& declaration);

using E1Image = std::array<uint8_t, kE1FileSize>;

// Record to file image: reserved bytes and text tails zero. Throws DataError for a value
// that its field cannot hold (a `Real6` overflow).
void EncodeE1(const E1Declaration& declaration, uint8_t* image);
// Writes only the record's fields over an existing image, leaving reserved bytes and the
// bytes after each text as they are.
void EncodeE1Over(const E1Declaration& declaration, uint8_t* image);
// File image to record. A text whose length byte exceeds its capacity is read to its capacity.
void DecodeE1(const uint8_t* image, E1Declaration& declaration);

}  // namespace dz
