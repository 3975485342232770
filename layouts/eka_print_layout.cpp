// The printed clearance note's page: frames and rules, static texts and the empty data labels.
#include <QPainter>
#include <algorithm>
#include <span>
#include <tuple>
#include <utility>

#include "layouts/eka_print.h"
#include "layouts/eka_print_rows.h"
#include "report/units.h"

namespace dz {
namespace {

using report::Align;
using report::Label;
using report::PxToMm;

// The drawn form spans x 40 to 770 and y 62 to 985 pixels; the page draws that part inside the
// margins (a little smaller, since it is wider than the 718 pixels between them).
constexpr int kLeft = ekaprint::kNoteLeft, kRight = ekaprint::kNoteRight, kTop = 62, kBottom = 985;
constexpr int kMiddle = ekaprint::kNoteMiddle;  // between the left and the right blocks
constexpr int kHeaderSplit = 345;               // between blocks Α and Β of the header
constexpr int kNotesTop = 958;  // the notes line under the last lines of Δ

constexpr double kMarginMm = 10;
constexpr int kAmountWidth = 60;  // the amount boxes of Γ1 to Γ4 and of the summary
constexpr double kCaptionPt = 7;
constexpr double kHeadingPt = 7;
constexpr double kColumnHeadPt = 5.5;
constexpr double kG4HeadPt = 5;  // one line over each luxury column
constexpr int kHeadingGap = 5;   // between the column headings of one row
constexpr int kRightSignX = 756;  // "(+)" and "(-)" at the right end of the summary rows

Label Text(const QString& name, const QString& text, double x, double y, double w, double pt, bool bold = false,
           Align align = Align::Left) {
    Label l;
    l.name = name;
    l.text = text;
    l.box = QRectF(PxToMm(x), PxToMm(y), PxToMm(w), 0);
    l.align = align;
    l.font.pointSize = pt;
    l.font.bold = bold;
    return l;
}

// A static caption that shrinks rather than run into the amounts beside it.
Label Caption(const QString& text, double x, double y, double w, double pt = kCaptionPt, bool bold = false,
              Align align = Align::Left) {
    Label l = Text(QString(), text, x, y, w, pt, bold, align);
    l.fit = true;
    return l;
}

Label Amount(const char* name, double x, double y, double w, double pt, bool bold = false) {
    return Text(QString::fromLatin1(name), QString(), x, y, w, pt, bold, Align::Right);
}

// The frames: (x1, y1, x2, y2) in pixels, and the light bands behind the headings.
struct Box {
    int x1, y1, x2, y2;
    bool band;  // a light heading band
};
constexpr Box kBoxes[] = {
    {kLeft, kTop, kRight, 86, true},      // title
    {kLeft, 86, kHeaderSplit, 150, false},  // Α: tax office, tax number, year
    {kLeft, 86, kHeaderSplit, 100, true},
    {kHeaderSplit, 86, kRight, 150, false},  // Β: the taxpayer
    {kHeaderSplit, 86, kRight, 100, true},
    {kLeft, 150, kRight, 169, false},        // the spouse
    {kLeft, 169, kMiddle, 330, false},       // Γ1
    {kLeft, 169, kMiddle, 182, true},
    {kLeft, 330, kMiddle, 384, false},       // Γ4
    {kLeft, 330, kMiddle, 341, true},
    {kMiddle, 169, kRight, 318, false},      // Γ2
    {kMiddle, 169, kRight, 182, true},
    {kMiddle, 318, kRight, 384, false},      // Γ3
    {kMiddle, 318, kRight, 336, true},
    {kLeft, 384, kRight, 522, false},        // summary Γ
    {kLeft, 384, kRight, 405, true},
    {660, 500, 760, 520, false},             // the final amount
    {kLeft, 522, kRight, kNotesTop, false},  // Δ
    {kLeft, 522, kRight, 536, true},
    {kLeft, kTop, kRight, kBottom, false},   // the whole note; the notes line at its foot
};
// Single rules: (x1, y1, x2, y2).
constexpr int kRules[][4] = {
    {219, 100, 219, 150}, {290, 100, 290, 150},   // the cells of block Α
    {kMiddle, 536, kMiddle, kNotesTop},            // the halves of Δ
    {kLeft, 434, kRight, 434}, {kLeft, 460, kRight, 460}, {kLeft, 485, kRight, 485},  // summary groups
};

void DrawForm(QPainter& p) {
    const auto mm = [](int px) { return PxToMm(px); };
    p.setPen(QPen(Qt::black, 0.25));
    for (const Box& b : kBoxes) {
        const QRectF r(QPointF(mm(b.x1), mm(b.y1)), QPointF(mm(b.x2), mm(b.y2)));
        if (b.band) p.fillRect(r, QColor(0xE8, 0xE8, 0xE8));
        p.drawRect(r);
    }
    for (const auto& r : kRules) p.drawLine(QPointF(mm(r[0]), mm(r[1])), QPointF(mm(r[2]), mm(r[3])));
}

// A heading broken at the space that leaves its longer line shortest; a single word stays whole.
std::pair<QString, QString> TwoLines(const QString& text) {
    qsizetype best = -1;
    for (qsizetype i = text.indexOf(u' '); i >= 0; i = text.indexOf(u' ', i + 1))
        if (best < 0 || std::max(i, text.size() - i - 1) < std::max(best, text.size() - best - 1)) best = i;
    if (best < 0) return {text, QString()};
    return {text.left(best), text.mid(best + 1)};
}

// "Υπόχρεου" and "Της συζύγου" over a two-column block.
void ColumnHeads(report::PageReport& page, const int (&x)[2], int width, int y) {
    page.AddLabel(Caption(QStringLiteral("Υπόχρεου"), x[0], y, width, 6, true, Align::Centre));
    page.AddLabel(Caption(QStringLiteral("Της συζύγου"), x[1], y, width, 6, true, Align::Centre));
}

void AddHeader(report::PageReport& page) {
    page.AddLabel(Caption(QStringLiteral("ΕΚΚΑΘΑΡΙΣΤΙΚΟ ΣΗΜΕΙΩΜΑ ΦΟΡΟΥ ΕΙΣΟΔΗΜΑΤΟΣ"), kLeft, 65, kRight - kLeft, 12, true,
                          Align::Centre));
    page.AddLabel(Caption(QStringLiteral("Α. ΣΤΟΙΧΕΙΑ ΥΠΗΡΕΣΙΑΣ"), 44, 88, 290, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("ΔΗΜΟΣΙΑ ΟΙΚΟΝ.ΥΠΗΡ.(Δ.Ο.Υ.)"), 44, 103, 172, 5.5));
    // The captions of the two narrow cells take two lines above their values.
    for (const auto& [text, x, width] : {std::tuple(QStringLiteral("Αρ. Φορολ. Μητρώου"), 222, 66),
                                          std::tuple(QStringLiteral("ΦΟΡΟΛΟΓΙΚΟ ΕΤΟΣ"), 292, 51)}) {
        const auto [first, second] = TwoLines(text);
        page.AddLabel(Caption(first, x, 102, width, 5.5));
        page.AddLabel(Caption(second, x, 109, width, 5.5));
    }
    page.AddLabel(Caption(QStringLiteral("2014"), 292, 117, 51, 8, true, Align::Centre));
    page.AddLabel(Caption(QStringLiteral("Β. ΣΤΟΙΧΕΙΑ ΦΟΡΟΛΟΓΟΥΜΕΝΟΥ"), 349, 88, 300, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("ΣTOIXEIA ΣYZYΓOY:"), 44, 157, 96, 6.5, true));
    page.AddLabel(Text("qrDoy", QString(), 62, 117, 155, 7));
    page.AddLabel(Text("qrAFM", QString(), 222, 117, 66, 7));
    page.AddLabel(Text("qrBigName", QString(), 352, 109, 377, 9));
    page.AddLabel(Text("qrAddress", QString(), 352, 136, 377, 9));
    page.AddLabel(Text("qrSyzAfm", QString(), 143, 158, 140, 6));
    page.AddLabel(Text("qrSyzBigName", QString(), 295, 158, 380, 6));
}

void AddG1(report::PageReport& page) {
    page.AddLabel(Caption(QStringLiteral("Γ1. ΕΚΚΑΘΑΡΙΣΗ Φ.Ε."), 44, 171, 190, kHeadingPt, true));
    ColumnHeads(page, ekaprint::kG1X, 60, 172);
    int k = 1;
    for (const ekaprint::LineRow& row : ekaprint::G1Rows()) {
        page.AddLabel(Caption(QString::fromUtf16(row.caption), 46, row.y, 192));
        for (int p = 0; p < 2; ++p)
            page.AddLabel(Amount(QStringLiteral("qr%1%2").arg(k).arg(QChar(p == 0 ? u'F' : u'S')).toLatin1().constData(),
                                 ekaprint::kG1X[p], row.y, 60, 7));
        ++k;
    }
}

void AddPairBlocks(report::PageReport& page) {
    constexpr int kRightX = ekaprint::kRightCaptionX;
    page.AddLabel(Caption(QStringLiteral("Γ2. EKK. EIΔ. EIΣΦOPAΣ AΛΛΗΛ."), kRightX, 171, 190, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("Γ3. TΕΛOΣ EΠITHΔEYMATOΣ"), kRightX, 322, 190, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("Δ. ΑΝΑΛΥΣΗ ΕΙΣΟΔΗΜΑΤΩΝ, ΕΚΠΤΩΣΕΩΝ ΑΠΟ ΤΟ ΕΙΣΟΔΗΜΑ, ΜΕΙΩΣΕΩΝ ΦΟΡΩΝ...ΚΤΛ."), 44,
                          524, 700, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("1. ΣΥΝΟΛΙΚΟ ΕΙΣΟΔΗΜΑ"), 44, 538, 170, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("2. ΦΟΡΟΣ: ΚΛΙΜ.- ΣΥΜΠΛ.- ΠΡΟΚ/ΛΗ"), 44, ekaprint::DeltaLeftY(15), 260, kHeadingPt,
                          true));
    page.AddLabel(Caption(QStringLiteral("3. ΛΟΙΠΑ ΣΥΜΒΕΒΑΙΟΥΜΕΝΑ ΠΟΣΑ"), 44, ekaprint::DeltaLeftY(19), 260, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("4. ΕΚΠΤΩΣΕΙΣ-ΜΕΙΩΣΕΙΣ"), kRightX, 538, 170, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("ΜΕΙΩΣΕΙΣ ΑΠΟ ΤΟ ΦΟΡΟ"), kRightX, 556, 170, 6.5, true));
    page.AddLabel(Caption(QStringLiteral("ΕΚΠΤΩΣΕΙΣ ΑΠΟ ΤΟ ΕΙΣΟΔΗΜΑ"), kRightX, ekaprint::DeltaRightY(9), 170, 6.5, true));
    page.AddLabel(
        Caption(QStringLiteral("5. ΦΟΡΟΣ ΠΟΥ ΠΑΡΑΚΡΑΤΗΘΗΚΕ...ΚΤΛ"), kRightX, ekaprint::DeltaRightY(13), 260, kHeadingPt, true));
    const std::span<const ekaprint::PairBlock> blocks = ekaprint::PairBlocks();
    ColumnHeads(page, blocks[0].x, blocks[0].width, 172);    // Γ2
    ColumnHeads(page, blocks[1].x, blocks[1].width, 323);    // Γ3
    ColumnHeads(page, blocks[2].x, blocks[2].width, 538);    // Δ, left
    ColumnHeads(page, blocks[5].x, blocks[5].width, 538);    // Δ, right
    for (const ekaprint::PairBlock& block : blocks) {
        for (const ekaprint::PairRow& row : block.rows) {
            page.AddLabel(Caption(QString::fromUtf16(row.caption), block.captionX, row.y, block.captionWidth, kCaptionPt,
                                  row.bold));
            for (int p = 0; p < 2; ++p)
                page.AddLabel(Amount(row.names[p], block.x[p], row.y, block.width, block.points, row.bold));
        }
    }
}

void AddG4(report::PageReport& page) {
    page.AddLabel(Caption(QStringLiteral("Γ4. ΦΟΡΟΣ ΠΟΛΥΤΕΛΟΥΣ ΔΙΑΒΙΩΣΗΣ"), 44, 331, 300, kHeadingPt, true));
    page.AddLabel(Caption(QStringLiteral("Υπόχρεου"), 46, ekaprint::kG4Y[0], 78));
    page.AddLabel(Caption(QStringLiteral("Της συζύγου"), 46, ekaprint::kG4Y[1], 78));
    const std::span<const ekaprint::LuxuryColumn> columns = ekaprint::G4Columns();
    const int pitch = columns[1].x - columns[0].x;
    for (const ekaprint::LuxuryColumn& column : columns) {
        // Right-aligned over the column's amounts, clear of the heading before it.
        const int right = column.x + kAmountWidth;
        page.AddLabel(Caption(QString::fromUtf16(column.caption), right - (pitch - kHeadingGap), 343, pitch - kHeadingGap,
                              kG4HeadPt, true, Align::Right));
        for (int p = 0; p < 2; ++p)
            page.AddLabel(Amount((QString::fromLatin1(column.name) + (p == 0 ? u'F' : u'S')).toLatin1().constData(),
                                 column.x, ekaprint::kG4Y[p], kAmountWidth, 7));
    }
}

void AddSummary(report::PageReport& page) {
    page.AddLabel(Caption(QStringLiteral("Γ. ΕΚΚΑΘΑΡΙΣΗ Φ.Ε."), 44, 386, 82, 6, true));
    page.AddLabel(Caption(QStringLiteral("ΠΟΣΑ"), 44, 396, 30, kColumnHeadPt, true));
    const auto headings = ekaprint::SummaryHeadings();
    const auto& x = ekaprint::kSummaryX;
    for (int c = 0; c < 8; ++c) {
        // On two lines, centred over the column's amounts, as wide as the nearer neighbour allows.
        const int centre = x[c] + kAmountWidth / 2;
        int room = c + 1 < 8 ? x[c + 1] - x[c] : 2 * (kRightSignX - centre);
        if (c > 0) room = std::min(room, x[c] - x[c - 1]);
        const int width = room - kHeadingGap;
        const auto [first, second] = TwoLines(QString::fromUtf16(headings[static_cast<std::size_t>(c)]));
        page.AddLabel(Caption(first, centre - width / 2, 386, width, kColumnHeadPt, true, Align::Centre));
        page.AddLabel(Caption(second, centre - width / 2, 394, width, kColumnHeadPt, true, Align::Centre));
    }
    // Who each pair of rows is for, letter under letter, and to pay (+) or to refund (-).
    const QString persons[3] = {QStringLiteral("ΥΠΟΧ"), QStringLiteral("ΣΥΖ"), QStringLiteral("ΣΥΝ")};
    for (int g = 0; g < 3; ++g) {
        const QString& word = persons[g];
        const double top = ekaprint::kSummaryY[2 * g] - 1;
        const double step = 26.0 / word.size();
        for (int i = 0; i < word.size(); ++i)
            page.AddLabel(Caption(word.mid(i, 1), 44, top + i * step, 12, 5, true, Align::Centre));
    }
    for (int r = 0; r < 6; ++r) {
        const QString sign = r % 2 == 0 ? QStringLiteral("(+)") : QStringLiteral("(-)");
        page.AddLabel(Caption(sign, 60, ekaprint::kSummaryY[r], 20, 6));
        page.AddLabel(Caption(sign, kRightSignX, ekaprint::kSummaryY[r], 14, 6));
    }
    for (const ekaprint::SummaryCell& cell : ekaprint::SummaryCells())
        page.AddLabel(Amount(cell.name, ekaprint::kSummaryX[cell.column], ekaprint::kSummaryY[cell.row], 60, 7));
    for (const ekaprint::TotalCell& cell : ekaprint::TotalCells())
        page.AddLabel(Amount(cell.name, ekaprint::kSummaryX[7], ekaprint::kSummaryY[cell.row], 60, 7));

    page.AddLabel(Caption(QStringLiteral("ΔIAΦOΡA ΣYMΨHΦIΣMOY"), 520, 487, 170, kCaptionPt, true, Align::Right));
    page.AddLabel(Amount("qrDiaforaSimp", 694, 487, 60, 7));
    page.AddLabel(Text("qrTelikoPosoStr", QStringLiteral("ΤΕΛΙΚΟ ΠΟΣΟ ΠΛΗΡΩΜΗΣ"), 487, 504, 170, 9, true));
    page.AddLabel(Text("qrTelikoPoso", QString(), 664, 503, 93, 11, true, Align::Centre));
}

void AddNotes(report::PageReport& page) {
    page.AddLabel(Caption(QStringLiteral("ΣΗΜΕΙΩΣΕΙΣ"), 44, 967, 74, kCaptionPt, true));
    constexpr int kNumberX[4] = {121, 179, 237, 297};
    for (int i = 0; i < 4; ++i) {
        page.AddLabel(Amount(QStringLiteral("edCarNumber%1").arg(i + 1).toLatin1().constData(), kNumberX[i], 967, 51, 8,
                             true));
        if (i < 3) page.AddLabel(Text(QStringLiteral("qrComma%1").arg(i + 1), QStringLiteral(","), kNumberX[i] + 52, 967, 5, 8, true));
    }
}

}  // namespace

const QString TfiEkaPrn::kTitle = QStringLiteral("Εκτύπωση Εκκαθαριστικού");

TfiEkaPrn::TfiEkaPrn() {
    qrEka.title = kTitle;
    qrEka.setMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm));
    // The part of the layout that must be on the sheet; a little wider than the area inside
    // the margins, so the whole note is drawn slightly smaller rather than cut at the right.
    qrEka.setDesignArea(QRectF(QPointF(PxToMm(kLeft), 0), QPointF(PxToMm(kRight), PxToMm(kBottom))));
    qrEka.AddDrawing([](QPainter& painter, const report::PageReport&) { DrawForm(painter); });
    AddHeader(qrEka);
    AddG1(qrEka);
    AddPairBlocks(qrEka);
    AddG4(qrEka);
    AddSummary(qrEka);
    AddNotes(qrEka);
    qrEka.setBeforePrint(qrEkaBeforePrint);
}

}  // namespace dz
