// The short declaration by codes: a declaration typed as a list of codes and amounts.
#pragma once
#include <QDialog>
#include <map>
#include <set>
#include <vector>

#include "controls/print_operations.h"
#include "declaration/short_declaration.h"
#include "model/e1_declaration.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace dz {

class CodeListEditor;
class TEditAFM;

class TfiFastDil : public QDialog {
    Q_OBJECT
public:
    // The clearance note opened from here (EkaClick) prints through `print`.
    explicit TfiFastDil(const PrintOperations& print = {}, QWidget* parent = nullptr);

    void OpenClick();
    void SaveClick();
    void EkaClick();

    // Opens the declaration of that tax number (what OpenClick does after the index). IoError,
    // the window as it was, when its file is gone or cannot be read.
    void OpenDeclaration(const QString& afm);

    const E1Declaration& Declaration() const { return declaration_; }
    CodeListEditor* codes() const { return veCodes; }
    QCheckBox* box(int code) const;
    TEditAFM* afmField() const { return edAFM; }
    QLineEdit* surnameField() const { return edBigName; }
    QCheckBox* marriedBox() const { return cbMarried; }

    // Whether what the window shows differs from what was opened, saved or started with.
    bool Modified() const;

    // Escape, "Έξοδος" and closing: typed changes are given up only after a question.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the user has typed, as the save would take it.
    struct Typed {
        QString afm;
        QString surname;
        bool married = false;
        std::set<int> ticked;
        std::vector<CodeRow> rows;  // without empty rows
        friend bool operator==(const Typed&, const Typed&) = default;
    };
    Typed TypedNow() const;
    std::set<int> TickedCodes() const;

    PrintOperations print_;
    E1Declaration declaration_;
    E1Image base_{};  // the opened file's bytes: what no field names is written back as it was
    TEditAFM* edAFM;
    QLineEdit* edBigName;
    QCheckBox* cbMarried;
    CodeListEditor* veCodes;
    std::map<int, QCheckBox*> boxes_;
    QPushButton* btOpen;
    QPushButton* btSave;
    QPushButton* btEka;
    QPushButton* btClose;
    QPushButton* btDeleteRow;
    Typed kept_;  // as opened, saved or started
};

}  // namespace dz
