// The E2 window's pages: the page picture in a scroll box with a control over every box, their colours and events.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <optional>

#include "controls/page_canvas.h"
#include "controls/run_command.h"
#include "controls/edit_afm.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "forms/e2_pages.h"
#include "render/e2_pictures.h"
#include "e2/fi_e2.h"
#include "e2/fi_e2_names.h"

namespace dz {
namespace {

using e2::FieldRole;
using forms::FieldKind;
using forms::FormBox;

struct PickButton {
    const char* base;
    void (TfiE2::*handler)(int position);
};

constexpr PickButton kPickButtons[] = {
    {"sbGetThesi", &TfiE2::sbGetThesiClick},
    {"sbGetXrisi", &TfiE2::sbGetXrisiClick},
    {"sbGetEidosMist", &TfiE2::sbGetEidosMistClick},
};

constexpr int kFieldFontPixels = 12;
constexpr int kSmallestFontPixels = 8;

// What the narrow columns of the form must show whole; their fields take the narrow face at
// the largest size that fits it.
struct FieldSample {
    const char* base;
    const char* sample;
};

constexpr FieldSample kSamples[] = {
    {"edDate", "00/00"},         {"edMonths", "-00,00"},     {"edSinid", "33,33"},
    {"edEnoikio", "00.000,00"},  {"edSurfa", "00000"},       {"edPin2Surfa", "0000"},
    {"edPin3Surfa", "0000"},     {"edPin2Sinid", "00000"},   {"edEidosMist", "00"},
    {"edPlace", "Υπ."},          {"edPin2Place", "Υπ."},     {"edPin3Place", "Υπ."},
};

// The narrow face at the largest size that shows the field's sample whole in `width` pixels;
// nothing for a field without a sample.
std::optional<QFont> FittedFont(const QString& name, int width) {
    static QHash<QString, QFont> fitted;
    const QString base = e2::BaseName(name);
    for (const FieldSample& s : kSamples) {
        if (base != QString::fromUtf8(s.base)) continue;
        const QString key = base + QLatin1Char('/') + QString::number(width);
        if (const auto it = fitted.constFind(key); it != fitted.cend()) return *it;
        QFont font(QStringLiteral("Liberation Sans Narrow"));
        font.setStyleHint(QFont::SansSerif);
        const QString sample = QString::fromUtf8(s.sample);
        for (int pixels = kFieldFontPixels; pixels >= kSmallestFontPixels; --pixels) {
            font.setPixelSize(pixels);
            if (QFontMetrics(font).horizontalAdvance(sample) <= width) break;
        }
        fitted.insert(key, font);
        return font;
    }
    return std::nullopt;
}

QColor BaseColour(FieldRole role) {
    switch (role) {
    case FieldRole::Computed:
        return Qt::white;
    case FieldRole::Identifier:
        return QApplication::palette().color(QPalette::Highlight);
    default:
        return QApplication::palette().color(QPalette::ToolTipBase);  // the information colour
    }
}

void Colour(QLineEdit* field, FieldRole role) {
    QPalette palette = field->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, BaseColour(role));
        // A closed income column still shows its amount plainly.
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
}

}  // namespace

