// The E2 page descriptions: every field of the window over its box, the printed label positions, the pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "forms/e2_pages.h"
#include "render/e2_pictures.h"
#include "render/jpeg.h"
#include "render/print_areas.h"
#include "model/e2_record.h"
#include "support/test_folder.h"

namespace dz {
namespace {

using forms::FieldKind;
using forms::FormBox;
using forms::FormRect;
using forms::Presence;

const FormBox* FindBox(const QString& name, int* pageOut = nullptr) {
    for (int page = 0; page < kE2PageCount; ++page)
        if (const FormBox* box = E2Page(page).Find(name)) {
            if (pageOut) *pageOut = page;
            return box;
        }
    return nullptr;
}

// The window's fields: name pattern, numbers first..last, page, kind, most characters.
struct FieldFamily {
    const char* pattern;
    int first;
    int last;
    int page;
    FieldKind kind;
    int maxLength;
    Presence presence = Presence::Both;
};

const FieldFamily kFields[] = {
    {"edBigName", 0, 0, 0, FieldKind::Text, 40},
    {"edName", 0, 0, 0, FieldKind::Text, 40},
    {"edFatherName", 0, 0, 0, FieldKind::Text, 15},
    {"edAFM", 0, 0, 0, FieldKind::TaxNumber, 12},
    {"Label%1", 1, 16, 0, FieldKind::Whole, 0},
    {"edTopos%1", 1, 16, 0, FieldKind::Text, 30},
    {"edPlace%1", 1, 16, 0, FieldKind::Text, 0},
    {"edInUse%1", 1, 16, 0, FieldKind::Text, 0},
    {"edSurfa%1", 1, 16, 0, FieldKind::Text, 5},
    {"edEidosMist%1", 1, 16, 0, FieldKind::Text, 0},
    {"edParoxesDEH%1", 1, 16, 0, FieldKind::Text, 9},
    {"edEName%1", 1, 16, 0, FieldKind::Text, 23},
    {"edAFM%1", 1, 16, 0, FieldKind::Text, 12},
    {"edArMist%1", 1, 16, 0, FieldKind::Text, 30},
    {"edDate1%1", 1, 16, 0, FieldKind::Text, 5},
    {"edDate2%1", 1, 16, 0, FieldKind::Text, 5},
    {"edMonths%1", 1, 16, 0, FieldKind::Amount, 0},
    {"edEnoikio%1", 1, 16, 0, FieldKind::Amount, 0},
    {"edSinid%1", 1, 16, 0, FieldKind::Text, 0},
    {"edKat%1", 1, 16, 0, FieldKind::Amount, 0},
    {"edGr%1", 1, 16, 0, FieldKind::Amount, 0},
    {"edGi%1", 1, 16, 0, FieldKind::Amount, 0},
    {"edLi%1", 1, 16, 0, FieldKind::Amount, 0},
    {"edTotal%1", 1, 4, 0, FieldKind::Amount, 0},
    {"edThesiID%1", 1, 16, 0, FieldKind::Whole, 0, Presence::Hidden},
    {"edXrisiID%1", 1, 16, 0, FieldKind::Whole, 0, Presence::Hidden},
    {"edPin2Topos%1", 1, 9, 1, FieldKind::Text, 30},
    {"edPin2Place%1", 1, 9, 1, FieldKind::Text, 0},
    {"edPin2InUse%1", 1, 9, 1, FieldKind::Text, 0},
    {"edPin2Surfa%1", 1, 9, 1, FieldKind::Text, 4},
    {"edEidosMist%1", 17, 25, 1, FieldKind::Text, 4},
    {"edParoxesDEH%1", 17, 29, 1, FieldKind::Text, 9},
    {"edPin2SName%1", 1, 9, 1, FieldKind::Text, 30},
    {"edPin2SAFM%1", 1, 9, 1, FieldKind::Text, 12},
    {"edPin2Addre%1", 1, 9, 1, FieldKind::Text, 34},
    {"edPin2Sinid%1", 1, 9, 1, FieldKind::Text, 5},
    {"edPin2Misto%1", 1, 9, 1, FieldKind::Amount, 0},
    {"edPin3Topos%1", 1, 4, 1, FieldKind::Text, 30},
    {"edPin3Place%1", 1, 4, 1, FieldKind::Text, 0},
    {"edPin3InUse%1", 1, 4, 1, FieldKind::Text, 0},
    {"edPin3Surfa%1", 1, 4, 1, FieldKind::Text, 4},
    {"edPin3Title%1", 1, 4, 1, FieldKind::Text, 35},
    {"edThesiID%1", 17, 29, 1, FieldKind::Whole, 0, Presence::Hidden},
    {"edXrisiID%1", 17, 29, 1, FieldKind::Whole, 0, Presence::Hidden},
    {"sbGetThesi%1", 1, 29, -1, FieldKind::Button, 0, Presence::WindowOnly},
    {"sbGetXrisi%1", 1, 29, -1, FieldKind::Button, 0, Presence::WindowOnly},
    {"sbGetEidosMist%1", 1, 25, -1, FieldKind::Button, 0, Presence::WindowOnly},
    {"sbCalcOff", 0, 0, 0, FieldKind::Button, 0, Presence::WindowOnly},
};

QString NameOf(const FieldFamily& f, int n) {
    return f.first == 0 ? QString::fromLatin1(f.pattern) : QString::fromLatin1(f.pattern).arg(n);
}

TEST(E2Pages, EveryFieldOfTheWindowIsOverItsBoxOnce) {
    QSet<QString> expected;
    for (const FieldFamily& f : kFields) {
        for (int n = f.first; n <= f.last; ++n) {
            const QString name = NameOf(f, n);
            expected.insert(name);
            int page = -1;
            const FormBox* box = FindBox(name, &page);
            ASSERT_NE(box, nullptr) << name.toStdString() << " has no box";
            if (f.page >= 0) {
                EXPECT_EQ(page, f.page) << name.toStdString();
            }
            EXPECT_EQ(box->kind, f.kind) << name.toStdString();
            EXPECT_EQ(box->maxLength, f.maxLength) << name.toStdString();
            EXPECT_EQ(box->presence, f.presence) << name.toStdString();
        }
    }
    QSet<QString> seen;
    for (int page = 0; page < kE2PageCount; ++page)
        for (const FormBox& box : E2Page(page).boxes) {
            EXPECT_FALSE(seen.contains(box.name)) << box.name.toStdString() << " twice";
            seen.insert(box.name);
            if (box.presence != Presence::PrintOnly) {
                EXPECT_TRUE(expected.contains(box.name)) << box.name.toStdString() << " is no field of the window";
            }
        }
}

TEST(E2Pages, BoxesStayOnTheSheetAndButtonsOverTheirField) {
    const FormRect sheet{0, 0, kE2SheetWidth, kE2SheetHeight};
    for (int page = 0; page < kE2PageCount; ++page) {
        std::vector<const FormBox*> fields;
        for (const FormBox& box : E2Page(page).boxes) {
            if (box.presence == Presence::Hidden) continue;
            EXPECT_TRUE(sheet.Contains(box.rect)) << box.name.toStdString() << " leaves the sheet";
            if (box.kind != FieldKind::Button) fields.push_back(&box);
        }
        for (std::size_t i = 0; i < fields.size(); ++i)
            for (std::size_t j = i + 1; j < fields.size(); ++j)
                EXPECT_FALSE(fields[i]->rect.Intersects(fields[j]->rect))
                    << fields[i]->name.toStdString() << " overlaps " << fields[j]->name.toStdString();
    }
    // A pick button sits on the right end of the field it fills.
    const struct { const char* button; const char* field; } buttons[] = {
        {"sbGetThesi1", "edPlace1"},       {"sbGetXrisi16", "edInUse16"},   {"sbGetEidosMist5", "edEidosMist5"},
        {"sbGetThesi17", "edPin2Place1"},  {"sbGetXrisi25", "edPin2InUse9"}, {"sbGetEidosMist25", "edEidosMist25"},
        {"sbGetThesi26", "edPin3Place1"},  {"sbGetXrisi29", "edPin3InUse4"},
    };
    for (const auto& b : buttons) {
        const FormBox* button = FindBox(QString::fromLatin1(b.button));
        const FormBox* field = FindBox(QString::fromLatin1(b.field));
        ASSERT_TRUE(button && field) << b.button;
        EXPECT_TRUE(field->rect.Contains(button->rect)) << b.button << " over " << b.field;
        EXPECT_LT(field->rect.right() - button->rect.right(), 10) << b.button << " at the right end";
    }
}

// The printed labels' anchors, in millimetres from the print area, against the print areas of
// the description: the anchor lies at the box's left edge, centre or right edge (within `slack`),
// and the label's top inside the box.
struct Anchor {
    const char* label;
    double x;
    double top;
    char align;  // 'l', 'c', 'r'
    double slack = 1.0;
};

const Anchor kAnchors[] = {
    {"edBigName", 159.0, 6.3, 'l'},     {"edName", 194.7, 6.3, 'l'},       {"edFatherName", 247.4, 6.3, 'l'},
    {"edAFM", 159.3, 12.4, 'l'},        {"qrNbr1", 4.6, 66.7, 'c'},        {"edTopos1", 7.9, 66.7, 'l'},
    {"edPlace1", 50.8, 66.7, 'c'},      {"edInUse1", 62.1, 66.7, 'c'},     {"edSurfa1", 74.3, 66.7, 'c'},
    {"edEidosMist1", 88.7, 66.7, 'c'},  {"edParoxesDEH1", 104.1, 66.7, 'c'}, {"edEName1", 113.8, 66.1, 'l'},
    {"edAFM1", 157.0, 66.7, 'c'},       {"edArMist1", 170.4, 66.7, 'c'},   {"edDate11", 179.2, 67.2, 'c'},
    {"edDate21", 185.2, 67.2, 'c'},     {"edMonths1", 191.7, 67.2, 'c'},   {"edEnoikio1", 205.6, 66.7, 'r'},
    {"edSinid1", 208.9, 66.9, 'c'},     {"edKat1", 225.7, 66.4, 'r'},      {"edGr1", 242.1, 66.4, 'r'},
    {"edGi1", 257.7, 66.4, 'r'},        {"edLi1", 273.3, 66.4, 'r'},       {"edKatTotal", 226.0, 168.8, 'r'},
    {"edGrTotal", 242.4, 168.8, 'r'},   {"edGiTotal", 258.0, 168.8, 'r'},  {"edLiTotal", 273.6, 168.8, 'r'},
    {"qrLog1", 117.7, 171.7, 'l'},      {"qrLog6", 143.1, 189.55, 'l'},    {"qrPageNumber", 47.1, 190.0, 'l'},
    // Row 16 lies 15 pitches of 6.43 mm below row 1.
    {"edTopos16", 7.9, 163.15, 'l'},    {"edLi16", 273.3, 162.85, 'r'},
    // Page 2. The anchors of columns 5 and 6 of table I lie closer together than the two
    // columns are wide: the lease type keeps to its column.
    {"edPin2Topos1", 6.1, 41.5, 'l'},   {"edPin2Place1", 45.6, 41.5, 'c'}, {"edPin2InUse1", 57.1, 41.5, 'c'},
    {"edPin2Surfa1", 70.6, 41.5, 'r'},  {"edEidosMist17", 86.7, 41.5, 'c', 3.5},
    {"edParoxesDEH17", 102.3, 41.5, 'c'}, {"edPin2SName1", 110.1, 41.5, 'l'}, {"edPin2SAFM1", 161.3, 41.5, 'c'},
    {"edPin2Addre1", 173.0, 41.5, 'l'}, {"edPin2Sinid1", 235.2, 41.5, 'c'}, {"edPin2Misto1", 269.9, 41.5, 'r'},
    {"edPin2Topos9", 6.1, 91.02, 'l'},  {"edPin3Topos1", 5.8, 115.9, 'l'}, {"edPin3Place1", 56.0, 115.9, 'c'},
    {"edPin3InUse1", 67.7, 115.9, 'c'}, {"edPin3Surfa1", 83.1, 115.9, 'r'}, {"edParoxesDEH26", 94.9, 115.9, 'c'},
    {"edPin3Title1", 104.8, 115.9, 'l'}, {"edPin3Title4", 104.8, 134.11, 'l'},
};

TEST(E2Pages, PrintAreasAgreeWithThePrintedLabels) {
    std::map<QString, FormRect> areas;
    for (int page = 0; page < kE2PageCount; ++page)
        for (const forms::PrintArea& area : forms::PrintAreas(E2Page(page))) areas[area.name] = area.rect;
    for (const Anchor& a : kAnchors) {
        const auto it = areas.find(QString::fromLatin1(a.label));
        ASSERT_NE(it, areas.end()) << a.label << " has no print area";
        const FormRect& r = it->second;
        // Millimetres in the print area.
        const double left = (r.x - kE2AreaLeft) / 10.0, right = (r.right() - kE2AreaLeft) / 10.0;
        const double top = (r.y - kE2AreaTop) / 10.0, bottom = (r.bottom() - kE2AreaTop) / 10.0;
        const double edge = a.align == 'l' ? left : a.align == 'r' ? right : (left + right) / 2;
        const double inset = a.align == 'l' ? a.x - edge : a.align == 'r' ? edge - a.x : std::abs(a.x - edge);
        EXPECT_GE(inset, a.align == 'c' ? 0.0 : -0.1) << a.label;
        EXPECT_LE(inset, a.slack) << a.label << ": anchor " << a.x << " mm, box " << left << " to " << right;
        EXPECT_GE(a.top, top) << a.label;
        EXPECT_LT(a.top, bottom - 2.0) << a.label << ": the label's text must fit under its top";
    }
}

TEST(E2Pages, PicturesAreLandscapeAndKeptUntilTheDescriptionChanges) {
    test::TestFolder folder;
    folder.makeFolder("WParams");
    for (int page = 0; page < kE2PageCount; ++page) {
        const QImage first = E2PagePicture(page);
        ASSERT_EQ(first.size(), kE2PicturePixels) << "page " << page + 1;
        const auto stored = forms::ReadJpegFile(E2PictureFile(page));
        ASSERT_TRUE(stored) << "page " << page + 1 << " was written";
        EXPECT_EQ(stored->image.size(), kE2PicturePixels);
        EXPECT_TRUE(stored->comment.startsWith("DOVAZEZ E2 page ")) << stored->comment.toStdString();

        // A picture drawn from another description is drawn again.
        forms::WriteJpegFile(E2PictureFile(page), QImage(kE2PicturePixels, QImage::Format_Grayscale8), 90, "old");
        EXPECT_EQ(E2PagePicture(page), first) << "page " << page + 1;
        EXPECT_EQ(forms::ReadJpegFile(E2PictureFile(page))->comment, stored->comment);
    }
    // The rules fall where the descriptions put them, at the same scale across and down: the
    // left and right rules of table 1 and its top and bottom.
    const QImage page1 = RenderE2Page(0, forms::RenderTarget::Screen);
    const QRect topos = E2ToPixels(E2Page(0).Find("edTopos1")->rect, page1.size());
    const QRect last = E2ToPixels(E2Page(0).Find("edLi16")->rect, page1.size());
    // A rule one pixel either side of the box's last pixel row or column.
    const auto dark = [&](int x, int y) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (qGray(page1.pixel(x + dx, y + dy)) < 100) return true;
        return false;
    };
    EXPECT_TRUE(dark(topos.left(), topos.center().y()));
    EXPECT_TRUE(dark(last.right(), last.center().y()));
    EXPECT_TRUE(dark(topos.center().x(), topos.top()));
    EXPECT_TRUE(dark(last.center().x(), last.bottom()));
    EXPECT_NEAR(last.right() / 5.0, (2741 + kE2AreaLeft) / 10.0, 0.4) << "five pixels a millimetre across";
    EXPECT_NEAR(last.bottom() / 5.0, (655 + 1029 + kE2AreaTop) / 10.0, 0.4) << "five pixels a millimetre down";
}

}  // namespace
}  // namespace dz
