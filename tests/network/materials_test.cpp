// The materials archive: two lines per material, read and written.
#include "host/output_files.h"
#include "network/materials.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(MaterialsArchive, ReadsPairsOfLinesAndLosesALastNameWithoutValueOrTheRestOfALongName) {
    std::vector<CMateriale> list = {{L"vecchio", 1.0}};
    ReadMaterialsText("Ghisa nuova\r\n0.0002600000\r\nPVC\n0.0000015 m\nAcciaio\n", list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (CMateriale{L"Ghisa nuova", 0.00026}));
    EXPECT_EQ(list[1], (CMateriale{L"PVC", 1.5e-6}));
    // A name longer than the reader's line goes on as the next line.
    ReadMaterialsText(std::string(127, 'x') + "y\n0.001\n", list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], (CMateriale{std::wstring(127, L'x'), 0.0}));
}

TEST(MaterialsArchive, SavesAndLoadsByPath) {
    rvntest::ScratchDir dir;
    const std::wstring path = (dir / "rvnmateriali.dat").wstring();
    std::vector<CMateriale> list = {{L"Calcestruzzo", 1.0}};
    EXPECT_EQ(LoadMaterials(path, list), 0);
    EXPECT_EQ(list.size(), 1u);

    const std::vector<CMateriale> saved = {{L"Acciaio inox \u00e8", 0.0005}, {L"Ghisa", 0.00026}};
    ASSERT_EQ(SaveMaterials(path, saved), 1);
    EXPECT_EQ(rvntest::readBytes(dir / "rvnmateriali.dat"),
              "Acciaio inox \xC3\xA8\n0.0005000000\nGhisa\n0.0002600000\n");
    ASSERT_EQ(LoadMaterials(path, list), 1);
    EXPECT_EQ(list, saved);
}

TEST(MaterialsArchive, AMaterialIsWritableOnlyWhenItReadsBackAsItself) {
    EXPECT_TRUE(IsWritableMaterial({L"Acciaio inox \u00e8", 0.0005}));
    EXPECT_TRUE(IsWritableMaterial({std::wstring(126, L'x'), 0.0005}));
    EXPECT_FALSE(IsWritableMaterial({std::wstring(127, L'x'), 0.0005}));  // the reader takes 126 and the line feed
    EXPECT_FALSE(IsWritableMaterial({L"Ghisa\nnuova", 0.0005}));
    EXPECT_FALSE(IsWritableMaterial({L"Ghisa\rnuova", 0.0005}));
    EXPECT_FALSE(IsWritableMaterial({L"Ghisa", 1e300}));  // 300 digits do not fit the line
    EXPECT_FALSE(IsWritableMaterial({L"Ghisa", std::numeric_limits<double>::infinity()}));
}

}  // namespace
