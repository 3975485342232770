// TfiE2: creation, opening a statement, the window's commands, the pick buttons and the closing questions.
#include "e2/fi_e2.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "e2/e2_calc.h"
#include "e2/e2_lists.h"
#include "e2/e2_texts.h"
#include "e2/fi_e2_names.h"
#include "e2/fi_select_e2.h"
#include "model/chosen_declaration.h"
#include "model/declaration_file.h"

namespace dz {

TfiE2::TfiE2(const PrintOperations& print, QWidget* parent) : QWidget(parent), print_(print) {
    setObjectName(QStringLiteral("fiE2"));
    setWindowTitle(e2::kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    ClearE2Record(Record());

    pcPages = new QTabWidget(this);
    pcPages->setObjectName(QStringLiteral("pcPages"));
    pcPages->setDocumentMode(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pcPages);
    BuildMenus();
    for (int page = 0; page < kPageCount; ++page) BuildPage(page);
    ConnectFields();
    connect(pcPages, &QTabWidget::currentChanged, this, [this](int index) { FocusOnPage(index); });
    miPrint->setEnabled(static_cast<bool>(print_.e2Form));

    sbCalcOff->setChecked(true);
    UpdateCalcCaption();
    ApplyCalcMode();
    setFocusProxy(Control(QStringLiteral("edBigName")));
    pcPages->setCurrentIndex(0);
    for (QScrollArea* page : sbPages) page->verticalScrollBar()->setValue(0);
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
    if (ControlAs<QLineEdit>(QStringLiteral("edAFM"))->text().isEmpty()) AppDialogs().Inform(e2::kNoAfmWarning);
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

void TfiE2::CloseAsk() {
    if (modified_ && !AppDialogs().AskYesNo(e2::kEscapeQuestion)) return;
    close();
}

void TfiE2::closeEvent(QCloseEvent* event) {
    if (modified_ && AppDialogs().AskYesNo(e2::kCloseQuestion)) {
        try {
            miSaveClick();
        } catch (...) {
            // A save that failed keeps the window and its changes.
            ShowCurrentException(this);
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace dz
