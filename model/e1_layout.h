// Where every field of the E1 record lives in its 6991-byte file image. One description,
// walked by the image reader and writer and by the JSON reader and writer.
#pragma once
#include "model/e1_declaration.h"

namespace dz {

// `D` is E1Declaration or const E1Declaration; `V` a field visitor (see byte_image.h).
template <class D, class V>
void VisitE1Layout(D& d, V& v) {
    v.Int32("RegistrationNo", 0, d.RegistrationNo);
    v.Text("Afm", 4, d.Afm);
    v.Text("Surname", 17, d.Surname);
    v.Text("FirstName", 58, d.FirstName);
    v.Text("HomePhone", 99, d.HomePhone);
    v.Text("TaxOffice", 151, d.TaxOffice);
    v.Text("PreviousTaxOffice", 182, d.PreviousTaxOffice);
    v.UInt8("LateMonths", 213, d.LateMonths);
    v.Text("FatherName", 214, d.FatherName);
    v.Text("BusinessAddress", 256, d.BusinessAddress);
    v.Text("BusinessPhone", 297, d.BusinessPhone);
    v.Text("IdCardNo", 313, d.IdCardNo);
    v.Text("HomeAddress", 324, d.HomeAddress);
    v.Text("SpouseSurname", 375, d.SpouseSurname);
    v.Text("SpouseFirstName", 401, d.SpouseFirstName);
    v.Text("SpouseFatherName", 417, d.SpouseFatherName);
    v.Text("SpouseIdCardNo", 433, d.SpouseIdCardNo);
    v.Text("SpouseAddress", 480, d.SpouseAddress);
    v.Text("SpousePhone", 531, d.SpousePhone);
    v.Text("Representative", 547, d.Representative);
    v.Text("SpouseAfm", 5534, d.SpouseAfm);
    v.Text("RepresentativeAfm", 5618, d.RepresentativeAfm);
    v.Bool("Married", 5650, d.Married);
    v.Text("TaxOfficePostcode", 6270, d.TaxOfficePostcode);
    v.Bool("FeeExemptTaxpayer", 6317, d.FeeExemptTaxpayer);
    v.Bool("FeeSeatTouristTaxpayer", 6318, d.FeeSeatTouristTaxpayer);
    v.Bool("FeeExemptSpouse", 6319, d.FeeExemptSpouse);
    v.Bool("FeeSeatTouristSpouse", 6320, d.FeeSeatTouristSpouse);
    v.Text("Amka", 6659, d.Amka);
    v.Text("SpouseAmka", 6756, d.SpouseAmka);

    // The supply numbers of the secondary residences travel inside the boat elements.
    constexpr int kResidenceSupply[3] = {628, 3571 + 103, 6853 + 103};
    constexpr int kResidenceSupplyCapacity[3] = {60, 20, 20};
    for (int r = 0; r < 3; ++r) {
        const int at = 1503 + 289 * r;
        v.Element("Residence", r);
        v.Text("Address", at, d.Residence[r].Address);
        v.Text("Floor", at + 258, d.Residence[r].Floor);
        v.Text("SupplyNo", kResidenceSupply[r], d.Residence[r].SupplyNo, kResidenceSupplyCapacity[r]);
        v.End();
    }
    for (int r = 0; r < 7; ++r) {
        const int at = 1116 + 43 * r;
        v.Element("Rent", r);
        v.Text("OwnerName", at, d.Rent[r].OwnerName);
        v.Text("OwnerAfm", at + 26, d.Rent[r].OwnerAfm);
        v.Real("Area", at + 37, d.Rent[r].Area);
        v.End();
    }
    {
        const int at = 2994 + 2 * 43;
        v.Single("OtherRent");
        v.Text("Name", at, d.OtherRent.Name);
        v.Text("Afm", at + 26, d.OtherRent.Afm);
        v.Real("Area", at + 37, d.OtherRent.Area);
        v.End();
    }
    for (int c = 0; c < 7; ++c) {
        const int at = 3166 + 45 * c;
        auto& car = d.Car[c];
        v.Element("Car", c);
        v.Text("OwnerAfm", at, car.OwnerAfm);
        v.Text("Plate", at + 26, car.Plate);
        v.Int16("Cc", at + 37, car.Cc);
        v.UInt8("Months", at + 39, car.Months);
        v.UInt8("SharePercent", at + 40, car.SharePercent);
        v.Int16("FirstYear", at + 41, car.FirstYear);
        v.StarFlag("ForSpouse", at + 43, car.ForSpouse);
        v.Text("ExemptMark", 6214 + 2 * c, car.ExemptMark);
        v.End();
    }
    constexpr int kBoat[2] = {3571, 6853};
    for (int b = 0; b < 2; ++b) {
        const int at = kBoat[b];
        auto& boat = d.Boat[b];
        v.Element("Boat", b);
        v.Text("OwnerAfm", at, boat.OwnerAfm);
        v.Text("Registration", at + 62, boat.Registration);
        v.UInt8("Length", at + 124, boat.Length);
        v.Bool("Cabin", at + 130, boat.Cabin);
        v.Bool("Sailing", at + 131, boat.Sailing);
        v.Int16("Months", at + 134, boat.Months);
        v.UInt8("ShareTaxpayer", at + 136, boat.ShareTaxpayer);
        v.UInt8("ShareSpouse", at + 137, boat.ShareSpouse);
        v.End();
    }
    v.Single("Aircraft");
    v.Text("Registration", 3709, d.Aircraft.Registration);
    v.Text("Type", 3750, d.Aircraft.Type);
    v.Text("Serial", 3771, d.Aircraft.Serial);
    v.Text("Base", 3812, d.Aircraft.Base);
    v.Int32("Power", 3834, d.Aircraft.Power);
    v.Int16("Months", 3843, d.Aircraft.Months);
    v.End();
    v.Single("Pool");
    v.Real("OutdoorArea", 3847, d.Pool.OutdoorArea);
    v.Real("IndoorArea", 3853, d.Pool.IndoorArea);
    v.Real("OutdoorShareTaxpayer", 3859, d.Pool.OutdoorShareTaxpayer);
    v.Real("OutdoorShareSpouse", 3865, d.Pool.OutdoorShareSpouse);
    v.Real("IndoorShareTaxpayer", 3871, d.Pool.IndoorShareTaxpayer);
    v.Real("IndoorShareSpouse", 3877, d.Pool.IndoorShareSpouse);
    v.End();
    v.Text("BankName", 3883, d.BankName);
    v.Text("BankCode", 3904, d.BankCode);
    v.Text("Iban", 3908, d.Iban);

    constexpr int kOtherAmka[4] = {2371, 2422, 2443, 2475};
    constexpr int kOtherAmkaCapacity[4] = {50, 20, 30, 50};
    for (int r = 0; r < 4; ++r) {
        const int at = 3949 + 88 * r;
        auto& dep = d.Dependant[r];
        v.Element("Dependant", r);
        v.Text("Name", at, dep.Name);
        v.Text("BirthYear", at + 16, dep.BirthYear);
        v.Text("School", at + 21, dep.School);
        v.Text("ChildAfm", 5553 + 13 * r, dep.ChildAfm);
        v.Text("ChildAmka", at + 37, dep.ChildAmka);
        v.Text("OtherAfm", 6277 + 10 * r, dep.OtherAfm);
        v.Text("OtherAmka", kOtherAmka[r], dep.OtherAmka, kOtherAmkaCapacity[r]);
        v.Text("WithTaxpayer", at + 66, dep.WithTaxpayer);
        v.Text("WithSpouse", at + 77, dep.WithSpouse);
        v.End();
    }
    for (int k = 0; k < kE1CodeEntries; ++k) {
        const int at = 4301 + 8 * k;
        v.Element("Codes", k);
        v.Int16("Code", at, d.Codes[k].Code);
        v.Real("Value", at + 2, d.Codes[k].Value);
        v.End();
    }
}

}  // namespace dz
