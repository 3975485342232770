// The short declaration window: personal fields, the code list, the yes/no boxes and its buttons.
#include "e1/fi_fast_dil.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/fi_entypa_list.h"
#include "controls/run_command.h"
#include "controls/user_dialogs.h"
#include "notewindow/fi_eka.h"
#include "controls/edit_afm.h"
#include "controls/entry_texts.h"
#include "controls/edit_field.h"
#include "controls/work_keeper.h"
#include "e1/code_list_editor.h"
#include "forms/form_page.h"
#include "model/chosen_declaration.h"
#include "model/declaration_file.h"
#include "model/errors.h"
#include "tax/clearance.h"

namespace dz {
namespace {

QString ThreeDigits(int code) { return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')); }

const char* const kResidenceRows[] = {"1η Κατοικία", "2η Κατοικία", "3η Κατοικία"};

}  // namespace

TfiFastDil::TfiFastDil(const PrintOperations& print, QWidget* parent) : QDialog(parent), print_(print) {
    setObjectName(QStringLiteral("fiFastDil"));
    setWindowTitle(QStringLiteral("Σύντομη δήλωση με κωδικούς"));
    setFixedSize(705, 694);
    ClearDeclaration(declaration_);

    // Personal panel.
    edAFM = new TEditAFM(this);
    edAFM->setObjectName(QStringLiteral("edAFM"));
    edAFM->setMaxLength(12);
    edBigName = new QLineEdit(this);
    edBigName->setObjectName(QStringLiteral("edBigName"));
    edBigName->setMaxLength(40);
    edBigName->installEventFilter(this);
    cbMarried = new QCheckBox(QStringLiteral("Έγγαμος"), this);
    cbMarried->setObjectName(QStringLiteral("cbMarried"));
    edAFM->setAccessibleName(QStringLiteral("«Α.Φ.Μ.»"));
    edBigName->setAccessibleName(QStringLiteral("«ΕΠΩΝΥΜΟ»"));
    cbMarried->setAccessibleName(QStringLiteral("«Έγγαμος»"));
    auto* personal = new QHBoxLayout;
    personal->addWidget(new QLabel(QStringLiteral("Α.Φ.Μ."), this));
    personal->addWidget(edAFM);
    personal->addWidget(new QLabel(QStringLiteral("ΕΠΩΝΥΜΟ"), this));
    personal->addWidget(edBigName, 1);
    personal->addWidget(cbMarried);

    veCodes = new CodeListEditor(this);
    veCodes->setAccessibleName(QStringLiteral("Κωδικοί και ποσά"));

    // The yes/no boxes, laid out from the same table that the save and compute rules read.
    auto* firstPage = new QGroupBox(QStringLiteral("Κωδικοί πρώτης σελίδας"), this);
    auto* firstGrid = new QGridLayout(firstPage);
    firstGrid->addWidget(new QLabel(QStringLiteral("Υπόχρεος"), firstPage), 0, 0, 1, 2, Qt::AlignCenter);
    firstGrid->addWidget(new QLabel(QStringLiteral("Σύζυγος"), firstPage), 0, 2, 1, 2, Qt::AlignCenter);
    auto* residences = new QGroupBox(QStringLiteral("Κωδικοί πίνακα ιδιοκατοίκησης"), this);
    auto* residenceGrid = new QGridLayout(residences);
    residenceGrid->addWidget(new QLabel(QStringLiteral("Μίσθωση / Παραχώρηση"), residences), 0, 1, 1, 4, Qt::AlignCenter);
    residenceGrid->addWidget(new QLabel(QStringLiteral("Μονοκατοικία"), residences), 0, 5, 1, 2, Qt::AlignCenter);
    for (int r = 0; r < 3; ++r)
        residenceGrid->addWidget(new QLabel(QString::fromUtf8(kResidenceRows[r]), residences), r + 1, 0);
    for (const ShortDeclarationBox& b : ShortDeclarationBoxes()) {
        QWidget* group = b.group == 0 ? firstPage : residences;
        auto* box = new QCheckBox(QStringLiteral("NAI"), group);
        box->setObjectName(QStringLiteral("cbP") + ThreeDigits(b.code));
        box->setAccessibleName(forms::CodeLabel(b.code));
        auto* label = new QLabel(ThreeDigits(b.code), group);
        QGridLayout* grid = b.group == 0 ? firstGrid : residenceGrid;
        const int column = b.group == 0 ? 2 * b.column : 1 + 2 * b.column;
        grid->addWidget(label, b.row + 1, column, Qt::AlignRight);
        grid->addWidget(box, b.row + 1, column + 1);
        boxes_[b.code] = box;
    }
    auto* right = new QVBoxLayout;
    right->addWidget(firstPage);
    right->addWidget(residences);
    right->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(veCodes, 1);
    middle->addLayout(right);

    btOpen = new QPushButton(QStringLiteral("Άνοιγμα"), this);
    btSave = new QPushButton(QStringLiteral("Αποθήκευση"), this);
    btEka = new QPushButton(QStringLiteral("Εκκαθάριση Φόρου"), this);
    btClose = new QPushButton(QStringLiteral("Έξοδος"), this);
    btDeleteRow = new QPushButton(QStringLiteral("Διαγραφή γραμμής"), this);
    btDeleteRow->setObjectName(QStringLiteral("btDeleteRow"));
    btDeleteRow->setToolTip(QStringLiteral("Διαγράφει τη γραμμή κωδικού που είναι επιλεγμένη (Delete)"));
    btDeleteRow->setAutoDefault(false);
    btOpen->setObjectName(QStringLiteral("btOpen"));
    btSave->setObjectName(QStringLiteral("btSave"));
    btEka->setObjectName(QStringLiteral("btEka"));
    btClose->setObjectName(QStringLiteral("btClose"));
    for (QPushButton* b : {btOpen, btSave, btEka, btClose}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btOpen);
    buttons->addWidget(btSave);
    buttons->addWidget(btEka);
    buttons->addWidget(btDeleteRow);
    btUndo = new QPushButton(QStringLiteral("Αναίρεση"), this);
    btRedo = new QPushButton(QStringLiteral("Επανάληψη"), this);
    btUndo->setObjectName(QStringLiteral("btUndo"));
    btRedo->setObjectName(QStringLiteral("btRedo"));
    btUndo->setToolTip(QStringLiteral("Αναιρεί την τελευταία αλλαγή (Ctrl+Z)"));
    btRedo->setToolTip(QStringLiteral("Επαναλαμβάνει την αλλαγή που αναιρέθηκε (Ctrl+Shift+Z ή Ctrl+Y)"));
    for (QPushButton* b : {btUndo, btRedo}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(btClose);

    // The same saved file gives a different final amount here than in the E1 window when it
    // has cars, boats or other luxury items; say why before anyone compares the two.
    auto* noLuxury = new QLabel(QStringLiteral("Η εκκαθάριση της σύντομης δήλωσης δεν περιλαμβάνει τον φόρο πολυτελούς "
                                               "διαβίωσης (αυτοκίνητα, σκάφη, πισίνες κ.λπ.)· τον υπολογίζει η δήλωση Ε1."),
                                this);
    noLuxury->setObjectName(QStringLiteral("lbNoLuxuryTax"));
    noLuxury->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(personal);
    layout->addLayout(middle, 1);
    layout->addWidget(noLuxury);
    layout->addLayout(buttons);

    connect(btOpen, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { OpenClick(); }); });
    connect(btSave, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { SaveClick(); }); });
    connect(btEka, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { EkaClick(); }); });
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btDeleteRow, &QPushButton::clicked, this, [this] {
        veCodes->DeleteCurrentRow();
        veCodes->setFocus();
    });
    kept_ = Form();
    BuildHistory();
    keeper_ = new WorkKeeper(
        RecoveryKind::ShortDeclaration, [this] { return Modified(); },
        [this] { return KeptForm{edBigName->text(), edAFM->text(), ShortFormJson(Form())}; }, this);
}

