// The new-version check against a real HTTP server on loopback: comparison, answers, failures, windows, start-up.
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

#include "controls/clickable_picture.h"
#include "app/fi_main.h"
#include "controls/open_url.h"
#include "app/shell_windows.h"
#include "controls/user_dialogs.h"
#include "gui_helpers.h"
#include "support/fi_new_ver.h"
#include "support/fi_no_connection.h"
#include "support/test_folder.h"
#include "support/version_check.h"

namespace dz {
namespace {

using Outcome = TfiNewVer::Outcome;

// A small HTTP server on 127.0.0.1 that answers every request the same way.
class FakeUpdateServer {
public:
    enum class Mode {
        Answer,       // `status` and `body`, with Content-Length
        Garbage,      // bytes that are not HTTP
        CloseAtOnce,  // the connection is closed as soon as it is accepted
        Silent,       // reads the request and never answers
        Endless,      // 200 and more bytes than a version text, without a length
        Refused,      // nobody listens on the port
    };

    explicit FakeUpdateServer(Mode mode = Mode::Answer, int status = 200, QByteArray body = kProgramVersionText)
        : mode_(mode), status_(status), body_(std::move(body)) {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        port_ = server_.serverPort();
        if (mode_ == Mode::Refused) server_.close();
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port_)); }
    const QByteArray& lastRequest() const { return lastRequest_; }
    int requests() const { return requests_; }
    std::function<void()> onRequest;  // runs when a whole request head has arrived

private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(&server_);
            if (mode_ == Mode::CloseAtOnce) {
                socket->abort();
                continue;
            }
            auto* head = new QByteArray;
            QObject::connect(socket, &QObject::destroyed, [head] { delete head; });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
                *head += socket->readAll();
                if (!head->contains("\r\n\r\n")) return;
                lastRequest_ = *head;
                head->clear();
                ++requests_;
                if (onRequest) onRequest();
                answer(socket);
            });
        }
    }

    void answer(QTcpSocket* socket) {
        switch (mode_) {
        case Mode::Answer:
            socket->write("HTTP/1.1 " + QByteArray::number(status_) + " Status\r\nContent-Type: text/html\r\n" +
                          "Content-Length: " + QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" +
                          body_);
            socket->disconnectFromHost();
            break;
        case Mode::Garbage:
            socket->write("2015 (ver 9.99)\r\nthis is no HTTP\r\n\r\n");
            socket->disconnectFromHost();
            break;
        case Mode::Endless:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n");
            socket->write(QByteArray(kMaxVersionTextBytes * 3, 'x'));
            socket->disconnectFromHost();
            break;
        case Mode::Silent:
        case Mode::CloseAtOnce:
        case Mode::Refused:
            break;
        }
    }

    QTcpServer server_;
    quint16 port_ = 0;
    Mode mode_;
    int status_;
    QByteArray body_;
    QByteArray lastRequest_;
    int requests_ = 0;
};

using Mode = FakeUpdateServer::Mode;

QUrl DownloadPageOf(const FakeUpdateServer& server) {
    QUrl url = server.url();
    url.setPath(kDownloadPagePath);
    return url;
}

