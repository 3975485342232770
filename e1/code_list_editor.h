// The short declaration's list of codes and amounts: a two-column grid edited in place, with
// the keys of a list editor (Enter walks code → amount → next row) and no repeated codes.
#pragma once
#include <QTableWidget>
#include <vector>

#include "declaration/short_declaration.h"

namespace dz {

class CodeListEditor : public QTableWidget {
    Q_OBJECT
public:
    static const QString kDuplicateCode;  // "Ο κωδικός %1 υπάρχει ήδη στη λίστα."

    explicit CodeListEditor(QWidget* parent = nullptr);

    std::vector<CodeRow> Rows() const;
    void SetRows(const std::vector<CodeRow>& rows);  // always keeps one row to type into
    void Clear();

    // Enter in a cell (with or without an open editor).
    void EnterPressed();
    // Removes the current row; an emptied list keeps one row to type into.
    void DeleteCurrentRow();
    // True when another row than `row` holds `code`.
    bool HoldsCode(const QString& code, int exceptRow) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dz
