// TfiPro, the information window: content, and when "Pro2015.rtf" is deleted.
#include <QApplication>
#include <QLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "app/fi_pro.h"
#include "gui_helpers.h"
#include "support/test_folder.h"

namespace dz {
namespace {

const QByteArray kRtf = "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\b \\'ca\\'e1\\'eb\\'de "
                        "\\'e1\\'f1\\'f7\\'de\\b0\\par \\'c4\\'e5\\'fd\\'f4\\'e5\\'f1\\'ef}";

class InformationWindowTest : public ::testing::Test {
protected:
    void SetUp() override { folder.writeFile("Pro2015.rtf", kRtf); }
    test::TestFolder folder;
};

TEST_F(InformationWindowTest, ShowsTheRichTextAndItsControls) {
    TfiPro pro;
    EXPECT_EQ(pro.windowTitle(), QStringLiteral("DOVAZEZ 2015"));
    EXPECT_EQ(pro.rePro->toPlainText(), QStringLiteral("Καλή αρχή\nΔεύτερο"));
    EXPECT_TRUE(pro.rePro->isReadOnly());
    const QTextBlock first = pro.rePro->document()->firstBlock();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_GE(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(pro.cbNot->text(), QStringLiteral("Να μην εμφανιστεί ξανά αυτό το μήνυμα"));
    EXPECT_TRUE(pro.cbNot->font().bold());
    EXPECT_FALSE(pro.cbNot->isChecked());
    EXPECT_EQ(pro.Button2->text(), QStringLiteral("Έξοδος"));
    EXPECT_EQ(pro.minimumSize(), pro.maximumSize());  // fixed size
    EXPECT_EQ(pro.rePro->parentWidget()->layout()->contentsMargins().left(), 41);
    EXPECT_EQ(pro.rePro->parentWidget()->layout()->contentsMargins().right(), 41);
}

TEST_F(InformationWindowTest, ExitWithTheBoxTickedDeletesTheFile) {
    TfiPro pro;
    pro.show();
    pro.cbNot->setChecked(true);
    QTest::mouseClick(pro.Button2, Qt::LeftButton);
    EXPECT_FALSE(pro.isVisible());
    EXPECT_EQ(pro.result(), QDialog::Accepted);
    EXPECT_FALSE(folder.exists("Pro2015.rtf"));
}

TEST_F(InformationWindowTest, ExitWithTheBoxUntickedKeepsTheFile) {
    TfiPro pro;
    pro.show();
    QTest::mouseClick(pro.Button2, Qt::LeftButton);
    EXPECT_FALSE(pro.isVisible());
    EXPECT_TRUE(folder.exists("Pro2015.rtf"));
}

TEST_F(InformationWindowTest, EscapeIsTheExitButton) {
    TfiPro pro;
    pro.show();
    pro.cbNot->setChecked(true);
    QTest::keyClick(&pro, Qt::Key_Escape);
    EXPECT_FALSE(pro.isVisible());
    EXPECT_FALSE(folder.exists("Pro2015.rtf"));
}

TEST_F(InformationWindowTest, EscapeFromTheTextAreaToo) {
    TfiPro pro;
    pro.show();
    pro.cbNot->setChecked(true);
    QTest::keyClick(pro.rePro, Qt::Key_Escape);
    EXPECT_FALSE(pro.isVisible());
    EXPECT_FALSE(folder.exists("Pro2015.rtf"));
}

TEST_F(InformationWindowTest, ClosingByTheTitleBarKeepsTheFile) {
    TfiPro pro;
    pro.show();
    pro.cbNot->setChecked(true);
    EXPECT_TRUE(pro.close());  // what the window system's close box does
    EXPECT_FALSE(pro.isVisible());
    EXPECT_TRUE(folder.exists("Pro2015.rtf"));
}

TEST_F(InformationWindowTest, ModalRunEndsByTheButton) {
    TfiPro pro;
    test::WhenModal([](QWidget* modal) {
        auto* shown = qobject_cast<TfiPro*>(modal);
        ASSERT_NE(shown, nullptr);
        shown->cbNot->setChecked(true);
        shown->Button2->click();
    });
    pro.exec();
    EXPECT_FALSE(folder.exists("Pro2015.rtf"));
}

TEST(InformationWindow, AMissingFileShowsAnEmptyText) {
    test::TestFolder folder;
    TfiPro pro;
    EXPECT_TRUE(pro.rePro->toPlainText().isEmpty());
}

}  // namespace
}  // namespace dz
