// Page 4 of the E1 form: tables 6 (amounts covering the expenditure, rents paid) to 10 (bank account), signatures.
#include "forms/e1_pages.h"
#include "forms/page_builder.h"

namespace dz::forms {
namespace {

GridCell Text(const QString& name, FieldKind kind, int maxLength) {
    GridCell cell;
    cell.name = name;
    cell.kind = kind;
    cell.maxLength = maxLength;
    cell.decimals = false;  // rented areas print as one amount
    return cell;
}

GridCell Number(int row) {
    GridCell cell;
    cell.caption = QString::number(row);
    return cell;
}

GridCell Code(int code) {
    GridCell cell;
    cell.code = code;
    return cell;
}

void Rents(PageBuilder& p) {
    const std::vector<GridColumn> columns = {
        {u"α/α", 50},          {u"Ονοματεπώνυμο ή επωνυμία ιδιοκτήτη", 0}, {u"Α.Φ.Μ. ιδιοκτήτη", 230},
        {u"Επιφάνεια (τ.μ.)", 180}, {u"Υπόχρεος", kSlotWidth},          {u"Σύζυγος", kSlotWidth},
    };
    p.SubTitle(u"6.12 Ενοίκια κύριας κατοικίας");
    p.GridHead(columns, 34);
    for (int r = 1; r <= 3; ++r)
        p.GridRow(columns, {Number(r), Text(QStringLiteral("edEnoikioName%1").arg(r), FieldKind::Text, 25),
                            Text(QStringLiteral("ed80%1").arg(r), FieldKind::TaxNumber, 10),
                            Text(QStringLiteral("edEnoikioEpif%1").arg(r), FieldKind::Amount, 0),
                            Code(811 + 2 * (r - 1)), Code(812 + 2 * (r - 1))},
                  0, QStringLiteral("της γραμμής %1 του 6.12").arg(r));
    p.SubTitle(u"6.13 Ενοίκια κατοικίας τέκνων που σπουδάζουν στην ημεδαπή");
    for (int r = 4; r <= 7; ++r)
        p.GridRow(columns, {Number(r), Text(QStringLiteral("edEnoikioName%1").arg(r), FieldKind::Text, 25),
                            Text(QStringLiteral("ed80%1").arg(r), FieldKind::TaxNumber, 10), GridCell{},
                            Code(817 + 2 * (r - 4))},
                  0, QStringLiteral("της γραμμής %1 του 6.13").arg(r));
    p.SubTitle(u"6.14 Λοιπά μισθωμένα ακίνητα");
    p.GridRow(columns, {Number(1), Text("edCompName9", FieldKind::Text, 25), Text("edCompAFM9", FieldKind::TaxNumber, 10),
                        Text("edCompEpifania9", FieldKind::Amount, 0)},
              0, QStringLiteral("της γραμμής 1 του 6.14"));
}

void Dependants(PageBuilder& p) {
    const std::vector<GridColumn> groups = {
        {u"", 50}, {u"ΤΕΚΝΑ", 930}, {u"ΛΟΙΠΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΑ ΜΕΛΗ", 0}};
    const std::vector<GridColumn> columns = {
        {u"α/α", 50},     {u"Όνομα", 230},          {u"Έτος γέννησης", 110},    {u"Σχολή / σχολείο", 230},
        {u"Α.Φ.Μ.", 170, Presence::Both, u"Α.Φ.Μ. τέκνου"},
        {u"Α.Μ.Κ.Α.", 190, Presence::Both, u"Α.Μ.Κ.Α. τέκνου"},
        {u"Α.Φ.Μ.", 170, Presence::Both, u"Α.Φ.Μ. λοιπού μέλους"},
        {u"Α.Μ.Κ.Α.", 0, Presence::Both, u"Α.Μ.Κ.Α. λοιπού μέλους"},
        {u"Σχέση / συγκατοίκηση με τον υπόχρεο", 210}, {u"Σχέση / συγκατοίκηση με τη σύζυγο", 210},
    };
    p.GridHead(groups, 30);
    p.GridHead(columns, 50);
    const char* childAfm[] = {"edCompany8AFM1", "edCompany8AFM2", "edCompany8AFM3", "edCompany12cAFM"};
    const char* otherAmka[] = {"edCompany8aName", "edCompany8aDiax", "edCompany8aDOY", "edCompany8bName"};
    const int otherAmkaLength[] = {50, 20, 30, 50};
    for (int r = 1; r <= 4; ++r)
        p.GridRow(columns, {Number(r), Text(QStringLiteral("edP2Name%1").arg(r), FieldKind::Text, 15),
                            Text(QStringLiteral("edP2Year%1").arg(r), FieldKind::Text, 4),
                            Text(QStringLiteral("edP2School%1").arg(r), FieldKind::Text, 15),
                            Text(childAfm[r - 1], FieldKind::TaxNumber, 12),
                            Text(QStringLiteral("edP2BigName%1").arg(r), FieldKind::Text, 28),
                            Text(QStringLiteral("edP2AFM%1").arg(r), FieldKind::TaxNumber, 9),
                            Text(otherAmka[r - 1], FieldKind::Text, otherAmkaLength[r - 1]),
                            Text(QStringLiteral("edP2Ypox%1").arg(r), FieldKind::Text, 10),
                            Text(QStringLiteral("edP2Syz%1").arg(r), FieldKind::Text, 10)},
                  0, QStringLiteral("της γραμμής %1 του πίνακα 8").arg(r));
}

void Signatures(PageBuilder& p) {
    constexpr int kAccountantWidth = 760;
    const std::vector<GridColumn> columns = {{u"Ημερομηνία", 0}, {u"Ο/Η ΔΗΛΩΝ/ΟΥΣΑ", 0},
                                             {u"Ο ΛΟΓΙΣΤΗΣ", kAccountantWidth}};
    p.GridHead(columns, 30);
    // The accountant's seven lines are printed blank; the window has nothing to type there.
    constexpr int kLines = 7;
    constexpr int kLine = 26;
    const int x = kContentWidth - kAccountantWidth + 10;
    for (int k = 1; k <= kLines; ++k)
        p.PrintOnlyBox(QStringLiteral("qrLog%1").arg(k), x, 4 + (k - 1) * kLine, kAccountantWidth - 20, kLine);
    p.GridRow(columns, {}, kLines * kLine + 8);
}

}  // namespace

FormPage BuildE1Page4() {
    PageBuilder p(4, QSize(964, 1364), 38);
    const auto persons = {u"Υπόχρεος", u"Σύζυγος"};

    p.Title(u"ΠΙΝΑΚΑΣ 6. ΠΟΣΑ ΠΟΥ ΔΕΝ ΦΟΡΟΛΟΓΟΥΝΤΑΙ Ή ΚΑΛΥΠΤΟΥΝ ΤΗ ΔΑΠΑΝΗ, ΕΝΟΙΚΙΑ ΠΟΥ ΚΑΤΑΒΛΗΘΗΚΑΝ");
    p.CodeTable(
        persons,
        {
            {u"Ποσά από πώληση περιουσιακών στοιχείων, εισαγωγή κεφαλαίων, δάνεια, δωρεές, κληρονομιές κλπ", {781, 782}},
            {u"Κεφάλαια που επαναπατρίστηκαν", {783, 784}},
            {u"Ανάλωση κεφαλαίου που έχει ήδη φορολογηθεί ή απαλλαγεί", {787, 788}},
            {u"Επίδομα κοινωνικής αλληλεγγύης (ΕΚΑΣ) χωρίς ηλεκτρονική πληροφόρηση", {305, 306}},
            {u"Επίδομα κοινωνικής αλληλεγγύης (ΕΚΑΣ) με ηλεκτρονική πληροφόρηση", {335, 336}},
            {u"Κέρδη από νομικά πρόσωπα που τηρούν απλογραφικά βιβλία", {431, 432}},
            {.caption = u"Φόρος που παρακρατήθηκε στα εισοδήματα που απαλλάσσονται ή φορολογούνται με ειδικό τρόπο (χωρίς "
             u"ηλεκτρονική πληροφόρηση)",
             .codes = {433, 434}, .tall = true},
            {.caption = u"Φόρος που παρακρατήθηκε στα εισοδήματα που απαλλάσσονται ή φορολογούνται με ειδικό τρόπο (με "
             u"ηλεκτρονική πληροφόρηση)",
             .codes = {613, 614}, .tall = true},
            {u"Εισοδήματα που απαλλάσσονται από το φόρο και την εισφορά, με ηλεκτρονική πληροφόρηση", {617, 618}},
            {u"Εισοδήματα που απαλλάσσονται ή φορολογούνται με ειδικό τρόπο, με ηλεκτρονική πληροφόρηση", {619, 620}},
            {u"Εισόδημα κατά το οποίο μειώνεται η προκαταβολή του επόμενου έτους", {655, 656}},
            {u"Εισοδήματα που απαλλάσσονται από το φόρο και την εισφορά, χωρίς ηλεκτρονική πληροφόρηση", {657, 658}},
            {u"Εισοδήματα που απαλλάσσονται ή φορολογούνται με ειδικό τρόπο, χωρίς ηλεκτρονική πληροφόρηση",
             {659, 660}},
            {u"Επίδομα ανεργίας", {661, 662}},
            {u"Λοιπά ποσά (κωδικοί 419 - 420)", {419, 420}},
            {u"Λοιπά ποσά (κωδικοί 031 - 032)", {31, 32}},
            {u"Λοιπά ποσά (κωδικός 804)", {804}},
            {u"Λοιπά ποσά (κωδικοί 805 - 806)", {805, 806}},
        });
    Rents(p);
    p.CodeTable(persons, {
                             {u"Πληροφοριακό στοιχείο (κωδικοί 846 - 847)", {846, 847}},
                             {u"Πληροφοριακό στοιχείο (κωδικοί 848 - 849)", {848, 849}},
                             {u"Πληροφοριακό στοιχείο (κωδικός 092)", {92}},
                             {u"Πληροφοριακό στοιχείο (κωδικός 094)", {94}},
                             {u"Πληροφοριακό στοιχείο (κωδικός 096)", {96}},
                         },
                0);
    p.Skip(6);

    p.Title(u"ΠΙΝΑΚΑΣ 7. ΔΑΠΑΝΕΣ ΚΑΙ ΠΟΣΑ ΠΟΥ ΜΕΙΩΝΟΥΝ ΤΟ ΦΟΡΟ");
    p.CodeTable(persons,
                {
                    {u"Αποδείξεις αγορών αγαθών και υπηρεσιών (ένα ποσό για τους δύο συζύγους)", {49}},
                    {u"Ιατρικές, νοσοκομειακές και φαρμακευτικές δαπάνες", {51, 52}},
                    {u"Δωρεές", {59, 60}},
                    {u"Χορηγίες πολιτιστικού χαρακτήρα (ν. 3525/2007)", {61, 62}},
                    {u"Χρηματικές δωρεές για την αποπληρωμή του δημοσίου χρέους", {75, 76}},
                    {u"Μισθώματα επιχειρήσεων τριτογενούς τομέα", {77, 78}},
                    {u"Ποσό που επενδύθηκε σε κινηματογραφικές ταινίες", {663, 664}},
                    {u"Υπάγεστε στην περίπτωση α΄ της διάταξης για επένδυση σε κινηματογραφικές ταινίες;", {33, 34}},
                    {u"Υπάγεστε στην περίπτωση β΄ της ίδιας διάταξης;", {35, 36}},
                });
    p.Skip(6);

    p.Title(u"ΠΙΝΑΚΑΣ 8. ΣΤΟΙΧΕΙΑ ΠΡΟΣΤΑΤΕΥΟΜΕΝΩΝ ΜΕΛΩΝ");
    Dependants(p);
    p.CodeTable(persons, {
                             {u"Αριθμός προστατευόμενων μελών (κωδικοί 003 - 004)", {3, 4}},
                             {u"Στοιχεία προστατευόμενων μελών (κωδικός 097)", {97}},
                             {u"Στοιχεία προστατευόμενων μελών (κωδικός 098)", {98}},
                             {u"Στοιχεία προστατευόμενων μελών (κωδικός 099)", {99}},
                         },
                0);
    p.Skip(6);

    p.Title(u"ΠΙΝΑΚΑΣ 9. ΠΡΟΚΑΤΑΒΟΛΗ ΦΟΡΟΥ ΚΑΙ ΛΟΙΠΑ ΠΟΣΑ");
    p.CodeTable(persons, {
                             {u"Προκαταβολή φόρου που καταβλήθηκε το προηγούμενο έτος", {901, 902}},
                             {u"Ποσά που λογίζονται ως απαλλασσόμενο εισόδημα", {995, 996}},
                             {u"Λοιπά ποσά (κωδικοί 997 - 998)", {997, 998}},
                         });
    p.Skip(6);

    p.Title(u"ΠΙΝΑΚΑΣ 10. ΤΡΑΠΕΖΙΚΟΣ ΛΟΓΑΡΙΑΣΜΟΣ ΓΙΑ ΤΗΝ ΕΠΙΣΤΡΟΦΗ ΦΟΡΟΥ");
    p.FieldRow({{.caption = u"Επωνυμία τράπεζας", .name = "edTrapezaName", .weight = 5, .maxLength = 20,
                 .printName = "edTrapeza1"},
                {.caption = u"Κωδικός τράπεζας", .name = "edTrapezaCode", .weight = 2, .maxLength = 3,
                 .split = Split::Cells, .cells = 3},
                {.caption = u"Αριθμός λογαριασμού (IBAN)", .name = "edIBAN", .weight = 14, .maxLength = 26,
                 .split = Split::Cells, .cells = 25}},
               66);
    p.Skip(10);
    Signatures(p);
    return p.Finish();
}

}  // namespace dz::forms
