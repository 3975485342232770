// TfiE1: creation, the window's commands, the modified mark and the closing questions.
#include "e1/fi_e1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTabWidget>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "controls/entry_texts.h"
#include "controls/fi_doys.h"
#include "e1/fi_horsepower.h"
#include "declaration/form_json.h"
#include "model/declaration_file.h"
#include "model/errors.h"

namespace dz {

const QString TfiE1::kCaption = QStringLiteral("Δήλωση Φορολογίας Εισοδήματος (Ε1)");

namespace {

// The special cases page keeps the wheel of its own scroll area; Ctrl+Home/End move page 1.
PageScrolling E1Scrolling() {
    return {std::vector<int>(TfiE1::kFormPages, TfiE1::kWheelStep), TfiE1::kCtrlPageStep, TfiE1::kCtrlEndPosition,
            false};
}

}  // namespace

TfiE1::TfiE1(const PrintOperations& print, QWidget* parent) : EntryWindow(E1Scrolling(), parent), print_(print) {
    setObjectName(QStringLiteral("fiE1"));
    setWindowTitle(kCaption);
    ClearDeclaration(declaration_);

    for (int page = 0; page < kFormPages; ++page) BuildFormPage(page);
    BuildSpecialCases();

    const auto command = [this](const char* name, const QString& caption, void (TfiE1::*handler)()) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        if (handler) OnTriggered(action, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    miEka2003 = command("miEka2003", QStringLiteral("Εκκαθάριση"), &TfiE1::miEka2003Click);
    miSave = command("miSave", QStringLiteral("Αποθήκευση"), &TfiE1::miSaveClick);
    miPrint = command("miPrint", QStringLiteral("Εκτύπωση"), &TfiE1::miPrintClick);
    miPreview = command("miPreview", QStringLiteral("Προεπισκόπηση "), nullptr);
    miPrint->setEnabled(static_cast<bool>(print_.e1Form));
    if (QWidget* cars = Control(QStringLiteral("btPrintAuto"))) cars->setEnabled(static_cast<bool>(print_.e1Cars));

    ConnectEditing();
    ConnectPresumptions();
    FollowPageChanges();
    BuildLiveClearance();
    BuildHistory();
    KeepWorkSafe(RecoveryKind::E1, [this] {
        return KeptForm{TextOf(QStringLiteral("edBigName")) + u' ' + TextOf(QStringLiteral("edName")),
                        TextOf(QStringLiteral("edAFM")), E1FormJson(Form())};
    });

    // The main window gives the window the focus: it goes to the tax office of page 1.
    setFocusProxy(Control(QStringLiteral("edDoy")));
    Control(QStringLiteral("edDoy"))->setFocus();
    ShowFirstPage();
    modified_ = false;
}

TfiE1::~TfiE1() = default;

QWidget* TfiE1::CodeControl(int code) const { return CodeTable::IsCode(code) ? byCode_[code] : nullptr; }

double TfiE1::AmountOf(const QString& name) const {
    const auto* field = ControlAs<TEditReal>(name);
    return field ? field->Value() : 0.0;
}

int TfiE1::IntegerOf(const QString& name) const {
    const auto* field = ControlAs<TEditInt>(name);
    return field ? field->Value() : 0;
}

bool TfiE1::TickedOf(const QString& name) const {
    const auto* box = ControlAs<QCheckBox>(name);
    return box && box->isChecked();
}

QString TfiE1::TextOf(const QString& name) const {
    const auto* field = ControlAs<QLineEdit>(name);
    return field ? field->text() : QString();
}

void TfiE1::miSaveClick() {
    history_->Settle();
    if (TextOf(QStringLiteral("edAFM")).isEmpty()) AppDialogs().Inform(entry::kNoAfmWarning);
    GatherDeclaration();
    const QString file = DeclarationFileName(DeclarationKind::E1, declaration_.Afm.ToString());
    const WorkKeeper::SaveCheck check = Keeper().BeforeSave(file);
    if (!check.write) return;
    WriteDeclarationFile(declaration_, AppDialogs(), check.overwriteAgreed ? Overwrite::Agreed : Overwrite::Ask);
    // Also when the user kept the file that was there: the question was answered.
    modified_ = false;
    history_->MarkSaved();
    Keeper().Saved(file);
    StartLiveChanges();
}

void TfiE1::Recover(const FoundRecovery& found) {
    const auto form = E1FormOfJson(found.entry.form);
    if (!form) throw DataError(kUnreadableRecovery.arg(found.path));
    // Undo leads back to what the file holds now, and reaching it leaves nothing to save.
    ClearDeclaration(declaration_);
    if (!found.entry.file.isEmpty()) {
        try {
            if (const auto image = ReadDeclarationImageFromPath(found.entry.file, DeclarationKind::E1))
                DecodeE1(reinterpret_cast<const uint8_t*>(image->constData()), declaration_);
        } catch (const IoError&) {
            // A file that no longer reads leaves the recovered form with an empty start.
        }
    }
    ShowDeclaration();
    history_->ShowAsStep(*form);
    Keeper().Recovered(found);
}

void TfiE1::miPrintClick() {
    if (!print_.e1Form) return;
    GatherDeclaration();
    print_.e1Form(*this);
}

void TfiE1::btPrintAutoClick() {
    if (print_.e1Cars) print_.e1Cars(*this);
}

void TfiE1::Button1Click() {
    TfiHorsePower table(this);
    table.exec();
}

void TfiE1::sbDOYClick() {
    if (const auto office = TfiDOYS::Pick(this)) {
        auto* field = ControlAs<QLineEdit>(QStringLiteral("edDoy"));
        if (field->text() != *office) modified_ = true;
        field->setText(*office);
    }
}

void TfiE1::sbLastDOYClick() {
    if (const auto office = TfiDOYS::Pick(this)) {
        auto* field = ControlAs<QLineEdit>(QStringLiteral("edLastDoy"));
        if (field->text() != *office) modified_ = true;
        field->setText(*office);
    }
}

void TfiE1::closeEvent(QCloseEvent* event) {
    EntryWindow::closeEvent(event);
    if (event->isAccepted()) closing_ = true;
}

}  // namespace dz
