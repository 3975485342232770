// The clearance note window: its panels, the views it switches between, the codes list.
#include "notewindow/fi_eka.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls/clickable_picture.h"
#include "controls/explanation_box.h"
#include "notewindow/eka_grid.h"
#include "notewindow/eka_pictures.h"
#include "controls/edit_real.h"
#include "model/amount_text.h"

namespace dz {
namespace {

constexpr QSize kWindowSize(918, 665);
constexpr int kHeaderHeight = 65;
constexpr int kBottomHeight = 45;
constexpr int kCodesWidth = 232;
constexpr int kButtonsWidth = 177;
constexpr int kCodesColumnWidths[kCodesGridColumns] = {29, 75, 24, 73};
constexpr int kCodesRowHeight = 18;
constexpr int kFinalTaxRow = 19;  // "ΤΕΛΙΚΟ ΠΟΣΟ ΦΟΡΟΥ", which the one-instalment discount reads
constexpr double kOneInstalmentShare = 98.5;

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* Named(QLabel* label, const char* name) {
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

const QString TfiEka::kCaption = QStringLiteral("Εκκαθαριστικό Σημείωμα Φόρου Εισοδήματος");

TfiEka::TfiEka(ClearanceNote note, const PrintOperations& print, QWidget* parent, NoteExplaining explaining)
    : QDialog(parent), note_(std::move(note)), print_(print), explaining_(std::move(explaining)) {
    setObjectName(QStringLiteral("fiEka"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose, false);  // the opener destroys it after it closes
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(8);
    setFont(font);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(buildCodesGrid());
    sgEka = new EkaGrid(this);
    middle->addWidget(sgEka, 1);
    connect(sgEka, &QTableWidget::activated, this, [this] { ExplainCurrent(); });
    middle->addWidget(buildButtons());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addLayout(middle, 1);
    layout->addWidget(buildBottom());

    ShowHeader();
    ShowCodes();
    btDisplayTheEKAClick();
    resize(kWindowSize);
    centreOnScreen();
}

TfiEka::~TfiEka() = default;

QWidget* TfiEka::buildHeader() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnHeader"));
    panel->setFixedHeight(kHeaderHeight);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 3, 8, 3);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);

    lbAFM = Named(new QLabel(panel), "lbAFM");
    lbBigName = Named(new QLabel(panel), "lbBigName");
    lbAddress = Named(new QLabel(panel), "lbAddress");
    QLabel* const shown[] = {lbAFM, lbBigName, lbAddress};
    const QString captions[] = {QStringLiteral("Α.Φ.Μ. :"), QStringLiteral("ΟΝΟΜΑΤΕΠΩΝΥΜΟ :"),
                                QStringLiteral("ΔΙΕΥΘΥΝΣΗ :")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(Caption(captions[i], panel), i, 0);
        grid->addWidget(shown[i], i, 1);
    }
    QFont bold = lbAFM->font();
    bold.setBold(true);
    for (QLabel* label : shown) label->setFont(bold);

    // Carried for the print only.
    lbDoy = Named(new QLabel(panel), "lbDoy");
    lbSyzBigName = Named(new QLabel(panel), "lbSyzBigName");
    lbSyzAfm = Named(new QLabel(panel), "lbSyzAfm");
    for (QLabel* label : {lbDoy, lbSyzBigName, lbSyzAfm}) label->hide();

