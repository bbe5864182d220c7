// The drawing file's item encoding: tag bytes and little-endian values exactly as documented, ids
// as handles of saved objects, and refusals of mistyped or cut items.
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

TEST(DwgFileFiler, ReadsBackEveryItemType) {
    Bytes out;
    DwgFileFiler writer(nullptr, &out);
    writer.writeInt8(-5);
    writer.writeInt64(-1234567890123LL);
    writer.writeUInt16(65000);
    writer.writeUInt32(4000000000u);
    writer.writeUInt64(0xFEDCBA9876543210ULL);
    writer.writeBool(false);
    writer.writePoint3d(AcGePoint3d(1, -2, 3.5));
    writer.writeVector3d(AcGeVector3d(0, 0, 1));
    writer.writeAcDbHandle(AcDbHandle(0x1F));
    char chunk[] = {1, 2, 3};
    writer.writeBChunk(ads_binary{3, chunk});
    writer.writeString(L"");

    DwgFileFiler reader(nullptr, out);
    Adesk::Int8 i8 = 0;
    Adesk::Int64 i64 = 0;
    Adesk::UInt16 u16 = 0;
    Adesk::UInt32 u32 = 0;
    Adesk::UInt64 u64 = 0;
    bool flag = true;
    AcGePoint3d point;
    AcGeVector3d vector;
    AcDbHandle handle;
    ads_binary binary{};
    std::wstring text = L"not empty";
    reader.readInt8(&i8);
    reader.readInt64(&i64);
    reader.readUInt16(&u16);
    reader.readUInt32(&u32);
    reader.readUInt64(&u64);
    reader.readBool(&flag);
    reader.readPoint3d(&point);
    reader.readVector3d(&vector);
    reader.readAcDbHandle(&handle);
    reader.readBChunk(&binary);
    reader.readString(text);
    ASSERT_EQ(Acad::eOk, reader.filerStatus());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(-5, i8);
    EXPECT_EQ(-1234567890123LL, i64);
    EXPECT_EQ(65000, u16);
    EXPECT_EQ(4000000000u, u32);
    EXPECT_EQ(0xFEDCBA9876543210ULL, u64);
    EXPECT_FALSE(flag);
    EXPECT_EQ(AcGePoint3d(1, -2, 3.5), point);
    EXPECT_EQ(AcGeVector3d(0, 0, 1), vector);
    EXPECT_EQ(AcDbHandle(0x1F), handle);
    ASSERT_EQ(3, binary.clen);
    EXPECT_EQ(3, binary.buf[2]);
    delete[] binary.buf;
    EXPECT_TRUE(text.empty());
}

TEST(DwgFileFiler, RefusesAnItemOfAnotherTypeWithoutConsumingIt) {
    Bytes out;
    DwgFileFiler writer(nullptr, &out);
    writer.writeInt16(7);
    DwgFileFiler reader(nullptr, out);
    Adesk::Int32 wide = -1;
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, reader.readInt32(&wide));
    EXPECT_EQ(0, wide);
    Adesk::Int16 narrow = 0;
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, reader.readInt16(&narrow)) << "the status stays set";
    reader.resetFilerStatus();
    EXPECT_EQ(Acad::eOk, reader.readInt16(&narrow));
    EXPECT_EQ(7, narrow);
}

TEST(DwgFileFiler, ACutItemReadsAsTheEndOfTheFile) {
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
    DwgFileFiler unterminated(nullptr, std::span(out).first(out.size() - 1));
    double value = 0;
    std::wstring text = L"x";
    unterminated.readDouble(&value);
    EXPECT_EQ(Acad::eEndOfFile, unterminated.readString(text));
    EXPECT_TRUE(text.empty());

    Bytes bytes = {21, 5, 0, 0, 0, 'a'};
    DwgFileFiler shortBytes(nullptr, bytes);
    char buffer[5] = {'z', 'z', 'z', 'z', 'z'};
    EXPECT_EQ(Acad::eEndOfFile, shortBytes.readBytes(buffer, 5));
    EXPECT_EQ(0, buffer[0]);
}

class DwgFileFilerIds : public rvntest::OpenObjectCheckedTest {};

TEST_F(DwgFileFilerIds, WritesHandlesOfSavedObjectsOnly) {
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
}

TEST_F(DwgFileFilerIds, CountsHandlesThatNameNoObject) {
    AcDbDatabase database;
    Bytes bytes = {17, 0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0, 0};
    DwgFileFiler reader(&database, bytes);
    AcDbHardPointerId id;
    EXPECT_EQ(Acad::eOk, reader.readHardPointerId(&id));
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(1, reader.unresolvedHandles());
}

TEST(DwgBytes, Crc32OfTheStandardCheckString) {
    const std::string check = "123456789";
    EXPECT_EQ(0xCBF43926u, rvnhost::crc32({reinterpret_cast<const unsigned char*>(check.data()), check.size()}));
    EXPECT_EQ(0u, rvnhost::crc32({}));
}

}  // namespace
