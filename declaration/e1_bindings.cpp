// The binding tables between the E1 window's data controls and the declaration record.
#include "declaration/e1_bindings.h"

#include <limits>
#include <optional>

namespace dz {
namespace {

using D = E1Declaration;

QString Numbered(const char* prefix, int n) { return QString::fromLatin1(prefix) + QString::number(n); }

std::vector<TextBinding> MakeTextBindings() {
    std::vector<TextBinding> t = {
        {"edAFM", 12, [](D& d) { return RefOf(d.Afm); }},
        {"edBigName", 40, [](D& d) { return RefOf(d.Surname); }},
        {"edName", 40, [](D& d) { return RefOf(d.FirstName); }},
        {"edFatherName", 15, [](D& d) { return RefOf(d.FatherName); }},
        {"edTaytNum", 10, [](D& d) { return RefOf(d.IdCardNo); }},
        {"edJobAdr", 40, [](D& d) { return RefOf(d.BusinessAddress); }},
        {"edJobPhone", 15, [](D& d) { return RefOf(d.BusinessPhone); }},
        {"edAMKA", 15, [](D& d) { return RefOf(d.Amka); }},
        {"edAdress", 50, [](D& d) { return RefOf(d.HomeAddress); }},
        {"edPhone", 10, [](D& d) { return RefOf(d.HomePhone); }},
        {"edDoy", 30, [](D& d) { return RefOf(d.TaxOffice); }},
        {"edDOYTK", 6, [](D& d) { return RefOf(d.TaxOfficePostcode); }},
        {"edLastDoy", 30, [](D& d) { return RefOf(d.PreviousTaxOffice); }},
        {"edSyzBigName", 25, [](D& d) { return RefOf(d.SpouseSurname); }},
        {"edSyzName", 15, [](D& d) { return RefOf(d.SpouseFirstName); }},
        {"edSyzFatherName", 15, [](D& d) { return RefOf(d.SpouseFatherName); }},
        {"edSyzTaytNum", 10, [](D& d) { return RefOf(d.SpouseIdCardNo); }},
        {"edSyzAFM", 12, [](D& d) { return RefOf(d.SpouseAfm); }},
        {"edSyzJobAdr", 50, [](D& d) { return RefOf(d.SpouseAddress); }},
        {"edSyzPhone", 15, [](D& d) { return RefOf(d.SpousePhone); }},
        {"edSyzAMKA", 15, [](D& d) { return RefOf(d.SpouseAmka); }},
        {"edEkprosopos", 80, [](D& d) { return RefOf(d.Representative); }},
        {"edEkprosAFM", 12, [](D& d) { return RefOf(d.RepresentativeAfm); }},
    };
    const char* supplyNo[] = {"edParoxi", "edScafosCountry", "edScafosCountry2"};
    for (int r = 0; r < 3; ++r) {
        t.push_back({Numbered("edPlace", r + 1), 255, [r](D& d) { return RefOf(d.Residence[r].Address); }});
        t.push_back({Numbered("edThesi", r + 1), 5, [r](D& d) { return RefOf(d.Residence[r].Floor); }});
        t.push_back({supplyNo[r], r == 0 ? 60 : 20, [r](D& d) { return RefOf(d.Residence[r].SupplyNo); }});
    }
    for (int r = 0; r < 7; ++r) {
        t.push_back({Numbered("edEnoikioName", r + 1), 25, [r](D& d) { return RefOf(d.Rent[r].OwnerName); }});
        t.push_back({Numbered("ed80", r + 1), 10, [r](D& d) { return RefOf(d.Rent[r].OwnerAfm); }});
    }
    t.push_back({"edCompName9", 25, [](D& d) { return RefOf(d.OtherRent.Name); }});
    t.push_back({"edCompAFM9", 10, [](D& d) { return RefOf(d.OtherRent.Afm); }});
    for (int c = 0; c < 7; ++c) {
        t.push_back({Numbered("edCarName", c + 1), 25, [c](D& d) { return RefOf(d.Car[c].OwnerAfm); }});
        t.push_back({Numbered("edCarNumber", c + 1), 10, [c](D& d) { return RefOf(d.Car[c].Plate); }});
        t.push_back({Numbered("edCarMeiwsi", c + 1), 1, [c](D& d) { return RefOf(d.Car[c].ExemptMark); }});
    }
    const char* boatSuffix[] = {"", "2"};
    for (int b = 0; b < 2; ++b) {
        t.push_back({QStringLiteral("edScafosName") + boatSuffix[b], 40, [b](D& d) { return RefOf(d.Boat[b].OwnerAfm); }});
        t.push_back(
            {QStringLiteral("edScafosLimani") + boatSuffix[b], 40, [b](D& d) { return RefOf(d.Boat[b].Registration); }});
    }
    t.push_back({"edAeroPlaneName", 40, [](D& d) { return RefOf(d.Aircraft.Registration); }});
    t.push_back({"edAeroPlaneTipos", 20, [](D& d) { return RefOf(d.Aircraft.Type); }});
    t.push_back({"edAeroPlaneNum", 40, [](D& d) { return RefOf(d.Aircraft.Serial); }});
    t.push_back({"edAeroPlaneLimani", 20, [](D& d) { return RefOf(d.Aircraft.Base); }});
    const char* childAfm[] = {"edCompany8AFM1", "edCompany8AFM2", "edCompany8AFM3", "edCompany12cAFM"};
    const char* otherAmka[] = {"edCompany8aName", "edCompany8aDiax", "edCompany8aDOY", "edCompany8bName"};
    const int otherAmkaCapacity[] = {50, 20, 30, 50};
    for (int r = 0; r < 4; ++r) {
        t.push_back({Numbered("edP2Name", r + 1), 15, [r](D& d) { return RefOf(d.Dependant[r].Name); }});
        t.push_back({Numbered("edP2Year", r + 1), 4, [r](D& d) { return RefOf(d.Dependant[r].BirthYear); }});
        t.push_back({Numbered("edP2School", r + 1), 15, [r](D& d) { return RefOf(d.Dependant[r].School); }});
        t.push_back({childAfm[r], 12, [r](D& d) { return RefOf(d.Dependant[r].ChildAfm); }});
        t.push_back({Numbered("edP2BigName", r + 1), 28, [r](D& d) { return RefOf(d.Dependant[r].ChildAmka); }});
        t.push_back({Numbered("edP2AFM", r + 1), 9, [r](D& d) { return RefOf(d.Dependant[r].OtherAfm); }});
        t.push_back({otherAmka[r], otherAmkaCapacity[r], [r](D& d) { return RefOf(d.Dependant[r].OtherAmka); }});
        t.push_back({Numbered("edP2Ypox", r + 1), 10, [r](D& d) { return RefOf(d.Dependant[r].WithTaxpayer); }});
        t.push_back({Numbered("edP2Syz", r + 1), 10, [r](D& d) { return RefOf(d.Dependant[r].WithSpouse); }});
    }
    t.push_back({"edTrapezaName", 20, [](D& d) { return RefOf(d.BankName); }});
    t.push_back({"edTrapezaCode", 3, [](D& d) { return RefOf(d.BankCode); }});
    t.push_back({"edIBAN", 26, [](D& d) { return RefOf(d.Iban); }});
    return t;
}

std::vector<NumberBinding> MakeNumberBindings() {
    std::vector<NumberBinding> n = {{"edEkprot", [](D& d) -> NumberRef { return &d.LateMonths; }}};
    for (int r = 0; r < 3; ++r)  // rows 4 to 7 have no area box
        n.push_back({Numbered("edEnoikioEpif", r + 1), [r](D& d) -> NumberRef { return &d.Rent[r].Area; }});
    n.push_back({"edCompEpifania9", [](D& d) -> NumberRef { return &d.OtherRent.Area; }});
    for (int c = 0; c < 7; ++c) {
        n.push_back({Numbered("edCarIppoi", c + 1), [c](D& d) -> NumberRef { return &d.Car[c].Cc; }});
        n.push_back({Numbered("edCarMonths", c + 1), [c](D& d) -> NumberRef { return &d.Car[c].Months; }});
        n.push_back({Numbered("edCarPosost", c + 1), [c](D& d) -> NumberRef { return &d.Car[c].SharePercent; }});
        n.push_back({Numbered("edCarYear", c + 1), [c](D& d) -> NumberRef { return &d.Car[c].FirstYear; }});
    }
    const char* suffix[] = {"", "2"};
    const char* shares[][2] = {{"edScafosPososto1", "edScafosPososto2"}, {"edScafosPososto3", "edScafosPososto4"}};
    for (int b = 0; b < 2; ++b) {
        n.push_back({QStringLiteral("edScafosLen") + suffix[b], [b](D& d) -> NumberRef { return &d.Boat[b].Length; }});
        n.push_back({QStringLiteral("edScafosMonths") + suffix[b], [b](D& d) -> NumberRef { return &d.Boat[b].Months; }});
        n.push_back({shares[b][0], [b](D& d) -> NumberRef { return &d.Boat[b].ShareTaxpayer; }});
        n.push_back({shares[b][1], [b](D& d) -> NumberRef { return &d.Boat[b].ShareSpouse; }});
    }
    n.push_back({"edAeroPlaneKoroi", [](D& d) -> NumberRef { return &d.Aircraft.Power; }});
    n.push_back({"edAeroPlaneMonths", [](D& d) -> NumberRef { return &d.Aircraft.Months; }});
    n.push_back({"edDexamOutMetr", [](D& d) -> NumberRef { return &d.Pool.OutdoorArea; }});
    n.push_back({"edDexamPosOut", [](D& d) -> NumberRef { return &d.Pool.OutdoorShareTaxpayer; }});
    n.push_back({"edDexamSPosOut", [](D& d) -> NumberRef { return &d.Pool.OutdoorShareSpouse; }});
    n.push_back({"edDexamInMetr", [](D& d) -> NumberRef { return &d.Pool.IndoorArea; }});
    n.push_back({"edDexamPosIn", [](D& d) -> NumberRef { return &d.Pool.IndoorShareTaxpayer; }});
    n.push_back({"edDexamSPosIn", [](D& d) -> NumberRef { return &d.Pool.IndoorShareSpouse; }});
    return n;
}

std::vector<FlagBinding> MakeFlagBindings() {
    std::vector<FlagBinding> f = {
        {"cbMarried", [](D& d) -> bool& { return d.Married; }},
        {"cbExairesiF", [](D& d) -> bool& { return d.FeeExemptTaxpayer; }},
        {"cbExairesiS", [](D& d) -> bool& { return d.FeeExemptSpouse; }},
        {"cbTelos400F", [](D& d) -> bool& { return d.FeeSeatTouristTaxpayer; }},
        {"cbTelos400S", [](D& d) -> bool& { return d.FeeSeatTouristSpouse; }},
    };
    for (int c = 0; c < 7; ++c)
        f.push_back({Numbered("cbCarWhich", c + 1), [c](D& d) -> bool& { return d.Car[c].ForSpouse; }});
    for (int b = 0; b < 2; ++b) {
        f.push_back({Numbered("cbBoatType", 2 * b), [b](D& d) -> bool& { return d.Boat[b].Cabin; }});
        f.push_back({Numbered("cbBoatType", 2 * b + 1), [b](D& d) -> bool& { return d.Boat[b].Sailing; }});
    }
    return f;
}

template <typename T>
IntegerRange RangeOfType() {
    return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
}

}  // namespace

const std::vector<TextBinding>& TextBindings() {
    static const std::vector<TextBinding> bindings = MakeTextBindings();
    return bindings;
}

const std::vector<NumberBinding>& NumberBindings() {
    static const std::vector<NumberBinding> bindings = MakeNumberBindings();
    return bindings;
}

const std::vector<FlagBinding>& FlagBindings() {
    static const std::vector<FlagBinding> bindings = MakeFlagBindings();
    return bindings;
}

std::optional<IntegerRange> RangeOf(const NumberRef& ref) {
    if (std::holds_alternative<uint8_t*>(ref)) return RangeOfType<uint8_t>();
    if (std::holds_alternative<int16_t*>(ref)) return RangeOfType<int16_t>();
    if (std::holds_alternative<int32_t*>(ref)) return RangeOfType<int32_t>();
    return std::nullopt;
}

std::optional<IntegerRange> RangeOfControl(const QString& control) {
    for (const NumberBinding& b : NumberBindings()) {
        if (b.control != control) continue;
        E1Declaration d;  // only the type of the field it addresses counts
        return RangeOf(b.field(d));
    }
    return std::nullopt;
}

}  // namespace dz
