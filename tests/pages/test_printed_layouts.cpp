// The printed layouts' geometry: texts inside their boxes and apart, amounts clear of the rules,
// the lines of one box at one size, and the cars list's table.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <vector>

#include "forms/form_page.h"
#include "layouts/cars_print.h"
#include "layouts/e1_reports.h"
#include "layouts/eka_print.h"
#include "layouts/eka_print_rows.h"
#include "render/page_render.h"
#include "report/pdf_document.h"
#include "report/units.h"
#include "support/pdf_reading.h"
#include "support/report_picture.h"
#include "support/test_folder.h"

namespace dz {
namespace {

using report::Align;
using report::Label;
using report::MmToPx;

// A text's width in millimetres at its label's font, measured finely (as on a printer or in a
// PDF, without screen hinting).
double TextWidthMm(const Label& label) {
    static QImage device = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(1200 / 0.0254));
        image.setDotsPerMeterY(qRound(1200 / 0.0254));
        return image;
    }();
    QFont font(label.font.family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(label.font.pointSize);
    font.setBold(label.font.bold);
    return QFontMetricsF(font, &device).horizontalAdvance(label.text) * report::kMmPerInch / 1200;
}

// Where a label's text stands across the page (millimetres), from its anchor and its width.
std::pair<double, double> InkAcross(const Label& label) {
    const double w = TextWidthMm(label);
    switch (label.align) {
    case Align::Left:
        return {label.box.left(), label.box.left() + w};
    case Align::Right:
        return {label.box.right() - w, label.box.right()};
    case Align::Centre:
        break;
    }
    return {label.box.center().x() - w / 2, label.box.center().x() + w / 2};
}

std::vector<const Label*> StaticTexts(const report::PageReport& page) {
    std::vector<const Label*> texts;
    for (const Label& l : page.Labels())
        if (l.name.isEmpty() && !l.text.isEmpty()) texts.push_back(&l);
    return texts;
}

TEST(ClearanceNotePrint, EveryHeadingAndCaptionFitsItsBoxAtItsOwnSize) {
    const TfiEkaPrn layout;
    for (const Label* l : StaticTexts(layout.qrEka))
        EXPECT_LE(TextWidthMm(*l), l->box.width() + 0.01)
            << l->text.toStdString() << ": " << TextWidthMm(*l) << " mm in a box of " << l->box.width() << " mm";
}

TEST(ClearanceNotePrint, TextsSideBySideKeepAVisibleGap) {
    constexpr double kGapMm = 1.2;  // about two spaces of the column headings' size
    const TfiEkaPrn layout;
    const std::vector<const Label*> texts = StaticTexts(layout.qrEka);
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const Label& a = *texts[i];
            const Label& b = *texts[j];
            if (std::abs(a.box.top() - b.box.top()) > report::PxToMm(3)) continue;  // not on one line
            const auto [aLeft, aRight] = InkAcross(a);
            const auto [bLeft, bRight] = InkAcross(b);
            const double gap = std::max(bLeft - aRight, aLeft - bRight);
            EXPECT_GE(gap, kGapMm) << "«" << a.text.toStdString() << "» and «" << b.text.toStdString() << "»";
        }
}

TEST(ClearanceNotePrint, AmountsOfBothHalvesEndClearOfTheRuleAtTheirRight) {
    const TfiEkaPrn layout;
    const auto expectClear = [&](const QString& name) {
        const QRectF box = layout.qrEka.label(name).box;
        const int rule = MmToPx(box.left()) < ekaprint::kNoteMiddle ? ekaprint::kNoteMiddle : ekaprint::kNoteRight;
        EXPECT_LE(MmToPx(box.right()), rule - ekaprint::kRuleClearance + 1e-6)
            << name.toStdString() << " ends at " << MmToPx(box.right()) << " px, the rule is at " << rule;
    };
    for (const ekaprint::PairBlock& block : ekaprint::PairBlocks())
        for (const ekaprint::PairRow& row : block.rows)
            for (const char* name : row.names) expectClear(QString::fromLatin1(name));
    for (const ekaprint::LuxuryColumn& column : ekaprint::G4Columns())
        for (const char* person : {"F", "S"}) {
            expectClear(QString::fromLatin1(column.name) + QLatin1String(person));
        }
    for (int k = 1; k <= static_cast<int>(ekaprint::G1Rows().size()); ++k)
        for (const char* person : {"F", "S"}) {
            expectClear(QStringLiteral("qr%1").arg(k) + QLatin1String(person));
        }
}