QWidget* TfiE2::MakeControl(const FormBox& box, QWidget* canvas) {
    const FieldRole role = e2::RoleOf(box.name);
    QWidget* control = nullptr;
    QLineEdit* edit = nullptr;
    if (box.kind == FieldKind::Button) {
        auto* button = new QToolButton(canvas);
        button->setText(box.caption);
        button->setFocusPolicy(Qt::NoFocus);  // typing goes on in the field
        if (box.name == QLatin1String("sbCalcOff")) {
            button->setCheckable(true);
            sbCalcOff = button;
            connect(button, &QToolButton::clicked, this, [this] { RunCommand(this, [this] { sbCalcOffClick(); }); });
        }
        const QString base = e2::BaseName(box.name);
        const int position = e2::NameNumber(box.name);
        for (const PickButton& pick : kPickButtons) {
            if (base != QLatin1String(pick.base)) continue;
            const auto handler = pick.handler;
            connect(button, &QToolButton::clicked, this,
                    [this, handler, position] { RunCommand(this, [=, this] { (this->*handler)(position); }); });
        }
        control = button;
    } else if (role == FieldRole::RowLabel) {
        auto* label = new QLabel(QString::number(e2::NameNumber(box.name)), canvas);
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
        control = label;
    } else {
        switch (box.kind) {
        case FieldKind::Amount:
            edit = new TEditReal(canvas);
            break;
        case FieldKind::Whole:
            edit = new TEditInt(canvas);
            break;
        case FieldKind::TaxNumber:
            edit = new TEditAFM(canvas);
            break;
        default:
            edit = new EditField(canvas);
            break;
        }
        edit->setFrame(false);
        edit->setTextMargins(1, 0, 1, 0);
        // A field that is not being typed in shows its text from the start.
        connect(edit, &QLineEdit::textChanged, edit, [edit] {
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        });
        if (box.maxLength > 0) edit->setMaxLength(box.maxLength);
        if (role == FieldRole::PickedText) edit->setReadOnly(true);
        Colour(edit, role);
        fields_.push_back(edit);
        control = edit;
    }
    control->setObjectName(box.name);
    control->setAccessibleName(box.label);  // how screen readers and the field's messages name it
    controls_.insert(box.name, control);
    return control;
}

void TfiE2::BuildPage(int index) {
    const forms::FormPage& page = E2Page(index);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sbPage%1").arg(index + 1));
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setBackgroundRole(QPalette::Dark);

    // Drawn at the screen's device-pixel ratio, so that the form's texts are sharp on any screen.
    auto* canvas = new PageCanvas([index](qreal ratio) { return E2PagePicture(index, ratio); }, page.pixels);
    canvas->setObjectName(QStringLiteral("imPage%1").arg(index + 1));
    // The labels over the page take their colours from the paper, not from the dark frame around it.
    canvas->setBackgroundRole(QPalette::Base);
    canvas->setForegroundRole(QPalette::Text);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFieldFontPixels);
    canvas->setFont(font);
    canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas, &QWidget::customContextMenuRequested, this,
            [this, canvas](const QPoint& at) { PopupMenu1->popup(canvas->mapToGlobal(at)); });

    for (const FormBox& box : page.boxes) {
        if (!forms::DrawnOn(box.presence, forms::RenderTarget::Screen) && box.presence != forms::Presence::Hidden)
            continue;
        QWidget* control = MakeControl(box, canvas);
        if (box.presence == forms::Presence::Hidden) {
            control->hide();
            continue;
        }
        const QRect r = E2ToPixels(box.rect, page.pixels);
        // Inside the printed rules, so the box stays framed around the field.
        control->setGeometry(box.kind == FieldKind::Button ? r : r.adjusted(1, 1, 0, 0));
    }
    // A pick button covers the right end of its field: the field's text stops before it.
    QHash<QString, int> covered;
    for (const FormBox& button : page.boxes) {
        if (button.kind != FieldKind::Button) continue;
        for (const FormBox& box : page.boxes)
            if (box.kind != FieldKind::Button && box.rect.Contains(button.rect))
                covered.insert(box.name, E2ToPixels(button.rect, page.pixels).width() + 1);
    }
    for (const FormBox& box : page.boxes) {
        auto* edit = qobject_cast<QLineEdit*>(Control(box.name));
        if (!edit || box.presence == forms::Presence::Hidden) continue;
        const int button = covered.value(box.name);
        if (button) edit->setTextMargins(1, 0, button + 1, 0);
        // The line edit keeps two pixels of its own on either side; a narrow field gives up its margins.
        if (const auto font = FittedFont(box.name, edit->width() - button - 4)) {
            edit->setFont(*font);
            edit->setTextMargins(0, 0, button, 0);
        }
    }

    scroll->setWidget(canvas);
    sbPages[index] = scroll;
    AddPage(scroll, QStringLiteral("Σελίδα %1").arg(index + 1));
}

QLineEdit* TfiE2::Field(const char* pattern, int number) const {
    return ControlAs<QLineEdit>(QString::fromLatin1(pattern).arg(number));
}