TEST(VersionCheck, ComparisonIsByteOrder) {
    struct Case {
        const char* name;
        QByteArray server;
        bool newer;
    };
    const Case cases[] = {
        {"the same text", "2015 (ver 4.00)", false},
        {"a later minor version", "2015 (ver 4.01)", true},
        {"a later major version", "2015 (ver 5.00)", true},
        {"ten sorts before four", "2015 (ver 10.00)", false},
        {"an earlier version", "2015 (ver 3.99)", false},
        {"a later year", "2016 (ver 1.00)", true},
        {"an earlier year", "2014 (ver 9.99)", false},
        {"a trailing line break adds characters", "2015 (ver 4.00)\r\n", true},
        {"a shorter beginning of ours", "2015 (ver 4.0", false},
        {"an empty answer", "", false},
        {"upper case sorts before lower case", "2015 (VER 4.00)", false},
        {"bytes above 0x7F sort after ASCII", "\xC1", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsNewerVersion(c.server), c.newer) << c.name;
}

TEST(VersionCheck, AddressesAreOnTheMakersServerUnlessOverridden) {
    EXPECT_EQ(VersionQueryUrl(), QUrl(kMakerSite + kVersionQueryPath));
    EXPECT_EQ(DownloadPageUrl(), QUrl(kMakerSite + kDownloadPagePath));
    EXPECT_EQ(VersionReadTimeoutMs(), 5000);
    {
        UpdateServerOverride local(QUrl("http://127.0.0.1:8123"), 300);
        EXPECT_EQ(VersionQueryUrl(), QUrl("http://127.0.0.1:8123/versions/ZAVRO2015/getzavrover.php"));
        EXPECT_EQ(DownloadPageUrl(), QUrl("http://127.0.0.1:8123/versions/ZAVRO2015/dnldnewzavrover.php"));
        EXPECT_EQ(VersionReadTimeoutMs(), 300);
    }
    EXPECT_EQ(VersionQueryUrl(), QUrl(kMakerSite + kVersionQueryPath));
    EXPECT_EQ(VersionReadTimeoutMs(), 5000);
}

TEST(VersionCheck, ProgressTexts) {
    struct Case {
        const char* name;
        qint64 received, total;
        QString receivedText, totalText;
        int percent;
    };
    const Case cases[] = {
        {"nothing yet, total unknown", 0, -1, "Παραλήφθησαν 0 Bytes", "", 0},
        {"thousands grouped the Greek way", 1234, 5678, "Παραλήφθησαν 1.234 Bytes", "από σύνολο 5.678 Bytes", 22},
        {"all of it", 15, 15, "Παραλήφθησαν 15 Bytes", "από σύνολο 15 Bytes", 100},
        {"half rounds up", 1, 200, "Παραλήφθησαν 1 Bytes", "από σύνολο 200 Bytes", 1},
    };
    for (const Case& c : cases) {
        const ProgressTexts texts = DescribeProgress(c.received, c.total);
        EXPECT_EQ(texts.received, c.receivedText) << c.name;
        EXPECT_EQ(texts.total, c.totalText) << c.name;
        EXPECT_EQ(texts.percent, c.percent) << c.name;
    }
}

class VersionCheckTest : public ::testing::Test {
protected:
    test::TestFolder folder;
    ScriptedDialogs dialogs;
    UrlRecorder urls;
};

TEST_F(VersionCheckTest, EachAnswerOfTheServer) {
    struct Case {
        const char* name;
        Mode mode;
        int status;
        QByteArray body;
        bool announce;
        QList<bool> answers;
        QStringList shown;
        bool opensDownloadPage;
        Outcome outcome;
    };
    const QString question = TfiNewVer::kNewerQuestion;
    const QString noNewer = TfiNewVer::kNoNewer;
    const QString noConnection = TfiNewVer::kNoConnection;
    const Case cases[] = {
        {"the same version, from the dialog", Mode::Answer, 200, kProgramVersionText, true, {}, {noNewer}, false,
         Outcome::NotNewer},
        {"the same version, at start-up", Mode::Answer, 200, kProgramVersionText, false, {}, {}, false,
         Outcome::NotNewer},
        {"an older version, from the dialog", Mode::Answer, 200, "2014 (ver 9.99)", true, {}, {noNewer}, false,
         Outcome::NotNewer},
        {"ver 10.00 is not newer", Mode::Answer, 200, "2015 (ver 10.00)", true, {}, {noNewer}, false,
         Outcome::NotNewer},
        {"an empty answer", Mode::Answer, 200, "", true, {}, {noNewer}, false, Outcome::NotNewer},
        {"newer, Yes", Mode::Answer, 200, "2015 (ver 4.01)", true, {true}, {question}, true, Outcome::Install},
        {"newer at start-up, Yes", Mode::Answer, 200, "2015 (ver 4.01)", false, {true}, {question}, true,
         Outcome::Install},
        {"newer, No", Mode::Answer, 200, "2015 (ver 4.01)", true, {false}, {question}, false, Outcome::Declined},
        {"a trailing line break counts as newer", Mode::Answer, 200, "2015 (ver 4.00)\r\n", false, {false},
         {question}, false, Outcome::Declined},
        {"HTTP 404, from the dialog", Mode::Answer, 404, "2015 (ver 4.01)", true, {}, {noConnection}, false,
         Outcome::Failed},
        {"HTTP 500, at start-up", Mode::Answer, 500, "2015 (ver 4.01)", false, {}, {}, false, Outcome::Failed},
        {"not HTTP at all", Mode::Garbage, 0, "", true, {}, {noConnection}, false, Outcome::Failed},
        {"connection closed at once", Mode::CloseAtOnce, 0, "", true, {}, {noConnection}, false, Outcome::Failed},
        {"nobody listening", Mode::Refused, 0, "", true, {}, {noConnection}, false, Outcome::Failed},
        {"never answers, from the dialog", Mode::Silent, 0, "", true, {}, {noConnection}, false, Outcome::Failed},
        {"never answers, at start-up", Mode::Silent, 0, "", false, {}, {}, false, Outcome::Failed},
        {"more than a version text", Mode::Endless, 0, "", true, {}, {noConnection}, false, Outcome::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeUpdateServer server(c.mode, c.status, c.body);
        UpdateServerOverride local(server.url(), 300);
        UserDialogs::ClearShownTexts();
        UserDialogs::ScriptAnswers(c.answers);
        urls.clear();

        TfiNewVer dialog;
        QElapsedTimer clock;
        clock.start();
        const Outcome outcome = dialog.CheckNewVersion(c.announce);

        EXPECT_LT(clock.elapsed(), 3000) << c.name;
        EXPECT_EQ(outcome, c.outcome) << c.name;
        EXPECT_EQ(UserDialogs::ShownTexts(), c.shown) << c.name;
        EXPECT_EQ(UserDialogs::PendingAnswers(), 0) << c.name;
        EXPECT_EQ(urls.urls(), c.opensDownloadPage ? QList<QUrl>{DownloadPageOf(server)} : QList<QUrl>{}) << c.name;
        // Only "Yes" to a newer version ends the program; a failure never does.
        EXPECT_EQ(dialog.endRequested(), c.outcome == Outcome::Install) << c.name;
        EXPECT_EQ(ProgramStartsAfter(outcome), c.outcome != Outcome::Install) << c.name;
    }
}

TEST_F(VersionCheckTest, OneRequestWithItsHeadersUnderTheWaitWindow) {
    FakeUpdateServer server(Mode::Answer, 200, kProgramVersionText);
    UpdateServerOverride local(server.url(), 300);
    bool waitShown = false;
    server.onRequest = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* wait = qobject_cast<TfiNoConnection*>(w); wait && wait->isVisible()) waitShown = true;
    };

    TfiNewVer dialog;
    EXPECT_EQ(dialog.CheckNewVersion(false), Outcome::NotNewer);

    EXPECT_EQ(server.requests(), 1);
    const QList<QByteArray> lines = server.lastRequest().split('\n');
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0].trimmed(), "GET /versions/ZAVRO2015/getzavrover.php HTTP/1.1");
    EXPECT_TRUE(lines.contains("Accept: text/html, */*\r")) << server.lastRequest().toStdString();
    EXPECT_TRUE(lines.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r")) << server.lastRequest().toStdString();
    EXPECT_TRUE(waitShown);
    EXPECT_TRUE(dialog.findChildren<TfiNoConnection*>().isEmpty());  // closed and freed afterwards

    // The folder is made for the update and left empty.
    ASSERT_TRUE(folder.exists(kUpgradeFolder));
    EXPECT_TRUE(QDir(folder.file(kUpgradeFolder)).isEmpty());
    EXPECT_EQ(dialog.CheckNewVersion(false), Outcome::NotNewer);  // an existing folder is fine
}

