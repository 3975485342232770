// A filled E1 declaration (JSON of `dovazez-cli build --kind e1`) that the print tests put on paper.
#pragma once

namespace dz::test {

// Seven cars (so page 3 refers to the cars list), every row block, Greek texts, amounts with
// thousands, whole-number and yes/no codes of every page.
inline constexpr const char* kPrintSampleE1 = R"({
  "Afm": "123456783", "Surname": "ΠΑΠΑΔΟΠΟΥΛΟΣ", "FirstName": "ΓΕΩΡΓΙΟΣ", "FatherName": "ΙΩΑΝΝΗΣ",
  "IdCardNo": "ΑΒ123456", "BusinessAddress": "ΣΤΑΔΙΟΥ 5", "BusinessPhone": "2103333333", "Amka": "01017012345",
  "HomeAddress": "ΕΡΜΟΥ 10 ΑΘΗΝΑ", "HomePhone": "2101234567", "Married": true, "TaxOffice": "Α΄ ΑΘΗΝΩΝ",
  "TaxOfficePostcode": "1101", "PreviousTaxOffice": "Β΄ ΑΘΗΝΩΝ", "FeeExemptTaxpayer": true,
  "SpouseSurname": "ΠΑΠΑΔΟΠΟΥΛΟΥ", "SpouseFirstName": "ΜΑΡΙΑ", "SpouseFatherName": "ΝΙΚΟΛΑΟΣ",
  "SpouseIdCardNo": "ΑΖ654321", "SpouseAfm": "987654321", "SpouseAddress": "ΠΑΤΗΣΙΩΝ 20",
  "SpousePhone": "2107654321", "SpouseAmka": "02027212345",
  "Residence": [
    {"Address": "ΛΕΩΦΟΡΟΣ ΒΑΣΙΛΙΣΣΗΣ ΣΟΦΙΑΣ 120 ΚΑΙ ΟΔΟΙ ΜΙΧΑΛΑΚΟΠΟΥΛΟΥ, ΡΗΓΙΛΛΗΣ", "Floor": "3", "SupplyNo": "11223344"},
    {"Address": "ΚΗΦΙΣΙΑΣ 5 ΜΑΡΟΥΣΙ", "Floor": "1", "SupplyNo": "55667788"},
    {"Address": "", "Floor": "", "SupplyNo": ""}],
  "Rent": [{"OwnerName": "ΙΩΑΝΝΟΥ ΠΕΤΡΟΣ", "OwnerAfm": "111111111", "Area": 85.5},
           {"OwnerName": "ΝΙΚΟΛΑΟΥ ΕΛΕΝΗ", "OwnerAfm": "222222222", "Area": 40}],
  "OtherRent": {"Name": "ΑΛΦΑ ΑΕ", "Afm": "333333333", "Area": 120},
  "Car": [{"OwnerAfm": "123456783", "Plate": "ΙΚΑ1234", "Cc": 1598, "Months": 12, "SharePercent": 100, "FirstYear": 2009},
          {"OwnerAfm": "987654321", "Plate": "ΥΖΒ5678", "Cc": 1200, "Months": 6, "SharePercent": 50, "FirstYear": 2012},
          {"OwnerAfm": "123456783", "Plate": "9999", "Cc": 2000, "Months": 12, "SharePercent": 100, "FirstYear": 2006},
          {"OwnerAfm": "123456783", "Plate": "ΖΗΚ4321", "Cc": 1400, "Months": 12, "SharePercent": 100, "FirstYear": 2010},
          {"OwnerAfm": "987654321", "Plate": "ΝΑΑ1111", "Cc": 1598, "Months": 12, "SharePercent": 100, "FirstYear": 2009},
          {"OwnerAfm": "123456783", "Plate": "ΡΟΡ2222", "Cc": 1000, "Months": 0, "SharePercent": 100, "FirstYear": 2011},
          {"OwnerAfm": "123456783", "Plate": "ΤΑΤ3333", "Cc": 900, "Months": 3, "SharePercent": 25, "FirstYear": 2013}],
  "Boat": [{"OwnerAfm": "123456783", "Registration": "ΠΕΙΡΑΙΑΣ 123", "Length": 8, "Cabin": true, "Sailing": false,
            "Months": 12, "ShareTaxpayer": 100, "ShareSpouse": 0}],
  "Aircraft": {"Registration": "SX-ABC", "Type": "CESSNA", "Serial": "C172-1", "Base": "ΤΑΤΟΙ", "Power": 180, "Months": 12},
  "Pool": {"OutdoorArea": 40, "OutdoorShareTaxpayer": 100},
  "Dependant": [{"Name": "ΚΩΣΤΑΣ", "BirthYear": "2005", "School": "ΔΗΜΟΤΙΚΟ", "ChildAfm": "444444444",
                 "ChildAmka": "05050512345", "OtherAfm": "", "OtherAmka": "", "WithTaxpayer": "Χ", "WithSpouse": ""}],
  "BankName": "ΤΡΑΠΕΖΑ ΤΗΣ ΕΛΛΑΔΟΣ", "BankCode": "011", "Iban": "1601101250000000012300695",
  "Codes": [[301, 1234.5], [302, 20000], [303, -20], [5, 3], [6, 2], [7, 1], [327, 1], [201, 1.5], [202, 2],
            [401, 45678.9], [211, 1500], [213, 100], [215, 12], [216, 2300.75], [204, 1], [740, 1234.999],
            [115, 4452], [851, 6160.4], [853, 3080], [855, 5000], [857, 1200], [858, 0], [859, 1234.5],
            [860, 300], [861, 200], [863, 100], [846, 1], [847, 0], [3, 2], [97, 1], [49, 9000], [51, 2500.4],
            [711, 18000], [765, 12800], [0, 0]]
})";

