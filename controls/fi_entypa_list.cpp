// The declaration index window: listing, sorting, quick search, typing in the grid, deletion.
#include "controls/fi_entypa_list.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/user_dialogs.h"
#include "model/doys_list.h"
#include "controls/grid_helpers.h"
#include "model/declaration_index.h"
#include "model/text1253.h"

namespace dz {
namespace {

enum Column { kSurname = 0, kFirstName = 1, kAfm = 2 };
constexpr int kFileAfmRole = Qt::UserRole + 1;

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// Characters that typing in the grid adds to the quick search: the blank, the full stop, the
// digits and the Windows-1253 codes 65 to 249.
bool IsSearchCharacter(QChar c) {
    if (c == u' ' || c == u'.' || (c >= u'0' && c <= u'9')) return true;
    char byte;
    int written = 0;
    if (EncodeWin1253(QStringView(&c, 1), &byte, 1, &written) >= 0 || written != 1) return false;
    const auto code = static_cast<uint8_t>(byte);
    return code >= 65 && code <= 249;
}

}  // namespace

TfiEntypaList::TfiEntypaList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiEntypaList"));
    setWindowTitle(QStringLiteral("Κατάλογος Δηλώσεων"));
    resize(627, 479);

    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbOpen = new QToolButton(toolbar);
    tbOpen->setObjectName(QStringLiteral("tbOpen"));
    tbOpen->setText(QStringLiteral("Επιλογή Δήλωσης"));
    tbOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    tbOpen->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbDelete = new QToolButton(toolbar);
    tbDelete->setObjectName(QStringLiteral("tbDelete"));
    tbDelete->setText(QStringLiteral("Διαγραφή Δήλωσης"));
    tbDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    tbDelete->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->addWidget(tbOpen);
    toolbar->addWidget(tbDelete);

    sgEntypa = new QTableWidget(0, 3, this);
    sgEntypa->setObjectName(QStringLiteral("sgEntypa"));
    sgEntypa->setHorizontalHeaderLabels({QStringLiteral("Επώνυμο/ία"), QStringLiteral("Όνομα"), QStringLiteral("Α.Φ.Μ.")});
    sgEntypa->setColumnWidth(kSurname, 252);
    sgEntypa->setColumnWidth(kFirstName, 221);
    sgEntypa->setColumnWidth(kAfm, 99);
    sgEntypa->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgEntypa->setSelectionMode(QAbstractItemView::SingleSelection);
    sgEntypa->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgEntypa->verticalHeader()->hide();
    sgEntypa->verticalHeader()->setDefaultSectionSize(20);
    sgEntypa->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    sgEntypa->setTabKeyNavigation(false);
    sgEntypa->installEventFilter(this);

    edFastEdit = new QLineEdit(this);
    edFastEdit->setObjectName(QStringLiteral("edFastEdit"));
    auto* searchLabel = new QLabel(QStringLiteral("Γρήγορη αναζήτηση"), this);
    searchLabel->setBuddy(edFastEdit);

    auto* rgIndex = new QGroupBox(QStringLiteral("Ταξινόμιση"), this);
    rgIndex->setObjectName(QStringLiteral("rgIndex"));
    rbSurname = new QRadioButton(QStringLiteral("Επωνυμία"), rgIndex);
    rbAfm = new QRadioButton(QStringLiteral("Α.Φ.Μ."), rgIndex);
    rbSurname->setChecked(true);
    auto* sortLayout = new QHBoxLayout(rgIndex);
    sortLayout->addWidget(rbSurname);
    sortLayout->addWidget(rbAfm);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(searchLabel);
    bottom->addWidget(edFastEdit, 1);
    bottom->addWidget(rgIndex);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addWidget(sgEntypa, 1);
    layout->addLayout(bottom);

