// Opening a document or a web address with the system's default application (operation "open").
#pragma once
#include <QList>
#include <functional>
#include <QObject>
#include <QString>
#include <QUrl>

namespace dz {

// The web sites behind the main window's and the about box's pictures.
inline const QString kMakerSite = QStringLiteral("http://www.dovazez.gr");
inline const QString kDistributorSite = QStringLiteral("http://www.dovazez-dianomi.gr");

// Opens `url` through QDesktopServices::openUrl (xdg-open); false when nothing could open it
// (always false offscreen). Local files: OpenUrl(QUrl::fromLocalFile(path)).
bool OpenUrl(const QUrl& url);

// Opens the local file `path` with the desktop's viewer. `noViewer` runs when nothing opens it:
// no desktop, no `xdg-open`, or `xdg-open` finding no application. `xdg-open` tells that only by
// its exit status, so on a desktop the call returns at once and `noViewer` may run later.
// Without a desktop (offscreen) the file goes through OpenUrl, and so to a UrlRecorder.
void OpenLocalFile(const QString& path, std::function<void()> noViewer);

// Runs `opener` with `path` as its one argument, without waiting; `noViewer` runs when it
// cannot be started or ends with a status other than 0.
void StartViewer(const QString& opener, const QString& path, std::function<void()> noViewer);

// Test seam: while it lives, every OpenUrl (and QDesktopServices::openUrl) of an http, https or
// file address is recorded here instead of reaching the desktop. QDesktopServices keeps one
// handler per scheme, so have one recorder at a time.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;
    const QList<QUrl>& urls() const { return urls_; }
    void clear() { urls_.clear(); }

public slots:
    void open(const QUrl& url);

private:
    QList<QUrl> urls_;
};

}  // namespace dz
