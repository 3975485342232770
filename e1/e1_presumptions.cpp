// The automatic calculations of the E1 window: which fields start them and where their amounts go.
#include <QCheckBox>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "controls/edit_field.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "e1/e1_texts.h"
#include "e1/fi_e1.h"
#include "tax/presumptions.h"

namespace dz {
namespace {

constexpr int kCars = 7;

QString Name(const char* prefix, int n) { return QString::fromLatin1(prefix) + QString::number(n); }
QString CodeName(int code) { return QStringLiteral("edP%1").arg(code, 3, 10, QLatin1Char('0')); }

enum class Calc { Cars, Residences, Pools, Boats };

// A field whose leaving starts a calculation; a year field first completes a two-digit year.
struct LeaveTrigger {
    QString field;
    Calc calc;
    bool year = false;
};

std::vector<LeaveTrigger> LeaveTriggers() {
    std::vector<LeaveTrigger> t = {{"edP201", Calc::Cars}, {"edP202", Calc::Cars}};
    for (int c = 1; c <= kCars; ++c) {
        for (const char* prefix : {"edCarIppoi", "edCarMonths", "edCarPosost"}) t.push_back({Name(prefix, c), Calc::Cars});
        t.push_back({Name("edCarYear", c), Calc::Cars, true});
    }
    t.push_back({"edEkprot", Calc::Residences});
    for (const auto& [first, last] : {std::pair{211, 216}, {218, 223}, {225, 236}, {965, 966}})
        for (int code = first; code <= last; ++code) t.push_back({CodeName(code), Calc::Residences});
    for (const char* pool : {"edDexamOutMetr", "edDexamPosOut", "edDexamSPosOut", "edDexamInMetr", "edDexamPosIn",
                             "edDexamSPosIn", "edP740", "edP749"})
        t.push_back({pool, Calc::Pools});
    for (const char* boat : {"edScafosLen", "edScafosLen2", "edScafosMonths", "edScafosMonths2", "edScafosPososto1",
                             "edScafosPososto2", "edScafosPososto3", "edScafosPososto4"})
        t.push_back({boat, Calc::Boats});
    t.push_back({"edP961", Calc::Boats, true});
    t.push_back({"edP963", Calc::Boats, true});
    return t;
}

// Check boxes whose click starts a calculation.
struct ClickTrigger {
    QString box;
    Calc calc;
};

std::vector<ClickTrigger> ClickTriggers() {
    std::vector<ClickTrigger> t;
    for (int c = 1; c <= kCars; ++c) t.push_back({Name("cbCarWhich", c), Calc::Cars});
    for (int b = 0; b < 4; ++b) t.push_back({Name("cbBoatType", b), Calc::Boats});
    // Every box of tables 2 and 3 (page 1), of the residence rows and of the boxes of page 4.
    for (const E1CodeBox& box : E1CodeBoxes())
        if (box.kind == CodeKind::YesNo && box.page == 0)
            t.push_back({QStringLiteral("cbP%1").arg(box.code, 3, 10, QLatin1Char('0')), Calc::Residences});
    for (int code : {203, 204, 205, 207, 209, 240, 241, 242, 33, 34, 35, 36, 92, 94, 96, 846, 847, 848, 849})
        t.push_back({QStringLiteral("cbP%1").arg(code, 3, 10, QLatin1Char('0')), Calc::Residences});
    t.push_back({"cbExairesiF", Calc::Residences});
    t.push_back({"cbExairesiS", Calc::Residences});
    return t;
}

// The fields of one boat and the first of its two result codes.
struct BoatFields {
    const char* length;
    const char* year;
    const char* months;
    const char* shareTaxpayer;
    const char* shareSpouse;
    const char* cabin;
    const char* sailing;
    int result;
};
constexpr BoatFields kBoats[] = {
    {"edScafosLen", "edP961", "edScafosMonths", "edScafosPososto1", "edScafosPososto2", "cbBoatType0", "cbBoatType1", 711},
    {"edScafosLen2", "edP963", "edScafosMonths2", "edScafosPososto3", "edScafosPososto4", "cbBoatType2", "cbBoatType3",
     713},
};

// Per residence: the share codes (taxpayer, spouse) and the result codes (taxpayer, spouse).
constexpr int kResidenceShares[tax::kResidenceCount][2] = {{213, 214}, {220, 221}, {227, 228}};
constexpr int kResidenceResults[tax::kResidenceCount][2] = {{115, 116}, {117, 118}, {119, 120}};

// Non-zero in one of these hidden fields switches a calculation off.
constexpr int kResidencesOff = 992;
constexpr int kBoatsOff = 993;
constexpr int kPoolsOff = 994;

}  // namespace

void TfiE1::ConnectPresumptions() {
    const auto run = [this](Calc calc) {
        switch (calc) {
        case Calc::Cars:
            return CalcCars();
        case Calc::Residences:
            return CalcResidences();
        case Calc::Pools:
            return CalcPools();
        case Calc::Boats:
            return CalcBoats();
        }
    };
    for (const LeaveTrigger& t : LeaveTriggers()) {
        auto* field = ControlAs<EditField>(t.field);
        const bool year = t.year;
        const Calc calc = t.calc;
        connect(field, &EditField::exited, this, [this, field, year, calc, run] {
            RunCommand(this, [&] {
                if (year) CompleteYearField(static_cast<TEditInt*>(field));
                run(calc);
            });
        });
    }
    for (const ClickTrigger& t : ClickTriggers()) {
        const Calc calc = t.calc;
        connect(ControlAs<QCheckBox>(t.box), &QCheckBox::clicked, this,
                [this, calc, run] { RunCommand(this, [&] { run(calc); }); });
    }
}

void TfiE1::SetCalculated(TEditReal* field, double value) {
    const QString before = field->text();
    field->SetValue(value);
    if (field->text() != before) modified_ = true;
}

void TfiE1::SetCalculated(TEditInt* field, int value) {
    const QString before = field->text();
    field->SetValue(value);
    if (field->text() != before) modified_ = true;
}

void TfiE1::CompleteYearField(TEditInt* field) {
    const int completed = tax::CompleteYear(field->Value());
    if (completed != field->Value()) SetCalculated(field, completed);
}

void TfiE1::CalcCars() {
    if (closing_) return;
    for (int c = 1; c <= kCars; ++c) {
        tax::CarInput car;
        car.Cc = IntegerOf(Name("edCarIppoi", c));
        car.Months = IntegerOf(Name("edCarMonths", c));
        car.SharePercent = IntegerOf(Name("edCarPosost", c));
        car.FirstYear = IntegerOf(Name("edCarYear", c));
        car.ReductionCode = tax::CarReductionCode(TextOf(Name("edCarMeiwsi", c)).toStdString());
        car.ForSpouse = TickedOf(Name("cbCarWhich", c));
        const tax::Pair amounts = tax::CarPresumption(car);
        for (int person = 0; person < 2; ++person)
            SetCalculated(static_cast<TEditReal*>(CodeControl(849 + 2 * c + person)), amounts[person]);
    }
}

void TfiE1::CalcResidences() {
    if (closing_ || AmountOf(CodeName(kResidencesOff)) != 0) return;
    CodeTable codes;
    tax::ClearanceInputs unused;
    InputsOfForm(Form(), codes, unused);
    const auto badShares = tax::ApplyResidencePresumptions(codes);
    for (int r = 0; r < tax::kResidenceCount; ++r) {
        if (!badShares[r]) continue;
        AppDialogs().Inform(e1::kBadShares);
        for (int code : kResidenceShares[r]) SetCalculated(static_cast<TEditInt*>(CodeControl(code)), 0);
    }
    for (int r = 0; r < tax::kResidenceCount; ++r)
        for (int code : kResidenceResults[r]) SetCalculated(static_cast<TEditReal*>(CodeControl(code)), codes.Value(code));
}

void TfiE1::CalcPools() {
    if (closing_ || AmountOf(CodeName(kPoolsOff)) != 0) return;
    tax::PoolInput pool;
    pool.OutdoorArea = AmountOf(QStringLiteral("edDexamOutMetr"));
    pool.OutdoorShareTaxpayer = AmountOf(QStringLiteral("edDexamPosOut"));
    pool.OutdoorShareSpouse = AmountOf(QStringLiteral("edDexamSPosOut"));
    pool.OutdoorMonths = AmountOf(CodeName(740));
    pool.IndoorArea = AmountOf(QStringLiteral("edDexamInMetr"));
    pool.IndoorShareTaxpayer = AmountOf(QStringLiteral("edDexamPosIn"));
    pool.IndoorShareSpouse = AmountOf(QStringLiteral("edDexamSPosIn"));
    pool.IndoorMonths = AmountOf(CodeName(749));
    const tax::Pair amounts = tax::PoolPresumption(pool);
    for (int person = 0; person < 2; ++person)
        SetCalculated(static_cast<TEditReal*>(CodeControl(765 + person)), amounts[person]);
}

void TfiE1::CalcBoats() {
    if (closing_ || AmountOf(CodeName(kBoatsOff)) != 0) return;
    const tax::FlagPair abroad{TickedOf(QStringLiteral("cbP319")), TickedOf(QStringLiteral("cbP320"))};
    for (int b = 0; b < 2; ++b) {
        const BoatFields& f = kBoats[b];
        tax::BoatInput boat;
        boat.Length = IntegerOf(QLatin1String(f.length));
        boat.FirstYear = IntegerOf(QLatin1String(f.year));
        boat.Months = IntegerOf(QLatin1String(f.months));
        boat.ShareTaxpayer = IntegerOf(QLatin1String(f.shareTaxpayer));
        boat.ShareSpouse = IntegerOf(QLatin1String(f.shareSpouse));
        boat.Cabin = TickedOf(QLatin1String(f.cabin));
        boat.Sailing = TickedOf(QLatin1String(f.sailing));
        const tax::Pair amounts = tax::BoatPresumption(boat, b, abroad);
        for (int person = 0; person < 2; ++person)
            SetCalculated(static_cast<TEditReal*>(CodeControl(f.result + person)), amounts[person]);
    }
}

}  // namespace dz
