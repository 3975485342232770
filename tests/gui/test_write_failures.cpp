// The program's own file writers with each of their writes failing in turn: form pictures, PNG
// copies, the typeface file and PDF documents report the failure and keep the earlier file.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

#include "render/jpeg.h"
#include "render/page_pictures.h"
#include "model/errors.h"
#include "report/page_report.h"
#include "report/pdf_document.h"
#include "report/report_font.h"
#include "support/test_folder.h"
#include "support/write_failures.h"
#include "test_print_helpers.h"

namespace dz {
namespace {

QImage Picture() {
    QImage image(400, 300, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < 300; y += 7) painter.drawLine(0, y, 399, 299 - y);
    return image;
}

report::PageReport OnePage() {
    report::PageReport page;
    report::Label label;
    label.name = QStringLiteral("title");
    label.text = QStringLiteral("ΕΚΚΑΘΑΡΙΣΤΙΚΟ ΣΗΜΕΙΩΜΑ");
    label.box = QRectF(20, 20, 170, 10);
    label.font.family = QStringLiteral("Liberation Sans");
    page.AddLabel(label);
    page.AddImage(Picture(), QRectF(20, 40, 170, 120));
    return page;
}

struct WriterCase {
    const char* name;
    QString file;  // relative to the test folder
    std::function<void()> write;
    std::function<bool(const QByteArray&)> isWhole;
    long chunk;
};

class WriteFailures : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::WriteFailuresLoaded()) << "run through ctest: it preloads the library"; }
    test::TestFolder folder;
};

TEST_F(WriteFailures, EveryWriterReportsEachFailingWriteAndKeepsTheEarlierFile) {
    folder.makeFolder("WParams");
    const WriterCase cases[] = {
        {"form picture", "WParams/E1P1.jpg",
         [this] { forms::WriteJpegFile(folder.file("WParams/E1P1.jpg"), Picture(), 90, "fingerprint"); },
         [](const QByteArray& bytes) {
             const auto picture = forms::DecodeJpeg(bytes);
             return picture && picture->image.size() == QSize(400, 300) && picture->comment == "fingerprint";
         },
         1024},
        {"PNG copy", "WParams/E1P1.png", [this] { forms::WritePngCopy(folder.file("WParams/E1P1.png"), Picture()); },
         [](const QByteArray& bytes) { return QImage::fromData(bytes, "PNG").size() == QSize(400, 300); }, 512},
        {"typeface file", "WParams/Font.txt", [] { report::StoreReportFontName(QStringLiteral("Liberation Serif")); },
         [](const QByteArray& bytes) { return bytes == "Liberation Serif\r\n"; }, 4},
        {"PDF document", "note.pdf",
         [this] {
             report::PageReport page = OnePage();
             report::PdfDocument pdf(folder.file("note.pdf"));
             pdf.Export(page);
             pdf.Close();
         },
         [this](const QByteArray& bytes) {
             return bytes.trimmed().endsWith("%%EOF") && test::PdfText(folder.file("note.pdf")).contains("ΕΚΚΑΘΑΡΙΣΤΙΚΟ");
         },
         4096},
    };
    const QByteArray earlier("the earlier file, which must survive");
    for (const WriterCase& c : cases) {
        test::WriterRuns runs;
        runs.prepare = [&] { folder.writeFile(c.file, earlier); };
        runs.write = c.write;
        runs.check = [&](const test::FailedRun& run) {
            const std::string where = std::string(c.name) + ", write " + std::to_string(run.failingWrite);
            const QString place = QFileInfo(folder.file(c.file)).path();
            EXPECT_EQ(test::AllNames(place).filter(QRegularExpression(QStringLiteral("^\\."))), QStringList{})
                << where << ": no temporary file is left";
            const QByteArray now = folder.readFile(c.file);
            if (run.failingWrite == 0) {
                EXPECT_FALSE(run.reported) << where << ": " << run.error.toStdString();
                EXPECT_TRUE(c.isWhole(now)) << where;
                return;
            }
            EXPECT_TRUE(run.reported) << where << ": a failed write is never a success";
            EXPECT_TRUE(run.error.contains(QFileInfo(c.file).fileName())) << where << ": " << run.error.toStdString();
            EXPECT_EQ(now, earlier) << where;
        };
        EXPECT_GT(test::ForEachFailingWrite(runs, c.chunk), 1) << c.name << ": written in several pieces";
    }
}

TEST_F(WriteFailures, AFormPictureThatCannotBeKeptIsStillDrawn) {
    folder.makeFolder("WParams");
    test::WriterRuns runs;
    QImage shown;
    runs.write = [&] { shown = forms::E1PagePicture(0); };
    runs.check = [&](const test::FailedRun& run) {
        EXPECT_FALSE(run.reported) << "write " << run.failingWrite << ": the window gets its page whatever the disk says";
        EXPECT_FALSE(shown.isNull()) << "write " << run.failingWrite;
        if (run.failingWrite != 0) {
            EXPECT_FALSE(folder.exists("WParams/E1P1.jpg")) << "write " << run.failingWrite;
        }
        QFile::remove(folder.file("WParams/E1P1.jpg"));
    };
    test::ForEachFailingWrite(runs, 16384);
}

}  // namespace
}  // namespace dz
