// The program's one road to the desktop's "open" operation, and its test recorder.
#include "controls/open_url.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <memory>

namespace dz {
namespace {
const char* const kSchemes[] = {"http", "https", "file"};
}

bool OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void OpenLocalFile(const QString& path, std::function<void()> noViewer) {
    // QDesktopServices only reports whether xdg-open started, not whether it found a viewer.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        if (!OpenUrl(QUrl::fromLocalFile(path)) && noViewer) noViewer();
        return;
    }
    StartViewer(QStringLiteral("xdg-open"), path, std::move(noViewer));
}

void StartViewer(const QString& opener, const QString& path, std::function<void()> noViewer) {
    auto* process = new QProcess(QCoreApplication::instance());
    // The viewer may outlive the call by hours; its output is of no use here.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto report = std::make_shared<std::function<void()>>(std::move(noViewer));
    auto fail = [report] {
        if (*report) std::exchange(*report, nullptr)();
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process, fail](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        fail();
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [process, fail](int status, QProcess::ExitStatus how) {
        if (how != QProcess::NormalExit || status != 0) fail();
        process->deleteLater();
    });
    process->start(opener, {path});
}

UrlRecorder::UrlRecorder() {
    for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder() {
    for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlRecorder::open(const QUrl& url) { urls_ << url; }

}  // namespace dz
