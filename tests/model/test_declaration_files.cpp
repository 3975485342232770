// Declaration files in Tables: names, saving with the overwrite question, reading, deletion.
#include <gtest/gtest.h>

#include <QDir>

#include "model/declaration_file.h"
#include "model/declaration_index.h"
#include "model/errors.h"
#include "support/scripted_dialogs.h"
#include "support/test_folder.h"

namespace {

using dz::test::ScriptedDialogs;

dz::E1Declaration Named(const char* afm, const char* surname) {
    dz::E1Declaration d;
    dz::AssignCut(d.Afm, QString::fromUtf8(afm), "Afm");
    dz::AssignCut(d.Surname, QString::fromUtf8(surname), "Surname");
    return d;
}

TEST(DeclarationFiles, NamesFollowKindAndTaxNumber) {
    EXPECT_EQ(dz::DeclarationFileName(dz::DeclarationKind::E1, u"123456783"), QStringLiteral("Tables/E1123456783.dta"));
    EXPECT_EQ(dz::DeclarationFileName(dz::DeclarationKind::E2, u"123456783"), QStringLiteral("Tables/E2123456783.dta"));
    EXPECT_EQ(dz::DeclarationFileName(dz::DeclarationKind::E1, u""), QStringLiteral("Tables/E1.dta"));
    for (const char* unsafe : {"../../x", "a/b", "a\\b", ".hidden", "12\n3"})
        EXPECT_THROW(dz::DeclarationFileName(dz::DeclarationKind::E1, QString::fromUtf8(unsafe)), dz::DataError) << unsafe;
}

TEST(DeclarationFiles, SaveAsksBeforeOverwritingAndNoKeepsTheFirstFile) {
    dz::test::TestFolder folder;
    folder.makeFolder("Tables");
    ScriptedDialogs dialogs;

    EXPECT_EQ(dz::WriteDeclarationFile(Named("123456783", "ΠΡΩΤΟΣ"), dialogs), dz::SaveOutcome::Written);
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(dialogs.informed, QStringList{dz::kSaveSucceeded});
    const QByteArray first = folder.readFile("Tables/E1123456783.dta");
    EXPECT_EQ(first.size(), dz::kE1FileSize);

    dialogs.answers = {false};
    EXPECT_EQ(dz::WriteDeclarationFile(Named("123456783", "ΔΕΥΤΕΡΟΣ"), dialogs), dz::SaveOutcome::Declined);
    EXPECT_EQ(dialogs.asked, QStringList{dz::kOverwriteQuestion});
    EXPECT_EQ(dialogs.informed.size(), 1) << "no success message after No";
    EXPECT_EQ(folder.readFile("Tables/E1123456783.dta"), first);

    dialogs.answers = {true};
    EXPECT_EQ(dz::WriteDeclarationFile(Named("123456783", "ΔΕΥΤΕΡΟΣ"), dialogs), dz::SaveOutcome::Written);
    dz::E1Declaration back;
    ASSERT_TRUE(dz::ReadDeclarationFile(u"123456783", back));
    EXPECT_EQ(back.Surname.ToString(), QStringLiteral("ΔΕΥΤΕΡΟΣ"));
    EXPECT_EQ(QDir("Tables").entryList(QDir::Files | QDir::Hidden), QStringList{"E1123456783.dta"})
        << "no temporary file is left behind";
}

TEST(DeclarationFiles, FailuresWriteNothingAndSayNothingAboutSuccess) {
    dz::test::TestFolder folder;
    ScriptedDialogs dialogs;
    // No Tables folder: an I/O error and no success message.
    EXPECT_THROW(dz::WriteDeclarationFile(Named("123456783", "Α"), dialogs), dz::IoError);
    EXPECT_TRUE(dialogs.informed.isEmpty());
    // An unsafe tax number never reaches the file system.
    folder.makeFolder("Tables");
    EXPECT_THROW(dz::WriteDeclarationFile(Named("../../evil", "Α"), dialogs), dz::DataError);
    EXPECT_THROW(dz::WriteDeclarationFile(Named("..", "Α"), dialogs), dz::DataError);
    EXPECT_FALSE(folder.exists("evil.dta"));
    EXPECT_TRUE(QDir("Tables").isEmpty());
    // An amount too large for the file is refused before anything is written.
    dz::E1Declaration huge = Named("123456783", "Α");
    huge.Codes[0] = {301, 1e300};
    EXPECT_THROW(dz::WriteDeclarationFile(huge, dialogs), dz::DataError);
    EXPECT_TRUE(QDir("Tables").isEmpty());
    EXPECT_TRUE(dialogs.informed.isEmpty());
}

TEST(DeclarationFiles, ReadingMissingShortLongAndFolderEntries) {
    dz::test::TestFolder folder;
    folder.makeFolder("Tables");
    dz::E1Declaration d = Named("111", "ΑΡΧΙΚΟ");

    EXPECT_FALSE(dz::ReadDeclarationFile(u"999", d)) << "a missing file leaves the record";
    EXPECT_EQ(d.Surname.ToString(), QStringLiteral("ΑΡΧΙΚΟ"));

    folder.writeFile("Tables/E1222.dta", QByteArray(100, '\x05'));
    EXPECT_THROW(dz::ReadDeclarationFile(u"222", d), dz::IoError);
    EXPECT_EQ(d.Surname.ToString(), QStringLiteral("ΑΡΧΙΚΟ")) << "a short file changes nothing";

    folder.makeFolder("Tables/E1333.dta");
    EXPECT_THROW(dz::ReadDeclarationFile(u"333", d), dz::IoError);

    dz::E1Image image{};
    dz::EncodeE1(Named("444", "ΜΑΚΡΥ"), image.data());
    QByteArray longer(reinterpret_cast<const char*>(image.data()), image.size());
    longer.append(500, '\x7f');
    folder.writeFile("Tables/E1444.dta", longer);
    ASSERT_TRUE(dz::ReadDeclarationFile(u"444", d));
    EXPECT_EQ(d.Surname.ToString(), QStringLiteral("ΜΑΚΡΥ"));

    dz::E2Record r;
    EXPECT_FALSE(dz::ReadDeclarationFile(u"444", r)) << "the E1 file of that tax number is not an E2 file";
}

TEST(DeclarationIndex, DeletingAllRemovesDeclarationFilesOnly) {
    dz::test::TestFolder folder;
    for (const char* name : {"E1123.dta", "E2123.dta", "E1.dta", "XE1.txt", "notes E2.doc", "E1abc.bak", "E3123.dta"})
        folder.writeFile(QStringLiteral("Tables/") + name, "x");
    const dz::DeletedFiles outcome = dz::DeleteAllDeclarationFiles();
    EXPECT_TRUE(outcome.failed.isEmpty());
    EXPECT_EQ(outcome.deleted, 3);
    QStringList left = QDir("Tables").entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"E1abc.bak", "E3123.dta", "XE1.txt", "notes E2.doc"}));
}

