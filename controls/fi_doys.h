// TfiDOYS: the modal list of tax offices ("Κατάλογος Δ.Ο.Υ.") read from Wparams/Doys.txt.
#pragma once
#include <QDialog>
#include <QString>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QTableWidget;

namespace dz {

// Created for one use: the constructor is FormCreate (header row, then the file, when found,
// in file order; without it four empty rows; IoError when it is there but cannot be read).
// The grid `sgDoys` holds description and code; typing in it builds the quick-search text
// `edFastEdit` through SearchKey and jumps to the first matching row of the sort column
// (rgIndexSelect: 0 description, 1 code; choosing one sorts the grid by it). Enter or a double
// click accepts, Esc rejects; the caller then reads `SelectedDescription()` (column 0 of the
// current row).
class TfiDOYS : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultDataRows = 4;  // the grid's empty rows when there is no file

    explicit TfiDOYS(QWidget* parent = nullptr);

    // Shows the list modally; the description of the chosen row, or nothing when the user
    // closed it without choosing.
    static std::optional<QString> Pick(QWidget* parent);

    QString SelectedDescription() const;

    QTableWidget* sgDoys() const { return sgDoys_; }
    QLineEdit* edFastEdit() const { return edFastEdit_; }
    QGroupBox* rgIndexSelect() const { return rgIndexSelect_; }
    int SortIndex() const;  // 0 "Περιγραφή", 1 "Κωδικός"

    // rgIndexSelectClick: chooses the sort item `index`, empties the quick search, sorts.
    void SelectSortIndex(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void LoadFile();
    void rgIndexSelectClick();
    void edFastEditChange();
    void QuickSearch();
    bool grDoysKeyDown(const class QKeyEvent* event);  // true: the key is consumed
    void grDoysKeyPress(QChar typed);

    QTableWidget* sgDoys_ = nullptr;
    QLineEdit* edFastEdit_ = nullptr;
    QGroupBox* rgIndexSelect_ = nullptr;
    QButtonGroup* sortChoice_ = nullptr;
};

}  // namespace dz
