// The runtime class of the network object: what the host learns at registration, creation by
// name, removal at unload, and the stop when another class holds the name.
#include "frame/class_registration.h"
#include "netobj_support.h"

namespace {

TEST(NetworkClass, IsRegisteredWithItsVersionsNamesAndPseudoConstructor) {
    auto* registered = static_cast<AcRxClass*>(acrxClassDictionary->at(L"TzRvnNetwork"));
    ASSERT_NE(nullptr, registered);
    EXPECT_EQ(registered, TzRvnNetwork::desc());
    EXPECT_EQ(AcDbObject::desc(), registered->myParent());
    int maintenance = 0;
    EXPECT_EQ(33, registered->getClassVersion(maintenance));
    EXPECT_EQ(4, maintenance);
    EXPECT_EQ(0, registered->proxyFlags());
    EXPECT_STREQ(L"RVNNETWORK", registered->dxfName());
    EXPECT_STREQ(L"Tozari_Works", registered->appName());
    EXPECT_EQ(registered, rvnhost::classByDxfName(L"RVNNETWORK"));

    std::unique_ptr<AcRxObject> made(rvnhost::createObjectOfClass(L"TzRvnNetwork"));
    TzRvnNetwork* network = TzRvnNetwork::cast(made.get());
    ASSERT_NE(nullptr, network);
    EXPECT_EQ(registered, network->isA());
    EXPECT_TRUE(network->isKindOf(AcDbObject::desc()));
    EXPECT_FALSE(network->hasSchema());
    EXPECT_EQ(0, network->numNodes());
}

TEST(NetworkClass, RegisteringAgainKeepsTheDescriptorAndTheUnloadHookTakesTheClassAway) {
    AcRxClass* first = TzRvnNetwork::desc();
    RegisterNetworkClass();
    EXPECT_EQ(first, acrxClassDictionary->at(L"TzRvnNetwork"));

    UnregisterPluginClasses();
    EXPECT_EQ(nullptr, acrxClassDictionary->at(L"TzRvnNetwork"));
    EXPECT_EQ(nullptr, rvnhost::createObjectOfClass(L"TzRvnNetwork"));

    RegisterPluginClasses();
    EXPECT_EQ(TzRvnNetwork::desc(), acrxClassDictionary->at(L"TzRvnNetwork"));
    std::unique_ptr<AcRxObject> made(rvnhost::createObjectOfClass(L"TzRvnNetwork"));
    EXPECT_NE(nullptr, TzRvnNetwork::cast(made.get()));
}

TEST(NetworkClassDeathTest, AnotherClassUnderTheNameStopsTheHost) {
    EXPECT_DEATH(
        {
            RemoveNetworkClass();
            newAcRxClass(L"TzRvnNetwork", L"AcDbObject", 1, 0);
            RegisterNetworkClass();
        },
        "Class mismatch");
}

}  // namespace
