// The live clearance panel: the clearance lines' own texts for a few lines, and their changes.
#include "e1/live_clearance_panel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/amount_text.h"
#include "note/note_lines.h"

namespace dz {
namespace {

constexpr LiveLine kLines[] = {
    {3, u"Συνολικό εισόδημα", "TotalIncome"},
    {12, u"Φόρος εισοδήματος", "IncomeTaxDue"},
    {22, u"Εισφορά αλληλεγγύης", "SolidarityContribution"},
    {23, u"Τέλος επιτηδεύματος", "ProfessionalFee"},
    {24, u"Φόρος πολυτελούς διαβίωσης", "LuxuryTax"},
    {25, u"Ποσό για πληρωμή", "FinalBalance"},
};

const EkaLineRule& RuleOf(const LiveLine& line) { return EkaLineRules()[static_cast<std::size_t>(line.line - 1)]; }
bool Joint(const LiveLine& line) { return RuleOf(line).scope == LineScope::Joint; }
int PersonsOf(const LiveLine& line) { return Joint(line) ? 1 : 2; }

const QString kRefundCaption = QStringLiteral("Ποσό για επιστροφή");
const QString kNothingCaption = QStringLiteral("Μηδενικό αποτέλεσμα");

constexpr int kResultRole = Qt::UserRole;
constexpr int kPersonRole = Qt::UserRole + 1;
constexpr int kCellPadding = 12;

// A change in whole cents, so that it agrees with the two amounts as they show.
QString ChangeText(double now, double start) {
    const long long cents = std::llround(now * 100) - std::llround(start * 100);
    if (cents == 0) return {};
    const QString text = FormatAmount(double(cents) / 100);
    return cents > 0 ? u'+' + text : text;
}

// The caption of the balance follows the sign of the amount the clearance line shows.
QString BalanceCaptionOf(const QString& shown) {
    if (shown.isEmpty()) return kNothingCaption;
    return shown.startsWith(u'-') ? kRefundCaption : QString::fromUtf16(kLines[std::size(kLines) - 1].caption);
}

void SetText(QTableWidgetItem* item, const QString& text) {
    if (item->text() != text) item->setText(text);  // an unchanged cell is not repainted
}

}  // namespace

static_assert(std::size(kLines) == LiveClearancePanel::kLineCount);

const QString LiveClearancePanel::kTitle = QStringLiteral("Εκκαθάριση");

std::span<const LiveLine> LiveClearancePanel::Lines() { return kLines; }

LiveClearancePanel::LiveClearancePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnLiveClearance"));
    auto* title = new QLabel(kTitle, this);
    title->setObjectName(QStringLiteral("lbLiveClearance"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setContentsMargins(4, 4, 4, 2);

    table_ = new QTableWidget(kLineCount * 3, 2, this);
    table_->setObjectName(QStringLiteral("sgLiveClearance"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Υπόχρεος"), QStringLiteral("Σύζυγος")});
    table_->verticalHeader()->hide();
    // As narrow as the longest caption and the largest amounts allow: the pages need the width.
    QFont captionFont = table_->font();
    captionFont.setBold(true);
    int captionWidth = 0;
    for (const LiveLine& line : kLines)
        captionWidth = std::max(captionWidth, QFontMetrics(captionFont).horizontalAdvance(QString::fromUtf16(line.caption)));
    const int column = std::max(table_->fontMetrics().horizontalAdvance(QStringLiteral("-99.999.999,00")),
                                (captionWidth + 1) / 2) + kCellPadding;
    // The two persons share what width the panel has.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setMinimumSectionSize(column);
    table_->horizontalHeader()->setHighlightSections(false);
    // Rows of one fixed height: a row sized to its contents would lay out every cell at each key.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The pages keep the Tab and Enter walks: the panel takes the focus only from a click.
    table_->setFocusPolicy(Qt::ClickFocus);
    table_->setTabKeyNavigation(false);
    table_->installEventFilter(this);

    QFont changeFont = table_->font();
    changeFont.setPointSizeF(changeFont.pointSizeF() * 0.85);
    for (int i = 0; i < kLineCount; ++i) {
        const LiveLine& line = kLines[i];
        const int row = CaptionRow(i);
        table_->setSpan(row, 0, 1, 2);
        auto* caption = new QTableWidgetItem(QString::fromUtf16(line.caption));
        caption->setFlags(Qt::ItemIsEnabled);
        caption->setFont(captionFont);
        table_->setItem(row, 0, caption);
        if (Joint(line)) {
            table_->setSpan(row + 1, 0, 1, 2);
            table_->setSpan(row + 2, 0, 1, 2);
        }
        for (int p = 0; p < PersonsOf(line); ++p) {
            const int person = Joint(line) ? kJoint : p;
            for (int part = 1; part <= 2; ++part) {
                auto* item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                item->setData(kResultRole, QString::fromLatin1(line.result));
                item->setData(kPersonRole, person);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (part == 2) {
                    item->setFont(changeFont);
                    item->setForeground(QColor(0x55, 0x55, 0x55));
                }
                table_->setItem(row + part, p, item);
            }
        }
    }
    connect(table_, &QTableWidget::itemClicked, this, &LiveClearancePanel::Activate);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addWidget(table_, 1);
    const int frame = 2 * table_->frameWidth();
    setMinimumWidth(2 * column + frame + table_->verticalScrollBar()->sizeHint().width());
}

QSize LiveClearancePanel::sizeHint() const { return {minimumWidth(), QWidget::sizeHint().height()}; }

void LiveClearancePanel::Show(const tax::ResultSet& results) {
    const EkaLines shown = FillEkaLines(results);
    for (int i = 0; i < kLineCount; ++i) {
        const LiveLine& line = kLines[i];
        const EkaLineRule& rule = RuleOf(line);
        const int row = CaptionRow(i);
        for (int p = 0; p < PersonsOf(line); ++p) {
            // An empty declaration has no figures: its changes are taken from nothing.
            now_[i][p] = results.EmptyDeclaration ? 0 : rule.value(results, p);
            const QString& text = shown.person[p][line.line];
            SetText(table_->item(row + 1, p), text);
            SetText(table_->item(row + 2, p), ChangeText(now_[i][p], start_[i][p]));
            if (Joint(line)) SetText(table_->item(row, 0), BalanceCaptionOf(text));
        }
    }
}

void LiveClearancePanel::ResetChanges() {
    start_ = now_;
    for (int i = 0; i < kLineCount; ++i)
        for (int p = 0; p < PersonsOf(kLines[i]); ++p) SetText(table_->item(CaptionRow(i) + 2, p), QString());
}

QTableWidgetItem* LiveClearancePanel::FigureItem(const QString& result, int person) const {
    for (int i = 0; i < kLineCount; ++i) {
        const LiveLine& line = kLines[i];
        if (result != QLatin1String(line.result)) continue;
        if (Joint(line) ? person != kJoint : person != 0 && person != 1) return nullptr;
        return table_->item(CaptionRow(i) + 1, Joint(line) ? 0 : person);
    }
    return nullptr;
}

QString LiveClearancePanel::Figure(const QString& result, int person) const {
    const QTableWidgetItem* item = FigureItem(result, person);
    return item ? item->text() : QString();
}

QString LiveClearancePanel::Change(const QString& result, int person) const {
    const QTableWidgetItem* item = FigureItem(result, person);
    return item ? table_->item(item->row() + 1, item->column())->text() : QString();
}

QString LiveClearancePanel::BalanceCaption() const { return table_->item(CaptionRow(kLineCount - 1), 0)->text(); }

void LiveClearancePanel::FocusFigures() {
    const QTableWidgetItem* current = table_->currentItem();
    if (!current || !current->data(kResultRole).isValid())
        table_->setCurrentItem(FigureItem(QString::fromLatin1(kLines[0].result), 0));
    table_->setFocus(Qt::ShortcutFocusReason);
}

void LiveClearancePanel::Activate(const QTableWidgetItem* item) {
    if (!item) return;
    const QVariant result = item->data(kResultRole);
    if (result.isValid()) emit LineActivated(result.toString(), item->data(kPersonRole).toInt());
}

bool LiveClearancePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Activate(table_->currentItem());
            return true;
        }
        if (key == Qt::Key_Escape) {
            emit LeaveRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace dz
