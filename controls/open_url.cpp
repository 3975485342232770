// The program's one road to the desktop's "open" operation, and its test recorder.
#include "controls/open_url.h"

#include <QDesktopServices>

namespace dz {
namespace {
const char* const kSchemes[] = {"http", "https", "file"};
}

bool OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

UrlRecorder::UrlRecorder() {
    for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder() {
    for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlRecorder::open(const QUrl& url) { urls_ << url; }

}  // namespace dz
