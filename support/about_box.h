// The about box TfiAbout: title, version and the links to the maker's and the distributor's sites.
#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace dz {

class ClickablePicture;

class TfiAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfiAbout(QWidget* parent = nullptr);

    QLabel* Image1;             // the product's cover, on the left
    ClickablePicture* Image2;   // top picture: the maker's site
    QLabel* lbTitle;            // "DOVAZEZ 2015 VER 4.00"
    ClickablePicture* Image4;   // below the title: the maker's site
    ClickablePicture* Image3;   // the distributor's site
    QPushButton* BitBtn1;       // "Κλείσιμο"

    void Image2Click();  // Image2 and Image4; the dialog stays open
    void Image3Click();
    void BitBtn1Click();
};

}  // namespace dz
