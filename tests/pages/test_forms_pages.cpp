// The E1 page descriptions against the code list, their geometry, their print areas and the unit conversion.
#include <gtest/gtest.h>

#include <QSet>
#include <map>

#include "forms/form_page.h"
#include "render/page_render.h"
#include "render/print_areas.h"
#include "model/e1_codes.h"

namespace dz::forms {
namespace {

FieldKind ExpectedKind(CodeKind kind) {
    switch (kind) {
    case CodeKind::YesNo:
        return FieldKind::YesNo;
    case CodeKind::Integer:
        return FieldKind::Whole;
    default:
        return FieldKind::Amount;
    }
}

TEST(FormPages, EveryCodeHasExactlyOneBoxOnItsPage) {
    std::map<int, std::pair<int, const FormBox*>> found;  // code -> page, box
    for (int page = 0; page < kE1PageCount; ++page) {
        for (const FormBox& box : E1Page(page).boxes) {
            if (box.code == 0) continue;
            ASSERT_FALSE(found.count(box.code)) << "code " << box.code << " has two boxes (" << box.name.toStdString()
                                                << ")";
            found[box.code] = {page, &box};
        }
    }
    int onFormPages = 0;
    for (const E1CodeBox& code : E1CodeBoxes()) {
        const auto it = found.find(code.code);
        if (code.page == kSpecialCasesPage) {
            EXPECT_EQ(it, found.end()) << "code " << code.code << " belongs to the special-cases page";
            continue;
        }
        ++onFormPages;
        ASSERT_NE(it, found.end()) << "code " << code.code << " has no box";
        EXPECT_EQ(it->second.first, code.page) << "code " << code.code;
        const FormBox& box = *it->second.second;
        EXPECT_EQ(box.kind, ExpectedKind(code.kind)) << "code " << code.code;
        EXPECT_EQ(box.name, CodeControlName(code.code)) << "code " << code.code;
    }
    EXPECT_EQ(found.size(), std::size_t(onFormPages)) << "a box carries a code that has no control";
    EXPECT_EQ(onFormPages, 403 - 12);
}

TEST(FormPages, NamesAreUniqueAcrossTheFourPages) {
    QSet<QString> names;
    for (int page = 0; page < kE1PageCount; ++page)
        for (const FormBox& box : E1Page(page).boxes) {
            EXPECT_FALSE(box.name.isEmpty()) << "page " << page + 1;
            EXPECT_FALSE(names.contains(box.name)) << box.name.toStdString() << " twice";
            names.insert(box.name);
        }
}

TEST(FormPages, BoxesStayInsideThePageAndNeverOverlap) {
    for (int page = 0; page < kE1PageCount; ++page) {
        const FormPage& p = E1Page(page);
        const FormRect sheet{0, 0, kPageWidth, kPageHeight};
        std::vector<const FormBox*> placed;
        for (const FormBox& box : p.boxes) {
            if (box.presence == Presence::Hidden) continue;
            EXPECT_GT(box.rect.w, 0) << box.name.toStdString();
            EXPECT_GT(box.rect.h, 0) << box.name.toStdString();
            EXPECT_TRUE(sheet.Contains(box.rect)) << box.name.toStdString() << " leaves page " << page + 1;
            placed.push_back(&box);
        }
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j)
                EXPECT_FALSE(placed[i]->rect.Intersects(placed[j]->rect))
                    << placed[i]->name.toStdString() << " overlaps " << placed[j]->name.toStdString();
        int bottom = 0;
        for (const FormText& text : p.texts) {
            EXPECT_TRUE(sheet.Contains(text.rect)) << text.text.toStdString() << " leaves page " << page + 1;
            bottom = std::max(bottom, text.rect.bottom());
        }
        for (const FormFrame& frame : p.frames) bottom = std::max(bottom, frame.rect.bottom());
        // A printer cannot print the last few millimetres of the sheet.
        EXPECT_LE(bottom, kPageHeight - 40) << "page " << page + 1;
        EXPECT_GE(bottom, kPageHeight - 140) << "page " << page + 1 << " leaves the foot of the sheet empty";
    }
}

TEST(FormPages, DataFieldsOfTheRecordHaveBoxes) {
    // A sample of every block of the record; the window's test checks the whole binding table.
    const struct {
        int page;
        const char* name;
        FieldKind kind;
    } cases[] = {
        {0, "edAFM", FieldKind::TaxNumber},       {0, "edDoy", FieldKind::Text},
        {0, "sbDOY", FieldKind::Button},          {0, "cbExairesiF", FieldKind::YesNo},
        {0, "edEkprot", FieldKind::Whole},        {2, "edPlace3", FieldKind::Text},
        {2, "edCarIppoi7", FieldKind::Whole},     {2, "cbCarWhich7", FieldKind::YesNo},
        {2, "edCarMeiwsi1", FieldKind::Text},     {2, "cbBoatType3", FieldKind::YesNo},
        {2, "edDexamSPosIn", FieldKind::Amount},  {2, "imAutoType", FieldKind::Picture},
        {2, "btPrintAuto", FieldKind::Button},    {2, "Button1", FieldKind::Button},
        {3, "edEnoikioEpif3", FieldKind::Amount}, {3, "ed807", FieldKind::TaxNumber},
        {3, "edCompany12cAFM", FieldKind::TaxNumber}, {3, "edIBAN", FieldKind::Text},
        {3, "edCompEpifania9", FieldKind::Amount},
    };
    for (const auto& c : cases) {
        const FormBox* box = E1Page(c.page).Find(QString::fromLatin1(c.name));
        ASSERT_NE(box, nullptr) << c.name;
        EXPECT_EQ(box->kind, c.kind) << c.name;
    }
}

TEST(FormPages, PicturesHaveTheirSizes) {
    const QSize sizes[] = {{964, 1376}, {962, 1388}, {964, 1418}, {964, 1364}};
    for (int page = 0; page < kE1PageCount; ++page) {
        EXPECT_EQ(E1Page(page).pixels, sizes[page]) << "page " << page + 1;
        const QImage image = RenderPage(E1Page(page), RenderTarget::Screen);
        EXPECT_EQ(image.size(), sizes[page]) << "page " << page + 1;
        EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white)) << "paper is white";
    }
}