ShortForm TfiFastDil::Form() const {
    ShortForm typed{edAFM->text(), edBigName->text(), cbMarried->isChecked(), TickedCodes(), {}};
    for (const CodeRow& row : veCodes->Rows())
        if (!row.code.isEmpty() || !row.amount.isEmpty()) typed.rows.push_back(row);
    return typed;
}

bool TfiFastDil::Modified() const { return Form() != kept_; }

void TfiFastDil::reject() {
    if (Modified() && !AppDialogs().AskBeforeDestroying(entry::kEscapeQuestion)) return;
    QDialog::reject();
}

void TfiFastDil::done(int result) {
    keeper_->Closed();
    QDialog::done(result);
}

QCheckBox* TfiFastDil::box(int code) const {
    const auto it = boxes_.find(code);
    return it == boxes_.end() ? nullptr : it->second;
}

std::set<int> TfiFastDil::TickedCodes() const {
    std::set<int> ticked;
    for (const auto& [code, box] : boxes_)
        if (box->isChecked()) ticked.insert(code);
    return ticked;
}

void TfiFastDil::OpenClick() {
    TfiEntypaList index(this);
    index.FillIndex(DeclarationKind::E1);
    if (index.exec() != QDialog::Accepted) return;
    OpenDeclaration(index.SelectedAfm());
}