TEST(ClearanceNotePrint, ColumnHeadingsKeepTheirWordsInOrder) {
    // A heading printed on two lines reads, line after line, as the heading itself.
    const TfiEkaPrn layout;
    QStringList shown;
    for (const Label* l : StaticTexts(layout.qrEka)) shown << l->text;
    const QString all = shown.join(u' ');
    for (const char16_t* heading : ekaprint::SummaryHeadings())
        EXPECT_TRUE(all.contains(QString::fromUtf16(heading))) << QString::fromUtf16(heading).toStdString();
    for (const ekaprint::LuxuryColumn& column : ekaprint::G4Columns())
        EXPECT_TRUE(shown.contains(QString::fromUtf16(column.caption)))
            << QString::fromUtf16(column.caption).toStdString();
}

// The words of a PDF page with their boxes in points (pdftotext -bbox).
struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
};
std::vector<Word> PdfWords(const QString& path) {
    const QString html =
        test::PopplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return words;
}

TEST(E1PrintPages, TheTwoLinesOfAnAddressPrintAtOneSizeInsideTheirBox) {
    test::TestFolder folder;
    struct Case {
        const char* name;
        QString first, second;
    };
    const Case cases[] = {
        {"a full first line and a short second one", QStringLiteral("ΛΕΩΦΟΡΟΣ ΒΑΣΙΛΙΣΣΗΣ ΣΟΦΙΑΣ 120 ΚΑΙ ΟΔΟΙ ΜΙΧΑΛΑΚΟ"),
         QStringLiteral("ΠΟΥΛΟΥ ΡΗΓΙΛΛΗΣ")},
        {"a short first line and a full second one", QStringLiteral("ΚΗΦΙΣΙΑΣ"),
         QStringLiteral("ΛΕΩΦΟΡΟΣ ΒΑΣΙΛΙΣΣΗΣ ΣΟΦΙΑΣ 120 ΚΑΙ ΟΔΟΙ ΜΙΧΑΛΑΚΟ")},
        {"two short lines", QStringLiteral("ΕΡΜΟΥ 10"), QStringLiteral("ΑΘΗΝΑ")},
    };
    for (const Case& c : cases) {
        TfiE13PrnFull page;
        for (Label& l : page.report.Labels()) l.text.clear();
        page.report.SetText("edPlace11", c.first);
        page.report.SetText("edPlace12", c.second);
        const QString pdf = folder.file(QStringLiteral("page3.pdf"));
        {
            report::PdfDocument document(pdf);
            document.Export(page.report);
            ASSERT_TRUE(document.Close()) << c.name;
        }
        const std::vector<Word> words = PdfWords(pdf);
        const auto firstWord = [&](const QString& text) {
            const QString first = text.section(u' ', 0, 0);
            return std::find_if(words.begin(), words.end(), [&](const Word& w) { return w.text == first; });
        };
        const auto height = [&](const QString& text) {
            const auto it = firstWord(text);
            return it == words.end() ? -1.0 : it->yMax - it->yMin;
        };
        const double h1 = height(c.first), h2 = height(c.second);
        ASSERT_GT(h1, 0) << c.name;
        ASSERT_GT(h2, 0) << c.name;
        EXPECT_NEAR(h1, h2, 0.05) << c.name << ": the lines print at one size";
        // A 5 pt text's line is some 5.7 points high.
        EXPECT_GT(h1, 5.5) << c.name << ": never smaller than the readable floor";
        // Inside the box: no word runs past the box's right edge.
        const Label& box = page.report.label(QStringLiteral("edPlace11"));
        const QRectF area = page.report.PrintableRectMm();
        const QRectF design = page.report.designArea();
        const double scale = std::min({1.0, area.width() / design.width(), area.height() / design.height()});
        const double left = area.left() + (area.width() - design.width() * scale) / 2;
        const double rightPt = report::MmToPt(left + box.box.right() * scale) + 0.5;
        // The address's own words: the form's printed texts elsewhere on the page may share them.
        const double top = firstWord(c.first)->yMin - 1, bottom = firstWord(c.second)->yMax + 1;
        for (const Word& w : words) {
            if (w.yMin < top || w.yMax > bottom) continue;
            if (c.first.contains(w.text) || c.second.contains(w.text)) {
                EXPECT_LE(w.xMax, rightPt) << c.name << ": «" << w.text.toStdString() << "»";
            }
        }
    }
}

