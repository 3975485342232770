// The new-version check without windows: version text, server addresses, byte-order comparison, the request.
#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

namespace dz {

// The program's own version text, as the server writes it.
inline const QByteArray kProgramVersionText = QByteArrayLiteral("2015 (ver 4.00)");

// Created beside the program at every check; the check itself writes nothing into it.
inline const QString kUpgradeFolder = QStringLiteral("Upgrade");

inline const QString kVersionQueryPath = QStringLiteral("/versions/ZAVRO2015/getzavrover.php");
inline const QString kDownloadPagePath = QStringLiteral("/versions/ZAVRO2015/dnldnewzavrover.php");

inline constexpr int kVersionReadTimeoutMs = 5000;

// A version text is a few bytes; a longer answer is not one, and is refused rather than
// read into memory without end.
inline constexpr qint64 kMaxVersionTextBytes = 64 * 1024;

inline const QByteArray kVersionAccept = QByteArrayLiteral("text/html, */*");
inline const QByteArray kVersionUserAgent = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");

// True when `serverText` sorts after `ownText` byte by byte (bytes unsigned; a text that
// begins with the other and goes on sorts after it). So "2015 (ver 4.01)" is newer,
// "2015 (ver 10.00)" is not, and "2015 (ver 4.00)\r\n" is.
bool IsNewerVersion(const QByteArray& serverText, const QByteArray& ownText = kProgramVersionText);

// The version query (answered with the current version text) and the download page (only
// ever opened in the browser) on the maker's server.
QUrl VersionQueryUrl();
QUrl DownloadPageUrl();
int VersionReadTimeoutMs();

// Test seam: while it lives, both addresses are on `server` (scheme, host and port, e.g.
// http://127.0.0.1:4711) and the read time-out is `readTimeoutMs`.
class UpdateServerOverride {
public:
    explicit UpdateServerOverride(const QUrl& server, int readTimeoutMs = kVersionReadTimeoutMs);
    ~UpdateServerOverride();
    UpdateServerOverride(const UpdateServerOverride&) = delete;
    UpdateServerOverride& operator=(const UpdateServerOverride&) = delete;

private:
    QUrl previousServer_;
    int previousTimeout_;
};

// Creates kUpgradeFolder in the current folder when missing; false when it cannot be made.
bool EnsureUpgradeFolder();

// The texts of the two status panels and the bar's percentage while `received` of `total`
// bytes are in (`total` < 0 when the server did not say): "Παραλήφθησαν 1.234 Bytes",
// "από σύνολο 5.678 Bytes", round(received / total × 100). Unknown total: second panel empty, 0 %.
struct ProgressTexts {
    QString received;
    QString total;
    int percent = 0;
};
ProgressTexts DescribeProgress(qint64 received, qint64 total);

// How one version check ended.
enum class VersionCheckOutcome {
    NotNewer,       // the server's version is not after ours
    Declined,       // newer, and the user answered No
    Install,        // newer, the user answered Yes: download page opened, the program is to end
    Failed,         // no answer from the server (no connection, time-out, HTTP error, ...)
    WentToBrowser,  // the user took the wait window's link meanwhile
};

// Whether the program starts after the check at start-up: not when the user went to the
// download page to install the new version.
bool ProgramStartsAfter(VersionCheckOutcome outcome);

// What one version query brought.
struct VersionReply {
    bool ok = false;
    QByteArray text;  // the whole response body, when ok
    QString error;    // why not, when !ok
};

// One GET of the version query, run to its end on the calling thread: a local event loop
// waits for it, so windows repaint and take clicks meanwhile (the wait window's link).
class VersionRequest : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // No connection, a read time-out (no byte for `readTimeoutMs`), an HTTP status other than
    // 2xx, an answer that is not HTTP, an over-long body or cancel() all give ok == false.
    VersionReply get(const QUrl& url, int readTimeoutMs);

    bool canceled() const { return canceled_; }

public slots:
    // Ends a running get() at once, or makes the next one fail before it starts (the user
    // went to the download page meanwhile).
    void cancel();

signals:
    void progress(qint64 received, qint64 total);
    void cancelRequested();

private:
    bool canceled_ = false;
};

}  // namespace dz
