// Box labels: every box of every E1 and E2 page is named as the form shows it, never by its control name.
#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>

#include "forms/e2_pages.h"
#include "forms/form_page.h"
#include "model/e1_codes.h"

namespace dz::forms {
namespace {

// A label that quotes a control name ("edP301", "cbMarried", "sbGetThesi3") betrays the code.
bool ShowsControlName(const QString& label) {
    static const QRegularExpression control(QStringLiteral("\\b(ed|cb|sb|bt|im|qr)[A-Z0-9]"));
    return control.match(label).hasMatch();
}

void CheckPage(const FormPage& page, const char* form) {
    QMap<QString, QString> seen;  // label -> box
    for (const FormBox& box : page.boxes) {
        if (box.presence == Presence::PrintOnly) continue;  // nothing of the window, nothing to name
        const std::string where = std::string(form) + " page " + std::to_string(page.number) + " box " +
                                  box.name.toStdString() + " labelled \"" + box.label.toStdString() + "\"";
        EXPECT_FALSE(box.label.trimmed().isEmpty()) << where;
        EXPECT_NE(box.label, box.name) << where;
        EXPECT_FALSE(ShowsControlName(box.label)) << where;
        EXPECT_FALSE(box.label.contains(QLatin1String("«»"))) << where << ": an empty caption";
        const auto other = seen.constFind(box.label);
        EXPECT_TRUE(other == seen.constEnd())
            << where << " shares its label with " << (other == seen.constEnd() ? "" : other->toStdString());
        seen.insert(box.label, box.name);
    }
}

TEST(BoxLabels, EveryBoxOfEveryPageHasItsOwnLabel) {
    for (int page = 0; page < kE1PageCount; ++page) CheckPage(E1Page(page), "E1");
    for (int page = 0; page < kE2PageCount; ++page) CheckPage(E2Page(page), "E2");
}

TEST(BoxLabels, EveryCodeBoxIsNamedByItsPrintedCode) {
    int codes = 0;
    for (const E1CodeBox& code : E1CodeBoxes()) {
        ++codes;
        const QString name = CodeControlName(code.code);
        EXPECT_EQ(BoxLabel(name).toStdString(), CodeLabel(code.code).toStdString()) << name.toStdString();
    }
    EXPECT_EQ(codes, 403);
    EXPECT_EQ(CodeLabel(13), QStringLiteral("κωδικός 013"));
}

TEST(BoxLabels, DataFieldsAreNamedByCaptionAndRow) {
    struct Case {
        const char* name;
        Form form;
        const char16_t* label;
    };
    const Case cases[] = {
        {"edP301", Form::E1, u"κωδικός 301"},
        {"cbExairesiF", Form::E1, u"κωδικός 027"},
        {"edCarIppoi2", Form::E1, u"«Κυβικά εκατοστά (cc)» του αυτοκινήτου 2"},
        {"edCarIppoi7", Form::E1, u"«Κυβικά εκατοστά (cc)» του αυτοκινήτου 7"},
        {"edBigName", Form::E1, u"«ΕΠΩΝΥΜΟ» του υπόχρεου"},
        {"edSyzAFM", Form::E1, u"«ΑΡΙΘ. ΦΟΡΟΛ. ΜΗΤΡ. ΣΥΖΥΓΟΥ» της συζύγου"},
        {"edPhone", Form::E1, u"«ΤΗΛΕΦΩΝΟ ΚΑΤΟΙΚΙΑΣ» του υπόχρεου"},
        {"edDoy", Form::E1, u"«Προς τη Δ.Ο.Υ.»"},
        {"edAACode", Form::E1, u"«ΑΡ. ΚΑΤΑΧΩΡΗΣΗΣ»"},
        {"edThesi2", Form::E1, u"«Θέση (όροφος)» της κατοικίας 2"},
        {"edScafosLen2", Form::E1, u"«Μήκος (μ.)» του σκάφους 2"},
        {"edEnoikioName5", Form::E1, u"«Ονοματεπώνυμο ή επωνυμία ιδιοκτήτη» της γραμμής 5 του 6.13"},
        {"edP2AFM3", Form::E1, u"«Α.Φ.Μ. λοιπού μέλους» της γραμμής 3 του πίνακα 8"},
        {"edIBAN", Form::E1, u"«Αριθμός λογαριασμού»"},
        {"edEName3", Form::E2, u"«Ονοματεπώνυμο» της γραμμής 3"},
        {"edEName3", Form::E1, u"«Ονοματεπώνυμο» της γραμμής 3"},  // only E2 has it
        {"edPlace1", Form::E2, u"«ΘΕΣΗ» της γραμμής 1"},
        {"edPlace1", Form::E1, u"«Διεύθυνση κατοικίας» της κατοικίας 1"},
        {"edPin2SName2", Form::E2, u"«ΟΝΟΜΑΤΕΠΩΝΥΜΟ» της γραμμής 2 του πίνακα Ι"},
        {"edPin3Title2", Form::E2, u"«ΤΙΤΛΟΣ ΚΤΗΣΗΣ Ή ΜΕΤΑΒΙΒΑΣΗΣ ΑΚΙΝΗΤΟΥ» της γραμμής 2 του πίνακα ΙΙ"},
        {"edTotal1", Form::E2, u"«ΑΘΡΟΙΣΜΑ» της στήλης 13"},
        {"edAFM", Form::E2, u"«Α.Φ.Μ.» του εισοδηματία"},
        {"edNoSuchBox", Form::E1, u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BoxLabel(QString::fromLatin1(c.name), c.form).toStdString(),
                  QString::fromUtf16(c.label).toStdString())
            << c.name << (c.form == Form::E1 ? " on E1" : " on E2");
}

}  // namespace
}  // namespace dz::forms
