// The lock, the disk check before saving and the recovery file of an entry window.
#include "controls/work_keeper.h"

#include <QTimer>

#include "controls/user_dialogs.h"

namespace dz {

WorkKeeper::WorkKeeper(RecoveryKind kind, std::function<bool()> modified, std::function<KeptForm()> current,
                       QObject* parent, const QString& folder)
    : QObject(parent),
      kind_(kind),
      modified_(std::move(modified)),
      current_(std::move(current)),
      here_(ThisProcess()),
      journal_(folder) {
    timer_ = new QTimer(this);
    timer_->setInterval(kKeepIntervalMs);
    connect(timer_, &QTimer::timeout, this, &WorkKeeper::KeepNow);
    timer_->start();
}

WorkKeeper::~WorkKeeper() = default;

bool WorkKeeper::MayOpen(const QString& path) {
    const auto holder = OtherHolder(path, ThisProcess());
    return !holder || AppDialogs().AskBeforeDestroying(HeldQuestion(*holder));
}

void WorkKeeper::Opened(const QString& path) {
    file_ = path;
    opened_ = SnapshotOf(path);
    lock_.Take(path, here_);
}

WorkKeeper::SaveCheck WorkKeeper::BeforeSave(const QString& path) const {
    if (path != file_ || !opened_.exists) return {};
    const FileSnapshot now = SnapshotOf(path);
    if (now == opened_) return {};
    const bool write = AppDialogs().AskBeforeDestroying(now.exists ? kChangedOnDiskQuestion : kDeletedOnDiskQuestion);
    return {write, write};
}

void WorkKeeper::Saved(const QString& path) {
    Opened(path);
    KeepNow();
}

void WorkKeeper::Closed() {
    timer_->stop();
    if (!kept_.isEmpty()) journal_.Discard();
    kept_ = {};
    lock_.Release();
}

void WorkKeeper::KeepNow() {
    if (!modified_()) {
        if (!kept_.isEmpty()) journal_.Discard();
        kept_ = {};
        return;
    }
    RecoveryEntry entry = Entry();
    if (entry.form == kept_) return;
    kept_ = entry.form;
    journal_.Keep(entry);
}

void WorkKeeper::Recovered(const FoundRecovery& found) {
    journal_.Adopt(found.path);
    file_ = found.entry.file;
    opened_ = found.entry.opened;
    if (!file_.isEmpty()) lock_.Take(file_, here_);
    kept_ = {};
    KeepNow();
}

RecoveryEntry WorkKeeper::Entry() const {
    KeptForm form = current_();
    return {kind_,        form.name, form.afm, QDateTime::currentDateTimeUtc(), here_, file_, opened_,
            std::move(form.form)};
}

}  // namespace dz
