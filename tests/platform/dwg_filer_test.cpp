// The two DWG filers, the in-memory one and the drawing file's, run through one suite: what one
// writes the other must read back alike, and both refuse mistyped, cut and short input the same way.
#include <gtest/gtest.h>

#include <memory>

#include "acutmem.h"
#include "dbmain.h"
#include "dwg_file_filer.h"
#include "dwg_memory_filer.h"

namespace {

using rvnhost::DwgFileFiler;
using rvnhost::MemoryDwgFiler;

// Writes with one filer, then reads what it wrote with another, possibly cut to its first items.
template <class Filer>
struct FilerPair;

template <>
struct FilerPair<MemoryDwgFiler> {
    explicit FilerPair(AcDbDatabase* database = nullptr) : filer(AcDb::kCopyFiler, database) {}
    AcDbDwgFiler& writer() { return filer; }
    AcDbDwgFiler& reader() {
        filer.rewind();
        return filer;
    }
    // Keeps the items but cuts the last one's value short, or drops it where an item is whole.
    void cutLastItem() { filer.truncate(filer.items().size() - 1); }
    MemoryDwgFiler filer;
};

template <>
struct FilerPair<DwgFileFiler> {
    explicit FilerPair(AcDbDatabase* database = nullptr) : database_(database), out_(database, &bytes) {}
    AcDbDwgFiler& writer() { return out_; }
    AcDbDwgFiler& reader() {
        in_ = std::make_unique<DwgFileFiler>(database_, std::span<const unsigned char>(bytes));
        return *in_;
    }
    void cutLastItem() { bytes.pop_back(); }
    std::vector<unsigned char> bytes;

private:
    AcDbDatabase* database_;
    DwgFileFiler out_;
    std::unique_ptr<DwgFileFiler> in_;
};

template <class Filer>
class DwgFilers : public ::testing::Test {};

using FilerTypes = ::testing::Types<MemoryDwgFiler, DwgFileFiler>;
TYPED_TEST_SUITE(DwgFilers, FilerTypes);

TYPED_TEST(DwgFilers, ReadBackEveryItemTypeInOrder) {
    AcDbDatabase db;
    FilerPair<TypeParam> pair(&db);
    AcDbDwgFiler& out = pair.writer();
    EXPECT_EQ(&db, out.database());
    out.writeInt8(-5);
    out.writeInt16(-2);
    out.writeInt32(0x01020304);
    out.writeInt64(-1234567890123LL);
    out.writeUInt8(200);
    out.writeUInt16(65000);
    out.writeUInt32(4000000000u);
    out.writeUInt64(0xFEDCBA9876543210ULL);
    out.writeBoolean(true);
    out.writeBool(false);
    out.writeDouble(0.125);
    out.writePoint3d(AcGePoint3d(1, -2, 3.5));
    out.writeVector3d(AcGeVector3d(0, 0, 1));
    out.writeAcDbHandle(AcDbHandle(0x1F));
    char chunk[] = {1, '\xFF', 3};
    out.writeBChunk(ads_binary{3, chunk});
    out.writeString(L"A\u00e8\U0001D11E");
    out.writeString(nullptr);
    out.writeBytes("xy", 2);
    out.writeHardPointerId(db.clayer());
    out.writeSoftOwnershipId(AcDbObjectId());
    ASSERT_EQ(Acad::eOk, out.filerStatus());

    AcDbDwgFiler& in = pair.reader();
    Adesk::Int8 i8 = 0;
    Adesk::Int16 i16 = 0;
    Adesk::Int32 i32 = 0;
    Adesk::Int64 i64 = 0;
    Adesk::UInt8 u8 = 0;
    Adesk::UInt16 u16 = 0;
    Adesk::UInt32 u32 = 0;
    Adesk::UInt64 u64 = 0;
    Adesk::Boolean boolean = false;
    bool flag = true;
    double real = 0;
    AcGePoint3d point;
    AcGeVector3d vector;
    AcDbHandle handle;
    ads_binary binary{};
    std::wstring text;
    ACHAR* empty = nullptr;
    char bytes[3] = {};
    AcDbHardPointerId layer;
    AcDbSoftOwnershipId none;
    in.readInt8(&i8);
    in.readInt16(&i16);
    in.readInt32(&i32);
    in.readInt64(&i64);
    in.readUInt8(&u8);
    in.readUInt16(&u16);
    in.readUInt32(&u32);
    in.readUInt64(&u64);
    in.readBoolean(&boolean);
    in.readBool(&flag);
    in.readDouble(&real);
    in.readPoint3d(&point);
    in.readVector3d(&vector);
    in.readAcDbHandle(&handle);
    in.readBChunk(&binary);
    in.readString(text);
    in.readString(&empty);
    in.readBytes(bytes, 2);
    in.readHardPointerId(&layer);
    in.readSoftOwnershipId(&none);
    ASSERT_EQ(Acad::eOk, in.filerStatus());
    EXPECT_EQ(-5, i8);
    EXPECT_EQ(-2, i16);
    EXPECT_EQ(0x01020304, i32);
    EXPECT_EQ(-1234567890123LL, i64);
    EXPECT_EQ(200, u8);
    EXPECT_EQ(65000, u16);
    EXPECT_EQ(4000000000u, u32);
    EXPECT_EQ(0xFEDCBA9876543210ULL, u64);
    EXPECT_TRUE(boolean);
    EXPECT_FALSE(flag);
    EXPECT_EQ(0.125, real);
    EXPECT_EQ(AcGePoint3d(1, -2, 3.5), point);
    EXPECT_EQ(AcGeVector3d(0, 0, 1), vector);
    EXPECT_EQ(AcDbHandle(0x1F), handle);
    ASSERT_EQ(3, binary.clen);
    EXPECT_EQ('\xFF', binary.buf[1]);
    delete[] binary.buf;
    EXPECT_EQ(L"A\u00e8\U0001D11E", text);
    EXPECT_STREQ(L"", empty);
    acutDelString(empty);
    EXPECT_STREQ("xy", bytes);
    EXPECT_EQ(db.clayer(), layer);
    EXPECT_TRUE(none.isNull());
}

TYPED_TEST(DwgFilers, AnItemOfAnotherTypeIsRefusedUnreadAndTheStatusStays) {
    FilerPair<TypeParam> pair;
    pair.writer().writeInt16(7);
    pair.writer().writeBool(true);
    pair.writer().writeBytes("abc", 3);
    AcDbDwgFiler& in = pair.reader();
    Adesk::Int32 wide = -1;
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, in.readInt32(&wide));
    EXPECT_EQ(0, wide);
    Adesk::Int16 narrow = 0;
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, in.readInt16(&narrow)) << "the status stays set";
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, in.writeInt16(1));
    in.resetFilerStatus();
    ASSERT_EQ(Acad::eOk, in.readInt16(&narrow));
    EXPECT_EQ(7, narrow);
    Adesk::Boolean notBoolean = true;
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, in.readBoolean(&notBoolean));
    EXPECT_FALSE(notBoolean);
    in.resetFilerStatus();
    bool flag = false;
    in.readBool(&flag);
    char bytes[4] = {'z', 'z', 'z', 0};
    EXPECT_EQ(Acad::eDwgObjectImproperlyRead, in.readBytes(bytes, 4)) << "bytes are read with their own count";
    EXPECT_STREQ("", bytes);
    in.resetFilerStatus();
    EXPECT_EQ(Acad::eOk, in.readBytes(bytes, 3));
    EXPECT_STREQ("abc", bytes);
}

