// The dictionary of networks: finding, creating, adding, listing, and the names it refuses.
#include "netobj_support.h"

namespace {

using rvntest::sampleNetwork;

class NetworkDictionary : public rvntest::DrawingTest {
protected:
    bool hasNetworkDictionary() {
        TzRvnOpenObject<AcDbDictionary> namedObjects(db.namedObjectsDictionaryId(), AcDb::kForRead);
        return namedObjects->has(kNetworkDictionaryKey);
    }
    std::vector<std::wstring> names() {
        std::vector<std::wstring> listed;
        EXPECT_EQ(Acad::eOk, ListNetworks(&db, listed));
        return listed;
    }
};

TEST_F(NetworkDictionary, ADrawingWithoutNetworksHasNoneToFindOrListAndGainsNoDictionary) {
    AcDbObjectId id;
    EXPECT_EQ(Acad::eKeyNotFound, FindNetwork(&db, L"Rete", id));
    EXPECT_TRUE(id.isNull());
    EXPECT_TRUE(names().empty());
    EXPECT_FALSE(hasNetworkDictionary());
}

TEST_F(NetworkDictionary, CreatedNetworksAreFoundByNameAndListedInNameOrder) {
    AcDbObjectId beta, alpha, found;
    ASSERT_EQ(Acad::eOk, CreateNetwork(&db, L"Beta", true, beta));
    ASSERT_EQ(Acad::eOk, CreateNetwork(&db, L"Alfa", false, alpha));
    EXPECT_EQ((std::vector<std::wstring>{L"Alfa", L"Beta"}), names());
    ASSERT_EQ(Acad::eOk, FindNetwork(&db, L"Beta", found));
    EXPECT_EQ(beta, found);
    EXPECT_EQ(Acad::eKeyNotFound, FindNetwork(&db, L"Gamma", found));

    TzRvnOpenObject<TzRvnNetwork> network;
    ASSERT_EQ(Acad::eOk, OpenNetwork(&db, L"Beta", AcDb::kForWrite, network));
    EXPECT_TRUE(network->isWriteEnabled());
    EXPECT_TRUE(network->hasSchema());
    EXPECT_EQ(0, network->numNodes());
    TzRvnOpenObject<AcDbDictionary> owner(network->ownerId(), AcDb::kForRead);
    std::wstring key;
    ASSERT_EQ(Acad::eOk, owner->nameAt(beta, key));
    EXPECT_EQ(L"Beta", key);
}

TEST_F(NetworkDictionary, AddingUnderATakenNameReplacesTheEarlierNetwork) {
    AcDbObjectId first, second;
    ASSERT_EQ(Acad::eOk, CreateNetwork(&db, L"Rete", false, first));
    ASSERT_EQ(Acad::eOk, AddNetwork(&db, L"Rete", std::make_unique<TzRvnNetwork>(sampleNetwork()), second));
    EXPECT_NE(first, second);
    EXPECT_TRUE(first.isErased());
    EXPECT_EQ(std::vector<std::wstring>{L"Rete"}, names());
    TzRvnOpenObject<TzRvnNetwork> network;
    ASSERT_EQ(Acad::eOk, OpenNetwork(&db, L"Rete", AcDb::kForRead, network));
    EXPECT_EQ(3, network->numNodes());
}

TEST_F(NetworkDictionary, EmptyNamesAndNamesWithAZeroCharacterAreRefused) {
    AcDbObjectId id;
    EXPECT_EQ(Acad::eInvalidKey, CreateNetwork(&db, L"", false, id));
    EXPECT_EQ(Acad::eInvalidKey, CreateNetwork(&db, std::wstring(L"Re\0te", 5), false, id));
    EXPECT_FALSE(hasNetworkDictionary());
    EXPECT_EQ(Acad::eInvalidKey, FindNetwork(&db, L"", id));
    TzRvnOpenObject<TzRvnNetwork> network;
    EXPECT_EQ(Acad::eInvalidKey, OpenNetwork(&db, L"", AcDb::kForRead, network));
    EXPECT_FALSE(network.isOpen());
}

TEST_F(NetworkDictionary, ARefusedAdditionLeavesTheDrawingAsItWas) {
    TzRvnOpenObject<AcDbDictionary> reader(db.namedObjectsDictionaryId(), AcDb::kForRead);
    AcDbObjectId id;
    EXPECT_NE(Acad::eOk, CreateNetwork(&db, L"Rete", false, id));
    EXPECT_TRUE(id.isNull());
    reader.close();
    EXPECT_FALSE(hasNetworkDictionary());
    EXPECT_EQ(Acad::eNoDatabase, CreateNetwork(nullptr, L"Rete", false, id));
    EXPECT_EQ(Acad::eNullObjectPointer, AddNetwork(&db, L"Rete", nullptr, id));
}

TEST_F(NetworkDictionary, AnEntryOfAnotherClassIsNotOpenedAsANetwork) {
    AcDbObjectId id;
    ASSERT_EQ(Acad::eOk, CreateNetwork(&db, L"Rete", false, id));
    {
        TzRvnOpenObject<AcDbDictionary> namedObjects(db.namedObjectsDictionaryId(), AcDb::kForRead);
        AcDbObjectId networksId;
        ASSERT_EQ(Acad::eOk, namedObjects->getAt(kNetworkDictionaryKey, networksId));
        TzRvnOpenObject<AcDbDictionary> networks(networksId, AcDb::kForWrite);
        AcDbObjectId other;
        auto stranger = std::make_unique<AcDbDictionary>();
        ASSERT_EQ(Acad::eOk, networks->setAt(L"Estranea", stranger.get(), other));
        stranger.release()->close();
    }
    TzRvnOpenObject<TzRvnNetwork> network;
    EXPECT_EQ(Acad::eNotThatKindOfClass, OpenNetwork(&db, L"Estranea", AcDb::kForRead, network));
    EXPECT_FALSE(network.isOpen());
    EXPECT_EQ((std::vector<std::wstring>{L"Estranea", L"Rete"}), names());
}

}  // namespace
