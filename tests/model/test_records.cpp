// E1 and E2 records against their byte images: offsets, text rules, round trips, JSON form.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <random>

#include "model/e1_declaration.h"
#include "model/e2_record.h"
#include "model/errors.h"
#include "model/real6.h"
#include "model/record_json.h"

namespace {

template <int N>
void Set(dz::FixedText<N>& t, const QString& s) {
    dz::AssignCut(t, s, QStringLiteral("test"));
}

// A record with every field filled with values that survive the file format exactly.
dz::E1Declaration FilledE1(unsigned seed) {
    std::mt19937 rng(seed);
    auto text = [&](int n) {
        static const QString alphabet = QStringLiteral("ΑΒΓΔΕΖΗΘαβγδεζάέήίόύώϊΐ0123456789 ABC;.-/");
        QString s;
        const int len = std::uniform_int_distribution<int>(0, n)(rng);
        for (int i = 0; i < len; ++i) s += alphabet[std::uniform_int_distribution<int>(0, alphabet.size() - 1)(rng)];
        return s;
    };
    auto amount = [&] { return dz::RoundToReal6(std::uniform_int_distribution<int>(-100000000, 100000000)(rng) / 100.0); };
    dz::E1Declaration d;
    d.RegistrationNo = static_cast<int32_t>(rng());
    Set(d.Afm, text(12));
    Set(d.Surname, text(40));
    Set(d.FirstName, text(40));
    Set(d.FatherName, text(15));
    Set(d.HomeAddress, text(50));
    Set(d.Representative, text(80));
    Set(d.SpouseAfm, text(12));
    Set(d.Amka, text(15));
    Set(d.SpouseAmka, text(15));
    Set(d.TaxOfficePostcode, text(6));
    d.Married = rng() & 1;
    d.LateMonths = static_cast<uint8_t>(rng());
    d.FeeExemptSpouse = true;
    d.FeeSeatTouristTaxpayer = true;
    for (int r = 0; r < 3; ++r) {
        Set(d.Residence[r].Address, text(255));
        Set(d.Residence[r].Floor, text(5));
        dz::AssignCut(d.Residence[r].SupplyNo, text(60), QStringLiteral("SupplyNo"), r == 0 ? 60 : 20);
    }
    for (auto& rent : d.Rent) { Set(rent.OwnerName, text(25)); Set(rent.OwnerAfm, text(10)); rent.Area = amount(); }
    Set(d.OtherRent.Name, text(25));
    d.OtherRent.Area = amount();
    for (auto& car : d.Car) {
        Set(car.Plate, text(10));
        car.Cc = static_cast<int16_t>(rng());
        car.Months = 12;
        car.SharePercent = 50;
        car.FirstYear = 2001;
        car.ForSpouse = rng() & 1;
        Set(car.ExemptMark, text(1));
    }
    for (auto& boat : d.Boat) {
        Set(boat.OwnerAfm, text(40));
        Set(boat.Registration, text(40));
        boat.Length = 9;
        boat.Cabin = true;
        boat.Months = -3;
        boat.ShareSpouse = 40;
    }
    Set(d.Aircraft.Serial, text(40));
    d.Aircraft.Power = -123456;
    d.Aircraft.Months = 7;
    d.Pool.IndoorShareSpouse = amount();
    d.Pool.OutdoorArea = amount();
    for (int r = 0; r < 4; ++r) {
        auto& dep = d.Dependant[r];
        Set(dep.Name, text(15));
        Set(dep.ChildAfm, text(12));
        Set(dep.ChildAmka, text(28));
        Set(dep.OtherAfm, text(9));
        dz::AssignCut(dep.OtherAmka, text(50), QStringLiteral("OtherAmka"), r == 1 ? 20 : r == 2 ? 30 : 50);
        Set(dep.WithSpouse, text(10));
    }
    Set(d.Iban, text(26));
    for (int k = 0; k < dz::kE1CodeEntries; k += 3) d.Codes[k] = {static_cast<int16_t>(k + 1), amount()};
    return d;
}

dz::E1Image Encode(const dz::E1Declaration& d) {
    dz::E1Image image{};
    dz::EncodeE1(d, image.data());
    return image;
}

TEST(E1Record, FieldsLandAtTheirOffsets) {
    dz::E1Declaration d;
    d.RegistrationNo = 0x01020304;
    Set(d.Afm, "123456783");
    Set(d.Surname, "ΠΑΠΠΑΣ");
    d.Married = true;
    d.LateMonths = 3;
    d.FeeSeatTouristSpouse = true;
    dz::AssignCut(d.Residence[1].SupplyNo, QStringLiteral("55"), QStringLiteral("SupplyNo"), 20);
    dz::AssignCut(d.Residence[2].SupplyNo, QStringLiteral("66"), QStringLiteral("SupplyNo"), 20);
    d.Car[1].Cc = 1598;
    d.Car[1].ForSpouse = true;
    Set(d.Car[6].ExemptMark, "Α");
    d.Codes[1] = {301, 1.0};
    Set(d.Dependant[3].OtherAfm, "987654321");
    const dz::E1Image b = Encode(d);

    EXPECT_EQ(b[0], 0x04);
    EXPECT_EQ(b[3], 0x01);
    EXPECT_EQ(b[4], 9);
    EXPECT_EQ(b[5], '1');
    EXPECT_EQ(b[17], 6) << "surname length";
    EXPECT_EQ(b[18], 0xD0) << "Π in Windows-1253";
    EXPECT_EQ(b[5650], 1) << "Married";
    EXPECT_EQ(b[213], 3) << "LateMonths";
    EXPECT_EQ(b[6320], 1) << "FeeSeatTouristSpouse";
    EXPECT_EQ(b[3571 + 103], 2) << "residence 2 supply number inside boat 1";
    EXPECT_EQ(b[6853 + 104], '6') << "residence 3 supply number inside boat 2";
    EXPECT_EQ(b[3166 + 45 + 37], 1598 & 0xFF);
    EXPECT_EQ(b[3166 + 45 + 38], 1598 >> 8);
    EXPECT_EQ(b[3166 + 45 + 43], 1) << "ForSpouse as the text \"*\"";
    EXPECT_EQ(b[3166 + 45 + 44], '*');
    EXPECT_EQ(b[6214 + 12], 1);
    EXPECT_EQ(b[6214 + 13], 0xC1) << "Α";
    EXPECT_EQ(b[4301 + 8], 301 & 0xFF);
    EXPECT_EQ(b[4301 + 9], 301 >> 8);
    EXPECT_EQ(b[4301 + 10], 0x81) << "ticked yes/no entries hold the value 1";
    EXPECT_EQ(b[6277 + 30], 9);
}

TEST(E1Record, ReservedBytesAndTextTailsAreZero) {
    const dz::E1Declaration d = FilledE1(7);
    const dz::E1Image full = Encode(d);
    // Every byte that no field owns is zero: compare with the image of an empty record in
    // which the tails of texts are also zero; any non-zero byte must belong to a field.
    dz::E1Declaration cleared;
    dz::ClearDeclaration(cleared);
    const dz::E1Image empty = Encode(cleared);
    EXPECT_TRUE(std::all_of(empty.begin(), empty.end(), [](uint8_t x) { return x == 0; }));
    const int reserved[][2] = {{110, 41}, {230, 26}, {444, 36}, {689, 427}, {1417, 86}, {2526, 468}, {3481, 90},
                               {5501, 33}, {5651, 563}, {6321, 338}, {6772, 81}};
    for (const auto& range : reserved)
        for (int i = range[0]; i < range[0] + range[1]; ++i) ASSERT_EQ(full[i], 0) << "reserved byte " << i;
    const int afmTail = 4 + 1 + d.Afm.size;
    for (int i = afmTail; i < 17; ++i) EXPECT_EQ(full[i], 0) << "tail byte " << i;
}

TEST(E1Record, RoundTripIsLossless) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const dz::E1Declaration d = FilledE1(seed);
        const dz::E1Image image = Encode(d);
        dz::E1Declaration back;
        dz::DecodeE1(image.data(), back);
        EXPECT_TRUE(back == d) << "seed " << seed;
        EXPECT_EQ(Encode(back), image) << "seed " << seed;
    }
}