    connect(tbOpen, &QToolButton::clicked, this, [this] {
        if (sgEntypa->currentRow() >= 0) accept();
    });
    connect(tbDelete, &QToolButton::clicked, this, &TfiEntypaList::DeleteSelected);
    connect(sgEntypa, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    connect(rbSurname, &QRadioButton::clicked, this, [this] { SortByColumn(kSurname); });
    connect(rbAfm, &QRadioButton::clicked, this, [this] { SortByColumn(kAfm); });
    connect(edFastEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) QuickSearch(text);
    });
}

void TfiEntypaList::FillIndex(DeclarationKind kind) {
    IndexKind = kind;
    const IndexListing listing = ListDeclarations(kind);
    sgEntypa->setUpdatesEnabled(false);
    sgEntypa->setRowCount(0);
    sgEntypa->setRowCount(static_cast<int>(listing.entries.size()));
    int row = 0;
    for (const IndexEntry& entry : listing.entries) {
        sgEntypa->setItem(row, kSurname, Cell(entry.surname));
        sgEntypa->setItem(row, kFirstName, Cell(entry.firstName));
        QTableWidgetItem* afm = Cell(entry.afm);
        afm->setData(kFileAfmRole, entry.fileAfm);
        sgEntypa->setItem(row, kAfm, afm);
        ++row;
    }
    sgEntypa->setUpdatesEnabled(true);
    if (row > 0) SortByColumn(kSurname);
    if (!listing.unreadable.isEmpty())
        AppDialogs().Inform(QStringLiteral("Τα παρακάτω αρχεία δεν είναι σωστές δηλώσεις και δεν εμφανίζονται στον κατάλογο:\n%1")
                                .arg(listing.unreadable.join(u'\n')));
}

int TfiEntypaList::DeclarationCount() const { return sgEntypa->rowCount(); }

QString TfiEntypaList::SelectedAfm() const {
    const int row = sgEntypa->currentRow();
    if (row < 0) return {};
    const QTableWidgetItem* item = sgEntypa->item(row, kAfm);
    return item ? item->data(kFileAfmRole).toString() : QString();
}

int TfiEntypaList::SortColumn() const { return rbAfm->isChecked() ? kAfm : kSurname; }

void TfiEntypaList::SortByColumn(int column) {
    (column == kAfm ? rbAfm : rbSurname)->setChecked(true);
    edFastEdit->clear();
    SortGrid(sgEntypa, column);
}

void TfiEntypaList::QuickSearch(const QString& text) {
    const int column = SortColumn();
    QStringList cells;
    cells.reserve(sgEntypa->rowCount());
    for (int r = 0; r < sgEntypa->rowCount(); ++r) cells << sgEntypa->item(r, column)->text();
    const int row = QuickSearchRow(cells, text);
    if (row >= 0) sgEntypa->setCurrentCell(row, kSurname);
}

void TfiEntypaList::DeleteSelected() {
    const int row = sgEntypa->currentRow();
    if (row < 0) return;
    const QString question = QStringLiteral("Προσοχή !!. Να γίνει η διαγραφή της Δήλωσης του %1 με ΑΦΜ %2")
                                 .arg(sgEntypa->item(row, kSurname)->text(), sgEntypa->item(row, kAfm)->text());
    if (!AppDialogs().AskBeforeDestroying(question)) return;
    const QString name = DeclarationFileName(IndexKind, SelectedAfm());
    if (!QFile::exists(name)) return;
    if (!QFile::remove(name)) {
        AppDialogs().ShowError(QStringLiteral("Δεν ήταν δυνατή η διαγραφή του αρχείου %1.").arg(name));
        return;
    }
    reject();
}

bool TfiEntypaList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != sgEntypa || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::AltModifier) return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (sgEntypa->currentRow() >= 0) accept();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Insert:
        return key->modifiers() & Qt::ShiftModifier;
    case Qt::Key_Backspace:
        edFastEdit->clear();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down:
        edFastEdit->clear();
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.size() == 1 && IsSearchCharacter(text.at(0)) && !(key->modifiers() & Qt::ControlModifier)) {
        edFastEdit->setText(edFastEdit->text() + text);
        return true;
    }
    return false;
}

}  // namespace dz
