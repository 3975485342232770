// Page 3 of the E1 form: table 4Δ2 continued, 4Ε, and table 5 (residences, cars, boats, aircraft, pools, acquisitions).
#include "forms/e1_pages.h"
#include "forms/page_builder.h"

namespace dz::forms {
namespace {

constexpr int kCarsShownOnForm = 4;  // cars 5 to 7 are typed here and printed on the attachment
constexpr int kCarCount = 7;

// The residence table: a caption column and one column per residence.
const std::vector<GridColumn> kResidenceColumns = {
    {u"", 0}, {u"1. Κύρια κατοικία", 400}, {u"2. Δευτερεύουσα κατοικία", 400}, {u"3. Δευτερεύουσα κατοικία", 400}};

struct ResidenceCodes {
    const char16_t* caption;
    std::array<int, 3> codes;  // residence 1, 2, 3 (0: no box)
    Presence boxes = Presence::Both;  // the row's caption and rules are on the form whatever this is
    const char16_t* hint = nullptr;
};

constexpr const char16_t* kHalfSurfaceHint =
    u"Η επιφάνεια που συμπληρώνεται σε αυτόν τον κωδικό πρέπει να συμπεριλαμβάνεται και στον αντίστοιχο κωδικό "
    u"επιφάνειας κύριων χώρων";

// Rows of codes of the residence table, top to bottom.
constexpr ResidenceCodes kResidenceRows[] = {
    {u"Μισθωμένη", {203, 207, 209}},
    // Only the window has these boxes: the printed page marks "granted free" in the rented
    // boxes 207 and 209 of the row above.
    {u"Παραχωρημένη δωρεάν", {0, 204, 205}, Presence::WindowOnly},
    {u"Μονοκατοικία", {240, 241, 242}},
    {u"Επιφάνεια κύριων χώρων (τ.μ.)", {211, 218, 225}},
    {u"Επιφάνεια βοηθητικών χώρων (τ.μ.)", {212, 219, 226}},
    {u"Από την επιφάνεια κύριων χώρων, τ.μ. που υπολογίζονται κατά 50%", {231, 232, 233}, Presence::Both,
     kHalfSurfaceHint},
    {u"Από την επιφάνεια βοηθητικών χώρων, τ.μ. που υπολογίζονται κατά 50%", {234, 235, 236}},
    {u"Ποσοστό συνιδιοκτησίας υπόχρεου (%)", {213, 220, 227}},
    {u"Ποσοστό συνιδιοκτησίας συζύγου (%)", {214, 221, 228}},
    {u"Μήνες ιδιοκατοίκησης", {215, 222, 229}},
    {u"Τιμή ζώνης (ευρώ ανά τ.μ.)", {216, 223, 230}},
    {u"Ετήσια δαπάνη (τεκμήριο) υπόχρεου", {115, 117, 119}},
    {u"Ετήσια δαπάνη (τεκμήριο) συζύγου", {116, 118, 120}},
};

GridCell Caption(const QString& text, Presence presence = Presence::Both) {
    GridCell cell;
    cell.caption = text;
    cell.align = 0x0081;
    cell.presence = presence;
    return cell;
}

GridCell Code(int code, Presence presence = Presence::Both, bool decimals = true) {
    GridCell cell;
    cell.code = code;
    cell.presence = presence;
    cell.decimals = decimals;
    return cell;
}

GridCell Field(const QString& name, FieldKind kind, int maxLength = 0, Presence presence = Presence::Both) {
    GridCell cell;
    cell.name = name;
    cell.kind = kind;
    cell.maxLength = maxLength;
    cell.presence = presence;
    // Areas and shares of pools and rents print as one amount, without a decimals box.
    cell.decimals = false;
    return cell;
}

void Residences(PageBuilder& p, int rowHeight) {
    p.GridHead(kResidenceColumns, 34);
    // The residences are the columns: a box is named by its row's caption and its residence.
    const auto of = [](const char* caption, int residence) {
        return QStringLiteral("«%1» της κατοικίας %2").arg(QString::fromUtf8(caption)).arg(residence);
    };
    GridCell address = Caption(QStringLiteral("Διεύθυνση κατοικίας και οδοί που περικλείουν το οικοδομικό τετράγωνο"));
    std::vector<GridCell> addressRow{address};
    for (int r = 1; r <= 3; ++r) {
        GridCell cell = Field(QStringLiteral("edPlace%1").arg(r), FieldKind::Text, 255);
        cell.label = of("Διεύθυνση κατοικίας", r);
        cell.split = Split::Lines;
        const QString place = QStringLiteral("edPlace%1").arg(r);
        cell.printParts = {place + u'1', place + u'2'};
        addressRow.push_back(cell);
    }
    p.GridRow(kResidenceColumns, addressRow, 2 * rowHeight);
    std::vector<GridCell> floorRow{Caption(QStringLiteral("Θέση (όροφος)"))};
    for (int r = 1; r <= 3; ++r) {
        floorRow.push_back(Field(QStringLiteral("edThesi%1").arg(r), FieldKind::Text, 5));
        floorRow.back().label = of("Θέση (όροφος)", r);
    }
    p.GridRow(kResidenceColumns, floorRow);
    std::vector<GridCell> meterRow{Caption(QStringLiteral("Αριθμός παροχής ρεύματος"))};
    const char* meters[] = {"edParoxi", "edScafosCountry", "edScafosCountry2"};
    const int meterLengths[] = {60, 20, 20};
    for (int r = 1; r <= 3; ++r) {
        meterRow.push_back(Field(meters[r - 1], FieldKind::Text, meterLengths[r - 1]));
        meterRow.back().label = of("Αριθμός παροχής ρεύματος", r);
    }
    p.GridRow(kResidenceColumns, meterRow);
    for (const ResidenceCodes& row : kResidenceRows) {
        std::vector<GridCell> cells{Caption(QString::fromUtf16(row.caption))};
        for (int code : row.codes) {
            GridCell cell = code ? Code(code, row.boxes) : GridCell{};
            cell.rules = Presence::Both;
            if (row.hint) cell.hint = QString::fromUtf16(row.hint);
            cells.push_back(cell);
        }
        p.GridRow(kResidenceColumns, cells);
    }
}

void Cars(PageBuilder& p) {
    const std::vector<GridColumn> columns = {
        {u"α/α", 50},
        {u"Α.Φ.Μ. ιδιοκτήτη ή κατόχου", 0},
        {u"Αριθμός κυκλοφορίας", 210},
        {u"Κυβικά εκατοστά (cc)", 120},
        {u"Μήνες κατοχής", 100},
        {u"Ποσοστό συνιδιοκτ. (%)", 120},
        {u"Έτος πρώτης κυκλοφορίας", 130},
        {u"Της συζύγου", 90, Presence::WindowOnly},
        {u"Κατηγ. μείωσης", 100, Presence::WindowOnly},
        {u"Υπόχρεος", kSlotWidth},
        {u"Σύζυγος", kSlotWidth},
    };
    p.GridHead(columns, 50);
    for (int c = 1; c <= kCarCount; ++c) {
        const Presence shown = c <= kCarsShownOnForm ? Presence::Both : Presence::WindowOnly;
        const QString n = QString::number(c);
        GridCell plate = Field(QStringLiteral("edCarNumber") + n, FieldKind::Text, 10, shown);
        plate.split = Split::Columns;
        plate.printParts = {QStringLiteral("edCarDigits") + n, QStringLiteral("edCarNbr") + n};
        GridCell which = Field(QStringLiteral("cbCarWhich") + n, FieldKind::YesNo, 0, Presence::WindowOnly);
        which.caption = QStringLiteral("ΝΑΙ");
        p.GridRow(columns, {Caption(n, shown),
                            Field(QStringLiteral("edCarName") + n, FieldKind::TaxNumber, 25, shown), plate,
                            Field(QStringLiteral("edCarIppoi") + n, FieldKind::Whole, 0, shown),
                            Field(QStringLiteral("edCarMonths") + n, FieldKind::Whole, 0, shown),
                            Field(QStringLiteral("edCarPosost") + n, FieldKind::Whole, 0, shown),
                            Field(QStringLiteral("edCarYear") + n, FieldKind::Whole, 0, shown), which,
                            Field(QStringLiteral("edCarMeiwsi") + n, FieldKind::Text, 1, Presence::WindowOnly),
                            Code(849 + 2 * c, shown), Code(850 + 2 * c, shown)},
                  0, QStringLiteral("του αυτοκινήτου ") + n);
    }
}

void Boats(PageBuilder& p) {
    const std::vector<GridColumn> columns = {
        {u"α/α", 50},
        {u"Α.Φ.Μ. ιδιοκτήτη ή κατόχου", 0},
        {u"Αριθμός νηολογίου και λιμάνι", 0},
        {u"Μήκος (μ.)", 90},
        {u"Με χώρους διαμονής", 110},
        {u"Ιστιοφόρο", 110},
        {u"Μήνες κατοχής", 90},
        {u"Ποσοστό υπόχρεου (%)", 100},
        {u"Ποσοστό συζύγου (%)", 100},
        {u"Έτος πρώτης νηολόγησης", 220},
        {u"Υπόχρεος", kSlotWidth},
        {u"Σύζυγος", kSlotWidth},
    };
    p.GridHead(columns, 50);
    struct Boat {
        const char16_t* number;
        const char* suffix;  // boat 2's fields end in "2"
        const char* cabin;
        const char* sailing;
        const char* cabinPrint;
        const char* sailingPrint;
        const char* shareTaxpayer;
        const char* shareSpouse;
        int year;
        int amount;
    };
    constexpr Boat kBoats[] = {
        {u"1", "", "cbBoatType0", "cbBoatType1", "cbPEndBoat1", "cbPIstBoat1", "edScafosPososto1", "edScafosPososto2",
         961, 711},
        {u"2", "2", "cbBoatType2", "cbBoatType3", "cbPEndBoat2", "cbPIstBoat2", "edScafosPososto3", "edScafosPososto4",
         963, 713},
    };
    for (const Boat& b : kBoats) {
        const QString suffix = QString::fromLatin1(b.suffix);
        GridCell cabin = Field(b.cabin, FieldKind::YesNo);
        cabin.printName = b.cabinPrint;
        cabin.caption = QStringLiteral("ΝΑΙ");
        GridCell sailing = Field(b.sailing, FieldKind::YesNo);
        sailing.printName = b.sailingPrint;
        sailing.caption = QStringLiteral("ΝΑΙ");
        p.GridRow(columns, {Caption(QString::fromUtf16(b.number)), Field(QStringLiteral("edScafosName") + suffix, FieldKind::TaxNumber, 40),
                            Field(QStringLiteral("edScafosLimani") + suffix, FieldKind::Text, 40),
                            Field(QStringLiteral("edScafosLen") + suffix, FieldKind::Whole),
                            cabin, sailing,
                            Field(QStringLiteral("edScafosMonths") + suffix, FieldKind::Whole),
                            Field(b.shareTaxpayer, FieldKind::Whole), Field(b.shareSpouse, FieldKind::Whole),
                            Code(b.year), Code(b.amount), Code(b.amount + 1)},
                  0, QStringLiteral("του σκάφους ") + QString::fromUtf16(b.number));
    }
}

void Aircraft(PageBuilder& p) {
    const std::vector<GridColumn> columns = {
        {u"Εθνικότητα και στοιχεία νηολόγησης", 0},
        {u"Τύπος", 230},
        {u"Αριθμός σειράς κατασκευαστή", 0},
        {u"Αεροδρόμιο συνήθους στάθμευσης", 250},
        {u"Ιπποδύναμη ή λίβρες ώσης", 130},
        {u"Μήνες κατοχής", 100},
        {u"Υπόχρεος", kSlotWidth},
        {u"Σύζυγος", kSlotWidth},
    };
    p.GridHead(columns, 50);
    p.GridRow(columns, {Field("edAeroPlaneName", FieldKind::Text, 40), Field("edAeroPlaneTipos", FieldKind::Text, 20),
                        Field("edAeroPlaneNum", FieldKind::Text, 40), Field("edAeroPlaneLimani", FieldKind::Text, 20),
                        Field("edAeroPlaneKoroi", FieldKind::Whole), Field("edAeroPlaneMonths", FieldKind::Whole),
                        Code(715), Code(716)},
              0, QStringLiteral("του αεροσκάφους"));
}

void Pools(PageBuilder& p) {
    const std::vector<GridColumn> columns = {
        {u"Πισίνα", 0},
        {u"Επιφάνεια (τ.μ.)", 170},
        {u"Ποσοστό υπόχρεου (%)", 170},
        {u"Ποσοστό συζύγου (%)", 170},
        {u"Μήνες κατοχής", 220},
        {u"Υπόχρεος", kSlotWidth},
        {u"Σύζυγος", kSlotWidth},
    };
    p.GridHead(columns, 50);
    p.GridRow(columns, {Caption(QStringLiteral("Υπαίθρια")), Field("edDexamOutMetr", FieldKind::Amount),
                        Field("edDexamPosOut", FieldKind::Amount), Field("edDexamSPosOut", FieldKind::Amount),
                        Code(740, Presence::Both, false), Code(765), Code(766)},
              0, QStringLiteral("της υπαίθριας πισίνας"));
    p.GridRow(columns, {Caption(QStringLiteral("Κλειστή")), Field("edDexamInMetr", FieldKind::Amount),
                        Field("edDexamPosIn", FieldKind::Amount), Field("edDexamSPosIn", FieldKind::Amount),
                        Code(749, Presence::Both, false)},
              0, QStringLiteral("της κλειστής πισίνας"));
}

}  // namespace

FormPage BuildE1Page3() {
    constexpr int kRow = 35;
    PageBuilder p(3, QSize(964, 1418), kRow);
    const auto persons = {u"Υπόχρεος", u"Σύζυγος"};

    p.Title(u"ΠΙΝΑΚΑΣ 4. ΦΟΡΟΛΟΓΟΥΜΕΝΑ ΕΙΣΟΔΗΜΑΤΑ ΚΑΙ ΜΕΙΩΣΕΙΣ (συνέχεια)");
    p.SubTitle(u"Δ2. ΕΙΣΟΔΗΜΑ ΑΠΟ ΑΚΙΝΗΤΗ ΠΕΡΙΟΥΣΙΑ (συνέχεια)");
    p.CodeTable(persons,
                {
                    {u"Αποζημίωση που καταβλήθηκε βάσει νόμου από τον μισθωτή στον εκμισθωτή", {121, 122}},
                    {u"Αξία κτίσματος που ανεγέρθηκε από τον μισθωτή", {123, 124}},
                    {u"Ακαθάριστο εισόδημα κοινόχρηστων χώρων: καταστήματα κλπ", {131, 132}},
                    {u"Ακαθάριστο εισόδημα κοινόχρηστων χώρων: κατοικίες και δωρεάν παραχώρηση ή "
                     u"ιδιοχρησιμοποίηση",
                     {133, 134}},
                    {u"Δαπάνες για γαίες", {159, 160}},
                    {u"Αποζημίωση που καταβλήθηκε βάσει νόμου στον μισθωτή για λύση μίσθωσης επαγγελματικής στέγης",
                     {163, 164}},
                    {u"Ακαθάριστο εισόδημα του ακινήτου αυτού", {165, 166}},
                    {u"Καθαρό εισόδημα από ακίνητη περιουσία στην αλλοδαπή", {171, 172}},
                    {u"Φόρος που καταβλήθηκε στην αλλοδαπή για το εισόδημα των κωδ. 171-172", {175, 176}},
                    {u"Ακαθάριστο μίσθωμα για το οποίο δεν οφείλεται τέλος χαρτοσήμου", {741, 742}},
                },
                14);
    p.SubTitle(u"Ε. ΕΙΣΟΔΗΜΑ ΑΠΟ ΥΠΕΡΑΞΙΑ ΜΕΤΑΒΙΒΑΣΗΣ ΚΕΦΑΛΑΙΟΥ");
    p.CodeTable(persons, {
                             {u"Καθαρή υπεραξία από μεταβίβαση ακίνητης περιουσίας", {825, 826}},
                             {u"Φόρος που παρακρατήθηκε στην υπεραξία από μεταβίβαση ακίνητης περιουσίας", {827, 828}},
                             {u"Υπεραξία από μεταβίβαση τίτλων ημεδαπής", {829, 830}},
                             {u"Υπεραξία από μεταβίβαση τίτλων αλλοδαπής", {865, 866}},
                             {u"Φόρος που παρακρατήθηκε στην υπεραξία των κωδ. 865-866", {867, 868}},
                             {u"Ζημιά από μεταβίβαση τίτλων", {871, 872}},
                         });
    p.Skip(6);

    p.Title(u"ΠΙΝΑΚΑΣ 5. ΠΡΟΣΔΙΟΡΙΣΜΟΣ ΕΤΗΣΙΑΣ ΑΝΤΙΚΕΙΜΕΝΙΚΗΣ ΔΑΠΑΝΗΣ");
    p.SubTitle(u"5.1 Κατοικίες");
    Residences(p, kRow);
    p.CodeTable(persons, {
                             {u"Λοιπά στοιχεία κατοικιών (κωδικοί 965 - 966)", {965, 966}},
                             {u"Ετήσια δαπάνη λοιπών κατοικιών", {707, 708}},
                         },
                0);

    // The commands of the cars table sit in its title band; the picture of the exemption
    // categories shows over the band and the heads while an exemption field has the focus.
    p.WindowControl("btPrintAuto", FieldKind::Button, u"Εκτύπωση Κατάστασης", 1250, 2, 330, 32);
    p.WindowControl("Button1", FieldKind::Button, u"Πίνακας Ίππων - K.E.", 1600, 2, 340, 32);
    p.WindowControl("imAutoType", FieldKind::Picture, nullptr, 880, 2, 316, 80,
                    u"Κατηγορίες μείωσης αυτοκινήτων");
    p.SubTitle(u"5.1γ Αυτοκίνητα");
    Cars(p);
    p.SubTitle(u"5.1δ Σκάφη αναψυχής");
    Boats(p);
    p.CodeTable(persons, {
                             {u"Λοιπά στοιχεία σκαφών (κωδικός 962)", {962}},
                             {u"Αμοιβές πληρωμάτων σκαφών αναψυχής", {731, 732}},
                         },
                0);
    p.SubTitle(u"5.1ε Αεροσκάφη, ελικόπτερα, ανεμόπτερα");
    Aircraft(p);
    p.SubTitle(u"5.1στ Πισίνες");
    Pools(p);
    p.SubTitle(u"5.1ζ Λοιπές δαπάνες (ένα ποσό για τους δύο συζύγους)");
    p.CodeRows(2, {
                      {u"Δίδακτρα σε ιδιωτικά σχολεία", {769}},
                      {u"Αμοιβές οικιακών βοηθών, οδηγών, δασκάλων κλπ", {770}},
                  });
    p.SubTitle(u"5.2 Ποσά που δαπανήθηκαν για απόκτηση περιουσιακών στοιχείων");
    p.CodeTable(persons, {
                             {u"Αγορά αυτοκινήτων", {719, 720}},
                             {u"Αγορά σκαφών αναψυχής, αεροσκαφών κλπ", {721, 722}},
                             {u"Αγορά κινητών πραγμάτων μεγάλης αξίας", {723, 724}},
                             {u"Δωρεές / χορηγίες μεγάλης αξίας", {725, 726}},
                             {u"Εξόφληση δανείων", {727, 728}},
                             {u"Αγορά ακινήτων ή ανέγερση οικοδομών", {735, 736}},
                             {u"Αγορά επιχειρήσεων, μετοχών, χρεογράφων κλπ", {743, 744}},
                             {u"Χορήγηση δανείων", {759, 760}},
                         });
    // Switches of the automatic calculations (residences, boats, pools): no place on the form.
    for (int code : {992, 993, 994}) p.HiddenBox(code);
    return p.Finish();
}

}  // namespace dz::forms
