// The test seams other windows rely on: message boxes, the error wrapper, opening addresses; the about box.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/clickable_picture.h"
#include "controls/open_url.h"
#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "gui_helpers.h"
#include "model/errors.h"
#include "support/about_box.h"

namespace dz {
namespace {

QStringList ButtonTexts(QMessageBox* box) {
    QStringList out;
    for (QAbstractButton* b : box->buttons()) out << b->text();
    out.sort();
    return out;
}

// Clicks the button with `text` of the next message box, recording the box's buttons.
void Answer(const QString& text, QStringList* buttons, QString* title = nullptr) {
    test::WhenModal([=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        *buttons = ButtonTexts(box);
        if (title) *title = box->windowTitle();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) b->click();
    });
}

TEST(UserDialogs, ScriptedAnswersAreTakenInOrderAndRecorded) {
    ScriptedDialogs script({true, false});
    EXPECT_TRUE(UserDialogs::Scripted());
    EXPECT_TRUE(AppDialogs().AskYesNo("first?"));
    EXPECT_FALSE(AppDialogs().AskYesNo("second?"));
    AppDialogs().Inform("notice");
    AppDialogs().ShowError("error");
    EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{"first?", "second?", "notice", "error"}));
    EXPECT_EQ(UserDialogs::PendingAnswers(), 0);
    EXPECT_EQ(UserDialogs::UnansweredQuestions(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(UserDialogs, AQuestionWithoutAScriptedAnswerIsNo) {
    ScriptedDialogs script;
    EXPECT_FALSE(AppDialogs().AskYesNo("unexpected?"));
    EXPECT_EQ(UserDialogs::UnansweredQuestions(), 1);
}

TEST(UserDialogs, TheScopeEndsTheScript) {
    { ScriptedDialogs script({true, true}); }
    EXPECT_FALSE(UserDialogs::Scripted());
    EXPECT_EQ(UserDialogs::PendingAnswers(), 0);
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
}

TEST(UserDialogs, RealQuestionHasGreekButtons) {
    UserDialogs::StopScript();
    QStringList buttons;
    QString title;
    Answer(QStringLiteral("Όχι"), &buttons, &title);
    EXPECT_FALSE(AppDialogs().AskYesNo(QStringLiteral("Ερώτηση;")));
    QStringList yesNo{"Ναι", "Όχι"};
    yesNo.sort();
    EXPECT_EQ(buttons, yesNo);
    EXPECT_EQ(title, QStringLiteral("DOVAZEZ 2015"));
    Answer(QStringLiteral("Ναι"), &buttons);
    EXPECT_TRUE(AppDialogs().AskYesNo(QStringLiteral("Ερώτηση;")));
    UserDialogs::ClearShownTexts();
}

TEST(UserDialogs, RealEscapeAnswersNo) {
    UserDialogs::StopScript();
    test::WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_FALSE(AppDialogs().AskYesNo(QStringLiteral("Ερώτηση;")));
    UserDialogs::ClearShownTexts();
}

TEST(UserDialogs, RealNoticeAndErrorHaveAnOkButton) {
    UserDialogs::StopScript();
    QStringList buttons;
    Answer(QStringLiteral("OK"), &buttons);
    AppDialogs().Inform(QStringLiteral("Ενημέρωση"));
    EXPECT_EQ(buttons, QStringList{"OK"});
    buttons.clear();
    Answer(QStringLiteral("OK"), &buttons);
    AppDialogs().ShowError(QStringLiteral("Σφάλμα"));
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{"Ενημέρωση", "Σφάλμα"}));
    UserDialogs::ClearShownTexts();
}

TEST(RunCommand, ShowsTheErrorTextOnceAndGoesOn) {
    ScriptedDialogs script;
    EXPECT_FALSE(RunCommand(nullptr, [] { throw IoError(QStringLiteral("Το αρχείο δεν βρέθηκε")); }));
    EXPECT_FALSE(RunCommand(nullptr, [] { throw std::runtime_error("bad input"); }));
    EXPECT_FALSE(RunCommand(nullptr, [] { throw 42; }));
    int ran = 0;
    EXPECT_TRUE(RunCommand(nullptr, [&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{"Το αρχείο δεν βρέθηκε", "bad input", "Άγνωστο σφάλμα"}));
}

TEST(RunCommand, OnTriggeredWrapsAnAction) {
    ScriptedDialogs script;
    QAction action;
    OnTriggered(&action, nullptr, [] { throw DataError(QStringLiteral("Λάθος τιμή")); });
    action.trigger();
    action.trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{"Λάθος τιμή", "Λάθος τιμή"}));
}

TEST(OpenUrl, TheRecorderCatchesWebAndFileAddresses) {
    UrlRecorder recorder;
    OpenUrl(QUrl(QStringLiteral("http://www.example.gr/a")));
    OpenUrl(QUrl::fromLocalFile(QStringLiteral("/tmp/DilosiE1.Pdf")));
    ASSERT_EQ(recorder.urls().size(), 2);
    EXPECT_EQ(recorder.urls()[0], QUrl(QStringLiteral("http://www.example.gr/a")));
    EXPECT_EQ(recorder.urls()[1].toLocalFile(), QStringLiteral("/tmp/DilosiE1.Pdf"));
}

TEST(AboutBox, ShowsTitleAndOpensTheSites) {
    UrlRecorder recorder;
    TfiAbout about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Πληροφορίες για το \" Δελτανό 2015\""));
    EXPECT_EQ(about.lbTitle->text(), QStringLiteral("DOVAZEZ 2015 VER 4.00"));
    EXPECT_TRUE(about.lbTitle->wordWrap());
    EXPECT_TRUE(about.lbTitle->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(about.BitBtn1->text(), QStringLiteral("Κλείσιμο"));
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    for (QLabel* picture : {static_cast<QLabel*>(about.Image2), static_cast<QLabel*>(about.Image3),
                            static_cast<QLabel*>(about.Image4)})
        EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(about.Image2, Qt::LeftButton);
    QTest::mouseClick(about.Image4, Qt::LeftButton);
    QTest::mouseClick(about.Image3, Qt::LeftButton);
    ASSERT_EQ(recorder.urls().size(), 3);
    EXPECT_EQ(recorder.urls()[0], QUrl(kMakerSite));
    EXPECT_EQ(recorder.urls()[1], QUrl(kMakerSite));
    EXPECT_EQ(recorder.urls()[2], QUrl(kDistributorSite));
    EXPECT_TRUE(about.isVisible());  // the dialog stays open

    QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace dz
