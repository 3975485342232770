// Recovery files offered one by one; the first accepted opens its window.
#include "app/left_work.h"

#include <QFile>
#include <memory>

#include "controls/user_dialogs.h"
#include "e1/fi_e1.h"
#include "e1/fi_fast_dil.h"
#include "e2/fi_e2.h"

namespace dz {

QWidget* OfferLeftWork(const PrintOperations& print, QWidget* parent, const QString& folder) {
    enum Answer { kRecover, kKeep, kDiscard };
    for (const FoundRecovery& found : LeftRecoveries(folder, ThisProcess())) {
        const int answer = AppDialogs().Choose(RecoveryQuestion(found.entry),
                                               {kRecoverAnswer, kKeepAnswer, kDiscardAnswer}, kRecover, kKeep);
        if (answer == kKeep) continue;
        if (answer == kDiscard) {
            QFile::remove(found.path);
            continue;
        }
        switch (found.entry.kind) {
        case RecoveryKind::E1: {
            auto window = std::make_unique<TfiE1>(print, parent);
            window->Recover(found);
            return window.release();
        }
        case RecoveryKind::E2: {
            auto window = std::make_unique<TfiE2>(print, parent);
            window->Recover(found);
            return window.release();
        }
        case RecoveryKind::ShortDeclaration: {
            TfiFastDil dialog(print, parent);
            dialog.Recover(found);
            dialog.exec();
            return nullptr;
        }
        }
    }
    return nullptr;
}

}  // namespace dz
