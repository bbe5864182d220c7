#include "acedads.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "editor_state.h"
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

// Finds the one entity it knows within a unit of its point.
class PointPicker : public rvnhost::EntityPicker {
public:
    PointPicker(AcDbObjectId entity, AcGePoint3d at) : entity_(entity), at_(at) {}
    AcDbObjectId entityAt(const AcGePoint3d& point) override {
        return point.distanceTo(at_) <= 1.0 ? entity_ : AcDbObjectId();
    }
    AcGePoint3d pointOn(AcDbObjectId) override { return at_; }

private:
    AcDbObjectId entity_;
    AcGePoint3d at_;
};

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
        rvnhost::EditorState::instance().setPicker(nullptr);
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

// Selection is the stand-in's own (the plug-in selects nothing): each way of answering once.
TEST_F(EditorEntSel, AHandleNamesTheEntityAPointGoesToThePickerAndAnythingElseFindsNothing) {
    rvntest::QueuedInput input({handleText(entity_), L"#FFFF", handleText(database_.namedObjectsDictionaryId()),
                                L"5,5", L"5.5,5", L"", L"garbage"});
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
    rvnhost::EditorState::instance().setPicker(std::make_unique<PointPicker>(entity_, AcGePoint3d(5.0, 5.0, 0.0)));
    ASSERT_EQ(acedEntSel(nullptr, name, point), RTNORM);
    EXPECT_EQ(point[X], 5.5);
    acdbGetObjectId(selected, name);
    EXPECT_EQ(selected, entity_);
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTERROR) << "Return";
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", 0), 52);
    // Text that is neither a point nor a handle is asked again, until the input ends.
    EXPECT_EQ(acedEntSel(nullptr, name, point), RTCAN);
    EXPECT_TRUE(input.ranOut());
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"Select an object, or give its handle as #handle."));
}

}  // namespace
