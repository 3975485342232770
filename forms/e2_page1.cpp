// Page 1 of the E2 form: the taxpayer's header, table 1 of the leased properties with its totals, the signatures.
#include "forms/e2_page_layout.h"
#include "forms/e2_pages.h"
#include "model/e2_record.h"

namespace dz {
namespace {

using forms::FieldKind;
using forms::Fill;
using forms::FormRect;
using forms::Presence;
using forms::TextStyle;

// Table 1 in the order its columns are printed (column numbers 1-5, 17, 18, 6, 7, 19, 8-16).
// The income columns are headed by the lease types they receive.
constexpr E2Column kTable1[] = {
    {19, 72, u"", u"1", false, "Label%1", FieldKind::Whole, 0, false, nullptr, "qrNbr%1", u"Α/Α"},
    {72, 450, u"ΤΟΠΟΘΕΣΙΑ (Οδός, Αριθμός, Πόλη ή Χωριό, Τ.Κ.)", u"2", false, "edTopos%1", FieldKind::Text, 30},
    {450, 566, u"ΘΕΣΗ", u"3", false, "edPlace%1", FieldKind::Text, 0, false, "sbGetThesi%1"},
    {566, 676, u"ΚΑΤΗΓΟΡ.", u"4", false, "edInUse%1", FieldKind::Text, 0, false, "sbGetXrisi%1"},
    {676, 810, u"ΕΠΙΦΑΝ. (σε τ.μ.)", u"5", false, "edSurfa%1", FieldKind::Text, 5},
    {810, 964, u"ΕΙΔΟΣ ΜΙΣΘΩΣΗΣ – ΧΡΗΣΗ ΑΚΙΝΗΤΟΥ", u"17", false, "edEidosMist%1", FieldKind::Text, 0, true,
     "sbGetEidosMist%1"},
    {964, 1128, u"Αριθμός Παροχής Ρεύματος", u"18", false, "edParoxesDEH%1", FieldKind::Text, 9, true},
    {1128, 1502, u"Ονοματεπώνυμο", u"6", false, "edEName%1", FieldKind::Text, 23},
    {1502, 1638, u"Α.Φ.Μ.", u"7", false, "edAFM%1", FieldKind::Text, 12},
    {1638, 1762, u"Αριθμός δήλωσης πληροφοριακών στοιχείων μίσθωσης", u"19", false, "edArMist%1", FieldKind::Text, 30},
    {1762, 1822, u"ΑΠΟ", u"8", false, "edDate1%1", FieldKind::Text, 5, false, nullptr, nullptr, u"ΕΝΟΙΚΙΑΣΗ ΑΠΟ"},
    {1822, 1882, u"ΕΩΣ", u"9", false, "edDate2%1", FieldKind::Text, 5, false, nullptr, nullptr, u"ΕΝΟΙΚΙΑΣΗ ΕΩΣ"},
    {1882, 1952, u"ΜΗΝΕΣ", u"10", true, "edMonths%1", FieldKind::Amount},
    {1952, 2064, u"ΠΡΑΓΜΑΤΙΚΟ Ή ΤΕΚΜΑΡΤΟ ΜΗΝΙΑΙΟ ΜΙΣΘΩΜΑ", u"11", false, "edEnoikio%1", FieldKind::Amount},
    {2064, 2114, u"ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ", u"12", true, "edSinid%1", FieldKind::Text},
    {2114, 2265, u"Είδη μίσθωσης 1 έως 9", u"13", false, "edKat%1", FieldKind::Amount},
    {2265, 2429, u"Είδη μίσθωσης 10 έως 22", u"14", false, "edGr%1", FieldKind::Amount},
    {2429, 2585, u"Είδη μίσθωσης 23 έως 25", u"15", false, "edGi%1", FieldKind::Amount},
    {2585, 2741, u"Είδη μίσθωσης 26 έως 38", u"16", false, "edLi%1", FieldKind::Amount},
};
constexpr int kFirstIncomeColumn = 15;  // index of form column 13 in kTable1

constexpr E2ColumnGroup kTable1Groups[] = {
    {1, 4, u"ΠΕΡΙΓΡΑΦΗ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ"},
    {7, 8, u"ΣΤΟΙΧΕΙΑ ΕΝΟΙΚΙΑΣΤΗ"},
    {10, 12, u"ΔΙΑΡΚΕΙΑ ΕΝΟΙΚΙΑΣΗΣ ΣΤΟ 2014"},
    {15, 18, u"ΑΚΑΘΑΡΙΣΤΟ ΕΙΣΟΔΗΜΑ ΠΟΥ ΑΝΑΛΟΓΕΙ ΣΤΟΝ ΥΠΟΧΡΕΟ"},
};

constexpr E2Table kTable1Layout{kTable1, kTable1Groups, 190, 70, 50, 655, 643, kE2Table1Rows, 1, false};

struct HeaderField {
    const char* name;
    FieldKind kind;
    int maxLength;
    FormRect rect;
    const char16_t* label;
};

// The taxpayer's boxes; their texts start where the printed labels do.
constexpr HeaderField kHeaderFields[] = {
    {"edBigName", FieldKind::Text, 40, {1585, 58, 350, 55}, u"«ΟΝΟΜΑΤΕΠΩΝΥΜΟ» (επώνυμο) του εισοδηματία"},
    {"edName", FieldKind::Text, 40, {1942, 58, 320, 55}, u"«ΟΝΟΜΑΤΕΠΩΝΥΜΟ» (όνομα) του εισοδηματία"},
    {"edFatherName", FieldKind::Text, 15, {2469, 58, 272, 55}, u"«ΟΝΟΜΑ ΠΑΤΕΡΑ» του εισοδηματία"},
    {"edAFM", FieldKind::TaxNumber, 12, {1588, 119, 300, 55}, u"«Α.Φ.Μ.» του εισοδηματία"},
};

struct PlacedText {
    FormRect rect;
    const char16_t* text;
    TextStyle style;
    int align;
};

constexpr PlacedText kTexts[] = {
    {{160, 10, 1100, 45}, u"ΑΝΑΛΥΤΙΚΗ ΚΑΤΑΣΤΑΣΗ ΓΙΑ ΤΑ ΜΙΣΘΩΜΑΤΑ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ", TextStyle::Title, kAlignLeft},
    {{160, 60, 600, 35}, u"ΦΟΡΟΛΟΓΙΚΟΥ ΕΤΟΥΣ 2014", TextStyle::SubHeading, kAlignLeft},
    {{160, 98, 600, 35}, u"Εισοδήματα από 1/1 έως 31/12/2014", TextStyle::SubHeading, kAlignLeft},
    {{1310, 14, 330, 36}, u"ΣΤΟΙΧΕΙΑ ΕΙΣΟΔΗΜΑΤΙΑ", TextStyle::SubHeading, kAlignLeft},
    {{1645, 14, 700, 36}, u"(ΦΥΣΙΚΟΥ Ή ΝΟΜΙΚΟΥ ΠΡΟΣΩΠΟΥ)", TextStyle::SubHeading, kAlignLeft},
    {{1310, 58, 270, 55}, u"ΟΝΟΜΑΤΕΠΩΝΥΜΟ", TextStyle::Caption, kAlignLeft},
    {{2268, 58, 198, 55}, u"ΟΝΟΜΑ ΠΑΤΕΡΑ", TextStyle::Caption, kAlignLeft},
    {{1310, 119, 270, 55}, u"Α.Φ.Μ.", TextStyle::Caption, kAlignLeft},
    {{19, 1760, 980, 34}, u"ΠΡΟΣΟΧΗ : Το έντυπο αυτό υποβάλλεται σε ένα (1) αντίτυπο.", TextStyle::Note, kAlignLeft},
    {{19, 1794, 980, 34}, u"Για τα ακίνητα που είναι ημιτελή ή αποκτήθηκαν ή μεταβιβάστηκαν μέσα στο 2014,",
     TextStyle::Note, kAlignLeft},
    {{19, 1828, 980, 34}, u"πρέπει να συμπληρωθεί ο πίνακας ΙΙ της πίσω σελίδας.", TextStyle::Note, kAlignLeft},
    {{19, 1900, 420, 40}, u"Φ-01.002 / ΕΚΔΟΣΗ 2015", TextStyle::Note, kAlignLeft},
    {{1040, 1688, 400, 29}, u"Ο ΛΟΓΙΣΤΗΣ", TextStyle::SubHeading, kAlignLeft},
    {{2150, 1790, 560, 36}, u"......../......../2015", TextStyle::Note, kAlignCentre},
    {{2150, 1840, 560, 40}, u"Ο ΔΗΛΩΝ", TextStyle::SubHeading, kAlignCentre},
};

// The accountant's block: printed blank, one line under the other, the data after each caption.
struct AccountantLine {
    const char16_t* caption;
    int dataLeft;
};
constexpr AccountantLine kAccountant[] = {
    {u"Επων. :", 1177},          {u"Ονομ. :", 1177},
    {u"Δ/νση :", 1177},          {u"Α.Φ.Μ. :", 1177},
    {u"Αρμόδια Δ.Ο.Υ. :", 1260}, {u"Αρ. Μητρ. άδ. άσκ. επαγγ/τος :", 1431},
    {u"Κατηγορία άδειας :", 1290},
};
constexpr int kAccountantLeft = 1040;
constexpr int kAccountantRight = 1900;
constexpr int kAccountantTop = 1717;
constexpr int kAccountantPitch = 357;  // hundredths of a millimetre

constexpr const char* kTotalNames[kE2IncomeColumns][2] = {
    {"edTotal1", "edKatTotal"}, {"edTotal2", "edGrTotal"}, {"edTotal3", "edGiTotal"}, {"edTotal4", "edLiTotal"}};

}  // namespace

forms::FormPage BuildE2Page1() {
    E2PageBuilder page(1, kE2PicturePixels);
    page.Frame({20, 15, 120, 90}, Fill::Light);
    page.Text({20, 15, 120, 90}, u"E2", TextStyle::Title, kAlignCentre);
    for (const PlacedText& t : kTexts) page.Text(t.rect, t.text, t.style, t.align);
    page.Frame({1300, 8, 1441, 176});
    for (const HeaderField& f : kHeaderFields)
        page.Field(QString::fromLatin1(f.name), f.kind, f.rect, QString::fromUtf16(f.label), f.maxLength);
    page.WindowButton(QStringLiteral("sbCalcOff"), u"ΑΥΤΟΜΑΤΟΣ ΥΠΟΛΟΓΙΣΜΟΣ", {160, 138, 460, 44});

    page.Table(kTable1Layout);
    const int totalsTop = E2PageBuilder::RowTop(kTable1Layout, kE2Table1Rows);
    const int totalsHeight = E2PageBuilder::RowHeight(kTable1Layout, kE2Table1Rows - 1);
    const E2Column& shareColumn = kTable1[kFirstIncomeColumn - 2];
    const FormRect sumCaption{shareColumn.left, totalsTop, kTable1[kFirstIncomeColumn].left - shareColumn.left,
                              totalsHeight};
    page.Frame(sumCaption, Fill::Light);
    page.Text(sumCaption, u"ΑΘΡΟΙΣΜΑ", TextStyle::SubHeading, kAlignCentre);
    for (int c = 0; c < kE2IncomeColumns; ++c) {
        const E2Column& column = kTable1[kFirstIncomeColumn + c];
        const FormRect cell{column.left, totalsTop, column.right - column.left, totalsHeight};
        page.Frame(cell);
        page.Field(QString::fromLatin1(kTotalNames[c][0]), FieldKind::Amount, cell,
                   QStringLiteral("«ΑΘΡΟΙΣΜΑ» της στήλης %1").arg(QString::fromUtf16(column.number)), 0,
                   QString::fromLatin1(kTotalNames[c][1]));
    }

    for (int k = 0; k < int(std::size(kAccountant)); ++k) {
        const int y = kAccountantTop + kAccountantPitch * k / 10;
        page.Text({kAccountantLeft, y, kAccountant[k].dataLeft - kAccountantLeft, 34}, kAccountant[k].caption,
                  TextStyle::Note, kAlignLeft);
        page.PrintOnly(QStringLiteral("qrLog%1").arg(k + 1),
                       {kAccountant[k].dataLeft, y, kAccountantRight - kAccountant[k].dataLeft, 34});
    }
    page.PrintOnly(QStringLiteral("qrPageNumber"), {471, 1900, 300, 40});

    for (int p = 1; p <= kE2Table1Rows; ++p) {
        page.Hidden(QStringLiteral("edThesiID%1").arg(p), FieldKind::Whole,
                    QStringLiteral("κωδικός «ΘΕΣΗ» της γραμμής %1").arg(p));
        page.Hidden(QStringLiteral("edXrisiID%1").arg(p), FieldKind::Whole,
                    QStringLiteral("κωδικός «ΚΑΤΗΓΟΡ.» της γραμμής %1").arg(p));
    }
    return page.Finish();
}

}  // namespace dz