TEST_F(VersionCheckTest, TheWaitWindowsLinkEndsTheWait) {
    // The server never answers and the time-out is long: only the link can end the wait early.
    FakeUpdateServer server(Mode::Silent);
    UpdateServerOverride local(server.url(), 20000);
    QPointer<TfiNoConnection> seen;
    QString linkText;
    server.onRequest = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* wait = qobject_cast<TfiNoConnection*>(w); wait && wait->isVisible()) seen = wait;
        if (!seen) return;
        linkText = seen->Label2->text();
        QTimer::singleShot(0, seen, [&] { QTest::mouseClick(seen->Label2, Qt::LeftButton); });
    };

    TfiNewVer dialog;
    QElapsedTimer clock;
    clock.start();
    const Outcome outcome = dialog.CheckNewVersion(true);
    EXPECT_EQ(outcome, Outcome::WentToBrowser);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(linkText, TfiNoConnection::kLinkText);
    EXPECT_TRUE(seen.isNull());  // closed and freed
    EXPECT_EQ(urls.urls(), QList<QUrl>{DownloadPageOf(server)});
    EXPECT_FALSE(ProgramStartsAfter(outcome));
    EXPECT_TRUE(UserDialogs::ShownTexts().isEmpty());
    EXPECT_FALSE(dialog.endRequested());
}

