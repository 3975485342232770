// The horsepower window: two column groups of horsepower and capacity ranges in one read-only grid.
#include "e1/fi_horsepower.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dz {

const QString TfiHorsePower::kCaption =
    QStringLiteral("Πίνακας αντιστοίχισης Φορολογίσιμων Ίππων σε Κυβικά Αυτοκινήτου");

const std::vector<HorsePowerRow>& HorsePowerTable() {
    static const std::vector<HorsePowerRow> rows = {
        {4, 0, 642},       {5, 643, 785},     {6, 786, 928},     {7, 929, 1071},    {8, 1072, 1214},
        {9, 1215, 1357},   {10, 1358, 1500},  {11, 1501, 1642},  {12, 1643, 1785},  {13, 1786, 1928},
        {14, 1929, 2071},  {15, 2072, 2214},  {16, 2215, 2357},  {17, 2358, 2499},  {18, 2500, 2642},
        {19, 2643, 2785},  {20, 2786, 2928},  {21, 2929, 3071},  {22, 3072, 3214},  {23, 3215, 3357},
        {24, 3358, 3499},  {25, 3500, 3642},  {26, 3643, 3785},  {27, 3786, 3928},  {28, 3929, 4071},
        {29, 4072, 4214},  {30, 4215, 4357},  {31, 4358, 4499},  {32, 4500, 4642},  {33, 4643, 4785},
        {34, 4786, 4928},  {35, 4929, 5071},  {36, 5072, 5214},  {37, 5215, 5357},  {38, 5358, 5499},
        {39, 5500, 5642},  {40, 5643, 5785},  {41, 5786, 5928},  {42, 5929, 6071},  {43, 6072, 6214},
        {44, 6215, 6357},  {45, 6358, 6499},  {46, 6500, 6642},
    };
    return rows;
}

TfiHorsePower::TfiHorsePower(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fiHorsePower"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose, false);

    const auto& rows = HorsePowerTable();
    int firstGroup = 0;
    while (firstGroup < int(rows.size()) && rows[firstGroup].horsepower <= kFirstGroupLast) ++firstGroup;
    const int groupRows = std::max(firstGroup, int(rows.size()) - firstGroup);
    constexpr int kHeadRows = 2;

    sgIppoi = new QTableWidget(kHeadRows + groupRows, 4, this);
    sgIppoi->setObjectName(QStringLiteral("sgIppoi"));
    sgIppoi->horizontalHeader()->hide();
    sgIppoi->verticalHeader()->hide();
    sgIppoi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgIppoi->setSelectionMode(QAbstractItemView::NoSelection);
    const auto cell = [this](int row, int column, const QString& text, bool head) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        if (head) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            item->setBackground(palette().button());
        }
        sgIppoi->setItem(row, column, item);
    };
    for (int group = 0; group < 2; ++group) {
        const int column = 2 * group;
        sgIppoi->setSpan(0, column, 1, 2);
        cell(0, column, QStringLiteral("Φορολογίσιμοι"), true);
        cell(1, column, QStringLiteral("Ίπποι"), true);
        cell(1, column + 1, QStringLiteral("Κυβικά"), true);
    }
    for (int i = 0; i < int(rows.size()); ++i) {
        const int group = i < firstGroup ? 0 : 1;
        const int row = kHeadRows + (group == 0 ? i : i - firstGroup);
        cell(row, 2 * group, QString::number(rows[i].horsepower), false);
        cell(row, 2 * group + 1, QStringLiteral("%1 - %2").arg(rows[i].fromCc).arg(rows[i].toCc), false);
    }
    sgIppoi->resizeColumnsToContents();
    for (int c = 0; c < 4; ++c) sgIppoi->setColumnWidth(c, std::max(sgIppoi->columnWidth(c) + 16, 90));
    sgIppoi->resizeRowsToContents();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sgIppoi);
    int height = 0;
    for (int r = 0; r < sgIppoi->rowCount(); ++r) height += sgIppoi->rowHeight(r);
    int width = 0;
    for (int c = 0; c < 4; ++c) width += sgIppoi->columnWidth(c);
    resize(width + 48, std::min(height + 48, 760));
}

}  // namespace dz
