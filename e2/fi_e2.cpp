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
    setFocusProxy(Control(QStringLiteral("edBigName")));
    ShowFirstPage();
    modified_ = false;
}

TfiE2::~TfiE2() = default;

void TfiE2::OpenStatement(const QString& afm) {
    ReadChosenDeclaration(afm, Record());
    ShowRecord();
    ApplyCalcMode();
    modified_ = false;
}

void TfiE2::UpdateCalcCaption() { sbCalcOff->setText(sbCalcOff->isChecked() ? e2::kCalcOn : e2::kCalcOff); }

void TfiE2::miSaveClick() {
    if (ControlAs<QLineEdit>(QStringLiteral("edAFM"))->text().isEmpty()) AppDialogs().Inform(entry::kNoAfmWarning);
    CollectRecord();
    WriteDeclarationFile(Record(), AppDialogs());
    // Also when the user kept the file that was there: the question was answered.
    modified_ = false;
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
