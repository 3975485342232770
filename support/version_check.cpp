// The version query over Qt Network, waited for in a local event loop; the byte-order comparison.
#include "support/version_check.h"

#include <QDir>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "controls/open_url.h"

namespace dz {
namespace {

struct Server {
    QUrl base = QUrl(kMakerSite);
    int readTimeoutMs = kVersionReadTimeoutMs;
};

Server& TheServer() {
    static Server server;
    return server;
}

QUrl OnServer(const QString& path) {
    QUrl url = TheServer().base;
    url.setPath(path);
    return url;
}

}  // namespace

bool IsNewerVersion(const QByteArray& serverText, const QByteArray& ownText) {
    auto asUnsigned = [](char c) { return static_cast<unsigned char>(c); };
    return std::lexicographical_compare(ownText.begin(), ownText.end(), serverText.begin(), serverText.end(),
                                        [&](char a, char b) { return asUnsigned(a) < asUnsigned(b); });
}

bool ProgramStartsAfter(VersionCheckOutcome outcome) {
    return outcome != VersionCheckOutcome::Install && outcome != VersionCheckOutcome::WentToBrowser;
}

QUrl VersionQueryUrl() { return OnServer(kVersionQueryPath); }
QUrl DownloadPageUrl() { return OnServer(kDownloadPagePath); }
int VersionReadTimeoutMs() { return TheServer().readTimeoutMs; }

UpdateServerOverride::UpdateServerOverride(const QUrl& server, int readTimeoutMs)
    : previousServer_(TheServer().base), previousTimeout_(TheServer().readTimeoutMs) {
    TheServer().base = server;
    TheServer().readTimeoutMs = readTimeoutMs;
}

UpdateServerOverride::~UpdateServerOverride() {
    TheServer().base = previousServer_;
    TheServer().readTimeoutMs = previousTimeout_;
}

bool EnsureUpgradeFolder() { return QDir().mkpath(kUpgradeFolder); }

ProgressTexts DescribeProgress(qint64 received, qint64 total) {
    // Greek grouping ("1.234") whatever the machine's locale.
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    ProgressTexts texts;
    texts.received = QStringLiteral("Παραλήφθησαν ") + greek.toString(received) + QStringLiteral(" Bytes");
    if (total > 0) {
        texts.total = QStringLiteral("από σύνολο ") + greek.toString(total) + QStringLiteral(" Bytes");
        texts.percent = static_cast<int>(std::lround(100.0 * static_cast<double>(std::min(received, total)) /
                                                     static_cast<double>(total)));
    }
    return texts;
}

void VersionRequest::cancel() {
    canceled_ = true;
    emit cancelRequested();
}

VersionReply VersionRequest::get(const QUrl& url, int readTimeoutMs) {
    VersionReply answer;
    if (canceled_) {  // the link was clicked before the request could start
        answer.error = QStringLiteral("canceled");
        return answer;
    }
    bool tooLong = false;

    QNetworkAccessManager manager;  // its own cookie jar: cookies the server sets are kept for this request
    QNetworkRequest request(url);
    request.setRawHeader("Accept", kVersionAccept);
    request.setHeader(QNetworkRequest::UserAgentHeader, kVersionUserAgent);
    // Qt's transfer time-out is a read time-out: it runs again from every byte that arrives.
    request.setTransferTimeout(readTimeoutMs);

    QPointer<QNetworkReply> reply = manager.get(request);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::downloadProgress, this, [&](qint64 received, qint64 total) {
        if (received > kMaxVersionTextBytes || total > kMaxVersionTextBytes) {
            tooLong = true;
            reply->abort();
            return;
        }
        emit progress(received, total);
    });
    connect(this, &VersionRequest::cancelRequested, reply, &QNetworkReply::abort);
    if (!reply->isFinished()) loop.exec();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (canceled_) {
        answer.error = QStringLiteral("canceled");
    } else if (tooLong) {
        answer.error = QStringLiteral("the answer is longer than %1 bytes").arg(kMaxVersionTextBytes);
    } else if (reply->error() != QNetworkReply::NoError) {
        answer.error = reply->errorString();
    } else if (!status.isValid() || status.toInt() < 200 || status.toInt() > 299) {
        answer.error = QStringLiteral("HTTP status %1").arg(status.toString());
    } else {
        answer.text = reply->readAll();
        answer.ok = answer.text.size() <= kMaxVersionTextBytes;
        if (!answer.ok) answer.error = QStringLiteral("the answer is longer than %1 bytes").arg(kMaxVersionTextBytes);
    }
    delete reply;
    return answer;
}

}  // namespace dz