TEST(DeclarationIndex, RecognisesDeclarationFileNames) {
    using dz::DeclarationKind;
    EXPECT_EQ(dz::AfmOfDeclarationFileName(DeclarationKind::E1, u"E1123456783.dta"), QStringLiteral("123456783"));
    EXPECT_EQ(dz::AfmOfDeclarationFileName(DeclarationKind::E1, u"E1.dta"), QString());
    EXPECT_FALSE(dz::AfmOfDeclarationFileName(DeclarationKind::E2, u"E1123.dta"));
    EXPECT_FALSE(dz::AfmOfDeclarationFileName(DeclarationKind::E1, u"XE1123.dta"));
    EXPECT_FALSE(dz::AfmOfDeclarationFileName(DeclarationKind::E1, u"E1123.dta.tmp"));
    EXPECT_FALSE(dz::AfmOfDeclarationFileName(DeclarationKind::E1, u"E11234567890123.dta")) << "longer than a tax number";
}

}  // namespace

namespace {

TEST(DeclarationIndex, ListsReadableDeclarationsOfOneKindAndNamesTheDamagedOnes) {
    dz::test::TestFolder folder;
    dz::E1Image image{};
    auto write = [&](const char* name, const char* afm, const char* surname, const char* first, int size = 6991) {
        dz::E1Declaration d;
        dz::AssignCut(d.Afm, QString::fromUtf8(afm), "Afm");
        dz::AssignCut(d.Surname, QString::fromUtf8(surname), "Surname");
        dz::AssignCut(d.FirstName, QString::fromUtf8(first), "FirstName");
        dz::EncodeE1(d, image.data());
        QByteArray bytes(reinterpret_cast<const char*>(image.data()), image.size());
        bytes.resize(size, '\0');
        folder.writeFile(QStringLiteral("Tables/") + name, bytes);
    };
    write("E1123456783.dta", "123456783", "Παππάς", "Νίκος");
    write("E1.dta", "", "Χωρίς;ΑΦΜ", "Άννα");
    write("E1999.dta", "999", "Κοντός", "Ίων", 100);
    write("E2123456783.dta", "123456783", "Ενοικιαστής", "Α", 7620);
    write("XE1.txt", "1", "Όχι", "δήλωση");
    folder.makeFolder("Tables/E1777.dta");

    dz::IndexListing e1 = dz::ListDeclarations(dz::DeclarationKind::E1);
    std::sort(e1.entries.begin(), e1.entries.end(), [](auto& a, auto& b) { return a.fileAfm < b.fileAfm; });
    ASSERT_EQ(e1.entries.size(), 2u);
    EXPECT_EQ(e1.entries[0].surname, QStringLiteral("Χωρίς;ΑΦΜ")) << "a ';' stays inside its cell";
    EXPECT_EQ(e1.entries[0].afm, QString());
    EXPECT_EQ(e1.entries[1].firstName, QStringLiteral("Νίκος"));
    e1.unreadable.sort();
    EXPECT_EQ(e1.unreadable, (QStringList{"E1777.dta", "E1999.dta"}));

    const dz::IndexListing e2 = dz::ListDeclarations(dz::DeclarationKind::E2);
    ASSERT_EQ(e2.entries.size(), 1u);
    EXPECT_EQ(e2.entries[0].surname, QStringLiteral("Ενοικιαστής"));
}

TEST(DeclarationIndex, NoTablesFolderListsNothing) {
    dz::test::TestFolder folder;
    const dz::IndexListing listing = dz::ListDeclarations(dz::DeclarationKind::E1);
    EXPECT_TRUE(listing.entries.empty());
    EXPECT_TRUE(listing.unreadable.isEmpty());
}

}  // namespace