TEST(E1Record, TextRules) {
    dz::E1Declaration d;
    // Gathering cuts a longer text to the field's capacity.
    dz::AssignCut(d.Rent[0].OwnerName, QString(30, u'Ω'), QStringLiteral("OwnerName"));
    EXPECT_EQ(d.Rent[0].OwnerName.size, 25);
    dz::AssignCut(d.Dependant[0].OtherAfm, QStringLiteral("1234567890"), QStringLiteral("OtherAfm"));
    EXPECT_EQ(d.Dependant[0].OtherAfm.ToString(), QStringLiteral("123456789"));
    // A character the code page cannot hold is refused, naming the field.
    try {
        dz::AssignCut(d.Surname, QStringLiteral("Ζήσης 😀"), QStringLiteral("Surname"));
        FAIL() << "an emoji cannot be stored";
    } catch (const dz::DataError& e) {
        EXPECT_TRUE(e.message().contains("Surname"));
    }
    // A length byte beyond the capacity (older files) reads to the capacity.
    dz::E1Image image{};
    image[4] = 200;
    for (int i = 5; i < 17; ++i) image[i] = '7';
    dz::DecodeE1(image.data(), d);
    EXPECT_EQ(d.Afm.ToString(), QString(12, u'7'));
}

TEST(E1Record, AmountOutOfRangeIsRefusedBeforeAnythingIsWritten) {
    dz::E1Declaration d;
    d.Codes[4] = {301, 1e39};
    dz::E1Image image{};
    image.fill(0xAB);
    try {
        dz::EncodeE1(d, image.data());
        FAIL() << "overflow not reported";
    } catch (const dz::DataError& e) {
        EXPECT_TRUE(e.message().contains("Codes[5].Value")) << e.message().toStdString();
    }
}

