// The print dialog's window: its controls, the adjustment to E1 or E2, the page boxes, the typeface link.
#include "print/fi_prn_params.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/run_command.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "print/platform_dialogs.h"
#include "report/pdf_document.h"
#include "report/report_font.h"

namespace dz {

namespace {

constexpr QSize kWindowSize(366, 627);

// The page boxes for each state of the paper and of two-sided printing.
struct PageBoxes {
    bool duplex;
    bool wide;                 // A3, or E2 when two-sided
    const char16_t* page1;     // cbPage1's caption (always shown)
    const char16_t* page2;     // cbPage2's caption; null: unticked and hidden
    bool singlePages34;        // cbPage3 and cbPage4 shown; otherwise unticked and hidden
    bool reverse;              // cbDupE2Ver shown; otherwise unticked and hidden
};
constexpr PageBoxes kPageBoxes[] = {
    {true, true, u"Ολες οι σελίδες του Εντύπου", nullptr, false, true},
    {true, false, u"1η και 2η Σελίδα του Εντύπου", u"3η και 4η Σελίδα του Εντύπου", false, true},
    {false, true, u"1η Σελίδα ( 4η και 1η του Εντύπου)", u"2η Σελίδα ( 2η και 3η του Εντύπου)", false, false},
    {false, false, u"1η Σελίδα", u"2η Σελίδα", true, false},
};

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void ShowTicked(QCheckBox* box, bool shown) {
    box->setVisible(shown);
    if (!shown) box->setChecked(false);
}

}  // namespace

const QString TfiPrnParams::kCaption = QStringLiteral("Παράμετροι Εκτύπωσης Δηλώσεων");
const QString TfiPrnParams::kCompositeTitle = QStringLiteral("Εκτύπωση Εντύπων");
const QString TfiPrnParams::kNoPagesForPdf = QStringLiteral("Δεν έχετε επιλέξει σελίδες για εκτύπωση σε μορφή PDF.");
const QString TfiPrnParams::kPdfNotTwoSided = QStringLiteral("Η εκτύπωση σε μορφή PDF γίνεται χωρίς διπλή όψη");
const QString TfiPrnParams::kPdfFileOpen =
    QStringLiteral("Το ορχείο PDF που δημιουργήσατε είναι ανοικτό. Για τη συνέχεια της διαδιακασίας είναι απαραίτητο "
                   "να το κλείσετε.");

TfiPrnParams::TfiPrnParams(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiPrnParams"));
    setWindowTitle(kCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildControls();
    setFixedSize(kWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    family_ = report::kDefaultReportFont;
    RunCommand(this, [this] { family_ = report::ReportFontName(); });
    lbFont->setText(family_);
    qrCompRepA4.title = qrCompRepA3.title = kCompositeTitle;
    qrCompRepA4.addReports = [this](report::CompositeReport& c) { qrCompRepA4AddReports(c); };
    qrCompRepA3.addReports = [this](report::CompositeReport& c) { qrCompRepA3AddReports(c); };
}

TfiPrnParams::~TfiPrnParams() = default;

void TfiPrnParams::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    rgTipos = Named(new QGroupBox(QStringLiteral("Τύπος Εκτύπωσης"), this), "rgTipos");
    auto* tipos = new QVBoxLayout(rgTipos);
    const QString items[2] = {QStringLiteral("Εκτύπωση  σε χαρτί Α4 ανά σελίδα "),
                              QStringLiteral("Εκτύπωση  σε χαρτί Α3 ανά σελίδα ")};
    for (int i = 0; i < 2; ++i) {
        rgTiposItems[i] = new QRadioButton(items[i], rgTipos);
        tipos->addWidget(rgTiposItems[i]);
        connect(rgTiposItems[i], &QRadioButton::clicked, this, [this] { SelectPages(); });
    }
    rgTiposItems[0]->setChecked(true);
    layout->addWidget(rgTipos);

    auto marginRow = [this, layout](QLabel*& label, TEditReal*& edit, const QString& caption, const char* labelName,
                                    const char* editName) {
        auto* row = new QHBoxLayout;
        label = Named(new QLabel(caption, this), labelName);
        edit = Named(new TEditReal(this), editName);
        edit->SetValue(0);
        edit->setText(QStringLiteral("0,00"));
        row->addWidget(label);
        row->addWidget(edit);
        layout->addLayout(row);
        label->hide();
        edit->hide();
    };
    marginRow(lbMoreMargin, edMoreMargin, QStringLiteral("Αύξηση χιλιοστων άνω περιθωρίου"), "lbMoreMargin",
              "edMoreMargin");
    marginRow(lbMoremarginLeft, edMoreMarginLeft, QStringLiteral("Αύξηση χιλιοστων άριστερού περιθωρίου"),
              "lbMoremarginLeft", "edMoreMarginLeft");

    cbColoredPrint = Named(new QCheckBox(QStringLiteral("Έγχρωμη εκτύπωση"), this), "cbColoredPrint");
    layout->addWidget(cbColoredPrint);

    auto* numbering = new QHBoxLayout;
    lbE2FirstNbr = Named(new QLabel(QStringLiteral("Εκκίνηση Αρίθμησης Ε2 :"), this), "lbE2FirstNbr");
    edE2FirstNbr = Named(new TEditInt(this), "edE2FirstNbr");
    numbering->addWidget(lbE2FirstNbr);
    numbering->addWidget(edE2FirstNbr);
    layout->addLayout(numbering);
    lbE2FirstNbr->hide();
    edE2FirstNbr->hide();

    auto* copies = new QHBoxLayout;
    Label5 = Named(new QLabel(QStringLiteral("Αριθμός Αντιγράφων"), this), "Label5");
    ud2 = Named(new QSpinBox(this), "ud2");
    ud2->setRange(0, 100);
    ud2->setValue(1);
    edCopies = Named(ud2->findChild<QLineEdit*>(), "edCopies");
    copies->addWidget(Label5);
    copies->addWidget(ud2);
    layout->addLayout(copies);

    cbDuplex = Named(new QCheckBox(QStringLiteral("Διπλή όψη"), this), "cbDuplex");
    connect(cbDuplex, &QCheckBox::clicked, this, [this] { SelectPages(); });
    layout->addWidget(cbDuplex);

    gbPageSelect = Named(new QGroupBox(QStringLiteral("Επιλέξτε τις σελίδες που θέλετε να εκτυπώσετε "), this),
                         "gbPageSelect");
    auto* pages = new QVBoxLayout(gbPageSelect);
    QCheckBox** boxes[] = {&cbPage1, &cbPage2, &cbPage3, &cbPage4};
    const char* names[] = {"cbPage1", "cbPage2", "cbPage3", "cbPage4"};
    for (int i = 0; i < 4; ++i) {
        *boxes[i] = Named(new QCheckBox(QStringLiteral("%1η Σελίδα").arg(i + 1), gbPageSelect), names[i]);
        pages->addWidget(*boxes[i]);
    }
    cbDupE2Ver = Named(new QCheckBox(QStringLiteral("Αντιστροφή Αναδιπλούμενης Όψης"), gbPageSelect), "cbDupE2Ver");
    pages->addWidget(cbDupE2Ver);
    cbDupE2Ver->hide();
    layout->addWidget(gbPageSelect);

    auto* font = new QHBoxLayout;
    Label9 = Named(new QLabel(QStringLiteral("Επιλογή Γραμματοσειράς"), this), "Label9");
    Label9->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Label9->setCursor(Qt::PointingHandCursor);
    Label9->installEventFilter(this);
    lbFont = Named(new QLabel(this), "lbFont");
    font->addWidget(Label9);
    font->addWidget(lbFont, 1);
    layout->addLayout(font);
    layout->addStretch(1);

    btPrint = Named(new QPushButton(QStringLiteral("Εκτύπωση"), this), "btPrint");
    ShowPdf = Named(new QPushButton(QStringLiteral("Εξαγωγή PDF"), this), "ShowPdf");
    BitBtn2 = Named(new QPushButton(QStringLiteral("Έξοδος"), this), "BitBtn2");
    for (QPushButton* button : {btPrint, ShowPdf, BitBtn2}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    connect(btPrint, &QPushButton::clicked, this, [this] { btPrintClick(); });
    connect(ShowPdf, &QPushButton::clicked, this, [this] { ShowPdfClick(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TfiPrnParams::Setup(FormKind kind) {
    kind_ = kind;
    if (kind != FormKind::E2) return;
    for (QWidget* w : std::initializer_list<QWidget*>{cbPage3, cbPage4, rgTipos}) w->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{lbE2FirstNbr, edE2FirstNbr, lbMoreMargin, edMoreMargin,
                                                      lbMoremarginLeft, edMoreMarginLeft})
        w->show();
}

int TfiPrnParams::rgTiposIndex() const { return rgTiposItems[1]->isChecked() ? 1 : 0; }

void TfiPrnParams::SelectPages() {
    const bool duplex = cbDuplex->isChecked();
    const bool wide = rgTiposIndex() == 1 || (duplex && kind_ == FormKind::E2);
    const PageBoxes& state = *std::find_if(std::begin(kPageBoxes), std::end(kPageBoxes), [&](const PageBoxes& p) {
        return p.duplex == duplex && p.wide == wide;
    });
    cbPage1->setText(QString::fromUtf16(state.page1));
    cbPage1->show();
    if (state.page2) cbPage2->setText(QString::fromUtf16(state.page2));
    ShowTicked(cbPage2, state.page2 != nullptr);
    ShowTicked(cbPage3, state.singlePages34);
    ShowTicked(cbPage4, state.singlePages34);
    ShowTicked(cbDupE2Ver, state.reverse);
}

void TfiPrnParams::Label9Click() {
    RunCommand(this, [this] {
        const std::optional<QString> chosen = CurrentPlatformDialogs().ChooseFont(lbFont->text(), this);
        if (!chosen) return;
        report::StoreReportFontName(*chosen);
        family_ = *chosen;
        lbFont->setText(*chosen);
    });
}

void TfiPrnParams::BitBtn2Click() { reject(); }

bool TfiPrnParams::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label9 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label9Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void RunPrintDialog(QWidget* parent, const E1Declaration& declaration) {
    TfiPrnParams dialog(parent);
    dialog.SetDeclaration(declaration);
    dialog.Setup(FormKind::E1);
    dialog.exec();
}

void RunPrintDialog(QWidget* parent, const E2Record& record) {
    TfiPrnParams dialog(parent);
    dialog.SetRecord(record);
    dialog.cbColoredPrint->hide();  // the E2 pages have no colour backgrounds
    dialog.Setup(FormKind::E2);
    dialog.exec();
}

}  // namespace dz
