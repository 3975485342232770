// TfiHorsePower: the table of taxable horsepower against engine capacity, for reading only.
#pragma once
#include <QDialog>
#include <vector>

class QTableWidget;

namespace dz {

struct HorsePowerRow {
    int horsepower;
    int fromCc;
    int toCc;
};

// 4 to 46 taxable horsepower, in order; the first group of the window ends at 25.
const std::vector<HorsePowerRow>& HorsePowerTable();

class TfiHorsePower : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;
    static constexpr int kFirstGroupLast = 25;

    explicit TfiHorsePower(QWidget* parent = nullptr);

    QTableWidget* grid() const { return sgIppoi; }

private:
    QTableWidget* sgIppoi;
};

}  // namespace dz
