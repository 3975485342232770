// Qt's own texts in Greek, and window titles without an appended application name.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/fi_main.h"
#include "app/fi_pro.h"

namespace dz {
namespace {

class QtTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { PrepareApplication(*static_cast<QApplication*>(QCoreApplication::instance())); }
};

bool HasGreek(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Greek; });
}

// The letter after a single '&' (a menu or label accelerator), lower-cased; null when none.
QChar Accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') { ++i; continue; }
        return text[i + 1].toLower();
    }
    return {};
}

// The texts of a menu's commands without their shortcut column.
QStringList MenuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) out << a->text().section(u'\t', 0, 0);
    return out;
}

// Every text a dialog shows in labels, buttons, group boxes, tabs, combo lists and its title.
QStringList ShownTexts(QWidget* dialog) {
    QStringList out{dialog->windowTitle()};
    for (auto* w : dialog->findChildren<QLabel*>()) out << w->text();
    for (auto* w : dialog->findChildren<QAbstractButton*>()) out << w->text();
    for (auto* w : dialog->findChildren<QGroupBox*>()) out << w->title();
    for (auto* w : dialog->findChildren<QTabWidget*>())
        for (int i = 0; i < w->count(); ++i) out << w->tabText(i);
    for (auto* w : dialog->findChildren<QComboBox*>())
        for (int i = 0; i < w->count(); ++i) out << w->itemText(i);
    out.removeAll(QString());
    return out;
}

// The texts among `texts` holding an English word (two Latin letters or more), apart from `allowed`
// and from folder paths, joined for the failure message.
std::string English(const QStringList& texts, const QStringList& allowed = {}) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList out;
    for (const QString& text : texts) {
        if (text.startsWith(u'/')) continue;
        auto it = word.globalMatch(text);
        while (it.hasNext())
            if (!allowed.contains(it.next().captured())) {
                out << text;
                break;
            }
    }
    return out.join(QStringLiteral(" | ")).toStdString();
}

TEST_F(QtTexts, TheLineEditMenuIsGreekWithOneAcceleratorPerCommand) {
    QLineEdit edit(QStringLiteral("123"));
    edit.selectAll();
    edit.insert(QStringLiteral("4"));  // something to undo
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    const QStringList texts = MenuTexts(menu.get());
    EXPECT_EQ(texts, (QStringList{"&Αναίρεση", "&Επανάληψη", "Απο&κοπή", "Α&ντιγραφή", "Ε&πικόλληση", "Διαγραφή",
                                  "Επιλογή όλων"}));
    QList<QChar> keys;
    for (const QString& text : texts)
        if (const QChar key = Accelerator(text); !key.isNull()) {
            EXPECT_FALSE(keys.contains(key)) << "accelerator " << QString(key).toStdString() << " twice, at "
                                             << text.toStdString();
            keys << key;
        }
}

TEST_F(QtTexts, TheInformationTextMenuIsGreek) {
    QTextEdit text;  // as the start-up information window shows it: read-only, selectable
    text.setPlainText(QStringLiteral("κείμενο"));
    text.setReadOnly(true);
    text.setTextInteractionFlags(Qt::TextSelectableByMouse);
    std::unique_ptr<QMenu> menu(text.createStandardContextMenu());
    EXPECT_EQ(MenuTexts(menu.get()), (QStringList{"Α&ντιγραφή", "Επιλογή όλων"}));
}

