// The cars list: the table's rules and headings, its labels at their places and the fill with its totals.
#include "layouts/cars_print.h"

#include <QFontMetricsF>
#include <QPainter>
#include <map>

#include "model/amount_text.h"
#include "report/units.h"

namespace dz {
namespace {

using report::Align;
using report::PxToMm;

constexpr int kFirstCar = 4, kLastCar = 7;
constexpr int kRowY[] = {173, 190, 208, 224};  // cars 4 to 7
constexpr int kFirstCode = 857, kLastCode = 864;

// The headings are measured in a fine grid of this many units a pixel of the layout, so that
// their sizes step finely.
constexpr double kHeadingUnits = 300 / report::kDesignPixelsPerInch;

struct Column {
    int left, right;  // pixels of the layout
    const char16_t* head;
};
constexpr Column kColumns[] = {
    {4, 235, u"Α.Φ.Μ. ιδιοκτήτη ή κατόχου"}, {235, 325, u"Αριθμός κυκλοφορίας"},
    {325, 367, u"Κυβικά εκατοστά (cc)"},     {367, 410, u"Μήνες κατοχής"},
    {410, 453, u"Ποσοστό συνιδιοκτ. (%)"},   {453, 492, u"Έτος πρώτης κυκλοφορίας"},
    {492, 602, u"Υπόχρεος"},                 {602, 716, u"Σύζυγος"},
};
// The rules under the heading row and under each car row, around the rows' texts.
constexpr int kRowRules[] = {168, 186, 203, 220, 237};
constexpr int kHeadBottom = kRowRules[0];
constexpr int kRowsBottom = kRowRules[4];
constexpr int kTotalTop = 244, kTotalBottom = 272;

// The headings: bold, wrapped within their cell clear of its rules, at the largest size that
// fits down to a floor, and below that narrower.
constexpr double kHeadingPixels = 8, kSmallestHeadingPixels = 6;
constexpr int kNarrowestHeading = 70;  // percent of the normal width
constexpr int kHeadingInset = 3;       // pixels between a heading and its cell's rules
constexpr int kHeadingFlags = Qt::AlignCenter | Qt::TextWordWrap;

bool Fits(const QFont& font, const QRectF& room, const QString& text) {
    const QRectF used = QFontMetricsF(font).boundingRect(room, kHeadingFlags, text);
    return used.width() <= room.width() && used.height() <= room.height();
}

QFont HeadingFont(const QRectF& room, const QString& text, double scale, const QString& family) {
    QFont font(family.isEmpty() ? QStringLiteral("Liberation Sans") : family);
    font.setBold(true);
    for (double px = kHeadingPixels; px >= kSmallestHeadingPixels; px -= 0.5) {
        font.setPixelSize(qRound(px * scale));
        if (Fits(font, room, text)) return font;
    }
    for (int stretch = 95; stretch >= kNarrowestHeading; stretch -= 5) {
        font.setStretch(stretch);
        if (Fits(font, room, text)) return font;
    }
    return font;
}

// The table's frames, rules and headings, drawn on a painter that counts in millimetres, the
// headings in `family` when one is chosen. The heading row has no shade (a grey prints as a dot
// pattern): a double rule closes it.
void DrawTable(QPainter& p, const QString& family) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(PxToMm(1), PxToMm(1));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(4, 120), QPoint(715, kRowsBottom)));
    for (int y : kRowRules) p.drawLine(4, y, 715, y);
    p.drawLine(4, kHeadBottom - 2, 715, kHeadBottom - 2);
    for (std::size_t i = 1; i < std::size(kColumns); ++i) p.drawLine(kColumns[i].left, 120, kColumns[i].left, kRowsBottom);
    // The totals row, under the share, year and amount columns; its caption needs the room.
    p.drawRect(QRect(QPoint(kColumns[4].left, kTotalTop), QPoint(715, kTotalBottom)));
    p.drawLine(502, kTotalTop, 502, kTotalBottom);
    p.drawLine(kColumns[7].left, kTotalTop, kColumns[7].left, kTotalBottom);
    p.scale(1 / kHeadingUnits, 1 / kHeadingUnits);
    const auto units = [](double px) { return px * kHeadingUnits; };
    for (const Column& c : kColumns) {
        const QRectF room(QPointF(units(c.left + kHeadingInset), units(121 + 1)),
                          QPointF(units(c.right - kHeadingInset), units(kHeadBottom - 3)));
        const QString text = QString::fromUtf16(c.head);
        p.setFont(HeadingFont(room, text, kHeadingUnits, family));
        p.drawText(room, kHeadingFlags, text);
    }
    p.restore();
}

report::Label Text(const QString& name, double x, double y, double w, Align align, double pt = 8, bool bold = false) {
    report::Label l;
    l.name = name;
    l.box = QRectF(PxToMm(x), PxToMm(y), PxToMm(w), 0);
    l.align = align;
    l.font.pointSize = pt;
    l.font.bold = bold;
    return l;
}

