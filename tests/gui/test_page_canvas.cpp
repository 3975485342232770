// The page under the entry fields is drawn for the device it is painted on: once per ratio, only
// when painted, and in the E1 and E2 windows from the form's description.
#include <gtest/gtest.h>

#include <QPixmap>
#include <vector>

#include "controls/page_canvas.h"
#include "e1/fi_e1.h"
#include "e2/fi_e2.h"
#include "forms/e2_pages.h"
#include "forms/form_page.h"
#include "support/test_folder.h"

namespace dz {
namespace {

// The page painted into a picture of device-pixel ratio `ratio`.
QPixmap PaintedAt(QWidget& page, qreal ratio) {
    QPixmap into(page.size() * ratio);
    into.setDevicePixelRatio(ratio);
    into.fill(Qt::black);
    page.render(&into);
    return into;
}

TEST(PageCanvas, APageIsDrawnWhenFirstPaintedAndAgainOnlyForAnotherRatio) {
    std::vector<qreal> asked;
    PageCanvas canvas(
        [&asked](qreal ratio) {
            asked.push_back(ratio);
            QImage picture(QSize(40, 30) * ratio, QImage::Format_RGB32);
            picture.setDevicePixelRatio(ratio);
            picture.fill(Qt::white);
            return picture;
        },
        QSize(40, 30));
    EXPECT_TRUE(asked.empty()) << "nothing is drawn for a page never painted";
    struct Step {
        qreal ratio;
        std::vector<qreal> asked;  // every ratio drawn for so far
    };
    const Step steps[] = {{1, {1}}, {1, {1}}, {2, {1, 2}}, {2, {1, 2}}, {1, {1, 2, 1}}};
    for (const Step& step : steps) {
        const QPixmap shown = PaintedAt(canvas, step.ratio);
        EXPECT_EQ(asked, step.asked) << "painted at " << step.ratio;
        EXPECT_EQ(canvas.Picture().devicePixelRatio(), step.ratio);
        EXPECT_EQ(shown.toImage().pixelColor(shown.width() - 1, shown.height() - 1), QColor(Qt::white))
            << "the picture covers the page at " << step.ratio;
    }
}

TEST(PageCanvas, TheEntryWindowsShowTheFormDrawnFinelyOnAHighDensityScreen) {
    test::TestFolder folder;
    folder.makeFolder("Tables");
    TfiE1 e1;
    TfiE2 e2;
    struct Case {
        const char* name;
        QWidget& window;
        QSize pixels;
    };
    const Case cases[] = {{"E1 page 1", e1, forms::E1Page(0).pixels}, {"E2 page 1", e2, E2Page(0).pixels}};
    for (const Case& c : cases) {
        auto* page = c.window.findChild<PageCanvas*>(QStringLiteral("imPage1"));
        ASSERT_NE(page, nullptr) << c.name;
        EXPECT_EQ(page->size(), c.pixels) << c.name;
        PaintedAt(*page, 2);
        EXPECT_EQ(page->Picture().size(), c.pixels * 2) << c.name << ": twice the pixels each way";
        EXPECT_EQ(page->Picture().devicePixelRatio(), 2) << c.name;
    }
}

}  // namespace
}  // namespace dz
