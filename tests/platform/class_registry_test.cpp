// The class registry: kinds and casts, registration by name, creation by name, removal.
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

TEST(ClassRegistry, KindsFollowTheClassTree) {
    AcDbDictionary dictionary;
    EXPECT_EQ(AcDbDictionary::desc(), dictionary.isA());
    EXPECT_TRUE(dictionary.isKindOf(AcDbObject::desc()));
    EXPECT_TRUE(dictionary.isKindOf(AcRxObject::desc()));
    EXPECT_FALSE(dictionary.isKindOf(AcDbEntity::desc()));
    EXPECT_FALSE(dictionary.isKindOf(nullptr));
    EXPECT_EQ(&dictionary, AcDbDictionary::cast(&dictionary));
    EXPECT_EQ(&dictionary, AcDbObject::cast(&dictionary));
    EXPECT_EQ(nullptr, AcDbSymbolTable::cast(&dictionary));
    EXPECT_EQ(nullptr, AcDbDictionary::cast(nullptr));
    EXPECT_TRUE(AcDbLayerTableRecord::desc()->isDerivedFrom(AcDbSymbolTableRecord::desc()));
    EXPECT_STREQ(L"AcDbSymbolTableRecord", AcDbLayerTableRecord::desc()->myParent()->name());
    EXPECT_EQ(nullptr, AcRxObject::desc()->myParent());
    EXPECT_EQ(AcDbDictionary::desc(), acrxClassDictionary->at(L"AcDbDictionary"));
}

TEST(ClassRegistry, TheHostsObjectsAreCreatedByNameOrDxfName) {
    AcRxObject* made = rvnhost::createObjectOfClass(L"AcDbLayerTableRecord");
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(AcDbLayerTableRecord::desc(), made->isA());
    delete made;
    EXPECT_EQ(nullptr, rvnhost::createObjectOfClass(L"AcDbEntity"));
    EXPECT_EQ(nullptr, rvnhost::createObjectOfClass(L"NoSuchClass"));
    EXPECT_EQ(AcDbDictionary::desc(), rvnhost::classByDxfName(L"DICTIONARY"));
    EXPECT_EQ(AcDbLayerTableRecord::desc(), rvnhost::classByDxfName(L"LAYER"));
    EXPECT_EQ(nullptr, rvnhost::classByDxfName(L"NOSUCH"));
}

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
    EXPECT_TRUE(made->isKindOf(AcDbObject::desc()));
    EXPECT_NE(nullptr, RegistryTestObject::cast(made));
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

// Unlocking and declaring an application MDI-aware are the plug-in's load (tests/frame); here what
// no caller does: locking again, and an application never seen counts as locked.
TEST(ClassRegistry, TheSystemRegistryHoldsTheHostsServices) {
    EXPECT_EQ(acrxClassDictionary, acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
    EXPECT_NE(nullptr, AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER)));
    int appId = 0;
    EXPECT_TRUE(acrxDynamicLinker->isApplicationLocked(&appId));
    EXPECT_TRUE(acrxUnlockApplication(&appId));
    EXPECT_TRUE(acrxLockApplication(&appId));
    EXPECT_TRUE(acrxDynamicLinker->isApplicationLocked(&appId));
    acrxDynamicLinker->forgetApplication(&appId);
    EXPECT_FALSE(acrxRegisterAppMDIAware(nullptr));
}

TEST(ClassRegistry, RuntimeDictionariesMapNamesToObjects) {
    AcRxDictionary dictionary;
    AcDbDictionary a, b;
    EXPECT_EQ(nullptr, dictionary.atPut(L"b", &b));
    EXPECT_EQ(nullptr, dictionary.atPut(L"a", &a));
    EXPECT_EQ(&b, dictionary.atPut(L"b", &a));
    EXPECT_EQ(2u, dictionary.numEntries());
    EXPECT_FALSE(dictionary.has(L"B"));
    AcRxDictionaryIterator* collated = dictionary.newIterator(AcRx::kDictCollated);
    EXPECT_STREQ(L"b", collated->key());
    delete collated;
    AcRxDictionaryIterator* sorted = dictionary.newIterator();
    EXPECT_STREQ(L"a", sorted->key());
    EXPECT_TRUE(sorted->next());
    EXPECT_EQ(&a, sorted->object());
    EXPECT_FALSE(sorted->next());
    delete sorted;
    EXPECT_EQ(&a, dictionary.remove(L"a"));
    EXPECT_EQ(nullptr, dictionary.remove(L"a"));
    EXPECT_EQ(1u, dictionary.numEntries());
}

}  // namespace
