// Objects filing themselves through the in-memory DWG and DXF filers, and how the DXF filer answers
// mistyped groups. Layers with their extended data, dictionaries and their entries through both
// filers are the drawing round trip's (tests/drawing).
#include <gtest/gtest.h>

#include "dbsymtb.h"
#include "dwg_memory_filer.h"
#include "dxf_memory_filer.h"
#include "open_object_guard.h"
#include "table_records.h"

#include <tuple>

namespace {

using rvnhost::MemoryDwgFiler;
using rvnhost::MemoryDxfFiler;

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

// What a layer read back holds: name, colour, off, frozen, locked, linetype.
std::tuple<std::wstring, int, bool, bool, bool, AcDbObjectId> layerState(const AcDbLayerTableRecord& layer) {
    std::wstring name;
    layer.getName(name);
    return {name, layer.colorIndex(), layer.isOff(), layer.isFrozen(), layer.isLocked(), layer.linetypeObjectId()};
}

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
    EXPECT_EQ(std::tuple(L"Tagliato", 3, true, true, false, db.continuousLinetype()), layerState(copy));
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

}  // namespace
