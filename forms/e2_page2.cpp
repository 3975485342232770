// Page 2 of the E2 form: table I of co-owners and sub-leases, table II of unfinished, acquired or transferred property.
#include "forms/e2_page_layout.h"
#include "forms/e2_pages.h"
#include "model/e2_record.h"

namespace dz {
namespace {

using forms::FieldKind;
using forms::FormRect;
using forms::TextStyle;

constexpr int kTable2FirstPosition = kE2Table1Rows + 1;
constexpr int kTable3FirstPosition = kE2Table1Rows + kE2Table2Rows + 1;

constexpr E2Column kTable2[] = {
    {5, 55},
    {55, 400, u"ΤΟΠΟΘΕΣΙΑ", u"1", false, "edPin2Topos%1", FieldKind::Text, 30},
    {400, 512, u"ΘΕΣΗ", u"2", false, "edPin2Place%1", FieldKind::Text, 0, false, "sbGetThesi%1"},
    {512, 630, u"ΚΑΤΗΓΟΡΙΑ (ΧΡΗΣΗ)", u"3", false, "edPin2InUse%1", FieldKind::Text, 0, false, "sbGetXrisi%1"},
    {630, 714, u"ΕΠΙΦΑΝ.", u"4", false, "edPin2Surfa%1", FieldKind::Text, 4},
    {714, 953, u"ΕΙΔΟΣ ΜΙΣΘΩΣΗΣ – ΧΡΗΣΗ ΑΚΙΝΗΤΟΥ", u"5", false, "edEidosMist%1", FieldKind::Text, 4, true,
     "sbGetEidosMist%1"},
    {953, 1093, u"Αριθμός Παροχής Ρεύματος", u"6", false, "edParoxesDEH%1", FieldKind::Text, 9, true},
    {1093, 1500, u"ΟΝΟΜΑΤΕΠΩΝΥΜΟ", u"7", false, "edPin2SName%1", FieldKind::Text, 30},
    {1500, 1726, u"Α.Φ.Μ.", u"8", false, "edPin2SAFM%1", FieldKind::Text, 12},
    {1726, 2266, u"ΔΙΕΥΘΥΝΣΗ", u"9", false, "edPin2Addre%1", FieldKind::Text, 34},
    {2266, 2438, u"ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ", u"10", false, "edPin2Sinid%1", FieldKind::Text, 5},
    {2438, 2707, u"ΜΙΣΘΩΜΑ ΠΟΥ ΚΑΤΑΒΑΛΛΕΤΑΙ (για υπεκμισθώσεις)", u"11", false, "edPin2Misto%1", FieldKind::Amount},
};

constexpr E2ColumnGroup kTable2Groups[] = {
    {7, 10, u"ΣΤΟΙΧΕΙΑ ΣΥΝΙΔΙΟΚΤΗΤΩΝ, ΣΥΝΕΠΙΚΑΡΠΩΤΩΝ, ΑΝΗΛΙΚΩΝ ΤΕΚΝΩΝ ΚΤΛ. ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ"},
    {11, 11, u"ΥΠΕΚΜΙΣΘΩΣΕΙΣ"},
};

constexpr E2Table kTable2Layout{kTable2,       kTable2Groups, 100,  70,
                                50,            405,           619,  kE2Table2Rows,
                                kTable2FirstPosition, true,   u" του πίνακα Ι"};

// The title column's heading is printed on two lines of its own (below).
constexpr E2Column kTable3[] = {
    {5, 52},
    {52, 500, u"ΤΟΠΟΘΕΣΙΑ", u"", false, "edPin3Topos%1", FieldKind::Text, 30},
    {500, 620, u"ΘΕΣΗ", u"", false, "edPin3Place%1", FieldKind::Text, 0, false, "sbGetThesi%1"},
    {620, 734, u"ΚΑΤΗΓΟΡΙΑ (ΧΡΗΣΗ)", u"", false, "edPin3InUse%1", FieldKind::Text, 0, false, "sbGetXrisi%1"},
    {734, 839, u"ΕΠΙΦΑΝ.", u"", false, "edPin3Surfa%1", FieldKind::Text, 4},
    {839, 1043, u"Αριθμός Παροχής Ρεύματος", u"", false, "edParoxesDEH%1", FieldKind::Text, 9, true},
    {1043, 2707, u"", u"", false, "edPin3Title%1", FieldKind::Text, 35, false, nullptr, nullptr,
     u"ΤΙΤΛΟΣ ΚΤΗΣΗΣ Ή ΜΕΤΑΒΙΒΑΣΗΣ ΑΚΙΝΗΤΟΥ"},
};

constexpr E2Table kTable3Layout{kTable3, {}, 1030, 0, 0, 1150, 607, kE2Table3Rows, kTable3FirstPosition, true,
                                u" του πίνακα ΙΙ"};

struct PlacedText {
    FormRect rect;
    const char16_t* text;
    TextStyle style;
    int align;
};

constexpr PlacedText kTexts[] = {
    {{5, 10, 2702, 45}, u"ΣΥΜΠΛΗΡΩΜΑΤΙΚΑ ΣΤΟΙΧΕΙΑ ΑΚΙΝΗΤΩΝ", TextStyle::Title, kAlignCentre},
    {{5, 60, 1400, 36}, u"Ι. ΕΚΜΙΣΘΟΥΜΕΝΑ ΚΤΛ. ΑΚΙΝΗΤΑ", TextStyle::SubHeading, kAlignLeft},
    {{5, 985, 2702, 40},
     u"ΙΙ. ΑΚΙΝΗΤΗ ΠΕΡΙΟΥΣΙΑ ΠΟΥ ΤΟ 2014 ΕΙΝΑΙ ΗΜΙΤΕΛΗΣ Ή ΜΕΤΑΒΙΒΑΣΤΗΚΕ Ή ΑΠΟΚΤΗΘΗΚΕ ΑΠΟ ΑΓΟΡΑ - ΚΛΗΡΟΝΟΜΙΑ -  "
     u"ΔΩΡΕΑ - ΓΟΝΙΚΗ ΠΑΡΟΧΗ ΚΤΛ",
     TextStyle::SubHeading, kAlignLeft},
    {{1049, 1040, 1652, 50}, u"ΤΙΤΛΟΣ ΚΤΗΣΗΣ Ή ΜΕΤΑΒΙΒΑΣΗΣ ΑΚΙΝΗΤΟΥ, ΑΡΙΘ.", TextStyle::ColumnHead, kAlignCentre},
    {{1049, 1090, 1652, 50}, u"ΣΥΜΒΟΛΑΙΟΥ, ΟΝΟΜ/ΜΟ ΣΥΜΒΟΛΑΙΟΓΡΑΦΟΥ", TextStyle::ColumnHead, kAlignCentre},
    {{2150, 1870, 560, 40}, u"Ο ΔΗΛΩΝ", TextStyle::SubHeading, kAlignCentre},
};

// The box of the form's numbered instructions.
constexpr FormRect kInstructions{5, 1420, 2702, 420};

}  // namespace

forms::FormPage BuildE2Page2() {
    E2PageBuilder page(2, kE2PicturePixels);
    for (const PlacedText& t : kTexts) page.Text(t.rect, t.text, t.style, t.align);
    page.Table(kTable2Layout);
    page.Table(kTable3Layout);
    page.Frame(kInstructions);
    for (int p = kTable2FirstPosition; p <= kE2Positions; ++p) {
        page.Hidden(QStringLiteral("edThesiID%1").arg(p), FieldKind::Whole,
                    QStringLiteral("κωδικός «ΘΕΣΗ» της θέσης %1").arg(p));
        page.Hidden(QStringLiteral("edXrisiID%1").arg(p), FieldKind::Whole,
                    QStringLiteral("κωδικός «ΚΑΤΗΓΟΡΙΑ» της θέσης %1").arg(p));
    }
    return page.Finish();
}

}  // namespace dz
