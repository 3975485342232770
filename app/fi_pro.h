// The information window TfiPro: the rich text "Pro2015.rtf" shown once at start.
#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTextEdit>

namespace dz {

class TfiPro : public QDialog {
    Q_OBJECT
public:
    static const QString kFileName;  // "Pro2015.rtf"

    // Loads "Pro2015.rtf" of the current folder as rich text (an unreadable file shows nothing).
    explicit TfiPro(QWidget* parent = nullptr);

    QTextEdit* rePro;
    QCheckBox* cbNot;
    QPushButton* Button2;

    // "Έξοδος" and Escape: deletes "Pro2015.rtf" when cbNot is ticked, then closes.
    // Closing through the title bar closes without deleting.
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dz