void TfiE2::ConnectFields() {
    for (int n = 1; n <= kE2Table1Rows; ++n) {
        RowFields& row = rows_[n - 1];
        row.date1 = static_cast<EditField*>(Field("edDate1%1", n));
        row.date2 = static_cast<EditField*>(Field("edDate2%1", n));
        row.share = static_cast<EditField*>(Field("edSinid%1", n));
        row.leaseType = static_cast<EditField*>(Field("edEidosMist%1", n));
        row.months = static_cast<TEditReal*>(Field("edMonths%1", n));
        row.rent = static_cast<TEditReal*>(Field("edEnoikio%1", n));
        const char* columns[kE2IncomeColumns] = {"edKat%1", "edGr%1", "edGi%1", "edLi%1"};
        for (int c = 0; c < kE2IncomeColumns; ++c) row.columns[c] = static_cast<TEditReal*>(Field(columns[c], n));

        // The row's calculation runs as a command: what it throws (an income beyond any number
        // for an absurd rent) is shown in the error box and never travels through Qt.
        const auto calculate = [this, n] { RunCommand(this, [this, n] { CalcE2(n); }); };
        for (EditField* date : {row.date1, row.date2})
            connect(date, &EditField::exited, this,
                    [this, date, n] { RunCommand(this, [this, date, n] { edDate11Exit(date, n); }); });
        for (EditField* field : {static_cast<EditField*>(row.share), static_cast<EditField*>(row.rent)})
            connect(field, &EditField::exited, this, calculate);
        for (TEditReal* column : row.columns) connect(column, &EditField::exited, this, calculate);
    }
    for (int c = 0; c < kE2IncomeColumns; ++c) totals_[c] = static_cast<TEditReal*>(Field("edTotal%1", c + 1));

    for (QLineEdit* field : fields_) {
        connect(field, &QLineEdit::textEdited, this, [this] { modified_ = true; });
        connect(static_cast<EditField*>(field), &EditField::keyDown, this, [this](QKeyEvent* event) {
            if (NavigationKey(event)) event->accept();
        });
        field->installEventFilter(this);
    }
}

void TfiE2::BuildMenus() {
    const auto command = [this](QMenu* menu, const char* name, const QString& caption, void (TfiE2::*handler)()) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        if (handler) OnTriggered(action, this, [this, handler] { (this->*handler)(); });
        menu->addAction(action);
        return action;
    };
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    miSave = command(PopupMenu1, "miSave", QStringLiteral("Αποθήκευση"), &TfiE2::miSaveClick);
    miSaveAs = command(PopupMenu1, "miSaveAs", QStringLiteral("Αποθήκευση Ως..."), &TfiE2::miSaveAsClick);
    miPrint = command(PopupMenu1, "miPrint", QStringLiteral("Εκτύπωση"), &TfiE2::miPrintClick);
    miEka2003 = command(PopupMenu1, "miEka2003", QStringLiteral("Εκκαθάριση"), nullptr);
    miPreview = command(PopupMenu1, "miPreview", QStringLiteral("Προεπισκόπιση"), nullptr);

    pmEdit = new QMenu(this);
    pmEdit->setObjectName(QStringLiteral("pmEdit"));
    miCopy = command(pmEdit, "miCopy", QStringLiteral("Αντιγραφή Γραμμής"), &TfiE2::miCopyClick);
    miPaste = command(pmEdit, "miPaste", QStringLiteral("Επικόληση Γραμμής"), &TfiE2::miPasteClick);
    miClear = command(pmEdit, "miClear", QStringLiteral("Καθαρισμός Γραμμής"), &TfiE2::miClearClick);
    miInsert = command(pmEdit, "miInsert", QStringLiteral("Εισαγωγή Γραμμής"), &TfiE2::miInsertClick);
    miDelete = command(pmEdit, "miDelete", QStringLiteral("Διαγραφή Γραμμής"), &TfiE2::miDeleteClick);
    pmEdit->addSeparator();
    mTransferToPin2 =
        command(pmEdit, "mTransferToPin2", QStringLiteral("Μεταφορά γραμμής στον πίνακα 2"), &TfiE2::mTransferToPin2Click);
    miPaste->setEnabled(false);
}

}  // namespace dz
