// The fill of the printed E1 reports: tables of fields per page, the row blocks, the code rules.
#include "layouts/e1_fill.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <map>

#include "declaration/e1_bindings.h"
#include "model/amount_text.h"
#include "layouts/e1_colour.h"

namespace dz {
namespace {

using report::PageReport;

// ---- reading the record by the E1 window's field names ----

class Fields {
public:
    explicit Fields(const E1Declaration& declaration) : d_(declaration) {
        for (const TextBinding& b : TextBindings()) texts_.insert(b.control, &b);
        for (const NumberBinding& b : NumberBindings()) numbers_.insert(b.control, &b);
        for (const FlagBinding& b : FlagBindings()) flags_.insert(b.control, &b);
    }
    QString Text(const QString& field) {
        const TextRef ref = Binding(texts_, field)->field(d_);
        return DecodeWin1253(ref.data, *ref.size);
    }
    double Number(const QString& field) {
        return std::visit([](auto* p) { return double(*p); }, Binding(numbers_, field)->field(d_));
    }
    bool Flag(const QString& field) { return Binding(flags_, field)->field(d_); }

private:
    template <typename B>
    static const B* Binding(const QHash<QString, const B*>& table, const QString& field) {
        const B* b = table.value(field);
        if (!b) throw report::ReportError(QStringLiteral("Το πεδίο «%1» δεν υπάρχει στη δήλωση.").arg(field));
        return b;
    }
    E1Declaration d_;  // a copy: the bindings hand out writable references
    QHash<QString, const TextBinding*> texts_;
    QHash<QString, const NumberBinding*> numbers_;
    QHash<QString, const FlagBinding*> flags_;
};

// ---- fields as tables ----

enum class Rule {
    Text,            // the field as stored
    WholePositive,   // a whole number in digits when above 0, else empty
    AmountPositive,  // amount text when above 0, else empty
    MarkX,           // "X" (Latin) when the flag is set
    MarkChi,         // "Χ" (Greek) when the flag is set
};

struct FieldRow {
    QString label;
    QString field;
    Rule rule;
};

void Add(std::vector<FieldRow>& rows, const char* label, Rule rule, const char* field = nullptr) {
    rows.push_back({QString::fromLatin1(label), QString::fromLatin1(field ? field : label), rule});
}
// label%1 for rows first..last, from the field of the same name.
void AddRows(std::vector<FieldRow>& rows, const char* pattern, int first, int last, Rule rule) {
    for (int n = first; n <= last; ++n) {
        const QString name = QString::fromLatin1(pattern).arg(n);
        rows.push_back({name, name, rule});
    }
}

std::vector<FieldRow> HeaderFields() {
    std::vector<FieldRow> rows;
    for (const char* name : {"edAFM", "edBigName", "edName", "edPhone", "edDOYTK", "edAMKA", "edSyzAMKA", "edDoy",
                             "edLastDoy", "edFatherName", "edJobAdr", "edJobPhone", "edTaytNum", "edAdress",
                             "edSyzBigName", "edSyzName", "edSyzFatherName", "edSyzTaytNum", "edSyzAFM", "edSyzJobAdr",
                             "edSyzPhone", "edEkprosopos", "edEkprosAFM"})
        Add(rows, name, Rule::Text);
    Add(rows, "cbExairesiF", Rule::MarkChi);
    Add(rows, "cbExairesiS", Rule::MarkChi);
    Add(rows, "cbMarried", Rule::MarkX);
    return rows;
}

std::vector<FieldRow> Page3Fields() {
    std::vector<FieldRow> rows;
    // The supply numbers of the three residences.
    for (const char* name : {"edParoxi", "edScafosCountry", "edScafosCountry2"}) Add(rows, name, Rule::Text);
    AddRows(rows, "edThesi%1", 1, 3, Rule::Text);
    for (const char* name : {"edScafosName", "edScafosLimani", "edScafosName2", "edScafosLimani2", "edAeroPlaneName",
                             "edAeroPlaneTipos", "edAeroPlaneNum", "edAeroPlaneLimani"})
        Add(rows, name, Rule::Text);
    for (const char* name : {"edScafosMonths", "edScafosLen", "edScafosPososto1", "edScafosPososto2", "edScafosMonths2",
                             "edScafosLen2", "edScafosPososto3", "edScafosPososto4", "edAeroPlaneMonths", "edAeroPlaneKoroi"})
        Add(rows, name, Rule::WholePositive);
    Add(rows, "cbPEndBoat1", Rule::MarkX, "cbBoatType0");
    Add(rows, "cbPIstBoat1", Rule::MarkX, "cbBoatType1");
    Add(rows, "cbPEndBoat2", Rule::MarkX, "cbBoatType2");
    Add(rows, "cbPIstBoat2", Rule::MarkX, "cbBoatType3");
    for (const char* name : {"edDexamOutMetr", "edDexamPosOut", "edDexamSPosOut", "edDexamInMetr", "edDexamPosIn",
                             "edDexamSPosIn"})
        Add(rows, name, Rule::AmountPositive);
    return rows;
}

std::vector<FieldRow> Page4Fields() {
    std::vector<FieldRow> rows;
    Add(rows, "edCompName9", Rule::Text);
    Add(rows, "edCompAFM9", Rule::Text);
    Add(rows, "edCompEpifania9", Rule::AmountPositive);
    AddRows(rows, "edEnoikioName%1", 1, 7, Rule::Text);
    AddRows(rows, "ed80%1", 1, 7, Rule::Text);
    AddRows(rows, "edEnoikioEpif%1", 1, 3, Rule::AmountPositive);
    for (const char* pattern : {"edP2Name%1", "edP2Year%1", "edP2School%1", "edP2BigName%1", "edP2Ypox%1", "edP2Syz%1",
                                "edP2AFM%1"})
        AddRows(rows, pattern, 1, 4, Rule::Text);
    for (const char* name : {"edCompany8AFM1", "edCompany8AFM2", "edCompany8AFM3", "edCompany12cAFM", "edCompany8aName",
                             "edCompany8aDiax", "edCompany8aDOY", "edCompany8bName"})
        Add(rows, name, Rule::Text);
    Add(rows, "edTrapeza1", Rule::Text, "edTrapezaName");
    return rows;
}

// A whole number in plain digits, without thousands separators.
QString WholeText(double value) {
    const double rounded = std::nearbyint(value);  // halves to even
    return std::abs(rounded) < 9e15 ? QString::number(qint64(rounded)) : QString::number(rounded, 'f', 0);
}

QString Shown(Rule rule, Fields& fields, const QString& field) {
    switch (rule) {
    case Rule::Text:
        return fields.Text(field);
    case Rule::WholePositive: {
        const double v = fields.Number(field);
        return v > 0 ? WholeText(v) : QString();
    }
    case Rule::AmountPositive: {
        const double v = fields.Number(field);
        return v > 0 ? FormatAmount(v) : QString();
    }
    case Rule::MarkX:
        return fields.Flag(field) ? QStringLiteral("X") : QString();
    case Rule::MarkChi:
        return fields.Flag(field) ? QStringLiteral("Χ") : QString();
    }
    return QString();
}

void FillFields(PageReport& page, Fields& fields, const std::vector<FieldRow>& rows) {
    for (const FieldRow& row : rows) page.SetText(row.label, Shown(row.rule, fields, row.field));
}

// ---- row blocks that split a field ----

constexpr int kAddressLine = 48;

void FillResidences(PageReport& page, Fields& fields) {
    for (int r = 1; r <= 3; ++r) {
        const QString field = QStringLiteral("edPlace%1").arg(r);
        const QString address = fields.Text(field);
        const QString second = address.mid(kAddressLine, kAddressLine);
        page.SetText(field + u'1', address.left(kAddressLine));
        page.SetText(field + u'2', second.isEmpty() ? QStringLiteral("-") : second);
    }
}

constexpr int kCarRows = 4;

void FillCars(PageReport& page, Fields& fields, bool attachment) {
    const int shown = attachment ? kCarRows - 1 : kCarRows;
    for (int c = 1; c <= kCarRows; ++c) {
        const QString n = QString::number(c);
        const bool car = c <= shown;
        const auto [letters, digits] = car ? SplitPlate(fields.Text("edCarNumber" + n)) : std::pair<QString, QString>();
        page.SetText("edCarName" + n, car ? fields.Text("edCarName" + n) : QStringLiteral("ως συνημμένη κατάσταση"));
        page.SetText("edCarDigits" + n, letters);
        page.SetText("edCarNbr" + n, digits);
        for (const char* number : {"edCarIppoi", "edCarMonths", "edCarPosost", "edCarYear"}) {
            const QString name = QString::fromLatin1(number) + n;
            page.SetText(name, car ? Shown(Rule::WholePositive, fields, name) : QString());
        }
    }
}

void FillCells(PageReport& page, const QString& prefix, const QString& text, int cells) {
    for (int k = 1; k <= cells; ++k) page.SetText(prefix + QString::number(k), k <= text.size() ? text.mid(k - 1, 1) : QString());
}

void FillBank(PageReport& page, Fields& fields) {
    FillCells(page, QStringLiteral("edTrapezaCode"), fields.Text(QStringLiteral("edTrapezaCode")), 3);
    FillCells(page, QStringLiteral("edIBAN"), fields.Text(QStringLiteral("edIBAN")), 25);
    for (int k = 1; k <= 7; ++k) page.SetText(QStringLiteral("qrLog%1").arg(k), QString());
}

// ---- code entries ----

struct CodeRules {
    bool page3 = false;            // the rule of page 3: 204/205 into 207/209, no yes/no words
    std::vector<int> whole;        // printed rounded to whole numbers
    std::vector<int> integerPart;  // page 3: the part before the decimal comma only
};

std::vector<int> Page3IntegerPart() {
    std::vector<int> codes{740, 749, 961, 962, 963};
    for (int first : {211, 218, 225})
        for (int c = first; c < first + 5; ++c) codes.push_back(c);
    return codes;
}

// Yes/no boxes of page 4 that read "NAI" or "OXI" rather than a mark.
constexpr int kYesNoWordCodes[] = {846, 847, 848, 849};
// On page 3 the free-use codes of residences 2 and 3 mark the rented boxes.
constexpr std::pair<int, int> kMarkedElsewhere[] = {{204, 207}, {205, 209}};
// The car amounts of cars 4 to 7, which page 3 totals in its fourth car row.
constexpr int kFirstAttachmentCode = 857;
constexpr int kLastAttachmentCode = 864;

bool Contains(const std::vector<int>& codes, int code) { return std::find(codes.begin(), codes.end(), code) != codes.end(); }

QString Code3(int code) { return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')); }

void SetIfPresent(PageReport& page, const QString& name, const QString& text) {
    if (report::Label* label = page.Find(name)) label->text = text;
}

// Applies the code entries; returns the remembered values of codes 857 to 864 (last entry wins).
std::map<int, double> FillCodes(PageReport& page, const E1Declaration& d, const CodeRules& rules) {
    std::map<int, double> remembered;
    for (const E1Declaration::CodeEntry& entry : d.Codes) {
        const int code = entry.Code;
        if (code <= 0) continue;
        const double value = entry.Value;
        const QString nnn = Code3(code);
        if (rules.page3) {
            const auto special = std::find_if(std::begin(kMarkedElsewhere), std::end(kMarkedElsewhere),
                                              [code](const auto& p) { return p.first == code; });
            if (special != std::end(kMarkedElsewhere)) {
                if (value != 0) SetIfPresent(page, "cbP" + Code3(special->second), QStringLiteral("X"));
                continue;
            }
        }
        if (report::Label* box = page.Find("cbP" + nnn)) {
            const bool words = !rules.page3 && std::find(std::begin(kYesNoWordCodes), std::end(kYesNoWordCodes), code) !=
                                                   std::end(kYesNoWordCodes);
            box->text = words ? (value != 0 ? QStringLiteral("NAI") : QStringLiteral("OXI"))
                              : (value != 0 ? QStringLiteral("X") : QString());
        } else if (report::Label* amount = page.Find("edP" + nnn)) {
            if (Contains(rules.whole, code)) {
                amount->text = WholeText(value);
            } else {
                const auto [integer, decimals] = SplitAmount(value);
                amount->text = integer;
                if (!Contains(rules.integerPart, code)) SetIfPresent(page, "edFP" + nnn, decimals);
            }
        }
        if (rules.page3 && code >= kFirstAttachmentCode && code <= kLastAttachmentCode) remembered[code] = value;
    }
    return remembered;
}

// The fourth car row with the attachment: the totals of cars 4 to 7 per person.
void FillAttachmentTotals(PageReport& page, const std::map<int, double>& remembered) {
    for (int person = 0; person < 2; ++person) {
        double sum = 0;
        for (int code = kFirstAttachmentCode + person; code <= kLastAttachmentCode; code += 2)
            if (const auto it = remembered.find(code); it != remembered.end()) sum += it->second;
        const QString nnn = Code3(kFirstAttachmentCode + person);
        const auto [integer, decimals] = sum > 0 ? SplitAmount(sum) : std::pair<QString, QString>();
        page.SetText("edP" + nnn, integer);
        page.SetText("edFP" + nnn, decimals);
    }
}

// ---- the reports ----

enum class Block { Header, Page3, Page4 };

struct SheetFill {
    E1Sheet sheet;
    std::vector<Block> blocks;
    CodeRules rules;
    std::vector<const char*> colourFiles;  // one per form page on the sheet, left to right
};

const std::vector<SheetFill>& Fills() {
    static const std::vector<SheetFill> fills = {
        {E1Sheet::Page1, {Block::Header}, {false, {5, 6}, {}}, {"WParams/E1P1Color15.bmp"}},
        {E1Sheet::Page2, {}, {false, {201, 202}, {}}, {"WParams/E1P2Color15.bmp"}},
        {E1Sheet::Page3, {Block::Page3}, {true, {}, Page3IntegerPart()}, {"WParams/E1P3Color15.bmp"}},
        {E1Sheet::Page4, {Block::Page4}, {false, {3, 4, 97, 98, 99}, {}}, {"WParams/E1P4Color15.bmp"}},
        {E1Sheet::Sheet41, {Block::Header, Block::Page4}, {false, {3, 4, 5, 6, 97, 98, 99}, {}},
         {"WParams/E1P4Color15.bmp", "WParams/E1P1Color15.bmp"}},
        {E1Sheet::Sheet23, {Block::Page3}, {true, {201, 202}, Page3IntegerPart()},
         {"WParams/e1p2color15.bmp", "WParams/e1p3color15.bmp"}},
    };
    return fills;
}

}  // namespace

std::pair<QString, QString> SplitAmount(double value) {
    const QString text = FormatAmount(value);
    const qsizetype comma = text.lastIndexOf(kDecimalSeparator);
    return {text.left(comma), text.mid(comma + 1)};
}

std::pair<QString, QString> SplitPlate(const QString& plate) {
    const auto digit = std::find_if(plate.begin(), plate.end(), [](QChar c) { return c.isDigit(); });
    const qsizetype at = digit - plate.begin();
    return {plate.left(at), plate.mid(at)};
}

bool HasCarsAttachment(const E1Declaration& d) {
    // Any trace of cars 5 to 7 counts, so that none of them is left off page 3 unseen.
    for (std::size_t c = 4; c < d.Car.size(); ++c) {
        const E1Declaration::CarEntry& car = d.Car[c];
        if (!car.OwnerAfm.empty() || !car.Plate.empty() || car.Cc != 0 || car.Months != 0 || car.SharePercent != 0 ||
            car.FirstYear != 0)
            return true;
    }
    return std::any_of(d.Codes.begin(), d.Codes.end(), [](const E1Declaration::CodeEntry& e) {
        return e.Code >= kFirstAttachmentCode + 2 && e.Code <= kLastAttachmentCode && e.Value != 0;
    });
}

void FillE1Report(E1PrintPage& page, const E1Declaration& declaration, bool coloured) {
    const SheetFill& fill = *std::find_if(Fills().begin(), Fills().end(),
                                          [&page](const SheetFill& f) { return f.sheet == page.sheet(); });
    PageReport& report = page.report;
    // In colour, a page's own picture file where the working folder has one, else the page
    // drawn in the form's ink.
    for (std::size_t i = 0; i < fill.colourFiles.size(); ++i) {
        const std::optional<QImage> file =
            coloured ? ReadE1ColourFile(QString::fromLatin1(fill.colourFiles[i])) : std::nullopt;
        page.SetSheetPicture(int(i), file.value_or(QImage()));
        page.SetInk(int(i), coloured ? kE1ColourInk : QColor(Qt::black));
    }
    for (report::Label& label : report.Labels())
        if (!label.name.isEmpty()) label.text.clear();
    Fields fields(declaration);
    const bool attachment = HasCarsAttachment(declaration);
    for (Block block : fill.blocks) {
        switch (block) {
        case Block::Header:
            FillFields(report, fields, HeaderFields());
            break;
        case Block::Page3:
            FillFields(report, fields, Page3Fields());
            FillResidences(report, fields);
            FillCars(report, fields, attachment);
            break;
        case Block::Page4:
            FillFields(report, fields, Page4Fields());
            FillBank(report, fields);
            break;
        }
    }
    const std::map<int, double> remembered = FillCodes(report, declaration, fill.rules);
    if (attachment && std::find(fill.blocks.begin(), fill.blocks.end(), Block::Page3) != fill.blocks.end())
        FillAttachmentTotals(report, remembered);
    report.BlankTexts({u"0,00"});
}

void FillE1Page1(TfiE11PrnFull& page, const E1Declaration& d, bool coloured) { FillE1Report(page, d, coloured); }
void FillE1Page2(TfiE12PrnFull& page, const E1Declaration& d, bool coloured) { FillE1Report(page, d, coloured); }
void FillE1Page3(TfiE13PrnFull& page, const E1Declaration& d, bool coloured) { FillE1Report(page, d, coloured); }
void FillE1Page4(TfiE14PrnFull& page, const E1Declaration& d, bool coloured) { FillE1Report(page, d, coloured); }
void FillE1SheetA3Pages41(TfiE1_41_Prn& sheet, const E1Declaration& d, bool coloured) { FillE1Report(sheet, d, coloured); }
void FillE1SheetA3Pages23(TfiE1_23_Prn& sheet, const E1Declaration& d, bool coloured) { FillE1Report(sheet, d, coloured); }

}  // namespace dz
