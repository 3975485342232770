// The form pages on paper and on screen come from one description: their rules fall in the same
// places on the printed page, on the screen picture and on the picture for a high-density screen.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <memory>

#include "forms/e2_pages.h"
#include "forms/form_page.h"
#include "forms/page_builder.h"
#include "layouts/e1_reports.h"
#include "layouts/e2_print.h"
#include "render/e2_pictures.h"
#include "render/page_pictures.h"
#include "render/page_render.h"
#include "support/report_picture.h"

namespace dz {
namespace {

using forms::FormFrame;
using forms::RenderTarget;

constexpr double kPrintDotsPerMm = 10;

// Whether a dark dot lies within a dot of `at` (device pixels): a rule is drawn there.
bool RuleNear(const QImage& image, QPointF at) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(qRound(at.x()) + dx, qRound(at.y()) + dy);
            if (image.rect().contains(p) && qGray(image.pixel(p)) < 160) return true;
        }
    return false;
}

// Points on the top and the left rule of a frame, as fractions of its width and height.
constexpr double kAlong[] = {0.2, 0.4, 0.6, 0.8};

// Where a point of the description lies on a picture, in its device pixels.
using Mapping = std::function<QPointF(QPointF units)>;

struct Sampled {
    int points = 0;
    int onScreen = 0;  // a rule on the screen picture
    int missed = 0;    // a rule on the screen picture but not on the other
    QString firstMiss;
};

// Samples the rules of every framed area that both the screen and the other target draw.
Sampled CompareRules(const forms::FormPage& page, const QImage& screen, const Mapping& toScreen, const QImage& other,
                     const Mapping& toOther) {
    Sampled s;
    for (std::size_t i = 0; i < page.frames.size(); ++i) {
        const FormFrame& f = page.frames[i];
        if (!f.border || f.presence != forms::Presence::Both) continue;
        for (double t : kAlong) {
            for (const QPointF unit : {QPointF(f.rect.x + f.rect.w * t, f.rect.y), QPointF(f.rect.x, f.rect.y + f.rect.h * t)}) {
                ++s.points;
                if (!RuleNear(screen, toScreen(unit))) continue;
                ++s.onScreen;
                if (RuleNear(other, toOther(unit))) continue;
                if (s.missed++ == 0)
                    s.firstMiss = QStringLiteral("frame %1 at (%2, %3)").arg(i).arg(unit.x()).arg(unit.y());
            }
        }
    }
    return s;
}

// The screen picture's mapping: the description's upright sheet scaled to `upright` logical
// pixels, rounded as the controls are placed, times the device-pixel ratio.
Mapping ScreenMapping(QSize upright, qreal ratio) {
    return [upright, ratio](QPointF unit) {
        return QPointF(qRound(unit.x() * upright.width() / forms::kPageWidth),
                       qRound(unit.y() * upright.height() / forms::kPageHeight)) *
               ratio;
    };
}

// The printed sheet's mapping: the description's tenths of a millimetre from the form's corner
// on the sheet (millimetres).
Mapping PrintMapping(QPointF cornerMm) {
    return [cornerMm](QPointF unit) { return (cornerMm + unit / 10.0) * kPrintDotsPerMm; };
}

struct Case {
    const char* name;
    const forms::FormPage& page;
    QSize upright;                                                  // of the screen picture
    std::function<QImage(qreal ratio)> picture;                     // the screen picture
    std::function<std::unique_ptr<report::PageReport>()> printed;   // the empty printed page
    QPointF cornerMm;  // where the form's corner lies on the printed sheet, from the sheet's edge
};

// Margins at which an E1 page's layout fits the sheet at its own size, so that its millimetres
// are the sheet's (the print's own margins leave a millimetre too little and draw it a little
// smaller).
constexpr QMarginsF kE1FullSizeMargins(8, 3, 8, 3);

std::unique_ptr<report::PageReport> E1Printed(E1Sheet sheet) {
    E1PrintPage page(sheet);
    page.report.setMargins(kE1FullSizeMargins);
    return std::make_unique<report::PageReport>(std::move(page.report));
}

