// The class registry: registration by name, creation by name, removal.
#include <gtest/gtest.h>

#include "dbdict.h"
#include "dbsymtb.h"
#include "rxregsvc.h"

namespace {

class RegistryTestObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(RegistryTestObject);
};

ACRX_DXF_DEFINE_MEMBERS(RegistryTestObject, AcDbObject, 33, 4, 0, L"RVNREGISTRYTEST", L"Tozari_Works")

// Kinds, casts and creation by name or DXF name are what every drawing read and command relies on
// (tests/drawing and the plug-in's); here an application's class and the registry's own refusals.
TEST(ClassRegistry, AnApplicationClassRegistersOnceAndIsRemovedAgain) {
    RegistryTestObject::rxInit();
    AcRxClass* descriptor = RegistryTestObject::desc();
    ASSERT_NE(nullptr, descriptor);
    EXPECT_STREQ(L"RegistryTestObject", descriptor->name());
    EXPECT_STREQ(L"RVNREGISTRYTEST", descriptor->dxfName());
    EXPECT_STREQ(L"Tozari_Works", descriptor->appName());
    int maint = 0;
    EXPECT_EQ(33, descriptor->getClassVersion(maint));
    EXPECT_EQ(4, maint);
    EXPECT_EQ(AcDbObject::desc(), descriptor->myParent());
    RegistryTestObject::rxInit();
    EXPECT_EQ(descriptor, acrxClassDictionary->at(L"RegistryTestObject"));
    EXPECT_EQ(nullptr, newAcRxClass(L"RegistryTestObject", L"AcDbObject", 0, 0));

    AcRxObject* made = rvnhost::createObjectOfClass(L"RegistryTestObject");
    ASSERT_NE(nullptr, made);
    EXPECT_TRUE(made->isKindOf(AcDbObject::desc()) && !made->isKindOf(nullptr));
    EXPECT_NE(nullptr, RegistryTestObject::cast(made));
    EXPECT_EQ(nullptr, RegistryTestObject::cast(nullptr));
    delete made;

    deleteAcRxClass(descriptor);
    EXPECT_EQ(nullptr, acrxClassDictionary->at(L"RegistryTestObject"));
    EXPECT_STREQ(L"RegistryTestObject", descriptor->name());
    RegistryTestObject::rxInit();
    EXPECT_NE(nullptr, acrxClassDictionary->at(L"RegistryTestObject"));
    deleteAcRxClass(RegistryTestObject::desc());
}

TEST(ClassRegistry, ParentsRegisteredLaterAreLinkedByTheHierarchyBuild) {
    AcRxClass* child = newAcRxClass(L"RvnLateChild", L"RvnLateParent", 0, 0);
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(nullptr, child->myParent());
    AcRxClass* parent = newAcRxClass(L"RvnLateParent", L"AcDbObject", 0, 0);
    acrxBuildClassHierarchy();
    EXPECT_EQ(parent, child->myParent());
    EXPECT_TRUE(child->isDerivedFrom(AcDbObject::desc()));

    deleteAcRxClass(parent);
    EXPECT_EQ(parent, acrxClassDictionary->at(L"RvnLateParent"));
    deleteAcRxClass(child);
    deleteAcRxClass(parent);
    EXPECT_EQ(nullptr, acrxClassDictionary->at(L"RvnLateParent"));
    deleteAcRxClass(AcDbDictionary::desc());
    EXPECT_EQ(AcDbDictionary::desc(), acrxClassDictionary->at(L"AcDbDictionary"));
    EXPECT_EQ(nullptr, newAcRxClass(L"", L"AcDbObject", 0, 0));
}

TEST(ClassRegistryDeathTest, ADifferentClassUnderTheSameNameStopsTheHost) {
    EXPECT_DEATH(
        {
            RegistryTestObject::rxInit();
            RegistryTestObject::gpDesc = newAcRxClass(L"RvnImpostor", L"AcDbObject", 0, 0);
            RegistryTestObject::rxInit();
        },
        "Class mismatch");
}

TEST(ClassRegistryDeathTest, AbortPrintsItsMessage) {
    EXPECT_DEATH(acrx_abort(L"Fatal %ls %d", L"error", 7), "Fatal error 7");
}

}  // namespace
