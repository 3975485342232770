// The E1 compute command: the computation's inputs from the window, the clearance, the clearance note.
#include <QLineEdit>
#include <memory>

#include "clearance/fi_eka.h"
#include "e1/fi_e1.h"
#include "tax/clearance.h"
#include "tax/luxury.h"

namespace dz {
namespace {

// Per car the capacity and year fields, per boat the length field and the sailing box.
QString Name(const char* prefix, int n) { return QString::fromLatin1(prefix) + QString::number(n); }
constexpr const char* kBoatLength[tax::kLuxuryBoatCount] = {"edScafosLen", "edScafosLen2"};
constexpr const char* kBoatSailing[tax::kLuxuryBoatCount] = {"cbBoatType1", "cbBoatType3"};

}  // namespace

void TfiE1::ComputeInputs(CodeTable& codes, tax::ClearanceInputs& inputs) const {
    inputs = tax::ClearanceInputs{};
    FillCodeTable(codes, inputs);
    inputs.LateMonths = IntegerOf(QStringLiteral("edEkprot"));
    inputs.Married = TickedOf(QStringLiteral("cbMarried"));
    tax::LuxuryInput luxury;
    for (int c = 0; c < tax::kLuxuryCarCount; ++c) {
        luxury.Cars[c].Cc = IntegerOf(Name("edCarIppoi", c + 1));
        luxury.Cars[c].FirstYear = IntegerOf(Name("edCarYear", c + 1));
    }
    for (int b = 0; b < tax::kLuxuryBoatCount; ++b) {
        luxury.Boats[b].Length = IntegerOf(QLatin1String(kBoatLength[b]));
        luxury.Boats[b].Sailing = TickedOf(QLatin1String(kBoatSailing[b]));
    }
    tax::FillLuxuryAmountsFromCodes(luxury, codes);
    inputs.LuxuryAssets = tax::ComputeLuxuryAssets(luxury);
}

void TfiE1::miEka2003Click() {
    CodeTable codes;
    tax::ClearanceInputs inputs;
    ComputeInputs(codes, inputs);
    auto results = std::make_unique<tax::ResultSet>();
    tax::ComputeClearance(codes, inputs, *results);

    TfiEka eka(*results, print_, this);
    EkaHeader header;
    header.AFM = TextOf(QStringLiteral("edAFM"));
    header.Doy = TextOf(QStringLiteral("edDoy"));
    header.SyzAfm = TextOf(QStringLiteral("edSyzAFM"));
    header.BigName = TextOf(QStringLiteral("edBigName")) + u' ' + TextOf(QStringLiteral("edName"));
    header.SyzBigName = TextOf(QStringLiteral("edSyzBigName")) + u' ' + TextOf(QStringLiteral("edSyzName"));
    header.Address = TextOf(QStringLiteral("edAdress"));
    eka.SetHeader(header);

    // The codes the window fills, 001 to 999, as the boxes hold them now.
    std::vector<CodeEntry> entries;
    for (int code = 1; code <= 999; ++code) {
        if (!byCode_[code]) continue;
        const CodeKind kind = KindOfCode(code);
        double value = 0;
        if (kind == CodeKind::YesNo) value = TickedOf(byCode_[code]->objectName()) ? 1 : 0;
        else if (kind == CodeKind::Integer) value = IntegerOf(byCode_[code]->objectName());
        else value = AmountOf(byCode_[code]->objectName());
        if (auto text = CodeEntryText(kind, value)) entries.emplace_back(code, *text);
    }
    eka.SetCodes(entries);
    eka.exec();
}

}  // namespace dz
