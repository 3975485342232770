// TfiE2: creation, opening a statement, the window's commands, the pick buttons and the closing questions.
#include "e2/fi_e2.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/entry_texts.h"
#include "e2calc/e2_calc.h"
#include "e2calc/e2_lists.h"
#include "e2/e2_texts.h"
#include "e2/fi_e2_names.h"
#include "e2/fi_select_e2.h"
#include "model/chosen_declaration.h"
#include "model/declaration_file.h"
#include "model/errors.h"

namespace dz {

namespace {

// Ctrl+Home/End move the page showing: moving page 1 out of sight would have no visible effect.
PageScrolling E2Scrolling() {
    return {std::vector<int>(TfiE2::kWheelStep.begin(), TfiE2::kWheelStep.end()), TfiE2::kCtrlPageStep,
            TfiE2::kCtrlEndPosition, true};
}

}  // namespace

TfiE2::TfiE2(const PrintOperations& print, QWidget* parent) : EntryWindow(E2Scrolling(), parent), print_(print) {
    setObjectName(QStringLiteral("fiE2"));
    setWindowTitle(e2::kCaption);
    ClearE2Record(Record());
    BuildMenus();
    for (int page = 0; page < kPageCount; ++page) BuildPage(page);
    ConnectFields();
    FollowPageChanges();
    miPrint->setEnabled(static_cast<bool>(print_.e2Form));

    sbCalcOff->setChecked(true);
    UpdateCalcCaption();
    ApplyCalcMode();
    BuildHistory();
    KeepWorkSafe(RecoveryKind::E2, [this] {
        const auto text = [this](const char* name) { return ControlAs<QLineEdit>(QLatin1String(name))->text(); };
        return KeptForm{text("edBigName") + u' ' + text("edName"), text("edAFM"), E2FormJson(Form())};
    });
    setFocusProxy(Control(QStringLiteral("edBigName")));
    ShowFirstPage();
    modified_ = false;
}

TfiE2::~TfiE2() = default;

bool TfiE2::OpenStatement(const QString& afm) {
    const QString file = DeclarationFileName(DeclarationKind::E2, afm);
    if (!WorkKeeper::MayOpen(file)) return false;
    ReadChosenDeclaration(afm, Record());
    ShowRecord();
    ApplyCalcMode();
    history_->Reset();
    modified_ = false;
    Keeper().Opened(file);
    return true;
}

void TfiE2::Recover(const FoundRecovery& found) {
    const auto form = E2FormOfJson(found.entry.form);
    if (!form) throw DataError(kUnreadableRecovery.arg(found.path));
    // Undo leads back to what the file holds now, and reaching it leaves nothing to save.
    ClearE2Record(Record());
    if (!found.entry.file.isEmpty()) {
        try {
            if (const auto image = ReadDeclarationImageFromPath(found.entry.file, DeclarationKind::E2))
                DecodeE2(reinterpret_cast<const uint8_t*>(image->constData()), Record());
        } catch (const IoError&) {
            // A file that no longer reads leaves the recovered form with an empty start.
        }
    }
    ShowRecord();
    ApplyCalcMode();
    history_->Reset();
    history_->ShowAsStep(*form);
    Keeper().Recovered(found);
}

void TfiE2::UpdateCalcCaption() { sbCalcOff->setText(sbCalcOff->isChecked() ? e2::kCalcOn : e2::kCalcOff); }

void TfiE2::miSaveClick() {
    history_->Settle();
    if (ControlAs<QLineEdit>(QStringLiteral("edAFM"))->text().isEmpty()) AppDialogs().Inform(entry::kNoAfmWarning);
    CollectRecord();
    const QString file = DeclarationFileName(DeclarationKind::E2, Record().Afm.ToString());
    const WorkKeeper::SaveCheck check = Keeper().BeforeSave(file);
    if (!check.write) return;
    WriteDeclarationFile(Record(), AppDialogs(), check.overwriteAgreed ? Overwrite::Agreed : Overwrite::Ask);
    // Also when the user kept the file that was there: the question was answered.
    modified_ = false;
    history_->MarkSaved();
    Keeper().Saved(file);
}

void TfiE2::miSaveAsClick() {
    CollectRecord();
    Record().Tag = 0;
    miSaveClick();
}

void TfiE2::miPrintClick() {
    if (!print_.e2Form) return;
    CollectRecord();
    print_.e2Form(*this);
}

void TfiE2::sbGetThesiClick(int position) {
    auto* id = ControlAs<TEditInt>(QStringLiteral("edThesiID%1").arg(position));
    TfiSelectE2Thesi dialog(this);
    const auto chosen = dialog.Pick(id->Value());
    if (!chosen) return;
    id->SetValue(*chosen);
    ControlAs<QLineEdit>(e2::FloorFieldName(position))->setText(FloorLabel(*chosen));
    modified_ = true;
}

void TfiE2::sbGetXrisiClick(int position) {
    auto* id = ControlAs<TEditInt>(QStringLiteral("edXrisiID%1").arg(position));
    TfiSelectE2Xrisi dialog(this);
    const auto chosen = dialog.Pick(id->Value());
    if (!chosen) return;
    id->SetValue(*chosen);
    ControlAs<QLineEdit>(e2::UseFieldName(position))->setText(UseLongName(*chosen));
    modified_ = true;
}

void TfiE2::sbGetEidosMistClick(int position) {
    QLineEdit* lease = Field("edEidosMist%1", position);
    TfiSelectE2EidosMist dialog(this);
    const auto chosen = dialog.Pick(ReadLeaseType(lease->text()).value_or(0));
    if (!chosen) return;
    lease->setText(*chosen == 0 ? QString() : QString::number(*chosen));
    modified_ = true;
    if (position <= kE2Table1Rows) CalcE2(position);
}

void TfiE2::sbCalcOffClick() {
    UpdateCalcCaption();
    modified_ = true;
    // The mode follows the button even when a text of the window cannot be stored.
    Record().CalcOff = !AutomaticCalculation();
    ApplyCalcMode();
    CollectRecord();
}

}  // namespace dz
