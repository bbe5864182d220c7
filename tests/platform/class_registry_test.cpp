// The class registry: what it refuses, and what stops the host.
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

// Registering, creating and removing an application's class are the plug-in's class tests
// (tests/netobj), kinds and casts what every drawing read relies on; here the registry's refusals and
// a descriptor that outlives its removal.
TEST(ClassRegistry, RefusesASecondOrNamelessClassKeepsTheHostsAndKeepsARemovedDescriptor) {
    RegistryTestObject::rxInit();
    AcRxClass* descriptor = RegistryTestObject::desc();
    ASSERT_NE(nullptr, descriptor);
    EXPECT_EQ(nullptr, newAcRxClass(L"RegistryTestObject", L"AcDbObject", 0, 0));
    EXPECT_EQ(nullptr, newAcRxClass(L"", L"AcDbObject", 0, 0));
    deleteAcRxClass(AcDbDictionary::desc());
    EXPECT_EQ(AcDbDictionary::desc(), acrxClassDictionary->at(L"AcDbDictionary")) << "a host class stays";
    deleteAcRxClass(descriptor);
    EXPECT_EQ(nullptr, acrxClassDictionary->at(L"RegistryTestObject"));
    EXPECT_STREQ(L"RegistryTestObject", descriptor->name());
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
