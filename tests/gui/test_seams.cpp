// The test seams other windows rely on: message boxes, the error wrapper, opening addresses; the about box.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QFile>
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

TEST(UserDialogs, EnterAndEscapeNeverDestroyWithoutADeliberateYes) {
    UserDialogs::StopScript();
    struct Case {
        const char* name;
        bool destructive;
        Qt::Key key;
        bool expected;
    };
    const Case cases[] = {
        {"a plain question, Enter", false, Qt::Key_Return, true},
        {"a plain question, Escape", false, Qt::Key_Escape, false},
        {"a destroying question, Enter", true, Qt::Key_Return, false},
        {"a destroying question, keypad Enter", true, Qt::Key_Enter, false},
        {"a destroying question, Escape", true, Qt::Key_Escape, false},
    };
    for (const Case& c : cases) {
        QString defaultButton;
        test::WhenModal([&defaultButton, key = c.key](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->defaultButton())
                defaultButton = box->defaultButton()->text();
            QTest::keyClick(modal, key);
        });
        const QString question = QStringLiteral("Ερώτηση;");
        const bool answer = c.destructive ? AppDialogs().AskBeforeDestroying(question) : AppDialogs().AskYesNo(question);
        EXPECT_EQ(answer, c.expected) << c.name;
        EXPECT_EQ(defaultButton, c.destructive ? QStringLiteral("Όχι") : QStringLiteral("Ναι")) << c.name;
    }
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

TEST(OpenUrl, AViewerThatFindsNoApplicationIsReported) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto script = [&dir](const char* name, const char* body) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("#!/bin/sh\n") + body + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    };
    struct Case {
        const char* name;
        QString opener;
        bool reported;
    };
    const Case cases[] = {
        {"a viewer opened the file", script("opens", "exit 0"), false},
        {"no application for the file", script("finds-nothing", "exit 3"), true},
        {"no opener at all", dir.filePath(QStringLiteral("missing")), true},
    };
    for (const Case& c : cases) {
        int reports = 0;
        StartViewer(c.opener, QStringLiteral("/tmp/ΔήλωσηE1.Pdf"), [&reports] { ++reports; });
        // The opener's end is seen only through the event loop.
        (void)QTest::qWaitFor([&] { return reports > 0; }, 1500);
        EXPECT_EQ(reports, c.reported ? 1 : 0) << c.name;
    }
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
