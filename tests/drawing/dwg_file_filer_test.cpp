// The drawing file's filer: ids written as handles of saved objects, and a boolean byte read
// leniently. Its item encoding and checksum are held to by the drawings in examples/, which the
// example scripts and the INSERT command read; tests/platform/dwg_filer_test.cpp runs the reading
// and refusals shared with the in-memory filer.
#include <gtest/gtest.h>

#include "dbmain.h"
#include "dwg_file_filer.h"
#include "open_object_guard.h"

namespace {

using rvnhost::DwgFileFiler;
using Bytes = std::vector<unsigned char>;

TEST(DwgFileFiler, AnyBooleanByteButZeroReadsAsTrue) {
    const Bytes two = {9, 2};
    Adesk::Boolean value = false;
    EXPECT_EQ(Acad::eOk, DwgFileFiler(nullptr, two).readBoolean(&value));
    EXPECT_TRUE(value);
}

class DwgFileFilerIds : public rvntest::OpenObjectCheckedTest {};

// References to erased objects are the drawing saving's (drawing_roundtrip_test.cpp).
TEST_F(DwgFileFilerIds, WritesHandlesOfTheDrawingsObjectsOnlyAndCountsThoseThatNameNone) {
    AcDbDatabase database;
    AcDbDatabase other;
    Bytes out;
    DwgFileFiler writer(&database, &out);
    writer.writeHardPointerId(database.layerTableId());
    writer.writeHardOwnershipId(other.layerTableId());

    DwgFileFiler reader(&database, out);
    AcDbHardPointerId layers;
    AcDbHardOwnershipId foreign;
    reader.readHardPointerId(&layers);
    reader.readHardOwnershipId(&foreign);
    ASSERT_EQ(Acad::eOk, reader.filerStatus());
    EXPECT_EQ(database.layerTableId(), layers);
    EXPECT_TRUE(foreign.isNull());
    EXPECT_EQ(0, reader.unresolvedHandles());

    const Bytes unknown = {17, 0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0, 0};
    DwgFileFiler nameless(&database, unknown);
    EXPECT_EQ(Acad::eOk, nameless.readHardPointerId(&layers));
    EXPECT_TRUE(layers.isNull());
    EXPECT_EQ(1, nameless.unresolvedHandles()) << "a handle that names no object is counted";
}

}  // namespace