TEST(E1PrintPages, EveryRowCaptionOfTheResidenceTableIsOnThePrintAndOnTheScreen) {
    const forms::FormPage& page = forms::E1Page(2);
    for (const char16_t* caption : {u"Μισθωμένη", u"Παραχωρημένη δωρεάν", u"Μονοκατοικία", u"Μήνες ιδιοκατοίκησης"}) {
        const QString text = QString::fromUtf16(caption);
        const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                     [&](const forms::FormText& t) { return t.text == text; });
        ASSERT_NE(it, page.texts.end()) << text.toStdString();
        EXPECT_TRUE(forms::DrawnOn(it->presence, forms::RenderTarget::Print)) << text.toStdString();
        EXPECT_TRUE(forms::DrawnOn(it->presence, forms::RenderTarget::Screen)) << text.toStdString();
        // The row's rules are printed with it: a frame around the caption.
        const bool framed = std::any_of(page.frames.begin(), page.frames.end(), [&](const forms::FormFrame& f) {
            return forms::DrawnOn(f.presence, forms::RenderTarget::Print) && f.rect.x <= it->rect.x &&
                   f.rect.y <= it->rect.y && f.rect.right() >= it->rect.right() && f.rect.bottom() >= it->rect.bottom();
        });
        EXPECT_TRUE(framed) << text.toStdString();
    }
}

// The cars list's table as printed at 300 dpi, cut from the sheet at the table's corner
// (x 4, y 120 of the layout): its rows and columns of dots.
struct TablePicture {
    QImage image;
    double dotsPerPx;
    bool Black(int x, int y) const { return qGray(image.pixel(x, y)) < 128; }
    int Dot(double px) const { return int(px * dotsPerPx); }
};

TablePicture CarsTable() {
    const TfiPrintAuto layout;  // not filled: only the table is printed
    const double dotsPerMm = 300 / report::kMmPerInch;
    const QImage sheet = test::RenderToImage(layout.qrPrintAuto, dotsPerMm);
    const QPointF corner = (QPointF(layout.qrPrintAuto.margins().left(), layout.qrPrintAuto.margins().top()) +
                            QPointF(report::PxToMm(4), report::PxToMm(120))) * dotsPerMm;
    const QImage table = sheet.copy(QRect(corner.toPoint(), QSize(qRound(report::PxToMm(712) * dotsPerMm),
                                                                   qRound(report::PxToMm(175) * dotsPerMm))));
    return {table, report::PxToMm(1) * dotsPerMm};
}

// The x of the vertical rules, found across the first car row (its dots, left to right).
std::vector<int> VerticalRules(const TablePicture& t, int rowY) {
    std::vector<int> rules;
    for (int x = 0; x < t.image.width(); ++x) {
        if (!t.Black(x, rowY)) continue;
        if (rules.empty() || x > rules.back() + 1) rules.push_back(x);
        else rules.back() = x;
    }
    return rules;
}

TEST(CarsListPrint, TheHeadingRowIsClearWhiteAndNoHeadingTouchesItsCellsRules) {
    const TablePicture t = CarsTable();
    // The table starts at y 120 of the layout; the heading row runs to 168, the first car row to 186.
    const int carRow = t.Dot(177 - 120);
    const std::vector<int> rules = VerticalRules(t, carRow);
    ASSERT_EQ(rules.size(), 9u) << "the frame's two sides and seven column rules";
    const auto onRule = [&](int x) {
        return std::any_of(rules.begin(), rules.end(), [&](int r) { return x <= r && x >= r - t.Dot(1.5); });
    };
    // Just under the top rule, above the headings: nothing but the column rules (a grey shade
    // prints as a pattern of dots).
    int stray = 0;
    for (int y = t.Dot(1.6); y < t.Dot(4); ++y)
        for (int x = 0; x < t.image.width(); ++x) stray += t.Black(x, y) && !onRule(x);
    EXPECT_EQ(stray, 0) << "dots in the heading row's white";
    // Beside each rule, inside the heading row, a white strip: a heading that ran into its
    // neighbour or was cut at its cell's edge would leave ink there.
    for (std::size_t i = 0; i < rules.size(); ++i) {
        for (int y = t.Dot(2); y < t.Dot(168 - 120 - 3); ++y) {
            for (int d = 1; d <= t.Dot(2.5); ++d) {
                if (i > 0) {
                    EXPECT_FALSE(t.Black(rules[i] - t.Dot(1) - d, y)) << "left of rule " << i << " at y " << y;
                }
                if (i + 1 < rules.size()) {
                    EXPECT_FALSE(t.Black(rules[i] + d, y)) << "right of rule " << i << " at y " << y;
                }
                if (HasFailure()) return;
            }
        }
    }
}

}  // namespace
}  // namespace dz