TEST_F(VersionCheckTest, DialogButtons) {
    FakeUpdateServer server(Mode::Answer, 200, kProgramVersionText);
    UpdateServerOverride local(server.url(), 300);
    TfiNewVer dialog;
    EXPECT_EQ(dialog.windowTitle(), TfiNewVer::kCaption);
    EXPECT_EQ(dialog.btNewVersion->text(), QStringLiteral("Έλεγχος"));
    EXPECT_EQ(dialog.btExit->text(), QStringLiteral("Έξοδος"));

    // Not newer: the message, and the dialog stays for another try.
    dialog.show();
    dialog.btNewVersion->click();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{TfiNewVer::kNoNewer});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.btNewVersion->isEnabled());
    EXPECT_TRUE(dialog.btExit->isEnabled());
    dialog.btExit->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(VersionCheckTest, YesFromTheMenuClosesTheMainWindowTheNormalWay) {
    FakeUpdateServer server(Mode::Answer, 200, "2015 (ver 4.01)");
    UpdateServerOverride local(server.url(), 300);
    TfiMain main;
    QPointer<test::FakeEntry> e1;
    ShellWindows windows = DefaultShellWindows();
    windows.newE1 = [&](QWidget*) -> QWidget* { return e1 = new test::FakeEntry("fiE1", {"miSave"}); };
    main.setShellWindows(windows);
    main.show();
    main.acE1->trigger();
    ASSERT_TRUE(e1);
    e1->modified = true;

    UserDialogs::ScriptAnswers({true, true});  // download the new version; save the declaration
    bool sawDialog = false;
    test::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfiNewVer*>(modal);
        sawDialog = dialog != nullptr;
        if (dialog) dialog->btNewVersion->click();
        else modal->close();
    });
    main.N12->trigger();

    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(UserDialogs::ShownTexts(), (QStringList{TfiNewVer::kNewerQuestion, test::kCloseQuestion}));
    EXPECT_EQ(urls.urls(), QList<QUrl>{DownloadPageOf(server)});
    EXPECT_FALSE(main.isVisible());
    ASSERT_TRUE(e1);
    EXPECT_EQ(e1->count("miSave"), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(VersionCheckTest, FailureFromTheMenuLeavesTheProgramRunning) {
    FakeUpdateServer server(Mode::CloseAtOnce);
    UpdateServerOverride local(server.url(), 300);
    TfiMain main;
    main.setShellWindows(DefaultShellWindows());
    main.show();
    test::WhenModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<TfiNewVer*>(modal)) {
            dialog->btNewVersion->click();
            dialog->btExit->click();
        } else {
            modal->close();
        }
    });
    main.N12->trigger();
    EXPECT_EQ(UserDialogs::ShownTexts(), QStringList{TfiNewVer::kNoConnection});
    EXPECT_TRUE(urls.urls().isEmpty());
    EXPECT_TRUE(main.isVisible());
}

TEST_F(VersionCheckTest, StartUpCheckStopsTheStartOnlyAfterYes) {
    struct Case {
        const char* name;
        Mode mode;
        QByteArray body;
        QList<bool> answers;
        bool runs;
        int pagesOpened;
    };
    const Case cases[] = {
        {"newer, Yes", Mode::Answer, "2015 (ver 4.01)", {true}, false, 1},
        {"newer, No", Mode::Answer, "2015 (ver 4.01)", {false}, true, 0},
        {"the same version", Mode::Answer, kProgramVersionText, {}, true, 0},
        {"no answer", Mode::Silent, "", {}, true, 0},
        {"connection closed", Mode::CloseAtOnce, "", {}, true, 0},
    };
    const StartupCheck startupCheck = DefaultShellWindows().startupCheck;
    ASSERT_TRUE(startupCheck);
    for (const Case& c : cases) {
        FakeUpdateServer server(c.mode, 200, c.body);
        UpdateServerOverride local(server.url(), 300);
        UserDialogs::ClearShownTexts();
        UserDialogs::ScriptAnswers(c.answers);
        urls.clear();
        TfiMain main;  // created but not shown, as at start-up
        EXPECT_EQ(ProgramStartsAfter(startupCheck(&main)), c.runs) << c.name;
        EXPECT_EQ(urls.urls().size(), c.pagesOpened) << c.name;
        EXPECT_EQ(server.requests(), c.mode == Mode::CloseAtOnce ? 0 : 1) << c.name;
        EXPECT_EQ(UserDialogs::ShownTexts(), c.answers.isEmpty() ? QStringList{} : QStringList{TfiNewVer::kNewerQuestion})
            << c.name;
        EXPECT_FALSE(main.isVisible()) << c.name;
    }
}

}  // namespace
}  // namespace dz
