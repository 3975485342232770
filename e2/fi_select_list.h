// A modal pick dialog: one radio button per entry of a fixed list, laid out in columns.
#pragma once
#include <QDialog>
#include <QStringList>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace dz {

// What tells one pick dialog from another.
struct PickListLook {
    const char16_t* caption;       // the dialog's title
    const char* groupName;         // the radio group's component name
    const char16_t* groupCaption;  // the radio group's title
    int columns;
    const char16_t* noChoiceText;  // shown when the user accepts with nothing chosen
};

class TfiSelectList : public QDialog {
    Q_OBJECT
public:
    TfiSelectList(const PickListLook& look, const QStringList& entries, QWidget* parent = nullptr);

    // Checks the entry `index`; an index outside the list leaves nothing chosen.
    void SetItemIndex(int index);
    // The chosen entry, -1 when none.
    int ItemIndex() const;
    // The text of the entry kept by the last acceptance.
    QString ChosenText() const { return chosenText_; }

    // Shows the dialog modally with `preselected` chosen; the accepted index, or nothing when
    // the user closed it.
    std::optional<int> Pick(int preselected);

    QGroupBox* group() const { return group_; }
    QPushButton* acceptButton() const { return btAccept_; }
    QPushButton* closeButton() const { return btClose_; }

    // btAccept: nothing chosen keeps the dialog open after its message.
    void AcceptClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString noChoiceText_;
    QStringList entries_;
    QString chosenText_;
    QGroupBox* group_ = nullptr;
    QButtonGroup* buttons_ = nullptr;
    QPushButton* btAccept_ = nullptr;
    QPushButton* btClose_ = nullptr;
};

}  // namespace dz