TEST(FormPages, BoxesAreDrawnWhereTheControlsGo) {
    // The frame of a box is black on the picture exactly at the rectangle the window uses.
    const FormPage& page = E1Page(0);
    const QImage image = RenderPage(page, RenderTarget::Screen);
    for (const char* name : {"edP301", "edP302", "cbP327", "edBigName", "edP005"}) {
        const QRect r = ToPixels(page.Find(QString::fromLatin1(name))->rect, image.size());
        EXPECT_LT(qGray(image.pixel(r.left(), r.center().y())), 96) << name << " left edge";
        EXPECT_GT(qGray(image.pixel(r.left() + 3, r.center().y() - 1)), 200) << name << " inside is white";
    }
}

TEST(FormUnits, ConversionKeepsTouchingBoxesTouching) {
    const struct {
        const char* name;
        QSize target;
        FormRect a;
        FormRect b;  // starts where a ends
    } cases[] = {
        {"picture 1", {964, 1376}, {80, 100, 333, 41}, {413, 141, 217, 43}},
        {"picture 3", {964, 1418}, {81, 97, 19, 36}, {100, 133, 7, 36}},
        {"A4 at 300 dpi", {2480, 3508}, {123, 456, 789, 10}, {912, 466, 11, 12}},
    };
    for (const auto& c : cases) {
        const QRect a = ToPixels(c.a, c.target);
        const QRect b = ToPixels(c.b, c.target);
        EXPECT_EQ(a.x() + a.width(), b.x()) << c.name;
        EXPECT_EQ(a.y() + a.height(), b.y()) << c.name;
    }
    EXPECT_EQ(ToPixels({0, 0, kPageWidth, kPageHeight}, QSize(964, 1376)), QRect(0, 0, 964, 1376));
    EXPECT_EQ(ToDevice({1050, 1485, 1050, 1485}, QSizeF(210, 297)), QRectF(105, 148.5, 105, 148.5));
}

TEST(PrintAreas, AmountsHaveIntegerAndDecimalAreasInsideTheirBox) {
    for (int page = 0; page < kE1PageCount; ++page) {
        std::map<QString, PrintArea> areas;
        for (const PrintArea& area : PrintAreas(E1Page(page))) {
            EXPECT_FALSE(areas.count(area.name)) << area.name.toStdString() << " twice";
            areas[area.name] = area;
        }
        for (const FormBox& box : E1Page(page).boxes) {
            if (box.code == 0 || !DrawnOn(box.presence, RenderTarget::Print)) continue;
            const QString digits = QStringLiteral("%1").arg(box.code, 3, 10, QLatin1Char('0'));
            const auto whole = areas.find(box.name);
            ASSERT_NE(whole, areas.end()) << box.name.toStdString();
            EXPECT_TRUE(box.rect.Contains(whole->second.rect)) << box.name.toStdString();
            const auto decimals = areas.find(QStringLiteral("edFP") + digits);
            const bool expectDecimals = box.kind == FieldKind::Amount && box.code != 740 && box.code != 749;
            EXPECT_EQ(decimals != areas.end(), expectDecimals) << box.name.toStdString();
            if (decimals != areas.end()) {
                EXPECT_TRUE(box.rect.Contains(decimals->second.rect)) << box.name.toStdString();
                EXPECT_FALSE(decimals->second.rect.Intersects(whole->second.rect)) << box.name.toStdString();
            }
        }
    }
}

TEST(PrintAreas, SplitBoxesGiveTheLabelsOfTheirParts) {
    const struct {
        int page;
        const char* name;
        bool present;
    } cases[] = {
        {3, "edIBAN1", true},       {3, "edIBAN25", true},      {3, "edIBAN26", false},
        {3, "edTrapezaCode3", true}, {3, "edTrapeza1", true},    {3, "qrLog7", true},
        {2, "edPlace11", true},      {2, "edPlace32", true},     {2, "edCarDigits4", true},
        {2, "edCarNbr4", true},      {2, "edCarNbr5", false},    {2, "cbPIstBoat2", true},
        {2, "cbCarWhich1", false},   {2, "edP992", false},       {2, "edP204", false},
        {0, "cbExairesiS", true},    {0, "sbDOY", false},        {0, "edFP005", false},
    };
    for (const auto& c : cases) {
        bool found = false;
        for (const PrintArea& area : PrintAreas(E1Page(c.page))) found |= area.name == QLatin1String(c.name);
        EXPECT_EQ(found, c.present) << c.name;
    }
}

}  // namespace
}  // namespace dz::forms
