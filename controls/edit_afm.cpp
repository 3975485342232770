// TEditAFM: tax-number field that informs about a wrong check digit on leaving.
#include "controls/edit_afm.h"

#include <QPointer>

#include "controls/user_dialogs.h"
#include "model/afm.h"

namespace dz {

const QString TEditAFM::kBadAfmText = QStringLiteral("Το ΑΦΜ που δώσατε δεν είναι σωστό");

TEditAFM::TEditAFM(QWidget* parent) : EditField(parent) {}

void TEditAFM::Left() {
    const QPointer<TEditAFM> alive(this);
    emit exited();  // the window's OnExit runs first
    if (!alive) return;
    if (!IsValidAfm(text())) AppDialogs().Inform(kBadAfmText);
}

}  // namespace dz