bool TfiFastDil::OpenDeclaration(const QString& afm) {
    const QString file = DeclarationFileName(DeclarationKind::E1, afm);
    if (!WorkKeeper::MayOpen(file)) return false;
    // Everything is read before the window changes: a file that fails leaves it as it was.
    const QByteArray image = ReadChosenDeclarationImage(DeclarationKind::E1, afm);
    E1Image base{};
    std::copy(image.begin(), image.end(), reinterpret_cast<char*>(base.data()));
    E1Declaration declaration;
    DecodeE1(base.data(), declaration);
    const ShortDeclarationView view = ShowShortDeclaration(declaration);

    base_ = base;
    declaration_ = declaration;
    veCodes->Clear();
    for (auto& [code, box] : boxes_) box->setChecked(false);
    cbMarried->setChecked(declaration_.Married);
    edBigName->setText(declaration_.Surname.ToString());
    edAFM->setText(declaration_.Afm.ToString());
    for (int code : view.ticked) boxes_[code]->setChecked(true);
    veCodes->SetRows(view.rows);
    kept_ = Form();
    history_->Reset();
    keeper_->Opened(file);
    return true;
}

void TfiFastDil::Recover(const FoundRecovery& found) {
    const auto form = ShortFormOfJson(found.entry.form);
    if (!form) throw DataError(kUnreadableRecovery.arg(found.path));
    // Undo leads back to what the file holds now, and reaching it leaves nothing to save.
    if (!found.entry.file.isEmpty()) {
        try {
            if (const auto image = ReadDeclarationImageFromPath(found.entry.file, DeclarationKind::E1)) {
                std::copy(image->begin(), image->end(), reinterpret_cast<char*>(base_.data()));
                DecodeE1(base_.data(), declaration_);
                const ShortDeclarationView view = ShowShortDeclaration(declaration_);
                ShowForm({declaration_.Afm.ToString(), declaration_.Surname.ToString(), declaration_.Married,
                          view.ticked, view.rows});
            }
        } catch (const IoError&) {
            // A file that no longer reads leaves the recovered form with an empty start.
        }
    }
    kept_ = Form();
    history_->Reset();
    history_->ShowAsStep(*form);
    keeper_->Recovered(found);
}

void TfiFastDil::SaveClick() {
    history_->Settle();
    GatherShortDeclaration(edAFM->text(), edBigName->text(), cbMarried->isChecked(), TickedCodes(), veCodes->Rows(),
                           declaration_);
    E1Image image = base_;
    EncodeE1Over(declaration_, image.data());
    const QString file = DeclarationFileName(DeclarationKind::E1, declaration_.Afm.ToString());
    const WorkKeeper::SaveCheck check = keeper_->BeforeSave(file);
    if (!check.write) return;
    if (WriteDeclarationImage(DeclarationKind::E1, declaration_.Afm.ToString(),
                              QByteArray(reinterpret_cast<const char*>(image.data()), image.size()), AppDialogs(),
                              check.overwriteAgreed ? Overwrite::Agreed : Overwrite::Ask) == SaveOutcome::Written) {
        base_ = image;
        kept_ = Form();
        history_->MarkSaved();
        keeper_->Saved(file);
    }
}

void TfiFastDil::EkaClick() {
    std::vector<CodeRow> rows = veCodes->Rows();
    CodeTable codes;
    FillCodeTableFromShort(rows, TickedCodes(), codes);
    veCodes->SetRows(rows);  // a capped 067/068 now reads 3000
    tax::ClearanceInputs inputs;  // no late months, no luxury tax, no fee special cases
    inputs.Married = cbMarried->isChecked();
    tax::ResultSet results;
    tax::ComputeClearance(codes, inputs, results);
    // No address, no spouse, no codes list, no cars: the short declaration has none of them.
    TfiEka eka(MakeClearanceNote({edAFM->text(), edBigName->text(), QString(), {}, {}, {}}, std::nullopt, results),
               print_, this);
    eka.exec();
}

bool TfiFastDil::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edBigName && PassHistoryKey(event)) return true;
    if (watched == edBigName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
            focusNextChild();
            return true;
        }
        if (key == Qt::Key_Up) {
            focusPreviousChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace dz
