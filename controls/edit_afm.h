// TEditAFM: the tax-number entry field, checked when the user leaves it.
#pragma once
#include "controls/edit_field.h"

namespace dz {

// A plain text field (any character can be typed; its content is its text) that, on leaving,
// first raises `exited()` (the window's OnExit) and then checks the text with IsValidAfm. A
// failed check shows kBadAfmText in an information box with OK; the text stays as typed and
// the focus goes where the user sent it.
class TEditAFM : public EditField {
    Q_OBJECT
public:
    static const QString kBadAfmText;  // "Το ΑΦΜ που δώσατε δεν είναι σωστό"

    explicit TEditAFM(QWidget* parent = nullptr);

protected:
    void Left() override;
};

}  // namespace dz