    QPalette red = panel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    red.setColor(QPalette::Text, Qt::red);
    red.setColor(QPalette::Base, red.color(QPalette::Window));
    lbApodeixeis = Named(new QLabel(QStringLiteral("Απαιτούμενο Ποσό Αποδείξεων (κωδ. 049): "), panel),
                         "lbApodeixeis");
    lbApodeixeis->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edApodeixeis = new TEditReal(panel);
    edApodeixeis->setObjectName(QStringLiteral("edApodeixeis"));
    edApodeixeis->setFrame(false);
    // It shows a result; nothing typed into it could go anywhere.
    edApodeixeis->setReadOnly(true);
    edApodeixeis->setFocusPolicy(Qt::NoFocus);
    edApodeixeis->setFixedWidth(110);
    for (QWidget* w : std::initializer_list<QWidget*>{lbApodeixeis, edApodeixeis}) {
        w->setFont(bold);
        w->setPalette(red);
        w->hide();
    }
    grid->addWidget(lbApodeixeis, 0, 2);
    grid->addWidget(edApodeixeis, 0, 3);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* TfiEka::buildCodesGrid() {
    sgCodes = new QTableWidget(kCodesGridStartRows, kCodesGridColumns, this);
    sgCodes->setObjectName(QStringLiteral("sgCodes"));
    sgCodes->setFixedWidth(kCodesWidth);
    sgCodes->setHorizontalHeaderLabels({QStringLiteral("Κωδ."), QStringLiteral("Ποσό"), QStringLiteral("Κωδ."),
                                        QStringLiteral("Ποσό")});
    sgCodes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgCodes->setSelectionMode(QAbstractItemView::NoSelection);
    sgCodes->setFocusPolicy(Qt::NoFocus);
    sgCodes->setWordWrap(false);
    sgCodes->setFont(EkaNarrowFont());
    sgCodes->horizontalHeader()->setFont(EkaNarrowFont());
    // Three-digit codes in a 29-pixel column: shown whole, never elided.
    sgCodes->setTextElideMode(Qt::ElideNone);
    sgCodes->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    sgCodes->verticalHeader()->hide();
    sgCodes->verticalHeader()->setMinimumSectionSize(0);
    sgCodes->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgCodes->verticalHeader()->setDefaultSectionSize(kCodesRowHeight);
    sgCodes->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgCodes->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < kCodesGridColumns; ++column)
        sgCodes->setColumnWidth(column, kCodesColumnWidths[column]);
    return sgCodes;
}

QWidget* TfiEka::buildButtons() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnButtons"));
    panel->setFixedWidth(kButtonsWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(4);

    lb1 = Named(new QLabel(QStringLiteral("ΑΝΑΛΥΣΗ ΠΟΣΩΝ"), panel), "lb1");
    QFont heading = lb1->font();
    heading.setBold(true);
    heading.setUnderline(true);
    lb1->setFont(heading);
    QPalette blue = lb1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lb1->setPalette(blue);
    lb1->setAlignment(Qt::AlignCenter);
    column->addWidget(lb1);

    imBack = new ClickablePicture(panel);
    imBack->setObjectName(QStringLiteral("imBack"));
    imBack->setPixmap(pictures::EkaBack(48));
    imBack->setFixedSize(48, 48);
    imBack->setToolTip(QStringLiteral("ΕΚΚΑΘΑΡΙΣΗ"));
    imBack->hide();
    connect(imBack, &ClickablePicture::clicked, this, &TfiEka::btDisplayTheEKAClick);
    // The picture comes and goes; the buttons below it stay where they are.
    auto* backSlot = new QWidget(panel);
    backSlot->setFixedHeight(52);
    auto* backLayout = new QHBoxLayout(backSlot);
    backLayout->setContentsMargins(0, 0, 0, 0);
    backLayout->addWidget(imBack, 0, Qt::AlignCenter);
    column->addWidget(backSlot);

    for (const BreakdownView& view : BreakdownViews()) {
        QPushButton* button = Button(view.button.toString(), view.caption.toString(), panel);
        const int section = view.section;
        connect(button, &QPushButton::clicked, this, [this, section] { ShowBreakdown(section); });
        viewButtons_.push_back(button);
        column->addWidget(button);
    }
    btDisplayTheEKA = Button(QStringLiteral("btDisplayTheEKA"), QStringLiteral("ΕΚΚΑΘΑΡΙΣΗ"), panel);
    connect(btDisplayTheEKA, &QPushButton::clicked, this, &TfiEka::btDisplayTheEKAClick);
    column->addWidget(btDisplayTheEKA);
    btExplain = Button(QStringLiteral("btExplain"), QStringLiteral("Εξήγηση"), panel);
    btExplain->setToolTip(QStringLiteral("Πώς προέκυψε το ποσό της επιλεγμένης γραμμής (ή Enter πάνω στη γραμμή)"));
    btExplain->setEnabled(static_cast<bool>(explaining_.explainLine));
    connect(btExplain, &QPushButton::clicked, this, &TfiEka::ExplainCurrent);
    column->addWidget(btExplain);
    column->addStretch(1);

    bt10 = Button(QStringLiteral("bt10"), QStringLiteral("Εκτύπωση"), panel);
    btPDF = Button(QStringLiteral("btPDF"), QStringLiteral("Εξαγωγή σε αρχείο PDF"), panel);
    btPDF->setIcon(pictures::PdfGlyph());
    btPDF->setProperty("tag", kPdfTag);
    for (QPushButton* print : {bt10, btPDF}) {
        connect(print, &QPushButton::clicked, this, [this, print] { bt10Click(print); });
        // The print of the clearance note is not part of this window: without it, nothing to run.
        print->setEnabled(static_cast<bool>(print_.clearanceNote));
        column->addWidget(print);
    }
    column->addSpacing(8);
    bt9 = Button(QStringLiteral("bt9"), QStringLiteral("Έξοδος"), panel);
    connect(bt9, &QPushButton::clicked, this, &TfiEka::bt9Click);
    column->addWidget(bt9);
    return panel;
}

QWidget* TfiEka::buildBottom() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnBottom"));
    panel->setFixedHeight(kBottomHeight);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(12, 0, 12, 0);
    cbOneDosi = new QCheckBox(
        QStringLiteral("Επιλέξτε εδώ εάν πρόκειται να πληρώσετε το ολικό χρεωστικό ποσό σε μία δόση"), panel);
    cbOneDosi->setObjectName(QStringLiteral("cbOneDosi"));
    connect(cbOneDosi, &QCheckBox::clicked, this, &TfiEka::CalcMeioseois);
    row->addWidget(cbOneDosi);
    row->addStretch(1);
    return panel;
}

