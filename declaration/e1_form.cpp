// The E1 form value: record to form, form to record, form to the computation and to the note.
#include "declaration/e1_form.h"

#include <array>
#include <cmath>
#include <memory>
#include <variant>

#include "declaration/e1_bindings.h"
#include "forms/form_page.h"
#include "model/amount_text.h"
#include "model/e1_codes.h"
#include "model/text1253.h"
#include "tax/clearance.h"
#include "tax/luxury.h"

namespace dz {
namespace {

constexpr const char* kBoatLength[tax::kLuxuryBoatCount] = {"edScafosLen", "edScafosLen2"};
constexpr const char* kBoatSailing[tax::kLuxuryBoatCount] = {"cbBoatType1", "cbBoatType3"};

QString Numbered(const char* prefix, int n) { return QString::fromLatin1(prefix) + QString::number(n); }

// An amount box given a text: it stands for the text read back, as the amount field reads it.
E1FormBox AmountBox(double value) {
    const QString text = FormatAmount(value);
    return {text, ParseAmount(text).value_or(0.0)};
}

// A whole-number box given a text; a text that does not read as a 32-bit number (a value
// beyond the box) stands for 0, as the emptied field keeps 0 when such a text is put in it.
E1FormBox WholeBox(double value) {
    // Halves go to the even neighbour, as the default rounding does.
    const QString text = QString::number(std::nearbyint(value), 'f', 0);
    return {text, double(ParseInteger(text).value_or(0))};
}

void SetTicked(E1Form& form, const QString& box, bool ticked) {
    if (ticked) form.ticked.insert(box);
    else form.ticked.remove(box);
}

template <typename T>
void StoreInteger(T* target, double number, const QString& box, const IntegerRange& range) {
    const int value = static_cast<int>(number);
    if (value < range.min || value > range.max)
        throw BoxError(OutOfRangeText(QString::number(value), range.min, range.max, forms::BoxLabel(box)), box);
    *target = static_cast<T>(value);
}

std::vector<int> AscendingCodes() {
    std::vector<int> codes;
    for (const E1CodeBox& box : E1CodeBoxes()) codes.push_back(box.code);
    return codes;
}

}  // namespace

E1Form FormOfDeclaration(const E1Declaration& declaration) {
    E1Declaration d = declaration;  // the binding tables address fields of a record they may change
    E1Form form;
    form.registrationNo = d.RegistrationNo;
    if (d.RegistrationNo != 0) form.boxes.insert(QStringLiteral("edAACode"), {QString::number(d.RegistrationNo), 0});
    for (const TextBinding& b : TextBindings()) {
        const TextRef ref = b.field(d);
        if (*ref.size > 0) form.boxes.insert(b.control, {DecodeWin1253(ref.data, *ref.size), 0});
    }
    for (const NumberBinding& b : NumberBindings()) {
        std::visit(
            [&](auto* value) {
                if (*value <= 0) return;
                if constexpr (std::is_same_v<std::remove_pointer_t<decltype(value)>, double>)
                    form.boxes.insert(b.control, AmountBox(*value));
                else
                    form.boxes.insert(b.control, {QString::number(*value), double(*value)});
            },
            b.field(d));
    }
    for (const FlagBinding& b : FlagBindings()) SetTicked(form, b.control, b.field(d));

    // Later entries of the same code win.
    for (const E1Declaration::CodeEntry& entry : d.Codes) {
        if (entry.Code <= 0 || !CodeTable::IsCode(entry.Code)) continue;
        const QString box = CodeControlName(entry.Code);
        switch (KindOfCode(entry.Code)) {
        case CodeKind::YesNo:
            SetTicked(form, box, entry.Value != 0);
            break;
        case CodeKind::Amount:
            form.boxes.insert(box, AmountBox(entry.Value));
            break;
        case CodeKind::Integer:
            form.boxes.insert(box, WholeBox(entry.Value));
            break;
        case CodeKind::None:
            break;
        }
    }
    for (const LargeCityCarrier& c : kLargeCityCarriers)
        SetTicked(form, QLatin1String(c.box), form.Number(CodeControlName(c.code)) == 1);
    return form;
}

bool GatherForm(const E1Form& source, E1Declaration& declaration) {
    // The large-city boxes travel in the code list through their hidden code boxes.
    E1Form form = source;
    for (const LargeCityCarrier& c : kLargeCityCarriers) {
        if (form.Ticked(QLatin1String(c.box))) form.boxes.insert(CodeControlName(c.code), AmountBox(1));
        else form.boxes.remove(CodeControlName(c.code));
    }

    // Everything goes into a new record first: a value that does not fit leaves the record as it was.
    E1Declaration d;
    ClearDeclaration(d);
    d.RegistrationNo = form.registrationNo;
    for (const TextBinding& b : TextBindings()) {
        const TextRef ref = b.field(d);
        try {
            AssignText(ref.data, *ref.size, ref.maxSize, form.Text(b.control), b.capacity, forms::BoxLabel(b.control));
        } catch (const DataError& e) {
            throw BoxError(e.message(), b.control);  // the window shows the box that holds it
        }
    }
    for (const NumberBinding& b : NumberBindings()) {
        const NumberRef ref = b.field(d);
        const double number = form.Number(b.control);
        if (const auto range = RangeOf(ref))
            std::visit([&](auto* target) { StoreInteger(target, number, b.control, *range); }, ref);
        else
            *std::get<double*>(ref) = number;
    }
    for (const FlagBinding& b : FlagBindings()) b.field(d) = form.Ticked(b.control);

    int k = 0;
    bool overflow = false;
    for (int code : form.codeOrder.empty() ? AscendingCodes() : form.codeOrder) {
        const QString box = CodeControlName(code);
        double value = 1;
        if (KindOfCode(code) == CodeKind::YesNo) {
            if (!form.Ticked(box)) continue;
        } else {
            if (!form.Filled(box)) continue;
            value = form.Number(box);
        }
        if (++k > kE1CodeEntries) {
            overflow = true;
            continue;
        }
        d.Codes[k - 1] = {static_cast<int16_t>(code), value};
    }
    declaration = d;
    return overflow;
}

void InputsOfForm(const E1Form& form, CodeTable& codes, tax::ClearanceInputs& inputs) {
    codes.Clear();
    for (const E1CodeBox& b : E1CodeBoxes()) {
        const QString box = CodeControlName(b.code);
        switch (b.kind) {
        case CodeKind::YesNo:
            codes.SetTicked(b.code, form.Ticked(box));
            break;
        case CodeKind::Integer:
        case CodeKind::Amount:
            if (form.Filled(box)) codes.SetValue(b.code, form.Number(box));
            break;
        case CodeKind::None:
            break;
        }
    }
    inputs = tax::ClearanceInputs{};
    const auto pair = [&form](const char* taxpayer, const char* spouse) {
        return tax::FlagPair{form.Ticked(QLatin1String(taxpayer)), form.Ticked(QLatin1String(spouse))};
    };
    inputs.FeeExempt = pair("cbExairesiF", "cbExairesiS");
    inputs.FeeSeatTourist = pair("cbTelos400F", "cbTelos400S");
    inputs.FeeSeatLargeCity = pair("cbTelos500F", "cbTelos500S");
    inputs.LateMonths = static_cast<int>(form.Number(QStringLiteral("edEkprot")));
    inputs.Married = form.Ticked(QStringLiteral("cbMarried"));

    tax::LuxuryInput luxury;
    for (int c = 0; c < tax::kLuxuryCarCount; ++c) {
        luxury.Cars[c].Cc = static_cast<int>(form.Number(Numbered("edCarIppoi", c + 1)));
        luxury.Cars[c].FirstYear = static_cast<int>(form.Number(Numbered("edCarYear", c + 1)));
    }
    for (int b = 0; b < tax::kLuxuryBoatCount; ++b) {
        luxury.Boats[b].Length = static_cast<int>(form.Number(QLatin1String(kBoatLength[b])));
        luxury.Boats[b].Sailing = form.Ticked(QLatin1String(kBoatSailing[b]));
    }
    tax::FillLuxuryAmountsFromCodes(luxury, codes);
    inputs.LuxuryAssets = tax::ComputeLuxuryAssets(luxury);
}

ClearanceNote NoteOfForm(const E1Form& form, const tax::ResultSet& results, const tax::LuxuryRecord& luxury) {
    const auto text = [&form](const char* box) { return form.Text(QLatin1String(box)); };
    const EkaHeader header{text("edAFM"),
                           text("edBigName") + u' ' + text("edName"),
                           text("edAdress"),
                           text("edDoy"),
                           text("edSyzBigName") + u' ' + text("edSyzName"),
                           text("edSyzAFM")};
    // The codes the boxes hold, 001 to 999.
    std::vector<CodeEntry> entries;
    for (const E1CodeBox& b : E1CodeBoxes()) {
        if (b.code > 999) continue;
        const QString box = CodeControlName(b.code);
        const double value = b.kind == CodeKind::YesNo ? (form.Ticked(box) ? 1 : 0) : form.Number(box);
        if (auto shown = CodeEntryText(b.kind, value)) entries.emplace_back(b.code, *shown);
    }
    std::array<QString, 4> plates;
    for (int i = 0; i < 4; ++i) plates[i] = form.Text(Numbered("edCarNumber", i + 1));
    return MakeClearanceNote(header, std::move(entries), results, luxury, plates);
}

ClearanceNote NoteOfDeclaration(const E1Declaration& declaration) {
    const E1Form form = FormOfDeclaration(declaration);
    CodeTable codes;
    tax::ClearanceInputs inputs;
    InputsOfForm(form, codes, inputs);
    auto results = std::make_unique<tax::ResultSet>();
    tax::ComputeClearance(codes, inputs, *results);
    return NoteOfForm(form, *results, inputs.LuxuryAssets);
}

}  // namespace dz
