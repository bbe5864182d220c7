#include "acedads.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "input_queue.h"
#include "open_objects.h"
#include "sysvars.h"
#include "transcript.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// An entity of no particular kind, enough to be selected.
class PlainEntity : public AcDbEntity {};

class EditorEntSel : public ::testing::Test {
protected:
    void SetUp() override {
        AcDbBlockTable* blocks = nullptr;
        ASSERT_EQ(database_.getSymbolTable(blocks, AcDb::kForRead), Acad::eOk);
        AcDbBlockTableRecord* modelSpace = nullptr;
        ASSERT_EQ(blocks->getAt(ACDB_MODEL_SPACE, modelSpace, AcDb::kForWrite), Acad::eOk);
        blocks->close();
        auto* entity = new PlainEntity;
        ASSERT_EQ(modelSpace->appendAcDbEntity(entity_, entity), Acad::eOk);
        entity->close();
        modelSpace->close();
        rvnhost::Transcript::instance().clear();
    }
    void TearDown() override {
        // Selecting opens the entity to check it; it must be closed again.
        EXPECT_TRUE(rvnhost::openObjects(database_).empty());
    }

    std::wstring handleText(AcDbObjectId id) const {
        wchar_t text[32];
        std::swprintf(text, 32, L"#%llX", static_cast<unsigned long long>(id.handle().value()));
        return text;
    }

    AcDbDatabase database_;
    rvntest::WorkingDatabase working_{&database_};
    AcDbObjectId entity_;
};

// Points picked through the drawing's picker are the entity tests' (tests/entities/picking_test.cpp);
// here a handle, each way of finding nothing, and what ERRNO then says.
TEST_F(EditorEntSel, AHandleNamesTheEntityAndAnythingElseFindsNothing) {
    rvntest::QueuedInput input({handleText(entity_), L"#FFFF", handleText(database_.namedObjectsDictionaryId()),
                                L"5,5", L"", L"garbage"});
    ads_name name;
    ads_point point = {9.0, 9.0, 9.0};
    ASSERT_EQ(acedEntSel(L"\nSeleziona il ramo: ", name, point), RTNORM);
    AcDbObjectId selected;
    ASSERT_EQ(acdbGetObjectId(selected, name), Acad::eOk);
    EXPECT_EQ(selected, entity_);
    EXPECT_EQ(point[X], 0.0);
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Seleziona il ramo: "));
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 7);
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"No entity with handle #FFFF."));
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "a handle of an object that is no entity";
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Select object: "));
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "no picker";
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "Return";
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 52);
    // Text that is neither a point nor a handle is asked again, until the input ends.
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTCAN);
    EXPECT_TRUE(input.ranOut());
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Select an object, or give its handle as #handle."));
}

}  // namespace
