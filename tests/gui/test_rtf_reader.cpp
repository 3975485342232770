// The RTF reader on small inputs and on the shipped "Pro2015.rtf".
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

#include "model/rtf_reader.h"


namespace dz {
namespace {

QString Text(const char* rtf) { return ReadRtf(QByteArray(rtf)).text(); }

struct TextCase {
    const char* name;
    const char* rtf;
    const char16_t* text;
};

class RtfTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfTextTest, ReadsTheText) {
    EXPECT_EQ(Text(GetParam().rtf), QString::fromUtf16(GetParam().text)) << GetParam().rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfTextTest,
    ::testing::Values(
        TextCase{"Plain", "{\\rtf1\\ansi Hello}", u"Hello"},
        TextCase{"GreekEscapes", "{\\rtf1\\ansi\\ansicpg1253 \\'c5\\'eb\\'eb\\'dc\\'e4\\'e1}", u"Ελλάδα"},
        TextCase{"EscapesWithoutCodePageAre1253", "{\\rtf1 \\'e1\\'e2\\'e3}", u"αβγ"},
        TextCase{"UppercaseHex", "{\\rtf1 \\'C1}", u"Α"},
        TextCase{"Paragraphs", "{\\rtf1 one\\par two\\par three}", u"one\ntwo\nthree"},
        TextCase{"EmptyParagraph", "{\\rtf1 one\\par\\par two}", u"one\n\ntwo"},
        TextCase{"LineEndsInFileAreNotText", "{\\rtf1 on\r\ne\ntwo}", u"onetwo"},
        TextCase{"DelimiterSpaceIsEaten", "{\\rtf1\\b bold\\b0  x}", u"bold x"},
        TextCase{"LiteralBracesAndBackslash", "{\\rtf1 a\\{b\\}c\\\\d}", u"a{b}c\\d"},
        TextCase{"FontAndColourTablesSkipped",
                 "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Symbol;}}{\\colortbl ;\\red1\\green2\\blue3;}\\f0 text}", u"text"},
        TextCase{"StarredDestinationSkipped", "{\\rtf1{\\*\\generator Writer 1.0;}{\\*\\unknown {nested} x}body}", u"body"},
        TextCase{"InfoSkipped", "{\\rtf1{\\info{\\title T}{\\author A}}body}", u"body"},
        TextCase{"NestedGroupsKeepText", "{\\rtf1 a{b{c}d}e}", u"abcde"},
        TextCase{"Unicode", "{\\rtf1\\uc1 \\u8364?x}", u"€x"},
        TextCase{"UnicodeNegative", "{\\rtf1\\uc1 \\u-3937?}", u"\xF09F"},
        TextCase{"UnicodeTwoFallbacks", "{\\rtf1\\uc2 \\u945\\'e1\\'e1b}", u"αb"},
        TextCase{"Symbols", "{\\rtf1 \\bullet\\~\\endash\\emdash\\lquote\\rquote\\ldblquote\\rdblquote}",
                 u"•\u00A0–—‘’“”"},
        TextCase{"TabAndLine", "{\\rtf1 a\\tab b\\line c}", u"a\tb\nc"},
        TextCase{"OptionalHyphenDropped", "{\\rtf1 hy\\-phen}", u"hyphen"},
        TextCase{"BinarySkipped", "{\\rtf1 a\\bin3 {}\\b}", u"ab"},
        TextCase{"UndefinedByteDropped", "{\\rtf1 a\\'d2b}", u"ab"},
        TextCase{"CodePage1252", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}", u"café"},
        TextCase{"Truncated", "{\\rtf1 {\\b unfinished", u"unfinished"},
        TextCase{"TruncatedEscape", "{\\rtf1 ab\\'e", u"ab"},
        TextCase{"TruncatedControlWord", "{\\rtf1 ab\\", u"ab"},
        TextCase{"TruncatedInsideSkipped", "{\\rtf1 ab{\\fonttbl{\\f0 Ari", u"ab"},
        TextCase{"TooManyClosingBraces", "{\\rtf1 a}}}b", u"ab"},
        TextCase{"Empty", "", u""},
        TextCase{"NotRtf", "just text", u"just text"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(RtfReader, BoldItalicUnderlineAndSizeMakeRuns) {
    const RtfDocument doc = ReadRtf("{\\rtf1 n\\b b\\i bi\\b0\\ul iu\\ulnone\\i0\\fs40 big\\plain p}");
    ASSERT_EQ(doc.paragraphs.size(), 1);
    const QList<RtfRun>& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 6);
    EXPECT_EQ(runs[0].text, "n");
    EXPECT_FALSE(runs[0].bold);
    EXPECT_EQ(runs[0].halfPoints, 24);
    EXPECT_EQ(runs[1].text, "b");
    EXPECT_TRUE(runs[1].bold);
    EXPECT_EQ(runs[2].text, "bi");
    EXPECT_TRUE(runs[2].bold && runs[2].italic);
    EXPECT_EQ(runs[3].text, "iu");
    EXPECT_TRUE(!runs[3].bold && runs[3].italic && runs[3].underline);
    EXPECT_EQ(runs[4].text, "big");
    EXPECT_EQ(runs[4].halfPoints, 40);
    EXPECT_FALSE(runs[4].underline || runs[4].italic);
    EXPECT_EQ(runs[5].text, "p");
    EXPECT_EQ(runs[5].halfPoints, 24);
}

TEST(RtfReader, GroupsRestoreTheFormat) {
    const RtfDocument doc = ReadRtf("{\\rtf1 a{\\b b{\\i c}d}e}");
    ASSERT_EQ(doc.paragraphs.size(), 1);
    const QList<RtfRun>& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 5);
    EXPECT_FALSE(runs[0].bold);
    EXPECT_TRUE(runs[1].bold && !runs[1].italic);
    EXPECT_TRUE(runs[2].bold && runs[2].italic);
    EXPECT_TRUE(runs[3].bold && !runs[3].italic);
    EXPECT_FALSE(runs[4].bold);
}

TEST(RtfReader, ParagraphAlignmentAndIndents) {
    const RtfDocument doc = ReadRtf("{\\rtf1\\pard\\qc centred\\par\\pard\\li360\\fi-360\\sa120 item\\par plain}");
    ASSERT_EQ(doc.paragraphs.size(), 3);
    EXPECT_EQ(doc.paragraphs[0].alignment, Qt::AlignHCenter);
    EXPECT_EQ(doc.paragraphs[1].alignment, Qt::AlignLeft);
    EXPECT_EQ(doc.paragraphs[1].leftIndent, 360);
    EXPECT_EQ(doc.paragraphs[1].firstIndent, -360);
    EXPECT_EQ(doc.paragraphs[1].spaceAfter, 120);
    EXPECT_EQ(doc.paragraphs[2].leftIndent, 360);  // \par keeps the paragraph properties
}

TEST(RtfReader, GarbageNeverThrows) {
    QByteArray noise;
    for (int i = 0; i < 20000; ++i) noise.append(static_cast<char>((i * 7919 + 13) % 256));
    EXPECT_NO_THROW(ReadRtf(noise));
    EXPECT_NO_THROW(ReadRtf(QByteArray(5000, '{')));
    EXPECT_NO_THROW(ReadRtf(QByteArray(5000, '}')));
    EXPECT_NO_THROW(ReadRtf("{\\rtf1 \\fs99999999999999999999 \\u99999999999 \\uc-5 \\bin-4 x"));
}

// The HTML that QTextEdit shows carries the formats.
TEST(RtfReader, HtmlKeepsTheFormatsInAQTextDocument) {
    QTextDocument doc;
    doc.setHtml(RtfToHtml(QByteArray("{\\rtf1\\ansicpg1253 \\pard\\qc{\\b\\fs36 \\'d4\\'dd\\'eb\\'ef\\'f2}\\par "
                                     "\\pard a  b{\\i c}{\\ul d}<&>\\par\\par end}")));
    ASSERT_EQ(doc.blockCount(), 4);
    QTextBlock title = doc.firstBlock();
    EXPECT_EQ(title.text(), QStringLiteral("Τέλος"));
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QTextFragment t = title.begin().fragment();
    EXPECT_GE(t.charFormat().fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(t.charFormat().fontPointSize(), 18.0);

    QTextBlock body = title.next();
    EXPECT_EQ(body.text(), QStringLiteral("a  bcd<&>"));  // spaces kept, markup escaped
    bool italic = false;
    bool underline = false;
    for (auto it = body.begin(); !it.atEnd(); ++it) {
        if (it.fragment().text() == "c") italic = it.fragment().charFormat().fontItalic();
        if (it.fragment().text() == "d") underline = it.fragment().charFormat().fontUnderline();
    }
    EXPECT_TRUE(italic);
    EXPECT_TRUE(underline);
    EXPECT_EQ(body.next().text(), QString());
    EXPECT_EQ(body.next().next().text(), QStringLiteral("end"));
}

TEST(RtfReader, TheShippedInformationText) {
    // This file lies in tests/gui of the source tree.
    QFile file(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../data/template/Pro2015.rtf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1253"));
    for (char c : bytes) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "Greek only as \\'xx escapes";

    const RtfDocument doc = ReadRtf(bytes);
    const QString text = doc.text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("DOVAZEZ 2015 (VER 4.00)\n")));
    for (const char16_t* phrase : {u"Δήλωση Φορολογίας Εισοδήματος Ε1", u"Μισθωμάτων Ακινήτων Ε2", u"φορολογικό έτος 2014",
                                   u"Εκκαθαριστικό σημείωμα", u"PDF", u"Σύντομη δήλωση με κωδικούς", u"Ευρετήριο δηλώσεων",
                                   u"«Να μην εμφανιστεί ξανά αυτό το μήνυμα»"})
        EXPECT_TRUE(text.contains(QString::fromUtf16(phrase))) << QString::fromUtf16(phrase).toStdString();
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    EXPECT_FALSE(text.contains(QLatin1Char('\\')));
    EXPECT_FALSE(text.contains(QStringLiteral("Arial")));
    EXPECT_FALSE(text.contains(QStringLiteral("generator")));
    // The title is bold, large and centred.
    ASSERT_FALSE(doc.paragraphs.isEmpty());
    EXPECT_EQ(doc.paragraphs[0].alignment, Qt::AlignHCenter);
    ASSERT_FALSE(doc.paragraphs[0].runs.isEmpty());
    EXPECT_TRUE(doc.paragraphs[0].runs[0].bold);
    EXPECT_GT(doc.paragraphs[0].runs[0].halfPoints, 24);
}

}  // namespace
}  // namespace dz