TYPED_TEST(DwgFilers, ACutSequenceReadsAsTheEnd) {
    FilerPair<TypeParam> pair;
    pair.writer().writeDouble(2.5);
    pair.writer().writeString(L"abc");
    pair.cutLastItem();
    AcDbDwgFiler& in = pair.reader();
    double value = -1;
    EXPECT_EQ(Acad::eOk, in.readDouble(&value));
    std::wstring text = L"left over";
    EXPECT_EQ(Acad::eEndOfFile, in.readString(text));
    EXPECT_TRUE(text.empty());
    Adesk::Int32 next = -1;
    EXPECT_EQ(Acad::eEndOfFile, in.readInt32(&next));
    EXPECT_EQ(0, next);
}

TYPED_TEST(DwgFilers, ChunksAndBytesWithoutDataAreRefusedOnWriting) {
    FilerPair<TypeParam> pair;
    EXPECT_EQ(Acad::eInvalidInput, pair.writer().writeBChunk(ads_binary{2, nullptr}));
    EXPECT_EQ(Acad::eInvalidInput, pair.writer().writeBChunk(ads_binary{-1, nullptr}));
    EXPECT_EQ(Acad::eInvalidInput, pair.writer().writeBytes(nullptr, 4));
    EXPECT_EQ(Acad::eOk, pair.writer().filerStatus());
}

TEST(MemoryDwgFiler, DumpsEachItemWithItsTypeAndKeepsItsFilerType) {
    AcDbDatabase db;
    MemoryDwgFiler filer(AcDb::kUndoFiler, &db);
    EXPECT_EQ(AcDb::kUndoFiler, filer.filerType());
    char data[] = {'\x01', '\xFF'};
    filer.writeInt16(1);
    filer.writeString(L"Nodo");
    filer.writeDouble(0.125);
    filer.writeBoolean(true);
    filer.writeUInt8(200);
    filer.writePoint3d(AcGePoint3d(1, 2, 3));
    filer.writeBChunk(ads_binary{2, data});
    filer.writeHardPointerId(db.clayer());
    filer.writeAcDbHandle(AcDbHandle(0x2A));
    EXPECT_EQ(L"Int16 1\nString \"Nodo\"\nDouble 0.125\nBoolean 1\nUInt8 200\nPoint3d 1,2,3\nBChunk 01FF\n"
              L"HardPointerId " + db.clayer().handle().text() + L"\nHandle 2A\n",
              filer.dump());
}

}  // namespace
