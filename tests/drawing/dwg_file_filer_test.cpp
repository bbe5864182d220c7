// The drawing file's item encoding: tag bytes and little-endian values exactly as documented, ids
// as handles of saved objects, and items cut within their value (tests/platform/dwg_filer_test.cpp
// runs the reading and refusals shared with the in-memory filer).
#include <gtest/gtest.h>

#include "dbdict.h"
#include "dwg_bytes.h"
#include "dwg_file_filer.h"
#include "editor_open_object.h"
#include "open_object_guard.h"

namespace {

using rvnhost::DwgFileFiler;
using Bytes = std::vector<unsigned char>;

TEST(DwgFileFiler, EncodesEachItemAsATagAndALittleEndianValue) {
    Bytes out;
    DwgFileFiler filer(nullptr, &out);
    filer.writeInt16(-2);
    filer.writeInt32(0x01020304);
    filer.writeUInt8(200);
    filer.writeBoolean(true);
    filer.writeDouble(1.0);
    filer.writeString(L"A\u00e8\U0001D11E");
    filer.writeBytes("xy", 2);
    EXPECT_EQ(Acad::eOk, filer.filerStatus());
    Bytes expected = {2, 0xFE, 0xFF,                                     // Int16
                      3, 0x04, 0x03, 0x02, 0x01,                         // Int32
                      5, 200,                                            // UInt8
                      9, 1,                                              // Boolean
                      11, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F,                  // Double 1.0
                      12, 'A', 0, 0xE8, 0, 0x34, 0xD8, 0x1E, 0xDD, 0, 0, // String, UTF-16LE, zero-terminated
                      21, 2, 0, 0, 0, 'x', 'y'};                         // Bytes
    EXPECT_EQ(expected, out);
}

TEST(DwgFileFiler, ACutItemReadsAsTheEndOfTheFileAndAnyBooleanByteButZeroAsTrue) {
    Bytes out;
    DwgFileFiler writer(nullptr, &out);
    writer.writeDouble(2.5);
    writer.writeString(L"abc");
    for (std::size_t length : {std::size_t(0), std::size_t(1), std::size_t(8)}) {
        DwgFileFiler reader(nullptr, std::span(out).first(length));
        double value = -1;
        EXPECT_EQ(Acad::eEndOfFile, reader.readDouble(&value)) << length;
        EXPECT_EQ(0.0, value);
    }
    Bytes bytes = {21, 5, 0, 0, 0, 'a'};
    DwgFileFiler shortBytes(nullptr, bytes);
    char buffer[5] = {'z', 'z', 'z', 'z', 'z'};
    EXPECT_EQ(Acad::eEndOfFile, shortBytes.readBytes(buffer, 5));
    EXPECT_EQ(0, buffer[0]);

    const Bytes two = {9, 2};  // a boolean byte other than zero reads as true
    Adesk::Boolean value = false;
    EXPECT_EQ(Acad::eOk, DwgFileFiler(nullptr, two).readBoolean(&value));
    EXPECT_TRUE(value);
}

class DwgFileFilerIds : public rvntest::OpenObjectCheckedTest {};

TEST_F(DwgFileFilerIds, WritesHandlesOfSavedObjectsOnlyAndCountsThoseThatNameNone) {
    AcDbDatabase database;
    AcDbDatabase other;
    AcDbObjectId erased;
    {
        AcDbDictionary* opened = nullptr;
        database.getNamedObjectsDictionary(opened, AcDb::kForWrite);
        rvnhost::OpenedObject<AcDbDictionary> named(opened);
        auto* doomed = new AcDbDictionary;
        named->setAt(L"VIA", doomed, erased);
        doomed->erase();
        doomed->close();
    }
    Bytes out;
    DwgFileFiler writer(&database, &out);
    writer.writeHardPointerId(database.layerTableId());
    writer.writeSoftPointerId(erased);
    writer.writeHardOwnershipId(other.layerTableId());
    writer.writeSoftOwnershipId(AcDbObjectId());

    DwgFileFiler reader(&database, out);
    AcDbHardPointerId layers;
    AcDbSoftPointerId gone;
    AcDbHardOwnershipId foreign;
    AcDbSoftOwnershipId none;
    reader.readHardPointerId(&layers);
    reader.readSoftPointerId(&gone);
    reader.readHardOwnershipId(&foreign);
    reader.readSoftOwnershipId(&none);
    ASSERT_EQ(Acad::eOk, reader.filerStatus());
    EXPECT_EQ(database.layerTableId(), layers);
    EXPECT_TRUE(gone.isNull());
    EXPECT_TRUE(foreign.isNull());
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(0, reader.unresolvedHandles());

    const Bytes unknown = {17, 0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0, 0};
    DwgFileFiler nameless(&database, unknown);
    EXPECT_EQ(Acad::eOk, nameless.readHardPointerId(&layers));
    EXPECT_TRUE(layers.isNull());
    EXPECT_EQ(1, nameless.unresolvedHandles()) << "a handle that names no object is counted";
}

TEST(DwgBytes, Crc32OfTheStandardCheckString) {
    const std::string check = "123456789";
    EXPECT_EQ(0xCBF43926u, rvnhost::crc32({reinterpret_cast<const unsigned char*>(check.data()), check.size()}));
    EXPECT_EQ(0u, rvnhost::crc32({}));
}

}  // namespace
