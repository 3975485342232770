// The declaration index: the saved declarations of one kind, to open or delete one.
#pragma once
#include <QDialog>

#include "model/declaration_file.h"

class QLineEdit;
class QRadioButton;
class QTableWidget;
class QToolButton;

namespace dz {

class TfiEntypaList : public QDialog {
    Q_OBJECT
public:
    explicit TfiEntypaList(QWidget* parent = nullptr);

    // Lists the declarations of the kind, sorted by surname. Files that cannot be read as a
    // declaration are left out and named in one message after the list is filled.
    void FillIndex(DeclarationKind kind);
    int DeclarationCount() const;
    // The tax number of the selected row's file: the declaration to open.
    QString SelectedAfm() const;

    QTableWidget* grid() const { return sgEntypa; }
    QLineEdit* fastEdit() const { return edFastEdit; }

    void SortByColumn(int column);  // 0 surname, 2 tax number
    void QuickSearch(const QString& text);
    void DeleteSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int SortColumn() const;

    DeclarationKind IndexKind = DeclarationKind::E1;
    QToolButton* tbOpen;
    QToolButton* tbDelete;
    QTableWidget* sgEntypa;
    QLineEdit* edFastEdit;
    QRadioButton* rbSurname;
    QRadioButton* rbAfm;
};

}  // namespace dz
