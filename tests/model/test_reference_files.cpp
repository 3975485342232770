// Reference files are found whatever the case of their folder and name.
#include <gtest/gtest.h>

#include "model/reference_files.h"
#include "support/test_folder.h"

namespace {

TEST(ReferenceFiles, FoundWithoutRegardToCase) {
    dz::test::TestFolder folder;
    folder.writeFile("wParams/doys.TXT", "x");
    folder.writeFile("Upgrade/Font.txt", "y");
    EXPECT_EQ(dz::FindReferenceFile("WParams/Doys.txt"), QStringLiteral("wParams/doys.TXT"));
    EXPECT_EQ(dz::FindReferenceFile("Wparams/DOYS.txt"), QStringLiteral("wParams/doys.TXT"));
    EXPECT_EQ(dz::FindReferenceFile("upgrade/font.txt"), QStringLiteral("Upgrade/Font.txt"));
    EXPECT_EQ(dz::FindReferenceFile("WParams/Font.txt"), QStringLiteral("WParams/Font.txt")) << "missing: as given";
    EXPECT_EQ(dz::FindReferenceFile("Nothing/Here.txt"), QStringLiteral("Nothing/Here.txt"));
}

}  // namespace