TEST(E2Record, FieldsLandAtTheirOffsetsAndFlagsFollowTheLeaseType) {
    dz::E2Record r;
    r.Tag = 77;
    Set(r.Afm, "123456783");
    Set(r.FatherName, "ΓΙΩΡΓΟΣ");
    Set(r.Table1[0].Location, "ΑΘΗΝΑ");
    r.Table1[0].Months = 12;
    r.Table1[15].Income[3] = 100;
    Set(r.Table2[8].Share, "50");
    Set(r.Table3[3].Title, "ΣΥΜΒ.");
    r.CalcOff = true;
    r.Totals[2] = 2.5;
    r.UseId[28] = 14;
    r.FloorId[0] = 52;
    Set(r.SupplyNo[28], "123");
    const struct { int row; const char* lease; int flagByte; } leases[] = {
        {0, "1", 0}, {1, "9", 0}, {2, "10", 1}, {3, "22", 1}, {4, "23", 2}, {5, "25", 2},
        {6, "26", 3}, {7, "38", 3}, {8, "39", -1}, {9, "40", -1}, {10, "", -1}, {11, "x", -1}};
    for (const auto& l : leases) Set(r.LeaseType[l.row], l.lease);
    Set(r.LeaseType[24], "5");
    Set(r.LeaseDeclNo[15], "ΑΡ123");
    dz::DeriveIncomeFlags(r);
    dz::E2Image b{};
    dz::EncodeE2(r, b.data());

    EXPECT_EQ(b[0], 77);
    EXPECT_EQ(b[153], 7) << "father's name";
    EXPECT_EQ(b[251], 5) << "table 1 row 1 location";
    EXPECT_EQ(b[251 + 106], 0x84) << "12 months";
    EXPECT_EQ(b[251 + 15 * 162 + 145], 0x87) << "row 16 column 16 = 100";
    EXPECT_EQ(b[2843 + 8 * 137 + 125], 2);
    EXPECT_EQ(b[4076 + 3 * 82 + 46], 5);
    EXPECT_EQ(b[4404], 1);
    EXPECT_EQ(b[4405 + 12], 0x82);
    EXPECT_EQ(b[4436 + 28], 14);
    EXPECT_EQ(b[4465], 52);
    EXPECT_EQ(b[4660 + 28 * 16], 3);
    EXPECT_EQ(b[5460 + 24 * 51], 1);
    EXPECT_EQ(b[6990 + 15 * 21], 5);
    for (const auto& l : leases)
        for (int f = 0; f < 5; ++f)
            EXPECT_EQ(b[251 + 162 * l.row + 157 + f], f == l.flagByte ? 1 : 0)
                << "lease type '" << l.lease << "' flag byte " << 157 + f;

    dz::E2Record back;
    dz::DecodeE2(b.data(), back);
    EXPECT_TRUE(back == r);
}

TEST(RecordJson, E1RoundTripThroughJson) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const dz::E1Declaration d = FilledE1(seed);
        const QJsonObject json = dz::E1ToJson(d);
        EXPECT_EQ(json["Codes"].toArray().size(), dz::kE1CodeEntries);
        EXPECT_EQ(json["Car"].toArray().size(), 7);
        EXPECT_TRUE(json["Pool"].isObject());
        EXPECT_TRUE(dz::E1FromJson(json) == d) << "seed " << seed;
    }
}

TEST(RecordJson, BadInputIsRefusedNamingTheField) {
    const struct { const char* name; const char* json; const char* mentions; } cases[] = {
        {"text too long", R"({"Afm": "1234567890123"})", "Afm"},
        {"character outside Windows-1253", R"({"Surname": "Łukasz"})", "Surname"},
        {"integer out of range", R"({"LateMonths": 256})", "LateMonths"},
        {"fractional integer", R"({"Car": [{"Cc": 1.5}]})", "Car[1].Cc"},
        {"unknown field", R"({"Nickname": "x"})", "Nickname"},
        {"unknown field in a row", R"({"Car": [{"Colour": "red"}]})", "Colour"},
        {"too many rows", R"({"Boat": [{}, {}, {}]})", "Boat"},
        {"number too large for the file", R"({"Codes": [[301, 1e40]]})", "Codes[1].Value"},
        {"wrong type", R"({"Married": 1})", "Married"},
        {"second residence supply number over 20", R"({"Residence": [{}, {"SupplyNo": "123456789012345678901"}]})", "SupplyNo"},
    };
    for (const auto& c : cases) {
        const QJsonObject json = QJsonDocument::fromJson(c.json).object();
        try {
            dz::E1FromJson(json);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const dz::DataError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.mentions))) << c.name << ": " << e.message().toStdString();
        }
    }
}

TEST(RecordJson, UndefinedBytesAreReportedWhenDumping) {
    dz::E1Image image{};
    image[17] = 2;
    image[18] = 'A';
    image[19] = static_cast<char>(0xFF);
    dz::E1Declaration d;
    dz::DecodeE1(image.data(), d);
    try {
        dz::E1ToJson(d);
        FAIL() << "0xFF accepted";
    } catch (const dz::DataError& e) {
        EXPECT_TRUE(e.message().contains("Surname"));
    }
}

}  // namespace