TEST_F(QtTexts, ThePrintDialogIsGreek) {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);  // as the program opens it
    const QStringList texts = ShownTexts(&dialog);
    EXPECT_EQ(dialog.windowTitle(), "Εκτύπωση");
    for (const char* expected : {"&Εκτύπωση", "Άκυρο", "&Ιδιότητες", "Ε&πιλογές >>", "Εκτυπωτής", "&Όνομα:",
                                 "Αντίτυπα:", "Όλες οι σελίδες", "Εύρος εκτύπωσης"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " missing from the print dialog";
    EXPECT_EQ(English(texts), "") << "English left in the print dialog";
}

TEST_F(QtTexts, TheFontDialogIsGreek) {
    QFontDialog dialog(QFont(QStringLiteral("Liberation Sans")));
    const QStringList texts = ShownTexts(&dialog);
    for (const char* expected : {"Επιλογή γραμματοσειράς", "&Γραμματοσειρά", "&Στυλ", "&Μέγεθος", "Εφέ",
                                 "&Διακριτή διαγραφή", "&Υπογράμμιση", "Δείγμα", "Σύστημα γρα&φής", "Ελληνικό"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " missing from the font dialog";
    EXPECT_EQ(English(texts, {"OK"}), "") << "English left in the font dialog";
}

TEST_F(QtTexts, TheFileDialogIsGreek) {
    QFileDialog dialog(nullptr, QString(), QDir::tempPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList texts = ShownTexts(&dialog);
    for (const char* expected : {"Αναζήτηση σε:", "Όνομα &αρχείου:", "Αρχεία τύπου:", "Απο&θήκευση", "Άκυρο",
                                 "Όλα τα αρχεία (*)"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " missing from the file dialog";
    EXPECT_EQ(English(texts), "") << "English left in the file dialog";
    auto* details = dialog.findChild<QTreeView*>();
    ASSERT_NE(details, nullptr);
    QStringList headers;
    for (int i = 0; i < details->model()->columnCount(); ++i)
        headers << details->model()->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Όνομα", "Μέγεθος", "Τύπος", "Τροποποίηση"}));
}

TEST_F(QtTexts, StandardButtonsAreGreek) {
    const struct {
        QDialogButtonBox::StandardButton button;
        const char* text;
    } cases[] = {
        {QDialogButtonBox::Ok, "OK"},          {QDialogButtonBox::Cancel, "Άκυρο"},
        {QDialogButtonBox::Yes, "&Ναι"},       {QDialogButtonBox::No, "Ό&χι"},
        {QDialogButtonBox::Close, "Κλείσιμο"}, {QDialogButtonBox::Apply, "Εφαρμογή"},
        {QDialogButtonBox::Save, "Αποθήκευση"}, {QDialogButtonBox::Open, "Άνοιγμα"},
        {QDialogButtonBox::Help, "Βοήθεια"},   {QDialogButtonBox::Reset, "Επαναφορά"},
        {QDialogButtonBox::Discard, "Απόρριψη"}, {QDialogButtonBox::RestoreDefaults, "Επαναφορά προεπιλογών"},
    };
    for (const auto& c : cases) {
        QDialogButtonBox box(c.button);
        EXPECT_EQ(box.button(c.button)->text(), QString::fromUtf8(c.text)) << "button " << c.text;
    }
}

TEST_F(QtTexts, TheMessageBoxDetailsButtonIsGreek) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("DOVAZEZ 2015"), QStringLiteral("Σφάλμα"));
    box.setDetailedText(QStringLiteral("λεπτομέρειες"));
    box.show();
    QStringList texts;
    for (auto* b : box.buttons()) texts << b->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Εμφάνιση λεπτομερειών..."))) << texts.join(u'|').toStdString();
    EXPECT_EQ(English(texts, {"OK"}), "");
}

// Texts that show only in particular moments (a wrong page range, a printer's job options,
// multi-line warnings): each has a Greek translation that keeps the source's accelerator.
TEST_F(QtTexts, TextsShownOnlyNowAndThenAreGreek) {
    const struct {
        const char* context;
        const char* source;
        const char* disambiguation;
    } cases[] = {
        {"QPrintDialog", "Invalid Pages Definition", nullptr},
        {"QPrintDialog",
         "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges "
         "and make sure ranges do not intersect with each other.",
         nullptr},
        {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?", nullptr},
        {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.", nullptr},
        {"QPrintDialog", "Duplex Settings Conflicts", nullptr},
        {"QPrintDialog", "&Options <<", nullptr},
        {"QPrintDialog", "Left to Right, Top to Bottom", nullptr},
        {"QPrintPropertiesDialog", "Printer Properties", nullptr},
        {"QPrintPropertiesDialog", "Job Options", nullptr},
        {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?", nullptr},
        {"QPrintPropertiesWidget", "Advanced", nullptr},
        {"QPageSetupWidget", "Page size:", nullptr},
        {"QPageSetupWidget", "Landscape", nullptr},
        {"QPageSetupWidget", "Millimeters (mm)", nullptr},
        {"QCupsJobWidget", "Scheduled printing:", nullptr},
        {"QCupsJobWidget", "Start:", "Banner page at start"},
        {"QCupsJobWidget", "Confidential", "CUPS Banner page"},
        {"QPageSize", "Envelope DL", nullptr},
        {"QPrintSettingsOutput", "Long side binding", nullptr},
        {"QWidgetTextControl", "Copy &Link Location", nullptr},
        {"QAbstractSpinBox", "&Step up", nullptr},
        {"QScrollBar", "Scroll here", nullptr},
        {"QTabBar", "Scroll Left", nullptr},
        {"QPlatformTheme", "Yes to &All", nullptr},
        {"QPlatformTheme", "N&o to All", nullptr},
        {"QMessageBox", "Hide Details...", nullptr},
        {"QFileDialog", "%1 already exists.\nDo you want to replace it?", nullptr},
        {"QFileDialog", "Are you sure you want to delete '%1'?", nullptr},
        {"QFileDialog", "&New Folder", nullptr},
        {"QFileSystemModel", "Type", "All other platforms"},
        {"QAbstractFileIconProvider", "Folder", "All other platforms"},
        {"QFontDatabase", "Normal", "The Normal or Regular font weight"},
        {"QFontDatabase", "Italic", nullptr},
    };
    for (const auto& c : cases) {
        const QString source = QString::fromUtf8(c.source);
        const QString text = QCoreApplication::translate(c.context, c.source, c.disambiguation);
        const std::string name = std::string(c.context) + " \"" + c.source + "\" -> \"" + text.toStdString() + "\"";
        EXPECT_TRUE(HasGreek(text)) << name;
        EXPECT_EQ(Accelerator(source).isNull(), Accelerator(text).isNull()) << name;
        EXPECT_EQ(source.contains(u"%1"), text.contains(u"%1")) << name;
        EXPECT_EQ(source.count(u'\n'), text.count(u'\n')) << name;
    }
}

// Qt appends a set application display name to every window title on X11, so it must stay unset:
// then the display name follows the application name and titles show as the windows set them.
TEST_F(QtTexts, WindowTitlesCarryNoApplicationSuffix) {
    EXPECT_EQ(QCoreApplication::applicationName().toStdString(), "DOVAZEZ 2015");
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName().toStdString(), "probe")
        << "a display name is set and would be appended";
    QCoreApplication::setApplicationName(Application::kTitle);

    TfiMain main;
    main.setShellWindows({});
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(main.windowHandle()->title().toStdString(), "DOVAZEZ 2015 (VER 4.00)");

    TfiPro information;
    information.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&information));
    EXPECT_EQ(information.windowHandle()->title().toStdString(), "DOVAZEZ 2015");
}

}  // namespace
}  // namespace dz