// An E2 statement (JSON of `dovazez-cli build --kind e2`): two leased rows, a co-owner, an
// acquired property, a ground floor, months that are not whole, stored totals that differ from
// the rows (the automatic calculation is off).
inline constexpr const char* kPrintSampleE2 = R"({
  "Afm": "123456783", "Surname": "ΠΑΠΑΔΟΠΟΥΛΟΣ", "FirstName": "ΓΕΩΡΓΙΟΣ", "FatherName": "ΙΩΑΝΝΗΣ",
  "Table1": [
    {"Location": "ΕΡΜΟΥ 10 ΑΘΗΝΑ 10563", "FloorText": "0", "UseText": "ΚΑΤ", "Surface": "85", "TenantName": "ΙΩΑΝΝΟΥ ΠΕΤΡΟΣ",
     "TenantAfm": "111111111", "From": "01/01", "To": "31/12", "Months": 12, "Rent": 500, "Share": "100",
     "Col13": 0, "Col14": 3000, "Col15": 0, "Col16": 0},
    {"Location": "ΚΗΦΙΣΙΑΣ 5 ΜΑΡΟΥΣΙ", "FloorText": "2", "Surface": "40", "TenantName": "ΝΙΚΟΛΑΟΥ ΕΛΕΝΗ",
     "TenantAfm": "222222222", "From": "16/03", "To": "31/12", "Months": 9.5, "Rent": 1234.5, "Share": "50",
     "Col13": 5863.88, "Col14": 0, "Col15": 0, "Col16": 0}],
  "Table2": [{"Location": "ΠΑΤΗΣΙΩΝ 20", "FloorText": "1", "Surface": "60", "CoOwnerName": "ΠΑΠΑΔΟΠΟΥΛΟΥ ΜΑΡΙΑ",
              "CoOwnerAfm": "987654321", "CoOwnerAddress": "ΠΑΤΗΣΙΩΝ 20 ΑΘΗΝΑ", "Share": "50", "RentPaid": 0}],
  "Table3": [{"Location": "ΘΗΣΕΩΣ 3", "FloorText": "0", "Surface": "0", "Title": "ΑΓΟΡΑ 1234/2014 ΣΥΜΒ. ΚΩΣΤΟΠΟΥΛΟΥ"}],
  "CalcOff": true, "Totals": [5863.88, 2999.99, 0, 0],
  "UseId": [2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0],
  "FloorId": [2, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0],
  "SupplyNo": ["123456789", "987654321", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "555666777",
               "", "", "", "", "", "", "", "", "111222333", "", "", ""],
  "LeaseType": ["12", "3", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "30", "", "", "", "", "", "", "", ""],
  "LeaseDeclNo": ["4455", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""]
})";

}  // namespace dz::test