// The layout starts at the margins, the form's printed part at the layout's corner (the form's
// own margins fall outside it).
const QPointF kE1Corner(kE1FullSizeMargins.left() - forms::kMarginLeft / 10.0,
                        kE1FullSizeMargins.top() - forms::kMarginTop / 10.0);

std::vector<Case> Cases() {
    std::vector<Case> cases;
    const E1Sheet sheets[] = {E1Sheet::Page1, E1Sheet::Page2, E1Sheet::Page3, E1Sheet::Page4};
    static const char* const names[] = {"E1 page 1", "E1 page 2", "E1 page 3", "E1 page 4"};
    for (int i = 0; i < forms::kE1PageCount; ++i)
        cases.push_back({names[i], forms::E1Page(i), forms::E1Page(i).pixels,
                         [i](qreal ratio) { return forms::E1PagePicture(i, ratio); },
                         [sheet = sheets[i]] { return E1Printed(sheet); }, kE1Corner});
    // An E2 page's layout starts at its margins, the form's landscape sheet 3.5 mm left of and
    // 5 mm above that corner.
    cases.push_back({"E2 page 1", E2Page(0), UprightTarget(E2Page(0).pixels),
                     [](qreal ratio) { return E2PagePicture(0, ratio); },
                     [] {
                         TfiE21Prn page;
                         return std::make_unique<report::PageReport>(std::move(page.qrE21Prn));
                     },
                     QPointF(0, 0)});
    cases.push_back({"E2 page 2", E2Page(1), UprightTarget(E2Page(1).pixels),
                     [](qreal ratio) { return E2PagePicture(1, ratio); },
                     [] {
                         TfiE22Prn page;
                         return std::make_unique<report::PageReport>(std::move(page.qrE22Prn));
                     },
                     QPointF(0, 0)});
    return cases;
}

TEST(PageGeometry, ThePrintedPageHasItsRulesWhereTheScreenPictureHasThem) {
    for (const Case& c : Cases()) {
        const auto printed = c.printed();
        for (report::Label& label : printed->Labels()) label.text.clear();  // the form alone
        const QImage paper = test::RenderToImage(*printed, kPrintDotsPerMm);
        const QImage screen = c.picture(1);
        const Sampled s = CompareRules(c.page, screen, ScreenMapping(c.upright, 1), paper, PrintMapping(c.cornerMm));
        EXPECT_GT(s.onScreen, s.points * 9 / 10) << c.name << ": the sampled points lie on the screen picture's rules";
        EXPECT_EQ(s.missed, 0) << c.name << ": on screen but not on paper, first " << s.firstMiss.toStdString();
    }
}

TEST(PageGeometry, AHighDensityScreenGetsThePageDrawnFinelyWithItsRulesInPlace) {
    for (const Case& c : Cases()) {
        const QImage normal = c.picture(1);
        const QImage fine = c.picture(2);
        EXPECT_EQ(normal.devicePixelRatio(), 1) << c.name;
        EXPECT_EQ(fine.devicePixelRatio(), 2) << c.name;
        EXPECT_EQ(fine.size(), normal.size() * 2) << c.name << ": twice the pixels each way";
        EXPECT_EQ(fine.deviceIndependentSize(), QSizeF(c.page.pixels)) << c.name << ": the window's size";
        const Sampled s = CompareRules(c.page, normal, ScreenMapping(c.upright, 1), fine, ScreenMapping(c.upright, 2));
        EXPECT_GT(s.onScreen, s.points * 9 / 10) << c.name;
        EXPECT_EQ(s.missed, 0) << c.name << ": first " << s.firstMiss.toStdString();
        // Drawn, not enlarged: an enlarged picture repeats every pixel in a 2 × 2 block.
        int blocks = 0, differing = 0;
        for (int y = 0; y + 1 < fine.height(); y += 2)
            for (int x = 0; x + 1 < fine.width(); x += 2, ++blocks) {
                const QRgb p = fine.pixel(x, y);
                differing += fine.pixel(x + 1, y) != p || fine.pixel(x, y + 1) != p || fine.pixel(x + 1, y + 1) != p;
            }
        EXPECT_GT(differing, blocks / 100) << c.name << ": finer detail than the normal picture";
    }
}

}  // namespace
}  // namespace dz