void TfiEka::ExplainCurrent() {
    if (!explaining_.explainLine || sgEka->section() != kClearanceSection || note_.results.EmptyDeclaration) return;
    const int line = sgEka->currentRow();
    const int person = sgEka->currentColumn() >= 1 ? sgEka->currentColumn() - 1 : -1;
    const Explanation explanation = explaining_.explainLine(line, person);
    if (explanation.label.isEmpty()) return;
    std::function<void(int)> showCode;
    if (explaining_.showCode) {
        showCode = [this](int code) {
            accept();  // the form comes forward with the box
            explaining_.showCode(code);
        };
    }
    auto* box = new ExplanationBox(explanation, showCode, this);
    box->open();
}

void TfiEka::centreOnScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TfiEka::ShowHeader() {
    const EkaHeader& header = note_.header;
    lbAFM->setText(header.AFM);
    lbBigName->setText(header.BigName);
    lbAddress->setText(header.Address);
    lbDoy->setText(header.Doy);
    lbSyzBigName->setText(header.SyzBigName);
    lbSyzAfm->setText(header.SyzAfm);
}

void TfiEka::ShowCodes() {
    if (!note_.codes) return;
    const std::vector<CodesGridRow> rows = LayOutCodes(*note_.codes);
    sgCodes->clearContents();
    sgCodes->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < sgCodes->rowCount(); ++r)
        for (int c = 0; c < kCodesGridColumns; ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setFlags(Qt::ItemIsEnabled);
            // Amounts right-aligned so that their decimals line up.
            if (c % 2 == 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sgCodes->setItem(r, c, item);
        }
}

int TfiEka::EkaSection() const { return sgEka->section(); }

QPushButton* TfiEka::ViewButton(int section) const {
    const auto views = BreakdownViews();
    for (std::size_t i = 0; i < views.size(); ++i)
        if (views[i].section == section) return viewButtons_[i];
    return nullptr;
}

void TfiEka::btDisplayTheEKAClick() {
    const tax::ResultSet& results = note_.results;
    if (const std::optional<double> required = RequiredReceipts(results)) {
        edApodeixeis->SetValue(*required);
        lbApodeixeis->show();
        edApodeixeis->show();
    }
    if (results.EmptyDeclaration)
        for (QPushButton* button : viewButtons_) button->setEnabled(false);
    sgEka->showView(kClearanceSection, ClearanceGrid(note_.lines));
    // The final tax line shows what is left to pay, the amount that one instalment discounts;
    // the clearance lines, and so the print, keep it empty.
    if (results.FinalBalance > 0) sgEka->setCellText(kFinalTaxRow, 1, FormatAmount(results.FinalBalance));
    imBack->hide();
}

void TfiEka::ShowBreakdown(int section) {
    const BreakdownView* view = FindBreakdownView(section);
    if (!view) return;
    imBack->show();
    sgEka->showView(section, BreakdownGrid(*view, note_.results));
}

void TfiEka::bt10Click(QObject* sender) {
    if (!print_.clearanceNote) return;
    const bool pdf = sender && sender->property("tag").toInt() == kPdfTag;
    print_.clearanceNote(*this, pdf);
}

void TfiEka::CalcMeioseois() {
    btDisplayTheEKAClick();
    if (!cbOneDosi->isChecked()) return;
    // The discount of paying in one instalment, on the final tax line; the clearance lines and
    // the print keep the undiscounted amount.
    const double amount = ParseAmount(sgEka->cellText(kFinalTaxRow, 1)).value_or(0);
    if (amount > 0) sgEka->setCellText(kFinalTaxRow, 1, FormatAmount(amount * kOneInstalmentShare / 100));
}

void TfiEka::bt9Click() { close(); }

}  // namespace dz
