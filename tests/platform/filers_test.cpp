// The filers. The two DWG filers, the in-memory one and the drawing file's, run through one suite: what one
// writes the other must read back alike, and both refuse mistyped, cut and short input the same way.
// The drawing file's own: ids written as handles of saved objects, and a boolean byte read leniently;
// its item encoding and checksum are held to by the drawings in examples/, which the example scripts
// and the INSERT command read. Objects filing themselves through the in-memory DWG and DXF filers,
// and how the DXF filer answers mistyped groups; layers with their extended data, dictionaries and
// their entries through both filers are the drawing round trip's (tests/drawing).
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "dbmain.h"
#include "dbsymtb.h"
#include "dwg_file_filer.h"
#include "dwg_memory_filer.h"
#include "dxf_memory_filer.h"
#include "open_object_guard.h"
#include "table_records.h"

namespace {

using rvnhost::DwgFileFiler;
using rvnhost::MemoryDwgFiler;
using rvnhost::MemoryDxfFiler;

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

// Writes one item with write and reads it back with read: the value read (default when it fails).
template <class Filer, class T, class Write>
T roundTrip(Write write, Acad::ErrorStatus (AcDbDwgFiler::*read)(T*), AcDbDatabase* database = nullptr) {
    FilerPair<Filer> pair(database);
    write(pair.writer());
    T value{};
    EXPECT_EQ(Acad::eOk, (pair.reader().*read)(&value));
    return value;
}

// Every item type an object of the host or the plug-in files.
TYPED_TEST(DwgFilers, ReadBackEveryItemTypeObjectsFile) {
    using F = AcDbDwgFiler;
    using P = TypeParam;
    EXPECT_EQ(-2, (roundTrip<P, Adesk::Int16>([](F& f) { f.writeInt16(-2); }, &F::readInt16)));
    EXPECT_EQ(-70000, (roundTrip<P, Adesk::Int32>([](F& f) { f.writeInt32(-70000); }, &F::readInt32)));
    EXPECT_EQ(200, (roundTrip<P, Adesk::UInt8>([](F& f) { f.writeUInt8(200); }, &F::readUInt8)));
    EXPECT_EQ(65000, (roundTrip<P, Adesk::UInt16>([](F& f) { f.writeUInt16(65000); }, &F::readUInt16)));
    EXPECT_EQ(4000000000u, (roundTrip<P, Adesk::UInt32>([](F& f) { f.writeUInt32(4000000000u); }, &F::readUInt32)));
    EXPECT_TRUE((roundTrip<P, Adesk::Boolean>([](F& f) { f.writeBoolean(true); }, &F::readBoolean)));
    EXPECT_FALSE((roundTrip<P, bool>([](F& f) { f.writeBool(false); }, &F::readBool)));
    EXPECT_EQ(0.125, (roundTrip<P, double>([](F& f) { f.writeDouble(0.125); }, &F::readDouble)));
    EXPECT_EQ(AcGePoint3d(1, -2, 3.5),
              (roundTrip<P, AcGePoint3d>([](F& f) { f.writePoint3d({1, -2, 3.5}); }, &F::readPoint3d)));
    EXPECT_EQ(AcGeVector3d(0, 0, 1),
              (roundTrip<P, AcGeVector3d>([](F& f) { f.writeVector3d({0, 0, 1}); }, &F::readVector3d)));
    EXPECT_EQ(AcDbHandle(0x1F),
              (roundTrip<P, AcDbHandle>([](F& f) { f.writeAcDbHandle(AcDbHandle(0x1F)); }, &F::readAcDbHandle)));
    AcDbDatabase db;
    const AcDbObjectId layer = db.clayer();
    auto hardPointer = [&](F& f) { f.writeHardPointerId(layer); };
    auto softPointer = [&](F& f) { f.writeSoftPointerId(layer); };
    auto hardOwnership = [&](F& f) { f.writeHardOwnershipId(layer); };
    EXPECT_EQ(layer, (roundTrip<P, AcDbHardPointerId>(hardPointer, &F::readHardPointerId, &db)));
    EXPECT_EQ(layer, (roundTrip<P, AcDbSoftPointerId>(softPointer, &F::readSoftPointerId, &db)));
    EXPECT_EQ(layer, (roundTrip<P, AcDbHardOwnershipId>(hardOwnership, &F::readHardOwnershipId, &db)));

    FilerPair<P> pair(&db);
    EXPECT_EQ(&db, pair.writer().database());
    char chunk[] = {1, '\xFF', 3};
    pair.writer().writeBChunk(ads_binary{3, chunk});
    pair.writer().writeString(L"A\u00e8\U0001D11E");
    pair.writer().writeString(nullptr);
    pair.writer().writeBytes("xy", 2);
    AcDbDwgFiler& in = pair.reader();
    ads_binary binary{};
    std::wstring text, empty = L"left over";
    char bytes[3] = {};
    in.readBChunk(&binary);
    in.readString(text);
    in.readString(empty);
    in.readBytes(bytes, 2);
    ASSERT_EQ(Acad::eOk, in.filerStatus());
    ASSERT_EQ(3, binary.clen);
    EXPECT_EQ('\xFF', binary.buf[1]);
    delete[] binary.buf;
    EXPECT_EQ(L"A\u00e8\U0001D11E", text);
    EXPECT_EQ(L"", empty);
    EXPECT_STREQ("xy", bytes);
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

TEST(DwgFileFiler, AnyBooleanByteButZeroReadsAsTrue) {
    const std::vector<unsigned char> two = {9, 2};
    Adesk::Boolean value = false;
    EXPECT_EQ(Acad::eOk, DwgFileFiler(nullptr, two).readBoolean(&value));
    EXPECT_TRUE(value);
}

class DbObjectFilingTest : public rvntest::OpenObjectCheckedTest {
protected:
    // A layer of colour 3, off and frozen.
    AcDbObjectId addLayer(const ACHAR* name) {
        auto* layer = new AcDbLayerTableRecord;
        layer->setColorIndex(3);
        layer->setIsOff(true);
        layer->setIsFrozen(true);
        return rvntest::addRecord<AcDbLayerTable>(db, layer, name);
    }
    AcDbDatabase db;
};

// The drawing round trip (tests/drawing) files layers with their owner and extended data; here a
// copy, which has no owner, and a read cut short.
TEST_F(DbObjectFilingTest, ACopyKeepsItsOwnerAndATruncatedReadReportsIt) {
    AcDbObjectId id = addLayer(L"Tagliato");
    AcDbLayerTableRecord* layer = nullptr;
    acdbOpenObject(layer, id, AcDb::kForRead);
    MemoryDwgFiler filer(AcDb::kCopyFiler);
    layer->dwgOutFields(&filer);
    EXPECT_EQ(Acad::eNotOpenForWrite, layer->dwgInFields(&filer));
    layer->close();
    EXPECT_EQ(Acad::eNotOpenForRead, layer->dwgOutFields(&filer));

    AcDbLayerTableRecord copy;
    filer.rewind();
    ASSERT_EQ(Acad::eOk, copy.dwgInFields(&filer));
    std::wstring name;
    copy.getName(name);
    EXPECT_EQ(std::tuple(L"Tagliato", 3, true, true, false, db.continuousLinetype()),
              std::tuple(name, copy.colorIndex(), copy.isOff(), copy.isFrozen(), copy.isLocked(),
                         copy.linetypeObjectId()));
    EXPECT_TRUE(copy.ownerId().isNull());

    filer.truncate(filer.items().size() - 1);
    filer.rewind();
    AcDbLayerTableRecord cut;
    EXPECT_EQ(Acad::eEndOfFile, cut.dwgInFields(&filer));
    EXPECT_EQ(7, cut.colorIndex());
}

TEST_F(DbObjectFilingTest, DxfReadingChecksTheSubclassMarkers) {
    MemoryDxfFiler filer;
    filer.writeString(AcDb::kDxfSubclass, L"AcDbSymbolTableRecord");
    filer.writeString(AcDb::kDxfSubclass, L"AcDbLayerTableRecord");
    filer.writeInt16(AcDb::kDxfInt16, 0);
    filer.rewind();
    AcDbLayerTableRecord layer;
    EXPECT_EQ(Acad::eMissingDxfField, layer.dxfInFields(&filer));
    EXPECT_STREQ(L"\nError: expected group code 2", filer.errorMessage());

    MemoryDxfFiler other;
    other.writeString(AcDb::kDxfSubclass, L"AcDbDictionary");
    other.rewind();
    EXPECT_EQ(Acad::eBadDxfSequence, layer.dxfInFields(&other));
}

TEST(DbDxfFiler, GroupsAreCheckedAgainstTheirCodes) {
    MemoryDxfFiler filer;
    EXPECT_EQ(Acad::eInvalidDxfCode, filer.writeInt16(AcDb::kDxfText, 3));
    EXPECT_EQ(Acad::eInvalidDxfCode, filer.filerStatus());
    EXPECT_STREQ(L"\nError: group code 1 cannot carry this value", filer.errorMessage());
    EXPECT_EQ(Acad::eInvalidDxfCode, filer.writeString(AcDb::kDxfText, L"blocked"));
    filer.resetFilerStatus();
    EXPECT_EQ(Acad::eOk, filer.writeString(AcDb::kDxfText, L"ok"));
    resbuf unknown{};
    unknown.restype = 1200;
    EXPECT_EQ(Acad::eInvalidDxfCode, filer.writeItem(unknown));
    EXPECT_EQ(1u, filer.size());
}

// References to erased objects are the drawing saving's (tests/drawing/drawing_roundtrip_test.cpp).
TEST_F(DbObjectFilingTest, WritesHandlesOfTheDrawingsObjectsOnlyAndCountsThoseThatNameNone) {
    AcDbDatabase other;
    std::vector<unsigned char> out;
    DwgFileFiler writer(&db, &out);
    writer.writeHardPointerId(db.layerTableId());
    writer.writeHardOwnershipId(other.layerTableId());

    DwgFileFiler reader(&db, out);
    AcDbHardPointerId layers;
    AcDbHardOwnershipId foreign;
    reader.readHardPointerId(&layers);
    reader.readHardOwnershipId(&foreign);
    ASSERT_EQ(Acad::eOk, reader.filerStatus());
    EXPECT_EQ(db.layerTableId(), layers);
    EXPECT_TRUE(foreign.isNull());
    EXPECT_EQ(0, reader.unresolvedHandles());

    const std::vector<unsigned char> unknown = {17, 0xEF, 0xBE, 0xAD, 0xDE, 0, 0, 0, 0};
    DwgFileFiler nameless(&db, unknown);
    EXPECT_EQ(Acad::eOk, nameless.readHardPointerId(&layers));
    EXPECT_TRUE(layers.isNull());
    EXPECT_EQ(1, nameless.unresolvedHandles()) << "a handle that names no object is counted";
}

}  // namespace
