// The special-cases page of the E1 window: questions the printed form does not ask, in two framed groups.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "e1/fi_e1.h"
#include "model/e1_codes.h"

namespace dz {
namespace {

using forms::FieldKind;

struct Question {
    const char16_t* label;
    const char* taxpayer;  // control names
    const char* spouse;
    FieldKind kind;
};

struct Group {
    const char* name;
    const char16_t* title;
    std::vector<Question> questions;
};

const Group kGroups[] = {
    {"gbUnemployed",
     u"Ειδικά πληροφοριακά στοιχεία για τους ανέργους",
     {{u"Είστε μακροχρόνια άνεργος, εγγεγραμμένος στο μητρώο του Ο.Α.Ε.Δ. :", "cbP777", "cbP778", FieldKind::YesNo}}},
    {"gbProfessionalFee",
     u"Ειδικά πληροφοριακά στοιχεία για τον υπολογισμό του τέλους επιτηδεύματος:",
     {
         {u"Η επιχείρηση σας (Εταιρική Μορφή) έχει έδρα σε πόλη με πληθυσμό πάνω από 200.000 κατοίκους",
          "cbTelos500F", "cbTelos500S", FieldKind::YesNo},
         {u"Η επιχείρηση σας (Εταιρική Μορφή) έχει έδρα σε τουριστικό τόπο και σε πόλη ή χωριό έως 200.000 "
          u"κατοίκους",
          "cbTelos400F", "cbTelos400S", FieldKind::YesNo},
         {u"Είστε Ελ. Επαγγελματίας - Επιτηδευματίας ΧΩΡΙΣ εξαρτημένη σχέση εργασίας ( πολλοί εργοδότες )", "cbP887",
          "cbP888", FieldKind::YesNo},
         {u"Σε περίπτωση που η επιχείρηση έχει υποκαταστήματα εισάγετε τον αριθμό τους: ", "edP931", "edP932",
          FieldKind::Whole},
         {u"Σε περίπτωση διακοπής του υποκαταστήματος μέσα στη χρήση εισάγετε τους μήνες λειτουργίας του:", "edP935",
          "edP936", FieldKind::Whole},
         {u"Σε περίπτωση διακοπής δραστηριότητας μέσα στη χρήση εισάγετε τους μήνες λειτουργίας της επιχείρησης:",
          "edP933", "edP934", FieldKind::Whole},
     }},
};

// Code of a control named "cbP"/"edP"/"edp" + three digits, 0 for any other name.
int CodeOfName(const QString& name) {
    if (name.size() != 6 || !(name.startsWith(QLatin1String("cbP")) || name.startsWith(QLatin1String("edP")) ||
                              name.startsWith(QLatin1String("edp"))))
        return 0;
    bool ok = false;
    const int code = name.mid(3).toInt(&ok);
    return ok && KindOfCode(code) != CodeKind::None ? code : 0;
}

}  // namespace

void TfiE1::BuildSpecialCases() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("pnSpecial"));
    auto* column = new QVBoxLayout(panel);
    for (const Group& group : kGroups) {
        auto* frame = new QGroupBox(QString::fromUtf16(group.title), panel);
        frame->setObjectName(QLatin1String(group.name));
        auto* grid = new QGridLayout(frame);
        grid->setColumnStretch(0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Υπόχρεος"), frame), 0, 1, Qt::AlignCenter);
        grid->addWidget(new QLabel(QStringLiteral("Σύζυγος"), frame), 0, 2, Qt::AlignCenter);
        int row = 1;
        for (const Question& q : group.questions) {
            auto* label = new QLabel(QString::fromUtf16(q.label), frame);
            label->setWordWrap(true);
            grid->addWidget(label, row, 0);
            int col = 1;
            for (const char* name : {q.taxpayer, q.spouse}) {
                forms::FormBox box;
                box.name = QLatin1String(name);
                box.kind = q.kind;
                box.code = CodeOfName(box.name);
                box.label = box.code ? forms::CodeLabel(box.code)
                                     : QStringLiteral("«%1» %2").arg(QString::fromUtf16(q.label).trimmed(),
                                                                     col == 1 ? QStringLiteral("(Υπόχρεος)")
                                                                              : QStringLiteral("(Σύζυγος)"));
                QWidget* control = MakeControl(box, frame);
                if (q.kind == FieldKind::Whole) control->setFixedWidth(80);
                grid->addWidget(control, row, col++, Qt::AlignCenter);
            }
            ++row;
        }
        column->addWidget(frame);
    }
    // The carriers of the two large-city boxes in the code list: never shown.
    for (int code : {93, 95}) {
        forms::FormBox box;
        box.name = CodeControlName(code);
        box.kind = FieldKind::Amount;
        box.code = code;
        MakeControl(box, panel)->hide();
    }
    column->addStretch();

    sbSpecial = new QScrollArea;
    sbSpecial->setObjectName(QStringLiteral("sbSpecial"));
    sbSpecial->setWidgetResizable(true);
    sbSpecial->setWidget(panel);
    AddPage(sbSpecial, QStringLiteral("Ειδικές Περιπτώσεις"));
}

}  // namespace dz