QString Numbered(const char* name, int n) { return QString::fromLatin1(name) + QString::number(n); }

// The car columns: label name, x, width, alignment.
struct CarLabel {
    const char* name;
    int x, w;
    Align align;
};
constexpr CarLabel kCarLabels[] = {
    {"edCarName", 13, 63, Align::Left},     {"edCarNumber", 240, 73, Align::Left},
    {"edCarIppoi", 344, 7, Align::Centre},  {"edCarMonths", 383, 7, Align::Centre},
    {"edCarPosost", 430, 7, Align::Centre}, {"edCarYear", 469, 7, Align::Centre},
};

QString Positive(int value) { return value >= 1 ? QString::number(value) : QString(); }
QString NonZero(int value) { return value != 0 ? QString::number(value) : QString(); }

}  // namespace

const QString TfiPrintAuto::kTitle = QStringLiteral("E1 Εκτύπωση Αυτοκινήτων");

TfiPrintAuto::TfiPrintAuto() {
    qrPrintAuto.title = kTitle;
    qrPrintAuto.setMargins(QMarginsF(10, 10, 10, 10));
    qrPrintAuto.AddDrawing(
        [](QPainter& painter, const report::PageReport& drawn) { DrawTable(painter, drawn.typeface); });
    qrPrintAuto.AddLabel(Text("QRLabel1", 166, 80, 388, Align::Left, 14, true));
    for (int c = kFirstCar; c <= kLastCar; ++c) {
        const int y = kRowY[c - kFirstCar];
        for (const CarLabel& l : kCarLabels) {
            // The last row's owner stands a pixel lower, as its amounts do.
            const int rowY = (c == kLastCar && QLatin1String(l.name) == QLatin1String("edCarName")) ? y + 1 : y;
            qrPrintAuto.AddLabel(Text(Numbered(l.name, c), l.x, rowY, l.w, l.align));
        }
        const int amountY = c == kLastCar ? y + 1 : y;
        const int code = kFirstCode + 2 * (c - kFirstCar);
        qrPrintAuto.AddLabel(Text(Numbered("edP", code), 559, amountY, 37, Align::Right));
        qrPrintAuto.AddLabel(Text(Numbered("edP", code + 1), 672, amountY, 37, Align::Right));
    }
    qrPrintAuto.AddLabel(Text("QRLabel2", 451, 254, 46, Align::Left, 8, true));
    qrPrintAuto.AddLabel(Text("edTotalF", 556, 254, 40, Align::Right, 8, true));
    qrPrintAuto.AddLabel(Text("edTotalS", 669, 254, 40, Align::Right, 8, true));
}

void FillCarsAttachment(TfiPrintAuto& layout, const E1Declaration& d) {
    report::PageReport& page = layout.qrPrintAuto;
    for (report::Label& l : page.Labels()) l.text.clear();
    for (int c = kFirstCar; c <= kLastCar; ++c) {
        const E1Declaration::CarEntry& car = d.Car[static_cast<std::size_t>(c - 1)];
        page.SetText(Numbered("edCarName", c), car.OwnerAfm.ToString());
        page.SetText(Numbered("edCarNumber", c), car.Plate.ToString());
        page.SetText(Numbered("edCarIppoi", c), Positive(car.Cc));
        page.SetText(Numbered("edCarMonths", c), NonZero(car.Months));
        page.SetText(Numbered("edCarPosost", c), NonZero(car.SharePercent));
        page.SetText(Numbered("edCarYear", c), Positive(car.FirstYear));
    }
    std::map<int, double> remembered;  // the last entry of a code wins
    for (const E1Declaration::CodeEntry& entry : d.Codes) {
        if (entry.Code < 1) continue;
        if (report::Label* label = page.Find(QStringLiteral("edP%1").arg(int(entry.Code), 3, 10, QLatin1Char('0')))) {
            label->text = FormatAmount(entry.Value);
            remembered[entry.Code] = entry.Value;
        }
    }
    page.BlankTexts({u"0,00"});
    // Per person: the taxpayer's odd codes, the spouse's even ones.
    const char* totals[2] = {"edTotalF", "edTotalS"};
    for (int person = 0; person < 2; ++person) {
        double sum = 0;
        for (int code = kFirstCode + person; code <= kLastCode; code += 2)
            if (const auto it = remembered.find(code); it != remembered.end()) sum += it->second;
        page.SetText(QString::fromLatin1(totals[person]), sum > 0 ? FormatAmount(sum) : QString());
    }
    page.SetText("QRLabel1", QStringLiteral("ΣΥΝΗΜΜΕΝΗ ΚΑΤΑΣΤΑΣΗ ΑΥΤΟΚΙΝΗΤΩΝ"));
    page.SetText("QRLabel2", QStringLiteral("ΣΥΝΟΛΟ"));
}

}  // namespace dz
