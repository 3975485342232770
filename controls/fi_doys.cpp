// TfiDOYS: the tax-office pick list with its quick search and sort choice.
#include "controls/fi_doys.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/doys_list.h"
#include "controls/grid_helpers.h"
#include "model/reference_files.h"

namespace dz {
namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TfiDOYS::TfiDOYS(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Κατάλογος Δ.Ο.Υ."));

    sgDoys_ = new QTableWidget(kDefaultDataRows, 2, this);
    sgDoys_->setObjectName(QStringLiteral("sgDoys"));
    sgDoys_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgDoys_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgDoys_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgDoys_->setTabKeyNavigation(false);
    sgDoys_->setAttribute(Qt::WA_InputMethodEnabled, false);  // typing reaches the key filter only
    sgDoys_->setSortingEnabled(false);
    sgDoys_->verticalHeader()->hide();
    sgDoys_->verticalHeader()->setDefaultSectionSize(20);
    sgDoys_->horizontalHeader()->setSectionsClickable(false);
    sgDoys_->setColumnWidth(0, 333);
    sgDoys_->setColumnWidth(1, 80);
    sgDoys_->installEventFilter(this);

    auto* searchLabel = new QLabel(QStringLiteral("Γρήγορη Αναζήτηση"), this);
    edFastEdit_ = new QLineEdit(this);
    edFastEdit_->setObjectName(QStringLiteral("edFastEdit"));
    searchLabel->setBuddy(edFastEdit_);

    rgIndexSelect_ = new QGroupBox(QStringLiteral("Ταξινόμιση"), this);
    rgIndexSelect_->setObjectName(QStringLiteral("rgIndexSelect"));
    sortChoice_ = new QButtonGroup(this);
    auto* byDescription = new QRadioButton(QStringLiteral("Περιγραφή"), rgIndexSelect_);
    auto* byCode = new QRadioButton(QStringLiteral("Κωδικός"), rgIndexSelect_);
    sortChoice_->addButton(byDescription, 0);
    sortChoice_->addButton(byCode, 1);
    byDescription->setChecked(true);
    auto* sortLayout = new QHBoxLayout(rgIndexSelect_);
    sortLayout->addWidget(byDescription);
    sortLayout->addWidget(byCode);

    auto* searchLayout = new QVBoxLayout;
    searchLayout->addWidget(searchLabel);
    searchLayout->addWidget(edFastEdit_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(searchLayout, 1);
    bottom->addWidget(rgIndexSelect_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sgDoys_, 1);
    layout->addLayout(bottom);
    resize(333 + 80 + 60, 480);

    connect(sortChoice_, &QButtonGroup::idClicked, this, [this] { rgIndexSelectClick(); });
    connect(edFastEdit_, &QLineEdit::textChanged, this, [this] { edFastEditChange(); });
    connect(sgDoys_, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });

    FormCreate();
    sgDoys_->setFocus();
}

std::optional<QString> TfiDOYS::Pick(QWidget* parent) {
    TfiDOYS dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedDescription();
}

void TfiDOYS::FormCreate() {
    sgDoys_->setHorizontalHeaderLabels({QStringLiteral("Περιγραφή"), QStringLiteral("Κωδικός")});
    for (int r = 0; r < sgDoys_->rowCount(); ++r)
        for (int c = 0; c < 2; ++c) sgDoys_->setItem(r, c, Cell(QString()));
    LoadFile();
    if (sgDoys_->rowCount() > 0) sgDoys_->setCurrentCell(0, 0);
}

void TfiDOYS::LoadFile() {
    const std::optional<QList<DoysRow>> rows = ReadDoysFile(FindReferenceFile(QStringLiteral("WParams/Doys.txt")));
    if (!rows) return;  // no file is not reported: the grid keeps its empty rows
    sgDoys_->clearContents();
    sgDoys_->setRowCount(static_cast<int>(rows->size()));
    for (int r = 0; r < rows->size(); ++r) {
        sgDoys_->setItem(r, 0, Cell(rows->at(r).description));
        sgDoys_->setItem(r, 1, Cell(rows->at(r).code));
    }
}

QString TfiDOYS::SelectedDescription() const {
    const int row = sgDoys_->currentRow();
    if (row < 0) return {};
    const QTableWidgetItem* item = sgDoys_->item(row, 0);
    return item ? item->text() : QString();
}

int TfiDOYS::SortIndex() const { return std::max(sortChoice_->checkedId(), 0); }

void TfiDOYS::SelectSortIndex(int index) {
    if (QAbstractButton* button = sortChoice_->button(index)) {
        button->setChecked(true);
        rgIndexSelectClick();
    }
}

void TfiDOYS::rgIndexSelectClick() {
    edFastEdit_->clear();
    SortGrid(sgDoys_, SortIndex());
}

void TfiDOYS::edFastEditChange() {
    if (!edFastEdit_->text().isEmpty()) QuickSearch();
}

void TfiDOYS::QuickSearch() {
    const int column = SortIndex();
    QStringList cells;
    cells.reserve(sgDoys_->rowCount());
    for (int r = 0; r < sgDoys_->rowCount(); ++r) {
        const QTableWidgetItem* item = sgDoys_->item(r, column);
        cells << (item ? item->text() : QString());
    }
    const int row = QuickSearchRow(cells, edFastEdit_->text());
    if (row >= 0) sgDoys_->setCurrentCell(row, std::max(sgDoys_->currentColumn(), 0));
}

bool TfiDOYS::grDoysKeyDown(const QKeyEvent* event) {
    const Qt::KeyboardModifiers shifts =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (shifts == Qt::ControlModifier) return false;
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down:
        edFastEdit_->clear();
        return false;  // the grid moves as usual
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

void TfiDOYS::grDoysKeyPress(QChar typed) {
    const std::optional<QChar> key = QuickSearchCharacter(typed);
    if (!key) return;
    edFastEdit_->setText(edFastEdit_->text() + *key);  // runs the quick search
    QuickSearch();                                      // and once more
}

bool TfiDOYS::eventFilter(QObject* watched, QEvent* event) {
    if (watched != sgDoys_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (grDoysKeyDown(key)) return true;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    default:
        break;
    }
    // A typed character goes to the quick search, never to the grid's own keyboard search.
    const QString text = key->text();
    if (!text.isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F) {
        grDoysKeyPress(text.at(0));
        return true;
    }
    return false;
}

}  // namespace dz
