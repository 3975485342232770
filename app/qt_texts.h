// Qt's own texts in Greek: the edit menus, the standard buttons, the print, file and font dialogs.
#pragma once

class QCoreApplication;

namespace dz {

// Installs the program's Greek translation of Qt's texts on `app` (once; a second call does
// nothing). The translation is built into the program, so this fails only on a broken build:
// then it returns false and Qt's texts stay English.
bool InstallGreekQtTexts(QCoreApplication& app);

}  // namespace dz
