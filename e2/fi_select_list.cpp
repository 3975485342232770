// The radio-list pick dialog: entries filled column by column, accept and close buttons, centred on the screen.
#include "e2/fi_select_list.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "controls/run_command.h"
#include "controls/user_dialogs.h"

namespace dz {

TfiSelectList::TfiSelectList(const PickListLook& look, const QStringList& entries, QWidget* parent)
    : QDialog(parent), noChoiceText_(QString::fromUtf16(look.noChoiceText)), entries_(entries) {
    setWindowTitle(QString::fromUtf16(look.caption));
    group_ = new QGroupBox(QString::fromUtf16(look.groupCaption), this);
    group_->setObjectName(QLatin1String(look.groupName));
    buttons_ = new QButtonGroup(this);
    auto* grid = new QGridLayout(group_);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    // Filled top to bottom, then the next column.
    const int columns = std::max(1, look.columns);
    const int rows = (int(entries.size()) + columns - 1) / columns;
    for (int i = 0; i < entries.size(); ++i) {
        auto* radio = new QRadioButton(entries[i], group_);
        buttons_->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }

    btAccept_ = new QPushButton(QStringLiteral("Αποδοχή"), this);
    btAccept_->setObjectName(QStringLiteral("btAccept"));
    btAccept_->setDefault(true);
    btClose_ = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    btClose_->setObjectName(QStringLiteral("btClose"));
    connect(btAccept_, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { AcceptClick(); }); });
    connect(btClose_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btAccept_);
    buttons->addWidget(btClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfiSelectList::SetItemIndex(int index) {
    if (QAbstractButton* radio = buttons_->button(index)) {
        radio->setChecked(true);
        radio->setFocus();
        return;
    }
    // An exclusive group keeps its checked button; it has to let go to show no choice.
    buttons_->setExclusive(false);
    for (QAbstractButton* radio : buttons_->buttons()) radio->setChecked(false);
    buttons_->setExclusive(true);
}

int TfiSelectList::ItemIndex() const { return buttons_->checkedId(); }

void TfiSelectList::AcceptClick() {
    const int index = ItemIndex();
    if (index < 0) {
        AppDialogs().Inform(noChoiceText_);
        return;
    }
    chosenText_ = entries_.value(index);
    accept();
}

std::optional<int> TfiSelectList::Pick(int preselected) {
    SetItemIndex(preselected);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ItemIndex();
}

void TfiSelectList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

}  // namespace dz
