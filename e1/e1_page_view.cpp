// The form pages of the E1 window: the page picture in a scroll box and a control over every box.
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "controls/page_canvas.h"
#include "controls/run_command.h"
#include "controls/edit_afm.h"
#include "controls/edit_int.h"
#include "controls/edit_real.h"
#include "declaration/e1_bindings.h"
#include "e1/fi_e1.h"
#include "render/page_pictures.h"

namespace dz {
namespace {

using forms::FieldKind;
using forms::FormBox;

// Check boxes whose own caption is not "ΝΑΙ".
struct CaptionOverride {
    const char* control;
    const char16_t* caption;
};
constexpr CaptionOverride kCheckCaptions[] = {
    {"cbMarried", u"Έγγαμος"},
    {"cbExairesiF", u"NAI"},  // Latin letters, as the form prints them
    {"cbExairesiS", u"NAI"},
};

// The window's commands over the pages and their handlers.
struct ButtonCommand {
    const char* control;
    void (TfiE1::*handler)();
};
constexpr ButtonCommand kButtons[] = {
    {"sbDOY", &TfiE1::sbDOYClick},
    {"sbLastDOY", &TfiE1::sbLastDOYClick},
    {"btPrintAuto", &TfiE1::btPrintAutoClick},
    {"Button1", &TfiE1::Button1Click},
};

QString CheckCaption(const FormBox& box) {
    for (const CaptionOverride& o : kCheckCaptions)
        if (box.name == QLatin1String(o.control)) return QString::fromUtf16(o.caption);
    return box.caption.isEmpty() ? QStringLiteral("ΝΑΙ") : box.caption;
}

// Type that fills most of a box without touching its rules.
QFont FieldFont(int boxHeight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::clamp(boxHeight * 7 / 10, 9, 14));
    return font;
}

// The three exemption categories of a car, shown beside the cars while the field has the focus;
// drawn at the screen's device-pixel ratio.
QPixmap AutoTypePicture(QSize size, qreal ratio) {
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(0xFF, 0xFF, 0xE1));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPixelSize(std::max(8, size.height() / 3 - 2));
    painter.setFont(font);
    const QString lines[] = {QStringLiteral("1 = Αυτοκίνητο αναπήρου"), QStringLiteral("2 = Συνταξιούχου με ατέλεια"),
                             QStringLiteral("3 = Αντίκα")};
    const int h = (size.height() - 2) / 3;
    for (int i = 0; i < 3; ++i)
        painter.drawText(QRect(4, 1 + i * h, size.width() - 6, h), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    return picture;
}

// A field over a row of character cells (bank code, account number): each character in its
// cell, the cells seen through the field.
void FitToCells(QLineEdit* edit, const QRect& box, int cells) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(std::clamp(box.height() * 7 / 10, 9, 14));
    const double cell = double(box.width()) / cells;
    const double glyph = QFontMetricsF(font).horizontalAdvance(u'0');
    font.setLetterSpacing(QFont::AbsoluteSpacing, cell - glyph);
    edit->setFont(font);
    // The spacing after the last character would scroll the text by a cell: the right margin
    // gives that room back.
    const int lead = int((cell - glyph) / 2);
    edit->setTextMargins(lead, 0, -int(cell), 0);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
}

}  // namespace

QWidget* TfiE1::MakeControl(const FormBox& box, QWidget* parent) {
    QWidget* control = nullptr;
    QLineEdit* edit = nullptr;
    switch (box.kind) {
    case FieldKind::Amount: {
        auto* field = new TEditReal(parent);
        control = edit = field;
        break;
    }
    case FieldKind::Whole:
        control = edit = new TEditInt(parent);
        break;
    case FieldKind::TaxNumber:
        control = edit = new TEditAFM(parent);
        break;
    case FieldKind::Text:
        control = edit = new QLineEdit(parent);
        break;
    case FieldKind::YesNo:
        control = new QCheckBox(CheckCaption(box), parent);
        break;
    case FieldKind::Button: {
        QAbstractButton* button = nullptr;
        if (box.name.startsWith(QLatin1String("sb"))) {
            // The small list buttons beside a field take no focus: typing goes on in the field.
            auto* tool = new QToolButton(parent);
            tool->setFocusPolicy(Qt::NoFocus);
            button = tool;
        } else {
            button = new QPushButton(parent);
        }
        button->setText(box.caption);
        for (const ButtonCommand& b : kButtons)
            if (box.name == QLatin1String(b.control)) {
                const auto handler = b.handler;
                connect(button, &QAbstractButton::clicked, this,
                        [this, handler] { RunCommand(this, [this, handler] { (this->*handler)(); }); });
            }
        control = button;
        break;
    }
    case FieldKind::Picture: {
        auto* picture = new QLabel(parent);
        control = picture;
        break;
    }
    }
    control->setObjectName(box.name);
    // Screen readers and the field's own messages name the box as the form shows it.
    control->setAccessibleName(box.label.isEmpty() ? forms::BoxLabel(box.name) : box.label);
    if (!box.hint.isEmpty()) control->setToolTip(box.hint);
    // A whole number is refused on leaving when the save could not keep it.
    if (const auto range = RangeOfControl(box.name); range && box.kind == FieldKind::Whole)
        static_cast<TEditInt*>(control)->SetRange(range->min, range->max);
    if (edit) {
        edit->setFrame(false);
        edit->setTextMargins(2, 0, 2, 0);
        if (box.maxLength > 0) edit->setMaxLength(box.maxLength);
    }
    controls_.insert(box.name, control);
    if (box.code > 0) Register(control, box.code);
    return control;
}

