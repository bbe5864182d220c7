#include <gtest/gtest.h>

#include "aced.h"
#include "acedads.h"
#include "drawing_fixture.h"
#include "input_queue.h"
#include "sysvars.h"
#include "ucs.h"

namespace {

class Ucs : public enttest::DrawingTest {
protected:
    void TearDown() override {
        rvnhost::setWorldUcs();
        DrawingTest::TearDown();
    }

    static AcGePoint3d variablePoint(const ACHAR* name) {
        resbuf value{};
        EXPECT_EQ(acedGetVar(name, &value), RTNORM);
        EXPECT_EQ(value.restype, RT3DPOINT);
        return {value.resval.rpoint[X], value.resval.rpoint[Y], value.resval.rpoint[Z]};
    }
    static void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected) {
        EXPECT_NEAR(actual.distanceTo(expected), 0.0, 1e-12) << actual.x << "," << actual.y << "," << actual.z;
    }
    static void runUcs(std::vector<std::wstring> answers) {
        rvntest::QueuedInput input(std::move(answers));
        EXPECT_EQ(acedRegCmds->invoke(L"UCS"), Acad::eOk);
        EXPECT_EQ(input.remaining(), 0u);
        EXPECT_FALSE(input.ranOut());
    }
};

TEST_F(Ucs, TheMatrixTakesUcsPointsToTheWorld) {
    AcGeMatrix3d matrix = AcGeMatrix3d::translation({1.0, 1.0, 1.0});
    ASSERT_TRUE(acdbUcsMatrix(matrix));
    EXPECT_TRUE(matrix.isEqualTo(AcGeMatrix3d::kIdentity));
    ASSERT_TRUE(rvnhost::setCurrentUcs({10.0, 0.0, 0.0}, AcGeVector3d::kYAxis, {-1.0, 0.5, 0.0}));
    ASSERT_TRUE(acdbUcsMatrix(matrix));
    expectNear(matrix * AcGePoint3d(1.0, 2.0, 3.0), {8.0, 1.0, 3.0});
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_FALSE(acdbUcsMatrix(matrix));
    EXPECT_TRUE(acdbUcsMatrix(matrix, &db_));
}

// The UCS command is the stand-in's own: one test, by three points and back to the world.
TEST_F(Ucs, TheCommandSetsTheUcsByThreePointsAndGoesBackToTheWorld) {
    runUcs({L"10,0,0", L"10,1", L""});
    expectNear(variablePoint(L"UCSORG"), {10.0, 0.0, 0.0});
    expectNear(variablePoint(L"UCSYDIR"), {-1.0, 0.0, 0.0});
    EXPECT_EQ(rvnhost::integerVariable(L"WORLDUCS", -1), 0);
    runUcs({L"World"});
    EXPECT_TRUE(rvnhost::isWorldUcs());
}

}  // namespace
