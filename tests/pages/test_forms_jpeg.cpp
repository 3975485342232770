// The libjpeg codec of the page pictures and the pictures kept in the working folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>

#include "render/jpeg.h"
#include "render/page_pictures.h"
#include "render/page_render.h"
#include "model/errors.h"
#include "support/test_folder.h"

namespace dz::forms {
namespace {

QImage Sample(QImage::Format format) {
    QImage image(97, 61, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(10, 10, 40, 20, QColor(200, 30, 30));
    painter.fillRect(50, 30, 30, 25, Qt::black);
    painter.end();
    return image.convertToFormat(format);
}

// Mean difference per channel: JPEG blurs the edges, not the areas.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(Jpeg, RoundTripKeepsSizeKindCommentAndPixels) {
    const struct {
        const char* name;
        QImage::Format in;
        QImage::Format out;
    } cases[] = {
        {"grey", QImage::Format_Grayscale8, QImage::Format_Grayscale8},
        {"colour", QImage::Format_RGB32, QImage::Format_RGB888},
        {"colour with alpha", QImage::Format_ARGB32, QImage::Format_RGB888},
    };
    for (const auto& c : cases) {
        const QImage source = Sample(c.in);
        const QByteArray bytes = EncodeJpeg(source, 95, "page fingerprint");
        const auto decoded = DecodeJpeg(bytes);
        ASSERT_TRUE(decoded) << c.name;
        EXPECT_EQ(decoded->image.size(), source.size()) << c.name;
        EXPECT_EQ(decoded->image.format(), c.out) << c.name;
        EXPECT_EQ(decoded->comment, QByteArray("page fingerprint")) << c.name;
        const QImage back = decoded->image.convertToFormat(QImage::Format_RGB32);
        EXPECT_LT(MeanDifference(source.convertToFormat(QImage::Format_RGB32), back), 3.0) << c.name;
        EXPECT_LT(qGray(back.pixel(65, 42)), 40) << c.name << ": the black block";
        EXPECT_GT(qGray(back.pixel(90, 5)), 220) << c.name << ": the white paper";
    }
}

TEST(Jpeg, DamagedDataIsRefusedWithoutEndingTheProgram) {
    const QByteArray good = EncodeJpeg(Sample(QImage::Format_Grayscale8), 90);
    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"not a picture", QByteArray("BM this is a bitmap header and nothing more")},
        {"cut after the headers", good.left(good.size() / 3)},
        {"only the start marker", good.left(2)},
    };
    for (const auto& c : cases) {
        const auto decoded = DecodeJpeg(c.data);
        // A cut file may decode partly (libjpeg fills the rest) but must never crash.
        if (decoded) EXPECT_EQ(decoded->image.size(), QSize(97, 61)) << c.name;
        else SUCCEED() << c.name;
    }
    EXPECT_FALSE(DecodeJpeg(QByteArray()));
    EXPECT_FALSE(DecodeJpeg(QByteArray("BM this is a bitmap header and nothing more")));
}

TEST(Jpeg, FilesAndCommentOnly) {
    test::TestFolder folder;
    WriteJpegFile(QStringLiteral("a.jpg"), Sample(QImage::Format_Grayscale8), 90, "abc");
    EXPECT_EQ(ReadJpegComment(QStringLiteral("a.jpg")), QByteArray("abc"));
    EXPECT_TRUE(ReadJpegFile(QStringLiteral("a.jpg")));
    EXPECT_FALSE(ReadJpegFile(QStringLiteral("missing.jpg")));
    EXPECT_FALSE(ReadJpegComment(QStringLiteral("missing.jpg")));
    EXPECT_THROW(WriteJpegFile(QStringLiteral("no/such/folder/a.jpg"), Sample(QImage::Format_Grayscale8), 90),
                 IoError);
}

TEST(PagePictures, MadeWhenMissingKeptWhenCurrentRedrawnWhenStale) {
    test::TestFolder folder;
    const QString file = QStringLiteral("WParams/E1P2.jpg");

    const QImage first = E1PagePicture(1);  // no folder, no file
    EXPECT_EQ(first.size(), QSize(962, 1388));
    ASSERT_TRUE(folder.exists(file));
    EXPECT_EQ(ReadJpegComment(file), PageFingerprint(E1Page(1)));

    // A current file is read, not drawn again: a mark painted into it survives.
    QImage marked = first.convertToFormat(QImage::Format_Grayscale8);
    marked.setPixel(5, 5, 0);
    WriteJpegFile(file, marked, 100, PageFingerprint(E1Page(1)));
    EXPECT_LT(qGray(E1PagePicture(1).pixel(5, 5)), 128);

    // A file from another description, or a damaged one, is drawn again.
    WriteJpegFile(file, marked, 100, "some older description");
    EXPECT_GT(qGray(E1PagePicture(1).pixel(5, 5)), 200);
    EXPECT_EQ(ReadJpegComment(file), PageFingerprint(E1Page(1)));
    folder.writeFile(file, "damaged");
    EXPECT_EQ(E1PagePicture(1).size(), QSize(962, 1388));
    EXPECT_EQ(ReadJpegComment(file), PageFingerprint(E1Page(1)));
}

TEST(PagePictures, FoundInAFolderOfAnotherCase) {
    test::TestFolder folder;
    folder.makeFolder(QStringLiteral("wparams"));
    E1PagePicture(0);
    EXPECT_TRUE(folder.exists(QStringLiteral("wparams/E1P1.jpg")));
    EXPECT_FALSE(folder.exists(QStringLiteral("WParams")));
}

TEST(PagePictures, RegeneratedAllAtOnce) {
    test::TestFolder folder;
    WriteE1Pictures(QStringLiteral("out"), true);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(folder.exists(QStringLiteral("out/E1P%1.jpg").arg(i))) << i;
        EXPECT_TRUE(folder.exists(QStringLiteral("out/E1P%1.png").arg(i))) << i;
    }
}

}  // namespace
}  // namespace dz::forms