void TfiE1::Register(QWidget* control, int code) {
    codeBoxes_.push_back({code, KindOfCode(code), control});
    byCode_[code] = control;
}

void TfiE1::BuildFormPage(int index) {
    const forms::FormPage& page = forms::E1Page(index);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sbPage%1").arg(index + 1));
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setBackgroundRole(QPalette::Dark);

    // Drawn at the screen's device-pixel ratio, so that the form's texts are sharp on any screen.
    auto* canvas = new PageCanvas([index](qreal ratio) { return forms::E1PagePicture(index, ratio); }, page.pixels);
    canvas->setObjectName(QStringLiteral("imPage%1").arg(index + 1));

    QHash<int, QFont> fonts;
    for (const FormBox& box : page.boxes) {
        if (box.presence == forms::Presence::PrintOnly) continue;
        QWidget* control = MakeControl(box, canvas);
        const QRect r = forms::ToPixels(box.rect, page.pixels);
        // Inside the printed rule, so the box stays framed around the field.
        QRect inner(r.x() + 1, r.y() + 1, r.width() - 1, r.height() - 1);
        if (box.kind == FieldKind::YesNo) inner.adjust(2, 0, 0, 0);
        if (box.kind == FieldKind::Button || box.kind == FieldKind::Picture) inner = r;
        control->setGeometry(inner);
        if (!fonts.contains(inner.height())) fonts.insert(inner.height(), FieldFont(inner.height()));
        control->setFont(fonts.value(inner.height()));
        if (box.presence == forms::Presence::Hidden) control->hide();
        if (box.split == forms::Split::Cells && box.cells > 0)
            FitToCells(static_cast<QLineEdit*>(control), r, box.cells);
        if (box.kind == FieldKind::Picture) {
            imAutoType = static_cast<QLabel*>(control);
            imAutoType->setPixmap(AutoTypePicture(inner.size(), devicePixelRatioF()));
            imAutoType->hide();
        }
    }
    for (const forms::FormText& text : page.texts) {
        if (text.style != forms::TextStyle::WindowNote) continue;
        auto* note = new QLabel(text.text, canvas);
        note->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
        note->setAlignment(Qt::Alignment(text.align));
        note->setGeometry(forms::ToPixels(text.rect, page.pixels));
    }

    scroll->setWidget(canvas);
    sbPages[index] = scroll;
    AddPage(scroll, QStringLiteral("Σελίδα %1").arg(index + 1));
}

void TfiE1::ConnectEditing() {
    // Fields whose changes are not the user's: the registration number is shown only, and the
    // carriers of codes 093/095 follow their check boxes.
    static const QStringList kNotEdited = {QStringLiteral("edAACode"), QStringLiteral("edp093"),
                                           QStringLiteral("edp095")};
    static const QStringList kSpecialBoxes = {
        QStringLiteral("cbP777"),      QStringLiteral("cbP778"),      QStringLiteral("cbTelos500F"),
        QStringLiteral("cbTelos500S"), QStringLiteral("cbTelos400F"), QStringLiteral("cbTelos400S"),
        QStringLiteral("cbP887"),      QStringLiteral("cbP888")};
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        QWidget* control = it.value();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            if (kNotEdited.contains(it.key())) continue;
            connect(edit, &QLineEdit::textEdited, this, [this] { modified_ = true; });
            navigation_.push_back(edit);
            edit->installEventFilter(this);
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            connect(box, &QCheckBox::clicked, this, [this] { modified_ = true; });
            if (kSpecialBoxes.contains(it.key())) navigation_.push_back(box);
            box->installEventFilter(this);
        }
    }
    auto* registration = ControlAs<QLineEdit>(QStringLiteral("edAACode"));
    registration->setReadOnly(true);
    registration->setFocusPolicy(Qt::NoFocus);
    std::sort(navigation_.begin(), navigation_.end());
}

}  // namespace dz
